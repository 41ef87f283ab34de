#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace corvanta::testing {

// Replaces the file's content and sets its mode.
void WriteFile(const std::string& path, const std::string& content, mode_t mode = 0644);
// An executable shell script with `body` after the "#!/bin/sh" line.
void WriteScript(const std::string& path, const std::string& body);
// The file's bytes; empty when it cannot be read.
std::string ReadWholeFile(const std::string& path);
// Names of the entries of a folder, hidden ones too, sorted; not recursive.
std::vector<std::string> FileNamesIn(const std::string& folder);

}  // namespace corvanta::testing
