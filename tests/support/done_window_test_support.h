#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QThread>

#include <functional>

#include "ui/done_window.h"

namespace corvanta {

// Runs the event loop until `done` holds or a generous deadline passes. Only
// an upper bound against a hang; nothing asserts how long it took.
inline bool ProcessEventsUntil(const std::function<bool()>& done, int deadlineMs = 20000) {
  QDeadlineTimer deadline(deadlineMs);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QThread::msleep(5);
  }
  return true;
}

// Leaves no done window behind for the next test.
inline void DestroyDoneWindow() {
  delete CurrentDoneWindow();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace corvanta
