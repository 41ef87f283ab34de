#pragma once

#include <string>

namespace corvanta {

// The caption of the box shown before a process ends on an error it cannot
// go on from.
inline constexpr const char* kFatalErrorCaption = "错误";

// The box's text: "运行时出错!\r\n\r\n错误信息：<detail>\r\n".
std::string FatalErrorText(const std::string& detail);

// Shows a fatal error's caption and text to the user, returning once the user
// has seen it; false when it has no way to show it.
using FatalErrorPresenter = bool (*)(const std::string& caption, const std::string& text);

// Shows the fatal error of `detail` through `show`, or writes its text to
// standard error when there is no presenter or it cannot show it; then ends
// the process with exit code -1 at once, running no exit routine and no
// unload clean-up.
[[noreturn]] void EndProcessWithFatalError(const std::string& detail, FatalErrorPresenter show);

}  // namespace corvanta
