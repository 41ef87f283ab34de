#pragma once

#include <string>

namespace corvanta::kelvane {

// The process's current directory, or the empty text when it cannot be read.
std::string SaveCurrentDirectory();

// Makes `directory` current; an empty or vanished directory changes nothing.
void RestoreCurrentDirectory(const std::string& directory);

}  // namespace corvanta::kelvane
