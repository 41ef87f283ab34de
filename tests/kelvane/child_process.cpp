#include "child_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

namespace corvanta::kelvane::testing {
namespace {

std::string ReadAll(int fd) {
  std::string text;
  char chunk[4096];
  for (;;) {
    const ssize_t count = ::read(fd, chunk, sizeof chunk);
    if (count <= 0) break;
    text.append(chunk, static_cast<std::size_t>(count));
  }
  ::close(fd);
  return text;
}

}  // namespace

ChildOutcome RunInChild(const std::function<void()>& body) {
  int out[2];
  int err[2];
  if (::pipe(out) != 0 || ::pipe(err) != 0) return {};
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::dup2(out[1], STDOUT_FILENO);
    ::dup2(err[1], STDERR_FILENO);
    ::close(out[0]);
    ::close(err[0]);
    body();
    std::fflush(nullptr);
    std::_Exit(0);
  }
  ::close(out[1]);
  ::close(err[1]);
  // The child's output is small, so reading one pipe after the other cannot stall it.
  ChildOutcome outcome;
  outcome.standardOutput = ReadAll(out[0]);
  outcome.standardError = ReadAll(err[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  outcome.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

}  // namespace corvanta::kelvane::testing
