// What loading and unloading the library do to the host process.

#include <unistd.h>

#include <string>

#include "current_directory.h"
#include "result_holders.h"

namespace corvanta::kelvane {
namespace {

// The host works in its own folder from the moment the library is loaded,
// whatever directory it was started in.
__attribute__((constructor)) void EnterHostFolder() {
  const std::string folder = HostExecutableFolder();
  if (folder.empty()) return;
  [[maybe_unused]] const int ignored = ::chdir(folder.c_str());
}

__attribute__((destructor)) void ReleaseAtUnload() { ReleaseExportResults(); }

}  // namespace
}  // namespace corvanta::kelvane
