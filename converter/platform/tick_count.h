#pragma once

#include <cstdint>

namespace corvanta {

// Milliseconds of a monotonic clock, the low 32 bits read as a signed value.
// It wraps after about 49.7 days, so differences must be taken in unsigned
// 32-bit arithmetic.
std::int32_t TickCount();

}  // namespace corvanta
