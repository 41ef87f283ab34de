#include "platform/pending_events.h"

#include <QCoreApplication>
#include <QThread>

namespace corvanta {

void ProcessPendingEvents() {
  const QCoreApplication* app = QCoreApplication::instance();
  if (app == nullptr || app->thread() != QThread::currentThread()) return;
  QCoreApplication::processEvents();
}

}  // namespace corvanta
