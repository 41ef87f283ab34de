#include "fatal_error.h"

#include "fatal_box.h"
#include "fatal_exit.h"

namespace corvanta::kelvane {

std::string AllocationFailureDetail(std::size_t bytes) {
  return "分配 " + std::to_string(bytes) + " 字节内存失败!";
}

void ExitWithFatalError(const std::string& detail) {
  EndProcessWithFatalError(detail, ShowFatalBox);
}

}  // namespace corvanta::kelvane
