#pragma once

#include <string>

namespace corvanta {

// Deletes one file (or link); a folder of that name is left alone, as is a
// path that cannot be deleted. The outcome is not reported.
void RemoveFile(const std::string& path);

}  // namespace corvanta
