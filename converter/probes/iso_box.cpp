#include "probes/iso_box.h"

#include <algorithm>
#include <cstring>

#include "probes/byte_order.h"

namespace corvanta {

bool ReadIsoBox(BlockReader& reader, std::uint64_t position, std::uint64_t enclosingEnd,
                IsoBox& box) {
  char header[16];
  if (position >= enclosingEnd || enclosingEnd - position < 8 ||
      !reader.Read(position, header, 8)) {
    return false;
  }
  std::memcpy(box.type, header + 4, 4);
  std::uint64_t size = BigEndian32(header);
  std::uint64_t headerSize = 8;
  if (size == 1) {
    if (enclosingEnd - position < 16 || !reader.Read(position + 8, header + 8, 8)) return false;
    size = BigEndian64(header + 8);
    headerSize = 16;
  } else if (size == 0) {
    size = enclosingEnd - position;
  }
  // Every box moves the walk forward past its own header.
  if (size < headerSize) return false;
  box.payload = position + headerSize;
  box.end = position + std::min(size, enclosingEnd - position);
  return true;
}

}  // namespace corvanta
