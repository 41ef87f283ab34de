#include "ui/run_handlers.h"

#include <QLabel>

#include "assets/assets.h"
#include "engine/elapsed_time.h"

namespace corvanta {
namespace {

// The elapsed-time label as the tick handler sees it.
class LabelElapsedLabel : public ElapsedLabel {
 public:
  explicit LabelElapsedLabel(QLabel& label) : label_(label) {}
  std::string Text() const override { return label_.text().toStdString(); }
  void SetText(const std::string& text) override { label_.setText(QString::fromStdString(text)); }

 private:
  QLabel& label_;
};

}  // namespace

ConvertFaces CarriedConvertFaces() {
  return ConvertFaces{assets::StartNormal(), assets::StartHover(), assets::StopNormal(),
                      assets::StopHover()};
}

void OnElapsedTimerTick(std::int32_t tickCount, QLabel& elapsedLabel, RunState& state) {
  LabelElapsedLabel label(elapsedLabel);
  UpdateElapsedTime(tickCount, label, state);
}

}  // namespace corvanta
