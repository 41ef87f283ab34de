#include "platform/spawn_setup.h"

#include <fcntl.h>
#include <signal.h>

extern char** environ;

namespace corvanta {

SpawnSetup::SpawnSetup() {
  posix_spawn_file_actions_init(&actions_);
  posix_spawnattr_init(&attributes_);
}

SpawnSetup::~SpawnSetup() {
  posix_spawnattr_destroy(&attributes_);
  posix_spawn_file_actions_destroy(&actions_);
}

bool SpawnSetup::Prepare(int inputFd, int outputFd, const std::string& workingDirectory,
                         bool ownSession) {
  bool ok = inputFd >= 0
                ? posix_spawn_file_actions_adddup2(&actions_, inputFd, 0) == 0
                : posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0) == 0;
  if (outputFd >= 0) {
    ok = ok && posix_spawn_file_actions_adddup2(&actions_, outputFd, 1) == 0;
    ok = ok && posix_spawn_file_actions_adddup2(&actions_, outputFd, 2) == 0;
  } else {
    ok = ok && posix_spawn_file_actions_addopen(&actions_, 1, "/dev/null", O_WRONLY, 0) == 0;
    ok = ok && posix_spawn_file_actions_adddup2(&actions_, 1, 2) == 0;
  }
  ok = ok && posix_spawn_file_actions_addclosefrom_np(&actions_, 3) == 0;
  if (!workingDirectory.empty()) {
    ok = ok && posix_spawn_file_actions_addchdir_np(&actions_, workingDirectory.c_str()) == 0;
  }
  sigset_t none;
  sigset_t all;
  sigemptyset(&none);
  sigfillset(&all);
  ok = ok && posix_spawnattr_setsigmask(&attributes_, &none) == 0;
  ok = ok && posix_spawnattr_setsigdefault(&attributes_, &all) == 0;
  short flags = POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF;
  if (ownSession) flags |= POSIX_SPAWN_SETSID;
  ok = ok && posix_spawnattr_setflags(&attributes_, flags) == 0;
  return ok;
}

pid_t SpawnSetup::Spawn(const char* path, char* const argv[]) const {
  pid_t pid = 0;
  if (posix_spawn(&pid, path, &actions_, &attributes_, argv, environ) != 0) return 0;
  return pid;
}

}  // namespace corvanta
