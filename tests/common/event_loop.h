#pragma once

#include <QTimer>

#include <functional>
#include <memory>

namespace corvanta::testing {

// Runs the event loop until `done` holds or a generous deadline passes. Only
// an upper bound against a hang; nothing asserts how long it took.
bool ProcessEventsUntil(const std::function<bool()>& done, int deadlineMs = 20000);

// Lets timers that were due run, so a box that was about to open opens.
void ProcessPendingEvents();

// Counts the ticks of a timer while it lives: proof that events kept
// flowing while the code under test waited.
class TickCounter {
 public:
  explicit TickCounter(int intervalMs);
  int ticks() const { return ticks_; }

 private:
  QTimer timer_;
  int ticks_ = 0;
};

// Calls `action` once, the first time `condition` holds while events are
// processed (during a run: from inside the encoder wait). Stops watching
// when destroyed.
class WhenThen {
 public:
  WhenThen(std::function<bool()> condition, std::function<void()> action);
  bool fired() const { return fired_; }

 private:
  std::unique_ptr<QTimer> timer_;
  std::function<bool()> condition_;
  std::function<void()> action_;
  bool fired_ = false;
};

}  // namespace corvanta::testing
