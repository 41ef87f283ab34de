#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace corvanta {

// Reads `size` bytes at `offset` into `out`; false when they are not all there.
using ByteReader = std::function<bool(std::uint64_t offset, char* out, std::size_t size)>;

// True when the bytes are an AVI (they begin with "RIFF", 4 bytes, "AVI ")
// whose movie data holds a video chunk ("##dc" or "##db") of size 0: an
// empty chunk for a dropped or repeated frame. The chunk headers themselves
// are walked, in the first RIFF and in every OpenDML "AVIX" extension, so the
// answer does not depend on which index the file carries. The walk stops
// after a bounded number of chunks, so a huge file costs a fraction of a second.
bool HoldsEmptyAviVideoChunk(const ByteReader& read, std::uint64_t size);

// The same for a file; false when it cannot be read.
bool FileHoldsEmptyAviVideoChunk(const std::string& path);

}  // namespace corvanta
