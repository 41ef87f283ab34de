// Runs one encoder through RunEncoder and reports how much processor time the
// waiting side spent next to the encoder's own, so a regression to a polling
// loop shows at once. Usage: encoder_wait_cpu <encoder path> <command line>
#include <sys/resource.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <string>

#include "engine/encoder_run.h"

namespace {

class CountingDisplay : public corvanta::ProgressDisplay {
 public:
  void SetBarLeft(int) override {}
  void SetBarWidth(int width) override {
    ++updates;
    if (width > widest) widest = width;
  }
  void SetBarColor(std::uint32_t) override {}
  void SetPercentText(const std::string&) override {}
  int updates = 0;
  int widest = 0;
};

double Seconds(const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; }

double CpuSeconds(int who) {
  rusage usage{};
  getrusage(who, &usage);
  return Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <encoder path> <command line>\n", argv[0]);
    return 2;
  }
  QCoreApplication app(argc, argv);
  CountingDisplay display;
  const double waiterBefore = CpuSeconds(RUSAGE_SELF);
  const auto start = std::chrono::steady_clock::now();
  corvanta::RunEncoder(argv[1], argv[2], display, corvanta::RunState{});
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const double waiter = CpuSeconds(RUSAGE_SELF) - waiterBefore;
  const double encoder = CpuSeconds(RUSAGE_CHILDREN);
  std::printf("wall time          %8.3f s\n", wall);
  std::printf("encoder CPU time   %8.3f s\n", encoder);
  std::printf("waiting side CPU   %8.3f s  (%.2f%% of wall time)\n", waiter,
              wall > 0 ? 100.0 * waiter / wall : 0.0);
  std::printf("progress updates   %8d  (widest bar %d px; %.1f us of waiting side each)\n",
              display.updates, display.widest,
              display.updates > 0 ? 1e6 * waiter / display.updates : 0.0);
  return 0;
}
