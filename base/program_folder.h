#pragma once

#include <string>
#include <string_view>

namespace corvanta {

// The folder that holds the file at the absolute `path`: the path cut before
// its last "/", and "/" itself for a file in the root folder; the empty text
// for a path without "/".
std::string_view FolderOfPath(std::string_view path);

// The folder that holds the running program, from its own full path; read
// once and kept. Empty when the path cannot be read.
const std::string& ProgramFolder();

}  // namespace corvanta
