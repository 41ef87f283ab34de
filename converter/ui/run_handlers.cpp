#include "ui/run_handlers.h"

namespace corvanta {

void OnConvertButtonClick(MainWindow&) {}
void OnElapsedTimerTick(MainWindow&) {}

}  // namespace corvanta
