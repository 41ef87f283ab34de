#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

namespace corvanta {

// The exit code reported for a child that is still running.
inline constexpr std::uint32_t kStillActive = 259;
// The exit code reported for a child that ended where we could not see how.
inline constexpr std::uint32_t kUnknownExitCode = 1;

// A hidden child process started without a terminal: standard input reads
// /dev/null, standard output and standard error go to one descriptor. The
// child is always reaped: by QueryExitCode once it has ended, or, when it
// outlives this object, in the background as soon as it ends.
class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&& other) noexcept;
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts `executablePath` with `arguments` as its argv (argv[0] included)
  // in `workingDirectory` (empty: ours). A relative executable path is taken
  // from our current directory, not from the child's. `outputFd` becomes the
  // child's descriptors 1 and 2 (-1: /dev/null); no other descriptor of ours
  // reaches it. A failed start gives an object that started nothing.
  static ChildProcess Start(const std::string& executablePath,
                            const std::vector<std::string>& arguments,
                            const std::string& workingDirectory, int outputFd);

  bool started() const { return pid_ > 0; }
  pid_t pid() const { return pid_; }

  // A descriptor that turns readable when the child ends, open as long as
  // this object lives; -1 when none.
  int exitNotifyFd() const { return pidFd_; }

  // Stores kStillActive while the child runs, else its exit code (128 plus
  // the signal number for a child ended by a signal). False, with `exitCode`
  // untouched, when nothing was started.
  bool QueryExitCode(std::uint32_t& exitCode);

  // Kills the child unless it has been collected already; a child that has
  // ended but was not collected still holds its process id, so the signal
  // cannot reach another process.
  void End();

 private:
  void Release();

  pid_t pid_ = 0;
  int pidFd_ = -1;
  bool reaped_ = false;
  std::uint32_t exitCode_ = 0;
};

}  // namespace corvanta
