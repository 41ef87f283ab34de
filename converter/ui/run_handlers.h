#pragma once

#include <cstdint>

#include "engine/run_state.h"
#include "engine/run_window.h"

class QLabel;

namespace corvanta {

// The Convert button's faces as the pictures the program carries.
ConvertFaces CarriedConvertFaces();
// Each tick of the elapsed-time timer during a run: the time since the run's
// start, at `tickCount` on the run's clock, goes to `elapsedLabel`.
void OnElapsedTimerTick(std::int32_t tickCount, QLabel& elapsedLabel, RunState& state);

}  // namespace corvanta
