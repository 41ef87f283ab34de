#pragma once

#include <cstdint>
#include <string_view>

#include "probes/block_reader.h"

namespace corvanta {

// One chunk header of a RIFF file: four-letter id and 32-bit little-endian size.
struct RiffChunk {
  char id[4] = {};
  std::uint64_t payload = 0;  // where the chunk's data begins
  std::uint64_t size = 0;     // as written
  std::string_view Id() const { return {id, 4}; }
  std::uint64_t Next() const { return payload + size + (size & 1); }
};

bool ReadRiffChunk(BlockReader& reader, std::uint64_t position, RiffChunk& chunk);

// True for a list ("LIST" chunk) of the given form. A "movi" list may have
// size 0 (see OpenEnd); other lists hold at least their form.
bool IsRiffList(BlockReader& reader, const RiffChunk& chunk, std::string_view form);

// Streaming writers leave the size of a RIFF form or "movi" list 0 or too
// large when they never come back to fill it in: it then runs to the end of
// what encloses it.
std::uint64_t OpenEnd(const RiffChunk& chunk, std::uint64_t enclosingEnd);

// Calls `visit` for each chunk in [begin, end) until it returns false or the
// budget is spent.
template <typename Visit>
void ForEachRiffChunk(BlockReader& reader, std::uint64_t begin, std::uint64_t end, Visit visit) {
  for (std::uint64_t position = begin; position + 8 <= end && reader.TakeEntries();) {
    RiffChunk chunk;
    if (!ReadRiffChunk(reader, position, chunk) || !visit(chunk)) return;
    position = chunk.Next();
  }
}

}  // namespace corvanta
