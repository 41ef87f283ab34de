#include "fatal_exit.h"

#include <cstdio>
#include <cstdlib>

namespace corvanta {

std::string FatalErrorText(const std::string& detail) {
  return "运行时出错!\r\n\r\n错误信息：" + detail + "\r\n";
}

void EndProcessWithFatalError(const std::string& detail, FatalErrorPresenter show) {
  const std::string text = FatalErrorText(detail);
  if (show == nullptr || !show(kFatalErrorCaption, text)) std::fputs(text.c_str(), stderr);
  std::fflush(nullptr);
  std::_Exit(-1);
}

}  // namespace corvanta
