#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvanta::testing {

// Descriptors this process has open.
int OpenDescriptorCount();

// What /proc says of a process: its command name, one-letter state and parent.
struct ProcessStatus {
  std::string command;
  char state = '?';
  pid_t parent = 0;
};
std::optional<ProcessStatus> StatusOf(pid_t pid);
// The one-letter state, '?' once the process is gone.
char ProcessStateOf(pid_t pid);

// Processes whose parent is this process, in any state (zombies included).
std::vector<pid_t> OurChildren();

// A child handed to a background reaper goes away shortly after it ends;
// this gives it a generous moment rather than assume an instant.
bool NoChildrenWithin(std::chrono::milliseconds limit);

struct ChildOutcome {
  int exitCode = -1;  // as the parent sees it; -1 when the child did not exit normally
  std::string standardOutput;
  std::string standardError;
};

// Runs `body` in a forked child and reports how the child ended. A body that
// returns ends the child with exit code 0.
ChildOutcome RunInChild(const std::function<void()>& body);

}  // namespace corvanta::testing
