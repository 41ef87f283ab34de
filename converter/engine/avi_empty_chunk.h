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
// empty chunk for a dropped or repeated frame. The file's own indexes answer
// where it has them: the first RIFF's "idx1", and the OpenDML "indx"/"ix##"
// indexes for the "AVIX" extensions (or for the whole file without idx1).
// Only parts without a usable index have their chunk headers walked, and that
// walk stops after about an hour of chunks. Reading an index costs little
// (idx1 grows by about 3 MB per hour of video): a few milliseconds even on a
// cold disk. A walk costs more, as the headers are spread over the whole movie
// data: about 60 ms for half an hour of video on a cold SSD, and more on a
// spinning disk.
bool HoldsEmptyAviVideoChunk(const ByteReader& read, std::uint64_t size);

// The same for a file; false when it cannot be read or is no regular file
// (a named pipe or device is never opened for blocking reads).
bool FileHoldsEmptyAviVideoChunk(const std::string& path);

}  // namespace corvanta
