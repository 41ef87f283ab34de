#include "probes/block_reader.h"

#include <algorithm>
#include <cstring>

namespace corvanta {

BlockReader::BlockReader(const ByteReader& read, std::uint64_t size, ProbeBudget& budget)
    : read_(read), size_(size), budget_(budget) {}

bool BlockReader::TakeBlockRead() {
  if (budget_.blockReads <= 0) return false;
  --budget_.blockReads;
  return true;
}

bool BlockReader::TakeEntries(std::uint64_t count) {
  if (budget_.entries < count) {
    budget_.entries = 0;
    return false;
  }
  budget_.entries -= count;
  return true;
}

bool BlockReader::Read(std::uint64_t offset, char* out, std::size_t count) {
  if (offset > size_ || count > size_ - offset || count > kBlockSize) return false;
  if (offset < begin_ || offset + count > begin_ + filled_) {
    // A walk backwards (FLV tags from the end) gets the block that ends
    // where the read ends; any other read the block that begins there.
    const bool backwards = filled_ > 0 && offset < begin_;
    const std::uint64_t start =
        backwards ? std::max<std::uint64_t>(offset + count, kBlockSize) - kBlockSize : offset;
    const std::size_t want =
        static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, size_ - start));
    filled_ = 0;
    if (!TakeBlockRead() || !read_(start, block_.data(), want)) return false;
    begin_ = start;
    filled_ = want;
  }
  std::memcpy(out, block_.data() + (offset - begin_), count);
  return true;
}

std::string BlockReader::ReadStretch(std::uint64_t offset, std::uint64_t count) {
  if (offset >= size_) return {};
  count = std::min(count, size_ - offset);
  std::string bytes(static_cast<std::size_t>(count), '\0');
  for (std::uint64_t done = 0; done < count; done += kBlockSize) {
    const std::size_t piece =
        static_cast<std::size_t>(std::min<std::uint64_t>(kBlockSize, count - done));
    if (!TakeBlockRead() || !read_(offset + done, bytes.data() + done, piece)) return {};
  }
  return bytes;
}

}  // namespace corvanta
