#include "platform/program_folder.h"

#include <unistd.h>

#include <climits>

#include "text/path_separator.h"
#include "text/text_search.h"

namespace corvanta {

const std::string& ProgramFolder() {
  static const std::string folder = [] {
    char buffer[PATH_MAX + 1] = {};
    const ssize_t length = readlink("/proc/self/exe", buffer, PATH_MAX);
    const std::string path(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
    const int p = FindLastText(path, kPathSeparatorText);
    return p < 1 ? std::string() : path.substr(0, static_cast<std::size_t>(p - 1));
  }();
  return folder;
}

}  // namespace corvanta
