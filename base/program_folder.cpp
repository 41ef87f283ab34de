#include "program_folder.h"

#include <unistd.h>

#include <climits>

#include "path_separator.h"

namespace corvanta {

// In UTF-8 the separator's byte never occurs inside another character, so a
// byte-wise search finds the last separator character.
std::string_view FolderOfPath(std::string_view path) {
  const std::size_t last = path.rfind(kPathSeparator);
  if (last == std::string_view::npos) return {};
  // The root folder is "/": without it, a program there would have no folder
  // to work in, to load its library from or to start its encoder in.
  return path.substr(0, last == 0 ? 1 : last);
}

const std::string& ProgramFolder() {
  static const std::string folder = [] {
    char buffer[PATH_MAX + 1] = {};
    const ssize_t length = ::readlink("/proc/self/exe", buffer, PATH_MAX);
    if (length <= 0) return std::string();
    return std::string(FolderOfPath(std::string_view(buffer, static_cast<std::size_t>(length))));
  }();
  return folder;
}

}  // namespace corvanta
