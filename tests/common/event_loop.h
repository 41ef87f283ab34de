#pragma once

#include <QTimer>

#include <functional>
#include <memory>
#include <source_location>

namespace corvanta::testing {

// Runs the event loop until `done` holds, and returns whether it came to
// hold. A generous deadline only guards against a hang: when it passes
// first, the running test fails at the caller's line. Nothing asserts how
// long the wait took. Without an event loop it simply polls `done`.
bool ProcessEventsUntil(const std::function<bool()>& done, int deadlineMs = 20000,
                        std::source_location caller = std::source_location::current());

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
