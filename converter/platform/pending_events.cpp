#include "platform/pending_events.h"

#include <QCoreApplication>

#include "platform/qt_thread.h"

namespace corvanta {

void ProcessPendingEvents() {
  if (!OnQtApplicationThread()) return;
  QCoreApplication::processEvents();
}

}  // namespace corvanta
