#pragma once

#include <string>

namespace corvanta {

// Shows a modal box with `caption`, the error icon, no owner and `text` as
// plain text, and returns once it is closed; false, showing nothing, when
// the process runs no widget application. A fatal error's presenter (see
// fatal_exit.h) for the converter and the utility library.
bool ShowFatalBox(const std::string& caption, const std::string& text);

}  // namespace corvanta
