#include "selection_buffer.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "path_separator.h"
#include "program_folder.h"

namespace corvanta::kelvane {
namespace {

std::string_view SharedFolder(std::string_view a, std::string_view b) {
  // Shrink `a` to whole folders until `b` lies inside it.
  while (!a.empty()) {
    if (a == "/") return a;
    if (b.size() > a.size() && b.substr(0, a.size()) == a && b[a.size()] == kPathSeparator)
      return a;
    if (b == a) return a;
    a = FolderOfPath(a);
  }
  return a;
}

std::string_view NameBelow(std::string_view folder, std::string_view path) {
  std::string_view name = path.substr(folder.size());
  if (!name.empty() && name.front() == kPathSeparator) name.remove_prefix(1);
  return name;
}

}  // namespace

bool WriteSelectionBuffer(const std::vector<std::string>& chosen, std::span<char> buffer) {
  // The caller splits the result at "\r\n": a name holding a line break would
  // come back as pieces naming other files.
  std::vector<std::string> paths;
  for (const std::string& path : chosen) {
    if (path.find_first_of("\r\n") == std::string::npos) paths.push_back(path);
  }
  if (paths.empty()) return false;
  std::string form;
  if (paths.size() == 1) {
    form = paths.front();
    form.append(2, '\0');
  } else {
    std::string_view folder = FolderOfPath(paths.front());
    for (const std::string& path : paths) folder = SharedFolder(folder, FolderOfPath(path));
    form.assign(folder);
    form += '\0';
    for (const std::string& path : paths) {
      form += NameBelow(folder, path);
      form += '\0';
    }
    form += '\0';
  }
  if (form.size() > buffer.size()) return false;
  std::copy(form.begin(), form.end(), buffer.begin());
  return true;
}

std::string PathListFromBuffer(std::span<const char> buffer) {
  const std::string_view all(buffer.data(), buffer.size());
  const std::size_t pair = all.find(std::string_view("\0\0", 2));
  const std::string_view cut =
      pair == std::string_view::npos ? std::string_view() : all.substr(0, pair);
  if (cut.find('\0') == std::string_view::npos) return std::string(cut);

  // Items are split at the NULs themselves: a file name here may hold "|",
  // which a split at "|" would cut apart.
  std::vector<std::string_view> items;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = cut.find('\0', start);
    items.push_back(cut.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }

  std::string folder(items.front());
  if (folder.empty() || folder.back() != kPathSeparator) folder += kPathSeparator;
  std::string result;
  for (std::size_t i = 1; i < items.size(); ++i) {
    result += folder;
    result += items[i];
    if (i + 1 < items.size()) result += "\r\n";
  }
  return result;
}

}  // namespace corvanta::kelvane
