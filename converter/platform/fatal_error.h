#pragma once

#include <string>

namespace corvanta {

// Shows the fatal box (caption "错误", the error icon, no owner) with
// `detail` after "错误信息：", then ends the process with exit code -1 without
// running any exit routine. Without a widget application the text goes to
// standard error instead.
[[noreturn]] void StopWithFatalError(const std::string& detail);

}  // namespace corvanta
