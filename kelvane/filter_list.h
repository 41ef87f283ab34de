#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvanta::kelvane {

// The caller's filter text reads "description|patterns|description|patterns..."
// with ";" between the patterns of one list. The dialog's filter list is that
// text with every "|" byte turned into a NUL and two NULs appended; the
// conversion is byte-wise on purpose.
std::string FilterListFromText(std::string_view filter);

// Reads a filter list (items separated by one NUL, ended by two) as
// description/pattern pairs and gives each pair as a name filter of the form
// "description (pattern1 pattern2)", with "*.*" and "*.**" read as Windows
// reads them: every name. A description without a pattern list,
// which can only come last, offers nothing to choose by and is left out.
std::vector<std::string> NameFiltersFromList(std::string_view filterList);

}  // namespace corvanta::kelvane
