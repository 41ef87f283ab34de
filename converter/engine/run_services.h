#pragma once

#include <cstdint>
#include <string>

#include "engine/progress_display.h"
#include "engine/run_state.h"
#include "probes/encoder_output.h"
#include "probes/input_facts.h"

namespace corvanta {

// The effects of a run outside the window: files, clock, encoder, the
// utility library, power and the done window.
class RunServices {
 public:
  virtual ~RunServices() = default;

  virtual std::string ProgramFolder() = 0;
  // Writes the carried encoder to `encoderPath` unless something of that
  // name is there already.
  virtual void EnsureEncoderFile(const std::string& encoderPath) = 0;
  virtual std::int32_t TickCount() = 0;
  // What the container of the input file at `path` tells; nothing for a
  // file that cannot be read.
  virtual InputFacts ProbeInput(const std::string& path) = 0;
  // Returns when the encoder has ended or a stop requested in `state` has
  // been taken; handlers of the window (a stop, a nested start, Add, ...) run
  // inside this call. True only when the encoder ran to its own end with exit
  // status 0.
  virtual bool RunEncoder(const std::string& encoderPath, const std::string& commandLine,
                          ProgressDisplay& display, const RunState& state,
                          const InputFacts& input) = 0;
  // What the encoder's output file at `path` holds.
  virtual OutputFacts ProbeOutput(const std::string& path) = 0;
  // The utility library's size text of a file; "0 字节" for a missing or
  // empty one.
  virtual std::string FileSizeText(const std::string& path) = 0;
  // Outcome not looked at.
  virtual void DeleteFile(const std::string& path) = 0;
  virtual void RequestPowerOff() = 0;
  virtual void ShowDoneWindow() = 0;
};

}  // namespace corvanta
