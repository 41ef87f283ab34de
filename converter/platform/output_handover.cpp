#include "platform/output_handover.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/spawn_setup.h"

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

  SpawnSetup setup;
  if (!setup.Prepare(readEnd, -1, std::string(), true)) return;
  char program[] = "/bin/cat";
  char* argv[] = {program, nullptr};
  setup.Spawn(program, argv);
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
