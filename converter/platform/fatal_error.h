#pragma once

#include <string>

#include "fatal_exit.h"

namespace corvanta {

// How the converter shows a fatal error. The program installs its fatal box
// at start-up; until then the text goes to standard error.
void SetFatalErrorPresenter(FatalErrorPresenter show);

// Shows the fatal error of `detail` (caption "错误", `detail` after
// "错误信息：") through the installed presenter, then ends the process with
// exit code -1 without running any exit routine.
[[noreturn]] void StopWithFatalError(const std::string& detail);

}  // namespace corvanta
