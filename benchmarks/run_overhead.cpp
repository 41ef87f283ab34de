// Wall time of converting the same clips twice: once through a whole run of
// the converter's main window (offscreen), once by starting the encoder
// directly with each command line the run builds, one after the other.
// Prints both times and their ratio. Driven by run_overhead.sh.
//   run_overhead [--direct-first] <output folder> <clip>...
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStringList>
#include <cstdio>
#include <string>
#include <vector>

#include "common/quiet_run_services.h"
#include "engine/command_line.h"
#include "engine/run_state.h"
#include "platform/kelvane_binding.h"
#include "program_folder.h"
#include "text/command_line_split.h"
#include "ui/main_window.h"
#include "ui/queue_rows.h"

namespace corvanta {
namespace {

std::string FileNameOf(const std::string& path) { return path.substr(path.rfind('/') + 1); }

// `settings` receives the run state the window's run leaves behind.
double ConvertThroughWindow(const std::string& outputs, const std::vector<std::string>& clips,
                            RunState& settings) {
  // A benchmark must never switch the machine off or beep; everything else
  // is the program's own.
  testing::QuietRunServices services;
  MainWindow window(services);
  window.show();
  for (const std::string& clip : clips) {
    AppendQueueRow(*window.超级列表框1, clip, kelvane::FileSizeText);
  }
  window.编辑框_目录->setText(QString::fromStdString(outputs + "/"));
  QElapsedTimer clock;
  clock.start();
  window.按钮_转换->click();
  const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
  settings = window.runState();
  return seconds;
}

// The settings are the ones the run just read from the window.
double ConvertDirectly(const std::string& outputs, const std::vector<std::string>& clips,
                       const RunState& settings) {
  const std::string audio = BuildAudioOptions(*settings.AudioCodecText, *settings.SampleRateText,
                                              *settings.ResolutionText, *settings.FrameRateText,
                                              *settings.AudioBitrateText);
  const std::string video = BuildVideoOptions(*settings.VideoCodecText, *settings.VideoBitrateText);
  const QString encoder = QString::fromStdString(EncoderPath(ProgramFolder()));
  QElapsedTimer clock;
  clock.start();
  for (const std::string& clip : clips) {
    const std::string output = BuildOutputPath(outputs + "/", FileNameOf(clip), "direct.MP4");
    const std::vector<std::string> words =
        SplitCommandLine(BuildCommandLine(clip, audio, video, output));
    QStringList arguments;
    for (std::size_t i = 1; i < words.size(); ++i) arguments << QString::fromStdString(words[i]);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setWorkingDirectory(QString::fromStdString(ProgramFolder()));
    process.start(encoder, arguments);
    process.waitForFinished(-1);
  }
  return static_cast<double>(clock.nsecsElapsed()) / 1e9;
}

}  // namespace
}  // namespace corvanta

int main(int argc, char* argv[]) {
  // Alternating which side goes first keeps a warm cache from favouring one.
  const bool directFirst = argc > 1 && std::string(argv[1]) == "--direct-first";
  const int first = directFirst ? 2 : 1;
  if (argc < first + 2) {
    std::fprintf(stderr, "usage: %s [--direct-first] <output folder> <clip>...\n", argv[0]);
    return 2;
  }
  QApplication application(argc, argv);
  const std::string outputs = argv[first];
  const std::vector<std::string> clips(argv + first + 1, argv + argc);

  double throughWindow = 0;
  double direct = 0;
  corvanta::RunState settings;
  if (directFirst) {
    // The direct side reads the settings the window run leaves behind, so a
    // short run of one clip sets them first.
    corvanta::ConvertThroughWindow(outputs, {clips.front()}, settings);
    direct = corvanta::ConvertDirectly(outputs, clips, settings);
    throughWindow = corvanta::ConvertThroughWindow(outputs, clips, settings);
  } else {
    throughWindow = corvanta::ConvertThroughWindow(outputs, clips, settings);
    direct = corvanta::ConvertDirectly(outputs, clips, settings);
  }
  std::printf("run %.3f s  direct %.3f s  ratio %.4f\n", throughWindow, direct,
              throughWindow / direct);
  return 0;
}
