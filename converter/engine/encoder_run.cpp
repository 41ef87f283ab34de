#include "engine/encoder_run.h"

#include <array>
#include <cstdint>
#include <string>

#include "engine/command_line.h"
#include "engine/encoder_adaptation.h"
#include "engine/output_chunk.h"
#include "engine/progress_parser.h"
#include "platform/child_activity_wait.h"
#include "platform/child_process.h"
#include "platform/output_handover.h"
#include "platform/output_pipe.h"
#include "platform/pending_events.h"
#include "platform/process_by_name.h"
#include "text/command_line_split.h"
#include "text/text_search.h"

namespace corvanta {
namespace {

// Each file's bar starts here, four pixels right of where the window lays it
// out; the end of the run puts it back.
constexpr int kBarLeftWhileEncoding = 56;
constexpr std::size_t kReadSize = 260;

bool StopRequested(const RunState& state) { return state.StopRequested == 1; }

// Reads the encoder's output into the display until the encoder has ended
// and nothing is left to read, or until a stop is seen: after a read, or
// while nothing is there to read. True when the encoder's own end was seen
// and it exited with status 0.
bool ReadUntilEndOrStop(OutputPipe& pipe, ChildProcess& child, ProgressDisplay& display,
                        const RunState& state) {
  ChildActivityWait wait(pipe.readEnd(), child.exitNotifyFd(),
                         [&state] { return StopRequested(state); });
  // Both keep their last value when a query fails: a failed peek repeats the
  // last read's count, and a child that never started reads as exit code 0.
  std::uint32_t count = 0;
  std::uint32_t exitCode = 0;
  const bool started = child.started();
  std::string chunk;
  chunk.reserve(2 * kReadSize);
  // The wait's event loop has handled every pending event just before this
  // read, so another pass right after it would find nothing to do.
  bool eventsJustHandled = false;
  for (;;) {
    pipe.PeekBytesAvailable(count);
    if (count == 0) {
      child.QueryExitCode(exitCode);
      if (exitCode == kStillActive) {
        // An encoder that writes nothing (stopped by a signal, blocked on a
        // pipe, reading without end) would otherwise hold a stop off for good.
        if (StopRequested(state)) return false;
        // Nothing to read yet: sleep in the event loop instead of polling,
        // until output, the encoder's exit, the end of its output, or a stop.
        wait.Wait();
        eventsJustHandled = true;
        continue;
      }
      return started && exitCode == 0;
    }
    std::array<char, kReadSize> buffer{};
    count = pipe.Read(buffer.data(), buffer.size());
    OutputChunkText(std::string_view(buffer.data(), count), chunk);
    ParseProgress(chunk, display);
    if (StopRequested(state)) return false;
    if (!eventsJustHandled) ProcessPendingEvents();
    eventsJustHandled = false;
  }
}

// While the output is being read, a close of the program hands it over to a
// drain so that the encoder runs on.
bool PumpOutput(OutputPipe& pipe, ChildProcess& child, ProgressDisplay& display,
                const RunState& state) {
  bool finished = false;
  {
    const OutputBeingRead beingRead(pipe.readEnd());
    finished = ReadUntilEndOrStop(pipe, child, display, state);
  }
  pipe.CloseReadEnd();
  return finished;
}

}  // namespace

bool RunEncoder(const std::string& encoderPath, const std::string& commandLine,
                ProgressDisplay& display, const RunState& state, const InputFacts& input) {
  EndProcessByName(kEncoderFileName);

  OutputPipe pipe;
  ChildProcess child =
      ChildProcess::Start(encoderPath, AdaptForCarriedEncoder(SplitCommandLine(commandLine), input),
                          DirectoryOfPath(encoderPath), pipe.writeEnd());
  // Only the child may hold the write end, or the pipe would never end.
  pipe.CloseWriteEnd();

  display.SetBarLeft(kBarLeftWhileEncoding);
  display.SetBarWidth(0);

  const bool finished = PumpOutput(pipe, child, display, state);

  display.SetBarColor(kProgressBlue);
  display.SetPercentText("0%");
  EndProcessByName(kEncoderFileName);
  // The name may have reached another program's encoder first (a second
  // copy of this one), leaving ours running after a stop.
  child.End();
  return finished;
}

}  // namespace corvanta
