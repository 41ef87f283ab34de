#include "fatal_error.h"

#include "fatal_box.h"

namespace corvanta::kelvane {

std::string AllocationFailureDetail(std::size_t bytes) {
  return "分配 " + std::to_string(bytes) + " 字节内存失败!";
}

std::string FatalErrorText(const std::string& detail) {
  return "运行时出错!\r\n\r\n错误信息：" + detail + "\r\n";
}

void ExitWithFatalError(const std::string& detail) {
  ShowFatalBoxAndExit("错误", FatalErrorText(detail));
}

}  // namespace corvanta::kelvane
