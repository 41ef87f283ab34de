#include "byte_size_text.h"

#include <cmath>

namespace corvanta::kelvane {
namespace {

constexpr const char* kUnits[] = {"KB", "MB", "GB", "TB", "PB", "EB"};

}  // namespace

std::string FormatByteSizeText(std::uint64_t count) {
  if (count < 1024) return std::to_string(count) + " 字节";

  int unit = 0;
  unsigned shift = 10;
  while (unit + 1 < static_cast<int>(std::size(kUnits)) && (count >> (shift + 10)) != 0) {
    ++unit;
    shift += 10;
  }
  // Hundredths of the unit, cut off; 128 bits keep count * 100 exact.
  const unsigned __int128 hundredths = (static_cast<unsigned __int128>(count) * 100) >> shift;
  const auto whole = static_cast<std::uint64_t>(hundredths / 100);
  const auto fraction = static_cast<unsigned>(hundredths % 100);

  std::string number = std::to_string(whole);
  if (whole < 10) {
    number += '.';
    number += static_cast<char>('0' + fraction / 10);
    number += static_cast<char>('0' + fraction % 10);
  } else if (whole < 100) {
    number += '.';
    number += static_cast<char>('0' + fraction / 10);
  }
  return number + " " + kUnits[unit];
}

double RoundToTwoPlaces(double value) {
  if (value == 0) return value;
  const bool negative = value < 0;
  const double scaled = std::fabs(value) * 100 + 1e-12;
  const double whole = std::floor(scaled);
  double rounded = scaled - whole >= 0.5 ? whole + 1 : whole;
  rounded /= 100;
  return negative ? -rounded : rounded;
}

float KilobytesOfByteCount(std::uint64_t count) {
  return static_cast<float>(RoundToTwoPlaces(static_cast<double>(count) / 1024));
}

}  // namespace corvanta::kelvane
