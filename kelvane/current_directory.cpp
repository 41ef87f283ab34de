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

std::string HostExecutableFolder() {
  char buffer[PATH_MAX] = {};
  const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length <= 0) return {};
  const std::string path(buffer, static_cast<std::size_t>(length));
  const std::size_t last = path.rfind('/');
  if (last == std::string::npos) return {};
  return last == 0 ? std::string("/") : path.substr(0, last);
}

}  // namespace corvanta::kelvane
