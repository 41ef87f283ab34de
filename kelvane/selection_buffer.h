#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <vector>

namespace corvanta::kelvane {

// Size of the buffer that the open dialog fills, terminating NULs included.
inline constexpr std::size_t kFileBufferSize = 98192;

// Writes a choice of files (absolute paths) into `buffer`, which must be all
// zero, in the form that PathListFromBuffer reads:
//   one file:      the full path, NUL, NUL;
//   several files: the folder, NUL, each name followed by NUL, then one NUL.
// Files from different folders are written relative to the deepest folder
// they share, so a name may hold "/" and the joined paths still name the
// chosen files. Paths holding CR or LF are left out, since the joined result
// could not carry them. Returns false, writing nothing, for an empty choice
// (also after leaving paths out) or one that does not fit.
bool WriteSelectionBuffer(const std::vector<std::string>& paths, std::span<char> buffer);

// Reads a filled buffer into the chosen full paths joined by "\r\n":
// the buffer is cut before its first pair of adjacent NULs; a cut part
// without NUL is one full path; otherwise its first NUL-separated item is the
// folder and every further item a file name, joined to the folder by "/"
// unless the folder's last byte already is "/".
std::string PathListFromBuffer(std::span<const char> buffer);

}  // namespace corvanta::kelvane
