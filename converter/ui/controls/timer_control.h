#pragma once

#include <QObject>
#include <QTimer>

namespace corvanta {

// A timer as the window layout knows it: it ticks every `interval`
// milliseconds while the interval is positive. Setting a different positive
// interval starts the countdown afresh, 0 or a negative value stops it, and
// setting the interval it already has changes nothing, so a running
// countdown is not restarted.
class TimerControl : public QObject {
  Q_OBJECT

 public:
  explicit TimerControl(QObject* parent = nullptr);

  void setInterval(int milliseconds);
  int interval() const { return interval_; }
  bool isRunning() const { return timer_.isActive(); }
  Qt::TimerType timerType() const { return timer_.timerType(); }

 signals:
  void ticked();

 private:
  QTimer timer_;
  int interval_ = 0;
};

}  // namespace corvanta
