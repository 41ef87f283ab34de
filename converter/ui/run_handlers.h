#pragma once

#include "engine/run_state.h"
#include "engine/run_window.h"

namespace corvanta {

class MainWindow;

// The Convert button's faces as the pictures the program carries.
ConvertFaces CarriedConvertFaces();
// Each tick of the elapsed-time timer during a run.
void OnElapsedTimerTick(MainWindow& window, RunState& state);

}  // namespace corvanta
