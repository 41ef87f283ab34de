#pragma once

#include "engine/run_state.h"

namespace corvanta {

class MainWindow;

// Clicks of the three buttons that change the conversion queue.
void OnAddButtonClick(MainWindow& window);
// Delete and Clear refuse while `state` says a run is converting or still
// finishing after a stop.
void OnDeleteButtonClick(MainWindow& window, const RunState& state);
void OnClearButtonClick(MainWindow& window, const RunState& state);

}  // namespace corvanta
