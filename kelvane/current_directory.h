#pragma once

#include <string>

namespace corvanta::kelvane {

// The process's current directory, or the empty text when it cannot be read.
std::string SaveCurrentDirectory();

// Makes `directory` current; an empty or vanished directory changes nothing.
void RestoreCurrentDirectory(const std::string& directory);

// The folder of the host's executable ("/" for a program in the root), or the
// empty text when /proc/self/exe cannot be read.
std::string HostExecutableFolder();

}  // namespace corvanta::kelvane
