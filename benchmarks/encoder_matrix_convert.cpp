// Converts one file the way a run converts a queue row: the settings become
// the command line, the command line the carried encoder's arguments, and
// RunEncoder runs the carried encoder on them. Prints the carried encoder's
// arguments, whether it ran to its end ("finished: yes|no") and the row's
// verdict ("verdict: done|failed"). Driven by encoder_matrix.sh.
// Usage: encoder_matrix_convert <program folder> <input> <output>
//          <video codec> <frame rate> <audio codec> <audio bitrate> <sample rate>
// The video bitrate and resolution stay at the window's first items.
#include <QCoreApplication>
#include <cstdio>
#include <filesystem>
#include <string>

#include "carried_encoder/carried_encoder.h"
#include "engine/command_line.h"
#include "engine/encoder_adaptation.h"
#include "engine/encoder_run.h"
#include "engine/output_verdict.h"
#include "engine/probe_file.h"
#include "text/command_line_split.h"

namespace {

class SilentDisplay : public corvanta::ProgressDisplay {
 public:
  void SetBarLeft(int) override {}
  void SetBarWidth(int) override {}
  void SetBarColor(std::uint32_t) override {}
  void SetPercentText(const std::string&) override {}
};

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 9) {
    std::fprintf(stderr,
                 "usage: %s <program folder> <input> <output> <video codec> <frame rate> "
                 "<audio codec> <audio bitrate> <sample rate>\n",
                 argv[0]);
    return 2;
  }
  QCoreApplication app(argc, argv);
  const std::string encoder = corvanta::EncoderPath(argv[1]);
  corvanta::EnsureEncoderFile(encoder);
  const std::string audio =
      corvanta::BuildAudioOptions(argv[6], argv[8], "320:240", argv[5], argv[7]);
  const std::string video = corvanta::BuildVideoOptions(argv[4], "500");
  const std::string line = corvanta::BuildCommandLine(argv[2], audio, video, argv[3]);
  const corvanta::InputFacts input = corvanta::ProbeInputFile(argv[2]);
  for (const std::string& argument :
       corvanta::AdaptForCarriedEncoder(corvanta::SplitCommandLine(line), input)) {
    std::printf("%s ", argument.c_str());
  }
  std::printf("\n");
  std::fflush(stdout);
  SilentDisplay display;
  const bool finished = corvanta::RunEncoder(encoder, line, display, corvanta::RunState{}, input);
  std::printf("finished: %s\n", finished ? "yes" : "no");
  // The icon a queue row would show for this conversion, judged as the run
  // judges it: the encoder finished, left more than an empty file, and what
  // it wrote holds its input.
  std::error_code error;
  const bool empty = std::filesystem::file_size(argv[3], error) == 0 || error;
  const bool done =
      finished && !empty && corvanta::OutputHoldsInput(input, corvanta::ProbeOutputFile(argv[3]));
  std::printf("verdict: %s\n", done ? "done" : "failed");
  return 0;
}
