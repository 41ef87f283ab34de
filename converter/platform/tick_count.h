#pragma once

#include <cstdint>

namespace corvanta {

// Milliseconds of a monotonic clock, the low 32 bits read as a signed value.
// It wraps after about 49.7 days, so differences must be taken in unsigned
// 32-bit arithmetic.
std::int32_t TickCount();

// `later` less `earlier` on the wrapping clock: right across a wrap between
// the two, as long as they lie less than 2^32 ms apart.
inline std::uint32_t TicksBetween(std::int32_t earlier, std::int32_t later) {
  return static_cast<std::uint32_t>(later) - static_cast<std::uint32_t>(earlier);
}

}  // namespace corvanta
