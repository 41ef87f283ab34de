#include "common/processes.h"

#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace corvanta::testing {
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

int OpenDescriptorCount() {
  int count = 0;
  if (DIR* fds = ::opendir("/proc/self/fd")) {
    while (const dirent* entry = ::readdir(fds)) {
      if (entry->d_name[0] != '.') ++count;
    }
    ::closedir(fds);
    --count;  // the directory stream itself
  }
  return count;
}

std::optional<ProcessStatus> StatusOf(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return std::nullopt;
  // The command sits in parentheses and may itself hold spaces or ')'.
  const auto open = line.find('(');
  const auto close = line.rfind(')');
  if (open == std::string::npos || close == std::string::npos || close < open) return std::nullopt;
  ProcessStatus status;
  status.command = line.substr(open + 1, close - open - 1);
  int parent = 0;
  if (std::sscanf(line.c_str() + close + 1, " %c %d", &status.state, &parent) != 2) {
    return std::nullopt;
  }
  status.parent = parent;
  return status;
}

char ProcessStateOf(pid_t pid) {
  const auto status = StatusOf(pid);
  return status ? status->state : '?';
}

std::vector<pid_t> OurChildren() {
  std::vector<pid_t> children;
  const pid_t self = ::getpid();
  if (DIR* proc = ::opendir("/proc")) {
    while (const dirent* entry = ::readdir(proc)) {
      const std::string name = entry->d_name;
      if (name.find_first_not_of("0123456789") != std::string::npos) continue;
      const pid_t pid = std::stoi(name);
      const auto status = StatusOf(pid);
      if (status && status->parent == self) children.push_back(pid);
    }
    ::closedir(proc);
  }
  return children;
}

bool NoChildrenWithin(std::chrono::milliseconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!OurChildren().empty()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  int status = 0;
  return ::waitpid(-1, &status, WNOHANG) <= 0;
}

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

}  // namespace corvanta::testing
