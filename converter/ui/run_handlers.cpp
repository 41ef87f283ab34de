#include "ui/run_handlers.h"

#include "assets/assets.h"
#include "engine/convert_button.h"
#include "engine/elapsed_time.h"
#include "platform/tick_count.h"
#include "ui/main_window.h"
#include "ui/main_window_run_adapter.h"
#include "ui/run_services.h"

namespace corvanta {
namespace {

ConvertFaces CarriedFaces() {
  return ConvertFaces{assets::StartNormal(), assets::StartHover(), assets::StopNormal(),
                      assets::StopHover()};
}

}  // namespace

// The whole run happens inside this click; a stop or a nested start arrives
// as another click while the encoder is being waited for.
void OnConvertButtonClick(MainWindow& window) {
  MainWindowRunAdapter runWindow(window);
  ProductionRunServices services;
  OnConvertButtonClick(runWindow, services, CarriedFaces());
}

void OnElapsedTimerTick(MainWindow& window) {
  LabelElapsedLabel label(*window.透明标签16);
  UpdateElapsedTime(TickCount(), label);
}

}  // namespace corvanta
