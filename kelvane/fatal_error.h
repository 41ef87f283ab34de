#pragma once

#include <cstddef>
#include <string>

namespace corvanta::kelvane {

// "分配 <bytes> 字节内存失败!"
std::string AllocationFailureDetail(std::size_t bytes);

// Shows the fatal error of `detail` in the fatal box when the host runs a
// QApplication, else on standard error, and ends the process, as
// EndProcessWithFatalError does: no unload clean-up runs on this path.
[[noreturn]] void ExitWithFatalError(const std::string& detail);

}  // namespace corvanta::kelvane
