#pragma once

#include <optional>
#include <string>

namespace corvanta {

// The text the output-folder field takes after the folder dialog returned
// `chosen`: nothing for the empty text (the field keeps what it has), else
// the path with one separator appended unless its last byte already is one.
// Byte-wise: only the very last byte is looked at.
std::optional<std::string> OutputFolderFieldText(const std::string& chosen);

}  // namespace corvanta
