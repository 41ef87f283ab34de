#include "platform/tick_count.h"

#include <time.h>

namespace corvanta {

std::int32_t TickCount() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                  static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
  // Only the low 32 bits are kept; callers subtract in wrapping arithmetic.
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(ms));
}

}  // namespace corvanta
