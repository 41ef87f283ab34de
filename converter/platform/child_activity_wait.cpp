#include "platform/child_activity_wait.h"

#include <poll.h>
#include <sys/ioctl.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <memory>

namespace corvanta {
namespace {

constexpr int kFallbackWakeMs = 20;

bool InQtThread() {
  const QCoreApplication* app = QCoreApplication::instance();
  return app != nullptr && app->thread() == QThread::currentThread();
}

}  // namespace

ChildActivityWait::ChildActivityWait(int pipeReadEnd, int exitNotifyFd)
    : pipeReadEnd_(pipeReadEnd), exitNotifyFd_(exitNotifyFd), pipeEnded_(pipeReadEnd < 0) {}

// A readable pipe with no byte in it has reached its end (all writers gone).
void ChildActivityWait::NotePipeWake() {
  int available = 0;
  if (ioctl(pipeReadEnd_, FIONREAD, &available) != 0 || available <= 0) pipeEnded_ = true;
}

void ChildActivityWait::Wait() {
  const bool watchPipe = !pipeEnded_;
  const bool watchExit = exitNotifyFd_ >= 0;
  const int timeoutMs = watchExit ? -1 : kFallbackWakeMs;
  bool pipeWoke = false;

  if (InQtThread()) {
    QEventLoop loop;
    std::unique_ptr<QSocketNotifier> pipeNotifier;
    std::unique_ptr<QSocketNotifier> exitNotifier;
    if (watchPipe) {
      pipeNotifier = std::make_unique<QSocketNotifier>(pipeReadEnd_, QSocketNotifier::Read);
      // A notifier stays readable until the bytes are taken: switch it off
      // at once, or it would fire again before the caller gets to read.
      QObject::connect(pipeNotifier.get(), &QSocketNotifier::activated, &loop,
                       [&loop, &pipeWoke, notifier = pipeNotifier.get()] {
                         notifier->setEnabled(false);
                         pipeWoke = true;
                         loop.quit();
                       });
    }
    if (watchExit) {
      exitNotifier = std::make_unique<QSocketNotifier>(exitNotifyFd_, QSocketNotifier::Read);
      QObject::connect(exitNotifier.get(), &QSocketNotifier::activated, &loop,
                       [&loop, notifier = exitNotifier.get()] {
                         notifier->setEnabled(false);
                         loop.quit();
                       });
    }
    if (timeoutMs >= 0) QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
  } else {
    pollfd watched[2];
    nfds_t count = 0;
    if (watchPipe) watched[count++] = {pipeReadEnd_, POLLIN, 0};
    if (watchExit) watched[count++] = {exitNotifyFd_, POLLIN, 0};
    const int ready = poll(watched, count, timeoutMs);
    pipeWoke = ready > 0 && watchPipe && watched[0].revents != 0;
  }
  if (pipeWoke) NotePipeWake();
}

}  // namespace corvanta
