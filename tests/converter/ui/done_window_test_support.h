#pragma once

#include <QCoreApplication>
#include <QEvent>

#include "common/application.h"
#include "common/event_loop.h"
#include "ui/done_window.h"

namespace corvanta {

using testing::ProcessEventsUntil;

// Leaves no done window behind for the next test.
inline void DestroyDoneWindow() {
  delete CurrentDoneWindow();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace corvanta
