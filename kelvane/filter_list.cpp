#include "filter_list.h"

namespace corvanta::kelvane {
namespace {

std::vector<std::string> ItemsOfList(std::string_view filterList) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start < filterList.size()) {
    const std::size_t end = filterList.find('\0', start);
    if (end == std::string_view::npos) {
      items.emplace_back(filterList.substr(start));
      break;
    }
    if (end == start) break;  // the second NUL of the closing pair
    items.emplace_back(filterList.substr(start, end - start));
    start = end + 1;
  }
  return items;
}

// Windows matches "*.*" (and "*.**") against every name, a name without a
// dot included; Qt would insist on the dot.
std::string PatternForQt(const std::string& pattern) {
  const bool everyName =
      pattern.rfind("*.*", 0) == 0 && pattern.find_first_not_of('*', 3) == std::string::npos;
  return everyName ? "*" : pattern;
}

std::string PatternsSeparatedByBlanks(const std::string& patterns) {
  std::string joined;
  std::size_t start = 0;
  while (start <= patterns.size()) {
    std::size_t end = patterns.find(';', start);
    if (end == std::string::npos) end = patterns.size();
    if (end > start) {
      if (!joined.empty()) joined += ' ';
      joined += PatternForQt(patterns.substr(start, end - start));
    }
    start = end + 1;
  }
  return joined;
}

}  // namespace

std::string FilterListFromText(std::string_view filter) {
  std::string list(filter);
  for (char& byte : list) {
    if (byte == '|') byte = '\0';
  }
  list.append(2, '\0');
  return list;
}

std::vector<std::string> NameFiltersFromList(std::string_view filterList) {
  // An empty item ends the list early, exactly as a pair of NULs would for
  // the system dialog: "a||b" offers nothing after "a".
  const std::vector<std::string> items = ItemsOfList(filterList);
  std::vector<std::string> filters;
  for (std::size_t i = 0; i + 1 < items.size(); i += 2) {
    filters.push_back(items[i] + " (" + PatternsSeparatedByBlanks(items[i + 1]) + ")");
  }
  return filters;
}

}  // namespace corvanta::kelvane
