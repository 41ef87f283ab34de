#include "ui/folder_text.h"

#include "path_separator.h"

namespace corvanta {

std::optional<std::string> OutputFolderFieldText(const std::string& chosen) {
  if (chosen.empty()) return std::nullopt;
  if (chosen.back() == kPathSeparator) return chosen;
  return chosen + kPathSeparator;
}

}  // namespace corvanta
