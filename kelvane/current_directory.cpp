#include "current_directory.h"

#include <unistd.h>

#include <climits>

namespace corvanta::kelvane {

std::string SaveCurrentDirectory() {
  char buffer[PATH_MAX] = {};
  if (::getcwd(buffer, sizeof buffer) == nullptr) return {};
  return buffer;
}

void RestoreCurrentDirectory(const std::string& directory) {
  if (directory.empty()) return;
  [[maybe_unused]] const int ignored = ::chdir(directory.c_str());
}

}  // namespace corvanta::kelvane
