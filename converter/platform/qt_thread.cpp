#include "platform/qt_thread.h"

#include <QCoreApplication>
#include <QThread>

namespace corvanta {

bool OnQtApplicationThread() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app != nullptr && app->thread() == QThread::currentThread();
}

}  // namespace corvanta
