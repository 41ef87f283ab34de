#include "platform/child_activity_wait.h"

#include <poll.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <cstdint>

#include "platform/output_pipe.h"
#include "platform/qt_thread.h"

namespace corvanta {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kFallbackWakeMs = 20;

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

int LoopLevel() { return static_cast<int>(QThread::currentThread()->loopLevel()); }

void ArmTimer(int timerFd, int ms) {
  itimerspec when{};
  when.it_value.tv_sec = ms / 1000;
  when.it_value.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
  timerfd_settime(timerFd, 0, &when, nullptr);
}

}  // namespace

// One event loop and one notifier per descriptor for the whole life of the
// wait. A readable notifier fires on every pass of whichever loop runs until
// the bytes are taken, so the pipe's notifier stays switched on only while
// it fires straight inside our own loop, which then returns to the reader at
// once. Fired anywhere else (a pass of pending events, a dialog's loop nested
// in a handler) it is switched off until the next wait, or that loop would
// spin. The exit stays readable for good once it has come, so its notifier
// is switched off whenever it fires. Timeouts come from a timer descriptor,
// which, unlike a QTimer, costs no allocation each time it is set. The wake
// condition is asked only when our own loop is about to sleep: asked in a
// loop nested inside ours (a dialog's), a quit of ours would cut that loop's
// every sleep short, and it would spin until it ends.
struct ChildActivityWait::EventLoopWatch {
  EventLoopWatch(int pipeReadEnd, int exitNotifyFd, const std::function<bool()>& wakeWhen)
      : timerFd(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC)) {
    if (wakeWhen) {
      QObject::connect(QAbstractEventDispatcher::instance(),
                       &QAbstractEventDispatcher::aboutToBlock, &loop, [this, wakeWhen] {
                         if (LoopLevel() == ownLevel && wakeWhen()) loop.quit();
                       });
    }
    if (pipeReadEnd >= 0) {
      pipe = std::make_unique<QSocketNotifier>(pipeReadEnd, QSocketNotifier::Read);
      QObject::connect(pipe.get(), &QSocketNotifier::activated, &loop, [this] {
        pipeWoke = true;
        if (LoopLevel() != ownLevel) pipe->setEnabled(false);
        if (loop.isRunning()) loop.quit();
      });
    }
    if (exitNotifyFd >= 0) {
      exit = std::make_unique<QSocketNotifier>(exitNotifyFd, QSocketNotifier::Read);
      QObject::connect(exit.get(), &QSocketNotifier::activated, &loop, [this] {
        exit->setEnabled(false);
        if (loop.isRunning()) loop.quit();
      });
    }
    if (timerFd >= 0) {
      timer = std::make_unique<QSocketNotifier>(timerFd, QSocketNotifier::Read);
      QObject::connect(timer.get(), &QSocketNotifier::activated, &loop, [this] {
        std::uint64_t expirations = 0;
        if (read(timerFd, &expirations, sizeof expirations) < 0 && errno != EAGAIN) {
          timer->setEnabled(false);
        }
        if (loop.isRunning()) loop.quit();
      });
    } else {
      fallbackTimer.setSingleShot(true);
      QObject::connect(&fallbackTimer, &QTimer::timeout, &loop, &QEventLoop::quit);
    }
  }
  ~EventLoopWatch() {
    timer.reset();
    if (timerFd >= 0) close(timerFd);
  }
  EventLoopWatch(const EventLoopWatch&) = delete;
  EventLoopWatch& operator=(const EventLoopWatch&) = delete;

  void StartTimer(int ms) {
    if (timerFd >= 0) {
      ArmTimer(timerFd, ms);
    } else {
      fallbackTimer.start(ms);
    }
  }
  void StopTimer() {
    if (timerFd >= 0) {
      ArmTimer(timerFd, 0);
    } else {
      fallbackTimer.stop();
    }
  }

  QEventLoop loop;
  std::unique_ptr<QSocketNotifier> pipe;
  std::unique_ptr<QSocketNotifier> exit;
  int timerFd;
  std::unique_ptr<QSocketNotifier> timer;
  QTimer fallbackTimer;
  bool pipeWoke = false;
  int ownLevel = -1;  // the thread's loop level while our loop runs
};

ChildActivityWait::ChildActivityWait(int pipeReadEnd, int exitNotifyFd,
                                     std::function<bool()> wakeWhen)
    : pipeReadEnd_(pipeReadEnd),
      exitNotifyFd_(exitNotifyFd),
      wakeWhen_(std::move(wakeWhen)),
      pipeEnded_(pipeReadEnd < 0) {}

ChildActivityWait::~ChildActivityWait() = default;

bool ChildActivityWait::PipeHasBytes() const { return BytesWaiting(pipeReadEnd_) > 0; }

void ChildActivityWait::Wait() {
  const bool watchExit = exitNotifyFd_ >= 0;
  bool watchPipe = !pipeEnded_;
  int timeoutMs = watchExit ? -1 : kFallbackWakeMs;
  const auto sinceOutput = Clock::now() - lastOutputWake_;
  const bool paced = watchPipe && pacing_ && sinceOutput < kPipeWakeSpacing;
  if (paced) {
    watchPipe = false;
    const auto rest = std::chrono::ceil<std::chrono::milliseconds>(kPipeWakeSpacing - sinceOutput);
    timeoutMs = static_cast<int>(rest.count());
  }
  const bool pipeWoke = OnQtApplicationThread() ? WaitInEventLoop(watchPipe, timeoutMs)
                                                : PollOnce(pipeReadEnd_, watchPipe, exitNotifyFd_,
                                                           watchExit, timeoutMs);
  if (pipeWoke || paced) {
    // Pacing starts when output wakes us twice within the spacing and lasts
    // while each paced wake finds output; a child that writes slower is
    // woken for by its pipe alone. A readable pipe with no byte in it has
    // reached its end (all writers gone).
    if (PipeHasBytes()) {
      const auto now = Clock::now();
      pacing_ = paced || now - lastOutputWake_ < kPipeWakeSpacing;
      lastOutputWake_ = now;
    } else {
      pacing_ = false;
      if (pipeWoke) pipeEnded_ = true;
    }
  }
}

bool ChildActivityWait::WaitInEventLoop(bool watchPipe, int timeoutMs) {
  if (!watch_) {
    watch_ =
        std::make_unique<EventLoopWatch>(pipeEnded_ ? -1 : pipeReadEnd_, exitNotifyFd_, wakeWhen_);
  }
  EventLoopWatch& watch = *watch_;
  if (pipeEnded_) watch.pipe.reset();
  if (watch.pipe) watch.pipe->setEnabled(watchPipe);
  if (watch.exit) watch.exit->setEnabled(true);
  if (timeoutMs >= 0) watch.StartTimer(timeoutMs);
  watch.pipeWoke = false;

  watch.ownLevel = LoopLevel() + 1;
  const int result = watch.loop.exec();
  watch.ownLevel = -1;
  if (timeoutMs >= 0) watch.StopTimer();
  // Once the application is quitting (its last window closed during a run),
  // every event loop returns at once; sleeping outside Qt keeps the wait
  // from spinning for the rest of the run.
  if (result < 0) {
    return PollOnce(pipeReadEnd_, watchPipe, exitNotifyFd_, exitNotifyFd_ >= 0, timeoutMs);
  }
  return watchPipe && watch.pipeWoke;
}

}  // namespace corvanta
