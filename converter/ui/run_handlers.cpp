#include "ui/run_handlers.h"

#include "assets/assets.h"
#include "engine/elapsed_time.h"
#include "platform/tick_count.h"
#include "ui/main_window.h"
#include "ui/main_window_run_adapter.h"

namespace corvanta {

ConvertFaces CarriedConvertFaces() {
  return ConvertFaces{assets::StartNormal(), assets::StartHover(), assets::StopNormal(),
                      assets::StopHover()};
}

void OnElapsedTimerTick(MainWindow& window, RunState& state) {
  LabelElapsedLabel label(*window.透明标签16);
  UpdateElapsedTime(TickCount(), label, state);
}

}  // namespace corvanta
