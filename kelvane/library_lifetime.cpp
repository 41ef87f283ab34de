// What loading and unloading the library do to the host process.

#include <unistd.h>

#include "program_folder.h"
#include "result_holders.h"

namespace corvanta::kelvane {
namespace {

// The host works in its own folder from the moment the library is loaded,
// whatever directory it was started in.
__attribute__((constructor)) void EnterHostFolder() {
  const std::string& folder = ProgramFolder();
  if (folder.empty()) return;
  [[maybe_unused]] const int ignored = ::chdir(folder.c_str());
}

__attribute__((destructor)) void ReleaseAtUnload() { ReleaseExportResults(); }

}  // namespace
}  // namespace corvanta::kelvane
