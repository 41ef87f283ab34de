#pragma once

#include <string>

namespace corvanta {

// Shows a modal box with `caption`, the error icon, no owner and `text` as
// plain text when the process runs a widget application, else writes `text`
// to standard error; then ends the process with exit code -1 at once,
// running no exit routine and no unload clean-up.
[[noreturn]] void ShowFatalBoxAndExit(const std::string& caption, const std::string& text);

}  // namespace corvanta
