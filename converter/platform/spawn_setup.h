#pragma once

#include <spawn.h>
#include <sys/types.h>

#include <string>

namespace corvanta {

// How a child process of ours starts: its standard descriptors, no other
// descriptor of ours, and default signal handling with nothing blocked,
// whatever this process did to its own (an ignored SIGPIPE, say).
class SpawnSetup {
 public:
  SpawnSetup();
  ~SpawnSetup();
  SpawnSetup(const SpawnSetup&) = delete;
  SpawnSetup& operator=(const SpawnSetup&) = delete;

  // `inputFd` becomes the child's descriptor 0 and `outputFd` its 1 and 2
  // (-1: /dev/null for either). An empty `workingDirectory` keeps ours;
  // `ownSession` starts the child in a session of its own. False when the
  // set-up cannot be made.
  bool Prepare(int inputFd, int outputFd, const std::string& workingDirectory, bool ownSession);

  // Starts `path` with `argv` (ending in null) and our environment; 0 when
  // it cannot be started.
  pid_t Spawn(const char* path, char* const argv[]) const;

 private:
  posix_spawn_file_actions_t actions_;
  posix_spawnattr_t attributes_;
};

}  // namespace corvanta
