#pragma once

#include <cstdint>
#include <string>

// The converter reaches the utility library kelvane.dll only by file name and
// export name, at the first call of each export; the library stays loaded
// until the process ends. A missing library or export shows the fatal box
// naming both and ends the process with exit code -1.
namespace corvanta::kelvane {

// The multi-select open dialog (export "rszckl"): the chosen full paths
// joined by "\r\n", or the empty text after a cancel. `hwndOwner` is the
// owner widget's winId(), 0 for none; null texts count as empty texts.
std::string OpenFiles(std::uint32_t hwndOwner, const char* title, const char* filter,
                      const char* initialDir, std::int32_t keepCurrentDir);

// A file's size as display text (export "zhaui"): "0 字节" for an empty,
// missing or unreadable file.
std::string FileSizeText(const std::string& path);

}  // namespace corvanta::kelvane
