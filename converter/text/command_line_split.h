#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// Splits a command-line text into arguments by the Windows C runtime's rules,
// so that a command line built for that convention starts the same program
// with the same arguments here:
//   - blanks and tabs outside double quotes separate arguments;
//   - a double quote toggles quoting and is dropped;
//   - 2n backslashes before a double quote give n backslashes and a toggle,
//     2n+1 give n backslashes and a literal double quote;
//   - backslashes not followed by a double quote stay as they are.
std::vector<std::string> SplitCommandLine(std::string_view commandLine);

// The text that, placed between double quotes, splits back to `argument`
// exactly. Arguments holding no double quote and not ending in a backslash
// come back unchanged.
std::string EscapeForQuotes(std::string_view argument);

}  // namespace corvanta
