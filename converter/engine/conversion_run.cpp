#include "engine/conversion_run.h"

#include <optional>

#include "engine/command_line.h"
#include "engine/output_verdict.h"
#include "engine/queue_row.h"
#include "engine/run_state.h"
#include "platform/same_file.h"
#include "platform/tick_count.h"

namespace corvanta {
namespace {

constexpr int kElapsedTimerInterval = 1000;

using SettingList = RunWindow::SettingList;

// Replaces the shared setting texts with the lists' current choices, in the
// order the window is read.
void ReadSettings(RunWindow& window, RunState& state) {
  state.AudioCodecText = window.SelectedItemText(SettingList::AudioCodec);
  state.AudioBitrateText = window.SelectedItemText(SettingList::AudioBitrate);
  state.SampleRateText = window.SelectedItemText(SettingList::SampleRate);
  state.VideoBitrateText = window.SelectedItemText(SettingList::VideoBitrate);
  state.FrameRateText = window.SelectedItemText(SettingList::FrameRate);
  state.ResolutionText = window.SelectedItemText(SettingList::Resolution);
  state.VideoCodecText = window.SelectedItemText(SettingList::VideoCodec);
}

// Everything one call keeps for itself; a run started inside this one (after
// a stop) has its own.
struct ThisRun {
  std::uint32_t number = 0;
  std::string format;
  std::string audioOptions;
  std::string videoOptions;
  int rowCount = 0;
  // The output of the row last converted, deleted again at the end of a
  // stopped run; empty when that row was not encoded because its output
  // would have overwritten a queued input.
  std::optional<std::string> lastOutput;
};

// An output that is the input of a queued row, this one's or another's, must
// not be written: the encoder would overwrite a file the user still wants
// converted (or is reading from), and a stop would then delete it. Rows added
// during the run count too.
bool OverwritesAQueuedInput(RunWindow& window, const std::string& outputPath) {
  for (int row = 0; row < window.RowCount(); ++row) {
    const std::string input =
        window.CellText(row, kQueueFolderColumn) + window.CellText(row, kQueueFileNameColumn);
    if (SameFile(input, outputPath)) return true;
  }
  return false;
}

// Such a row is not handed to the encoder and is marked failed instead.
void MarkOverwriteRefused(RunWindow& window, int row) {
  window.SetCellText(row, kQueueStatusColumn, kDoneStatus);
  window.SetRowIcon(row, kFailedIcon);
  window.SetCellText(row, kQueueOutputSizeColumn, kZeroSizeText);
}

// A stopped row's output is incomplete and has just been deleted: the row
// must not go on looking like a finished file.
void MarkStoppedOutputRemoved(RunWindow& window, RunServices& services, int row,
                              const std::string& outputPath) {
  window.SetRowIcon(row, kFailedIcon);
  window.SetCellText(row, kQueueOutputSizeColumn, services.FileSizeText(outputPath));
}

// A run can only start inside this one after a stop of this one. Its first
// encoder ended this row's, and it has done every end-of-run action before
// this run got control back. It, or a run nested in it, may also have
// converted this row or written this output since: that newer conversion
// stands. Whatever it left untouched is finished as a stop finishes it.
void EndRowUnderNewerRun(RunWindow& window, RunServices& services, const RunState& state,
                         const ThisRun& run, int row, const std::string& outputPath) {
  if (!state.Latest.OutputTakenAfter(outputPath, run.number)) services.DeleteFile(outputPath);
  if (state.Latest.RowTakenAfter(row, run.number)) return;
  window.SetCellText(row, kQueueStatusColumn, kDoneStatus);
  MarkStoppedOutputRemoved(window, services, row, outputPath);
}

enum class RowEnd {
  Next,
  Stop,
  // A run started inside this one has ended it.
  LeftToNewerRun,
};

RowEnd ConvertRow(RunWindow& window, RunServices& services, RunState& state, ThisRun& run,
                  int row) {
  const std::string fileName = window.CellText(row, kQueueFileNameColumn);
  const std::string folder = window.CellText(row, kQueueFolderColumn);
  const std::string inputPath = folder + fileName;
  window.SetCellText(row, kQueueStatusColumn, kConvertingStatus);
  window.SetRowIcon(row, kConvertingIcon);
  state.Latest.BeginRow(row, run.number);
  // Read anew for every row: a folder chosen during the run applies from the
  // next row on.
  const std::string outputPath = BuildOutputPath(window.OutputFolderText(), fileName, run.format);

  if (OverwritesAQueuedInput(window, outputPath)) {
    run.lastOutput.reset();
    MarkOverwriteRefused(window, row);
    return state.StopRequested == 1 ? RowEnd::Stop : RowEnd::Next;
  }

  const std::string commandLine =
      BuildCommandLine(inputPath, run.audioOptions, run.videoOptions, outputPath);
  state.Latest.BeginOutput(outputPath, run.number);
  // Looked at before the encoder starts: an input that is cut short while it
  // converts must not shorten the length its output is held to.
  const InputFacts input = services.ProbeInput(inputPath);
  const bool finished =
      services.RunEncoder(EncoderPath(services.ProgramFolder()), commandLine, window, state, input);
  if (state.RunsStarted != run.number) {
    EndRowUnderNewerRun(window, services, state, run, row, outputPath);
    return RowEnd::LeftToNewerRun;
  }
  run.lastOutput = outputPath;

  window.SetCellText(row, kQueueStatusColumn, kDoneStatus);
  // An encoder that crashed or gave up can leave a file of any size, and one
  // that ran to its end may still have lost a stream or part of one; only a
  // file that holds the input is done. Whatever the encoder left is kept.
  const bool empty = services.FileSizeText(outputPath) == kZeroSizeText;
  const bool done = finished && !empty && OutputHoldsInput(input, services.ProbeOutput(outputPath));
  window.SetRowIcon(row, done ? kDoneIcon : kFailedIcon);
  window.SetCellText(row, kQueueOutputSizeColumn, services.FileSizeText(outputPath));

  if (state.StopRequested == 1) {
    // A stopped file is incomplete.
    services.DeleteFile(outputPath);
    MarkStoppedOutputRemoved(window, services, row, outputPath);
    return RowEnd::Stop;
  }
  return RowEnd::Next;
}

void RestoreBar(RunWindow& window) {
  window.SetBarLeft(kBarDesignLeft);
  window.SetBarWidth(kBarDesignWidth);
}

void EndRun(RunWindow& window, RunServices& services, RunState& state, const ThisRun& run,
            const ConvertFaces& faces) {
  window.SetTimerInterval(0);
  state.ElapsedMs = 0;
  RestoreBar(window);
  window.SetConvertNormalPicture(faces.startNormal);
  window.SetConvertHoverPicture(faces.startHover);
  state.IsConverting = 0;
  // The stopped row's output is incomplete; a second attempt costs nothing
  // when the first one already took it away.
  if (state.StopRequested == 1 && run.lastOutput) services.DeleteFile(*run.lastOutput);
  if (window.ShutdownTicked()) services.RequestPowerOff();
  services.ShowDoneWindow();
}

// Counts a run among those in progress for as long as its call lasts.
class InProgress {
 public:
  explicit InProgress(RunState& state) : state_(state) { ++state_.RunsInProgress; }
  ~InProgress() {
    if (--state_.RunsInProgress == 0) state_.Latest.Forget();
  }
  InProgress(const InProgress&) = delete;
  InProgress& operator=(const InProgress&) = delete;

 private:
  RunState& state_;
};

}  // namespace

void ConvertQueue(RunWindow& window, RunServices& services, RunState& state,
                  const ConvertFaces& faces) {
  const InProgress inProgress(state);
  services.EnsureEncoderFile(EncoderPath(services.ProgramFolder()));
  ReadSettings(window, state);

  ThisRun run;
  run.number = ++state.RunsStarted;
  run.format = window.FormatText();
  run.audioOptions =
      BuildAudioOptions(*state.AudioCodecText, *state.SampleRateText, *state.ResolutionText,
                        *state.FrameRateText, *state.AudioBitrateText);
  run.videoOptions = BuildVideoOptions(*state.VideoCodecText, *state.VideoBitrateText);

  window.SetTimerInterval(kElapsedTimerInterval);
  // A run started inside a stopped one goes on counting from where that one
  // had got to; otherwise ElapsedMs is 0 here. The start lies ElapsedMs
  // before now on the wrapping clock.
  state.RunStartTick =
      static_cast<std::int32_t>(TicksBetween(state.ElapsedMs, services.TickCount()));

  // Counted once: rows added during the run wait for the next one.
  run.rowCount = window.RowCount();
  for (int row = 0; row < run.rowCount; ++row) {
    const RowEnd end = ConvertRow(window, services, state, run, row);
    // Repeating the newer run's end would request a second power-off and
    // open a second done window for what the user sees as one run. Only the
    // bar needs putting back: this run's encoder loop went on to read what
    // its encoder had written before it was ended, and moved it again.
    if (end == RowEnd::LeftToNewerRun) {
      RestoreBar(window);
      return;
    }
    if (end == RowEnd::Stop) break;
  }
  EndRun(window, services, state, run, faces);
}

}  // namespace corvanta
