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

// Sleeps outside Qt until the pipe has data or has ended, the child has
// exited, or the timeout has passed. Returns whether the pipe woke it.
bool PollOnce(int pipeReadEnd, bool watchPipe, int exitNotifyFd, bool watchExit, int timeoutMs) {
  pollfd watched[2];
  nfds_t count = 0;
  if (watchPipe) watched[count++] = {pipeReadEnd, POLLIN, 0};
  if (watchExit) watched[count++] = {exitNotifyFd, POLLIN, 0};
  const int ready = poll(watched, count, timeoutMs);
  return ready > 0 && watchPipe && watched[0].revents != 0;
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
    // Once the application is quitting (its last window closed during a
    // run), every event loop returns at once; sleeping outside Qt keeps the
    // wait from spinning for the rest of the run.
    if (loop.exec() < 0) {
      pipeWoke = PollOnce(pipeReadEnd_, watchPipe, exitNotifyFd_, watchExit, timeoutMs);
    }
  } else {
    pipeWoke = PollOnce(pipeReadEnd_, watchPipe, exitNotifyFd_, watchExit, timeoutMs);
  }
  if (pipeWoke) NotePipeWake();
}

}  // namespace corvanta
