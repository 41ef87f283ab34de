#pragma once

#include <cstdint>
#include <string>

namespace corvanta::kelvane {

// A byte count as display text. Counts below 1024 read "N 字节" (so 0 gives
// "0 字节", the text the converter takes for a failed conversion); larger
// counts are shown in the largest of KB, MB, GB, TB, PB, EB that keeps the
// number at 1 or more, with three significant digits ("1.50 KB", "10.0 KB",
// "100 KB"; 1000 to 1023 keep their four digits). Digits that do not fit are
// cut off, never rounded, so a text never claims more than the count holds.
std::string FormatByteSizeText(std::uint64_t count);

// Rounds to two decimal places, halves away from zero; a fraction that falls
// short of a half by less than 1e-12 counts as a half.
double RoundToTwoPlaces(double value);

// Kilobytes of a byte count to two decimal places, as the single-precision
// number the size export returns.
float KilobytesOfByteCount(std::uint64_t count);

}  // namespace corvanta::kelvane
