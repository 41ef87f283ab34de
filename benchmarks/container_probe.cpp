// Times the probes that run around each row on the files named: the input
// probe (by default) or, with --output, the check of an encoder output.
// With --cold the file's pages are dropped from the page cache before every
// probe (posix_fadvise, no privilege needed).
// Usage: container_probe [--cold] [--output] [--rounds N] <file>...
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/probe_file.h"
#include "regular_file.h"

namespace {

void DropFromCache(const char* path) {
  const corvanta::RegularFile file(path);
  if (!file.isOpen()) return;
  ::fdatasync(file.fd());
  ::posix_fadvise(file.fd(), 0, 0, POSIX_FADV_DONTNEED);
}

// In the order of corvanta::Container.
constexpr const char* kContainerNames[] = {
    "unknown", "AVI", "program stream", "transport stream", "ISO media", "Matroska",
    "FLV",     "ASF", "RealMedia"};

std::string Seconds(const std::optional<double>& seconds) {
  if (!seconds) return "?";
  char text[32];
  std::snprintf(text, sizeof text, "%.3f s", *seconds);
  return text;
}

std::string Describe(const char* file, bool output) {
  if (output) {
    const corvanta::OutputFacts facts = corvanta::ProbeOutputFile(file);
    return std::string(facts.complete ? "complete" : "incomplete") + ", video " +
           Seconds(facts.video.seconds) + ", audio " + Seconds(facts.audio.seconds);
  }
  const corvanta::InputFacts facts = corvanta::ProbeInputFile(file);
  char rate[64];
  std::snprintf(rate, sizeof rate, ", %.3f fps%s, turn %d", facts.videoFrameRate,
                facts.variableFrameRate ? " variable" : "", facts.rotationDegrees);
  return std::string(kContainerNames[static_cast<int>(facts.container)]) + ", video " +
         (facts.video.present ? Seconds(facts.video.seconds) : "none") + ", audio " +
         (facts.audio.present ? Seconds(facts.audio.seconds) : "none") + ", overall " +
         Seconds(facts.overallSeconds) + (facts.streamsKnown ? "" : " (streams unsure)") + rate +
         (facts.aviEmptyVideoChunk ? ", empty chunk" : "");
}

}  // namespace

int main(int argc, char* argv[]) {
  bool cold = false;
  bool output = false;
  int rounds = 5;
  std::vector<const char*> files;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--cold") == 0) {
      cold = true;
    } else if (std::strcmp(argv[i], "--output") == 0) {
      output = true;
    } else if (std::strcmp(argv[i], "--rounds") == 0 && i + 1 < argc) {
      rounds = std::max(1, std::atoi(argv[++i]));
    } else {
      files.push_back(argv[i]);
    }
  }
  if (files.empty()) {
    std::fprintf(stderr, "usage: %s [--cold] [--output] [--rounds N] <file>...\n", argv[0]);
    return 2;
  }
  for (const char* file : files) {
    std::vector<double> times;
    std::string facts;
    for (int round = 0; round < rounds; ++round) {
      if (cold) DropFromCache(file);
      const auto start = std::chrono::steady_clock::now();
      facts = Describe(file, output);
      times.push_back(
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count());
    }
    std::sort(times.begin(), times.end());
    std::printf("%s: %s  median %.2f ms  max %.2f ms (%s, %d rounds)\n", file, facts.c_str(),
                times[times.size() / 2], times.back(), cold ? "cold" : "warm", rounds);
  }
  return 0;
}
