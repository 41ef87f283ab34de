#include "ui/controls/timer_control.h"

namespace corvanta {

TimerControl::TimerControl(QObject* parent) : QObject(parent) {
  timer_.setTimerType(Qt::CoarseTimer);
  connect(&timer_, &QTimer::timeout, this, &TimerControl::ticked);
}

void TimerControl::setInterval(int milliseconds) {
  if (milliseconds == interval_) return;
  interval_ = milliseconds;
  if (milliseconds > 0) {
    timer_.start(milliseconds);
  } else {
    timer_.stop();
  }
}

}  // namespace corvanta
