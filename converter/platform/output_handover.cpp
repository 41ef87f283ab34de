#include "platform/output_handover.h"

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <vector>

extern char** environ;

namespace corvanta {
namespace {

std::vector<int>& ReadEndsBeingRead() {
  static std::vector<int> readEnds;
  return readEnds;
}

void StartDrain(int readEnd) {
  // The drain blocks on its reads; the flag is shared with our descriptor,
  // which is not read again.
  const int flags = fcntl(readEnd, F_GETFL);
  if (flags >= 0) fcntl(readEnd, F_SETFL, flags & ~O_NONBLOCK);

  posix_spawn_file_actions_t actions;
  posix_spawnattr_t attributes;
  if (posix_spawn_file_actions_init(&actions) != 0) return;
  if (posix_spawnattr_init(&attributes) != 0) {
    posix_spawn_file_actions_destroy(&actions);
    return;
  }
  bool ok = posix_spawn_file_actions_adddup2(&actions, readEnd, 0) == 0;
  ok = ok && posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0) == 0;
  ok = ok && posix_spawn_file_actions_adddup2(&actions, 1, 2) == 0;
  ok = ok && posix_spawn_file_actions_addclosefrom_np(&actions, 3) == 0;
  ok = ok && posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID) == 0;
  if (ok) {
    char program[] = "/bin/cat";
    char* argv[] = {program, nullptr};
    pid_t pid = 0;
    posix_spawn(&pid, program, &actions, &attributes, argv, environ);
  }
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
}

}  // namespace

OutputBeingRead::OutputBeingRead(int readEnd) : readEnd_(readEnd) {
  if (readEnd_ >= 0) ReadEndsBeingRead().push_back(readEnd_);
}

OutputBeingRead::~OutputBeingRead() {
  auto& readEnds = ReadEndsBeingRead();
  const auto found = std::find(readEnds.rbegin(), readEnds.rend(), readEnd_);
  if (found != readEnds.rend()) readEnds.erase(std::next(found).base());
}

void HandOverOutputsBeingRead() {
  for (const int readEnd : ReadEndsBeingRead()) StartDrain(readEnd);
}

}  // namespace corvanta
