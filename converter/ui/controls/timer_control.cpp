#include "ui/controls/timer_control.h"

namespace corvanta {

TimerControl::TimerControl(QObject* parent) : QObject(parent) {
  // Never early: a coarse timer may fire up to 5% early, and the first tick
  // of a run would then still show no second elapsed.
  timer_.setTimerType(Qt::PreciseTimer);
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
