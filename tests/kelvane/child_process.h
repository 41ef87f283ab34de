#pragma once

#include <functional>
#include <string>

namespace corvanta::kelvane::testing {

struct ChildOutcome {
  int exitCode = -1;  // as the parent sees it; -1 when the child did not exit normally
  std::string standardOutput;
  std::string standardError;
};

// Runs `body` in a forked child and reports how the child ended. A body that
// returns ends the child with exit code 0.
ChildOutcome RunInChild(const std::function<void()>& body);

}  // namespace corvanta::kelvane::testing
