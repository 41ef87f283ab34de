#pragma once

namespace corvanta {

// Sleeps until a child has something to say: bytes (or the end of its
// output) on `pipeReadEnd`, or its exit on `exitNotifyFd`. In a Qt
// application's thread the sleep is the event loop, so window events are
// handled meanwhile; elsewhere it is a plain poll. Either descriptor may be
// -1. Once the output has ended, only the exit is waited for, since an ended
// pipe stays readable for good. Without an exit descriptor the sleep is cut
// short after a few milliseconds, so a quiet child cannot hold it forever.
class ChildActivityWait {
 public:
  ChildActivityWait(int pipeReadEnd, int exitNotifyFd);

  void Wait();

 private:
  void NotePipeWake();

  int pipeReadEnd_;
  int exitNotifyFd_;
  bool pipeEnded_ = false;
};

}  // namespace corvanta
