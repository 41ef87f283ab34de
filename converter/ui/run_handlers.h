#pragma once

namespace corvanta {

class MainWindow;

// The Convert button's click: starts a run, or asks a running one to stop.
void OnConvertButtonClick(MainWindow& window);
// Each tick of the elapsed-time timer during a run.
void OnElapsedTimerTick(MainWindow& window);

}  // namespace corvanta
