#pragma once

#include <string>

namespace corvanta {

// The folder that holds the running program: its own full path cut before
// the last "/". Read once and kept.
const std::string& ProgramFolder();

}  // namespace corvanta
