#pragma once

#include <string>

#include "fatal_exit.h"

namespace corvanta {

// How the converter shows a fatal error. The program installs its fatal box
// at start-up; until then the text goes to standard error.
void SetFatalErrorPresenter(FatalErrorPresenter show);

// Shows the fatal error of `detail` through the installed presenter and ends
// the process, as EndProcessWithFatalError does.
[[noreturn]] void StopWithFatalError(const std::string& detail);

}  // namespace corvanta
