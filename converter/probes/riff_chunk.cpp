#include "probes/riff_chunk.h"

#include <cstring>

#include "probes/byte_order.h"

namespace corvanta {

bool ReadRiffChunk(BlockReader& reader, std::uint64_t position, RiffChunk& chunk) {
  char bytes[8];
  if (!reader.Read(position, bytes, sizeof bytes)) return false;
  std::memcpy(chunk.id, bytes, 4);
  chunk.payload = position + 8;
  chunk.size = LittleEndian32(bytes + 4);
  return true;
}

bool IsRiffList(BlockReader& reader, const RiffChunk& chunk, std::string_view form) {
  char bytes[4];
  return chunk.Id() == "LIST" && (chunk.size >= 4 || (chunk.size == 0 && form == "movi")) &&
         reader.Read(chunk.payload, bytes, 4) && std::string_view(bytes, 4) == form;
}

std::uint64_t OpenEnd(const RiffChunk& chunk, std::uint64_t enclosingEnd) {
  if (chunk.size == 0 || chunk.size > enclosingEnd - chunk.payload) return enclosingEnd;
  return chunk.payload + chunk.size;
}

}  // namespace corvanta
