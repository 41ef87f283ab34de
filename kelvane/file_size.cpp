#include "file_size.h"

#include "byte_size_text.h"
#include "regular_file.h"

namespace corvanta::kelvane {

std::uint64_t MeasureFileSize(const std::string& path) { return RegularFile(path).size(); }

std::string GetFileSizeText(const std::string& path) {
  return FormatByteSizeText(MeasureFileSize(path));
}

float QueryFileSizeKilobytes(const std::string& path) {
  return KilobytesOfByteCount(MeasureFileSize(path));
}

}  // namespace corvanta::kelvane
