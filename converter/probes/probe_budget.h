#pragma once

#include <cstdint>

namespace corvanta {

// What one probe of one file may spend, so that no file, however it was
// made, keeps the window waiting: block reads (each of at most 64 KiB, so
// 16 MiB in all) and entries looked at (index entries, chunk, box and
// element headers, packets, tags). A probe that runs out answers "unknown"
// for whatever it had not yet found. On this machine a block read costs
// about 0.2 ms with the file's pages dropped, and an entry well under 0.1 µs.
struct ProbeBudget {
  int blockReads = 256;
  std::uint64_t entries = 1'000'000;
};

}  // namespace corvanta
