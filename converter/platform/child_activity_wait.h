#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace corvanta {

// Sleeps until a child has something to say: bytes (or the end of its
// output) on `pipeReadEnd`, or its exit on `exitNotifyFd`. In a Qt
// application's thread the sleep is the event loop, so window events are
// handled meanwhile; elsewhere it is a plain poll. Either descriptor may be
// -1. Once the output has ended, only the exit is waited for, since an ended
// pipe stays readable for good. Without an exit descriptor the sleep is cut
// short after a few milliseconds, so a quiet child cannot hold it forever.
//
// A chatty child (the encoder writes a status line per frame, a thousand a
// second and more) would cost a wake-up per line. So once output comes
// faster than kPipeWakeSpacing, the waits leave the pipe alone until a
// spacing has passed since the last wake and let its lines gather, to be
// read in one go: one wake-up per spacing while the output keeps coming.
// The event loop and its watchers are made at the first wait and kept, so a
// wait allocates nothing.
//
// `wakeWhen`, when given, is asked each time the event loop has handled
// what was waiting and is about to sleep: once it holds, the wait returns,
// so something a window event asked for (a stop) need not wait for a child
// that may never write or end.
class ChildActivityWait {
 public:
  static constexpr std::chrono::milliseconds kPipeWakeSpacing{20};

  ChildActivityWait(int pipeReadEnd, int exitNotifyFd, std::function<bool()> wakeWhen = {});
  ~ChildActivityWait();
  ChildActivityWait(const ChildActivityWait&) = delete;
  ChildActivityWait& operator=(const ChildActivityWait&) = delete;

  void Wait();

 private:
  struct EventLoopWatch;

  bool WaitInEventLoop(bool watchPipe, int timeoutMs);
  bool PipeHasBytes() const;

  int pipeReadEnd_;
  int exitNotifyFd_;
  std::function<bool()> wakeWhen_;
  bool pipeEnded_ = false;
  bool pacing_ = false;
  std::chrono::steady_clock::time_point lastOutputWake_{};
  std::unique_ptr<EventLoopWatch> watch_;
};

}  // namespace corvanta
