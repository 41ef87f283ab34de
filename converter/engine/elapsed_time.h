#pragma once

#include <cstdint>
#include <string>

#include "engine/run_state.h"

namespace corvanta {

// Where the elapsed time of a run is shown.
class ElapsedLabel {
 public:
  virtual ~ElapsedLabel() = default;
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
};

// "HH:MM:SS", each field at least two digits; the hours have no upper limit.
// A negative count shows as "-" followed by the time of its magnitude.
std::string FormatHms(std::int32_t seconds);

// Sets the state's ElapsedMs to the time since its RunStartTick on the
// wrapping 32-bit tick clock and shows it, in whole seconds, on `label`; the
// label is written only when its text changes.
void UpdateElapsedTime(std::int32_t tickCount, ElapsedLabel& label, RunState& state);

}  // namespace corvanta
