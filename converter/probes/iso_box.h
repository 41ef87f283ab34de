#pragma once

#include <cstdint>
#include <string_view>

#include "probes/block_reader.h"

namespace corvanta {

// One box of an ISO base media file (MP4, MOV, 3GP): 32-bit big-endian
// size, four-letter type; size 1 means a 64-bit size follows, size 0 that
// the box runs to the end of what encloses it.
struct IsoBox {
  char type[4] = {};
  std::uint64_t payload = 0;  // where its contents begin
  std::uint64_t end = 0;      // cut at the end of what encloses it
  std::string_view Type() const { return {type, 4}; }
};

// False when no well-formed box header starts at `position`.
bool ReadIsoBox(BlockReader& reader, std::uint64_t position, std::uint64_t enclosingEnd,
                IsoBox& box);

// Calls `visit` for each box in [begin, end) until it returns false, a box
// header is damaged, or the budget is spent.
template <typename Visit>
void ForEachIsoBox(BlockReader& reader, std::uint64_t begin, std::uint64_t end, Visit visit) {
  for (std::uint64_t position = begin; position < end && reader.TakeEntries();) {
    IsoBox box;
    if (!ReadIsoBox(reader, position, end, box) || !visit(box)) return;
    position = box.end;
  }
}

}  // namespace corvanta
