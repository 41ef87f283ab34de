#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "probes/byte_reader.h"
#include "probes/probe_budget.h"

namespace corvanta {

// The one way a probe reads its file: small reads are served from one block
// read ahead, every block read is paid from the probe's budget, and no read
// past the end of the file ever reaches the ByteReader.
class BlockReader {
 public:
  static constexpr std::size_t kBlockSize = 64 * 1024;

  BlockReader(const ByteReader& read, std::uint64_t size, ProbeBudget& budget);

  std::uint64_t size() const { return size_; }

  // Copies `count` bytes (at most one block) at `offset` into `out`; false
  // when they are not all in the file, cannot be read, or the budget is spent.
  bool Read(std::uint64_t offset, char* out, std::size_t count);

  // The bytes of [offset, offset + count) clipped to the file, read in whole
  // blocks past the cache (for scanning a stretch of a file); empty when
  // the budget runs out first.
  std::string ReadStretch(std::uint64_t offset, std::uint64_t count);

  // Pays for `count` entries looked at; false once the budget is spent.
  bool TakeEntries(std::uint64_t count = 1);

 private:
  bool TakeBlockRead();

  const ByteReader& read_;
  const std::uint64_t size_;
  ProbeBudget& budget_;
  std::vector<char> block_ = std::vector<char>(kBlockSize);
  std::uint64_t begin_ = 0;
  std::size_t filled_ = 0;
};

}  // namespace corvanta
