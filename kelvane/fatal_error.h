#pragma once

#include <cstddef>
#include <string>

namespace corvanta::kelvane {

// "分配 <bytes> 字节内存失败!"
std::string AllocationFailureDetail(std::size_t bytes);

// Shows the fatal box (caption "错误", error icon, no owner) with `detail`
// when the host runs a QApplication, else writes its text to standard error,
// and then ends the process with exit code -1 at once: no unload clean-up
// runs on this path.
[[noreturn]] void ExitWithFatalError(const std::string& detail);

}  // namespace corvanta::kelvane
