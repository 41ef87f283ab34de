#pragma once

#include <string>

namespace corvanta {

// True when the two paths name one file: the same text byte for byte, or two
// spellings (a link, "..", a doubled separator, a hard link) that lead to the
// same existing file. Writing to one of them would overwrite the other.
bool SameFile(const std::string& first, const std::string& second);

}  // namespace corvanta
