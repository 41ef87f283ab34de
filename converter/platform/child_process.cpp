#include "platform/child_process.h"

#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <thread>
#include <utility>

#include "platform/spawn_setup.h"

namespace corvanta {
namespace {

std::string AbsolutePath(const std::string& path) {
  if (path.empty() || path.front() == '/') return path;
  char buffer[PATH_MAX];
  if (getcwd(buffer, sizeof buffer) == nullptr) return path;
  std::string absolute(buffer);
  if (absolute.back() != '/') absolute.push_back('/');
  return absolute + path;
}

// A child that outlives its owner must still be collected, or it stays a
// zombie for the rest of our life. Waiting for it must not hold up the
// caller, so a thread of its own does it.
void ReapInBackground(pid_t pid) {
  try {
    std::thread([pid] {
      int status = 0;
      while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
    }).detach();
  } catch (...) {
    // Without a thread the child is left for the system to collect at our exit.
  }
}

}  // namespace

ChildProcess::~ChildProcess() { Release(); }

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : pid_(std::exchange(other.pid_, 0)),
      pidFd_(std::exchange(other.pidFd_, -1)),
      reaped_(std::exchange(other.reaped_, false)),
      exitCode_(std::exchange(other.exitCode_, 0)) {}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept {
  if (this != &other) {
    Release();
    pid_ = std::exchange(other.pid_, 0);
    pidFd_ = std::exchange(other.pidFd_, -1);
    reaped_ = std::exchange(other.reaped_, false);
    exitCode_ = std::exchange(other.exitCode_, 0);
  }
  return *this;
}

void ChildProcess::Release() {
  if (pidFd_ >= 0) close(pidFd_);
  pidFd_ = -1;
  if (pid_ > 0 && !reaped_) {
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) == 0) ReapInBackground(pid_);
  }
  pid_ = 0;
  reaped_ = false;
}

ChildProcess ChildProcess::Start(const std::string& executablePath,
                                 const std::vector<std::string>& arguments,
                                 const std::string& workingDirectory, int outputFd) {
  ChildProcess child;
  const std::string path = AbsolutePath(executablePath);
  if (path.empty()) return child;

  std::vector<char*> argv;
  if (arguments.empty()) argv.push_back(const_cast<char*>(path.c_str()));
  for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  SpawnSetup setup;
  if (!setup.Prepare(-1, outputFd, workingDirectory, false)) return child;
  const pid_t pid = setup.Spawn(path.c_str(), argv.data());
  if (pid <= 0) return child;
  child.pid_ = pid;
  // Close-on-exec is implied for a pidfd; -1 (an old kernel) only costs the
  // waiting side its wake-up on exit.
  child.pidFd_ = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  return child;
}

void ChildProcess::End() {
  if (pid_ > 0 && !reaped_) kill(pid_, SIGKILL);
}

bool ChildProcess::QueryExitCode(std::uint32_t& exitCode) {
  if (pid_ <= 0) return false;
  if (!reaped_) {
    int status = 0;
    pid_t result;
    do {
      result = waitpid(pid_, &status, WNOHANG);
    } while (result < 0 && errno == EINTR);
    if (result == 0) {
      exitCode = kStillActive;
      return true;
    }
    reaped_ = true;
    if (result < 0) {
      // Collected by someone else: it has ended, with a code we cannot know,
      // so it cannot count as a clean end.
      exitCode_ = kUnknownExitCode;
    } else if (WIFSIGNALED(status)) {
      exitCode_ = 128u + static_cast<std::uint32_t>(WTERMSIG(status));
    } else {
      exitCode_ = static_cast<std::uint32_t>(WEXITSTATUS(status));
    }
  }
  exitCode = exitCode_;
  return true;
}

}  // namespace corvanta
