#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

namespace corvanta {

// Reads `size` bytes at `offset` into `out`; false when they are not all there.
using ByteReader = std::function<bool(std::uint64_t offset, char* out, std::size_t size)>;

}  // namespace corvanta
