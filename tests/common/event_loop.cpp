#include "common/event_loop.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace corvanta::testing {

bool ProcessEventsUntil(const std::function<bool()>& done, int deadlineMs,
                        std::source_location caller) {
  QDeadlineTimer deadline(deadlineMs);
  while (!done()) {
    if (deadline.hasExpired()) {
      ADD_FAILURE_AT(caller.file_name(), static_cast<int>(caller.line()))
          << "waited " << deadlineMs << " ms in vain";
      return false;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QThread::msleep(5);
  }
  return true;
}

void ProcessPendingEvents() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
}

TickCounter::TickCounter(int intervalMs) {
  QObject::connect(&timer_, &QTimer::timeout, [this] { ++ticks_; });
  timer_.start(intervalMs);
}

WhenThen::WhenThen(std::function<bool()> condition, std::function<void()> action)
    : timer_(std::make_unique<QTimer>()),
      condition_(std::move(condition)),
      action_(std::move(action)) {
  timer_->setInterval(5);
  QObject::connect(timer_.get(), &QTimer::timeout, [this] {
    if (fired_ || !condition_()) return;
    fired_ = true;
    timer_->stop();
    action_();
  });
  timer_->start();
}

}  // namespace corvanta::testing
