#pragma once

#include <cstdint>
#include <string>

namespace corvanta::kelvane {

// The size in bytes of the regular file at `path`: opened for reading,
// measured, closed. A missing file, a folder, a device or pipe, an unreadable
// file and an empty path all measure 0. The open never blocks.
std::uint64_t MeasureFileSize(const std::string& path);

// The file's size as display text, from the full 64-bit size, so a file of
// 4 GiB or more does not read as empty.
std::string GetFileSizeText(const std::string& path);

// The file's size in kilobytes to two decimal places; 0 when it cannot be
// measured.
float QueryFileSizeKilobytes(const std::string& path);

}  // namespace corvanta::kelvane
