#include "probes/realmedia.h"

#include <cstring>
#include <optional>
#include <string_view>

#include "probes/byte_order.h"

namespace corvanta {
namespace {

constexpr std::uint64_t kChunkHeaderSize = 10;  // id, 32-bit size, 16-bit version
constexpr std::uint64_t kPropDurationAt = 30;   // after five 32-bit counts
constexpr std::uint64_t kMdprDurationAt = 36;   // after stream number and six 32-bit fields
constexpr std::uint64_t kMdprNameAt = 40;

std::optional<double> Seconds(std::uint32_t milliseconds) {
  if (milliseconds == 0) return std::nullopt;
  return milliseconds / 1000.0;
}

void ReadStreamHeader(BlockReader& reader, std::uint64_t position, std::uint64_t size,
                      InputFacts& facts) {
  char bytes[kMdprNameAt + 1];
  if (size < sizeof bytes || !reader.Read(position, bytes, sizeof bytes)) return;
  const std::uint64_t mimeAt = kMdprNameAt + 1 + static_cast<unsigned char>(bytes[kMdprNameAt]);
  char mime[256];
  char mimeLength = 0;
  if (mimeAt + 1 > size || !reader.Read(position + mimeAt, &mimeLength, 1)) return;
  const std::size_t length = static_cast<unsigned char>(mimeLength);
  if (mimeAt + 1 + length > size || !reader.Read(position + mimeAt + 1, mime, length)) return;
  const std::string_view type(mime, length);
  StreamLength* stream = type.starts_with("video/")   ? &facts.video
                         : type.starts_with("audio/") ? &facts.audio
                                                      : nullptr;
  if (stream == nullptr || stream->present) return;
  stream->present = true;
  stream->seconds = Seconds(BigEndian32(bytes + kMdprDurationAt));
}

}  // namespace

bool BeginsAsRealMedia(BlockReader& reader) {
  char start[4];
  return reader.Read(0, start, 4) && std::memcmp(start, ".RMF", 4) == 0;
}

void ReadRealMediaFacts(BlockReader& reader, InputFacts& facts) {
  for (std::uint64_t position = 0;
       position + kChunkHeaderSize <= reader.size() && reader.TakeEntries();) {
    char header[kChunkHeaderSize];
    if (!reader.Read(position, header, sizeof header)) return;
    const std::string_view id(header, 4);
    // Every header comes before the data.
    if (id == "DATA") {
      facts.streamsKnown = true;
      return;
    }
    const std::uint64_t size = BigEndian32(header + 4);
    if (size < kChunkHeaderSize || size > reader.size() - position) return;
    char duration[4];
    if (id == "PROP" && size >= kPropDurationAt + 4 &&
        reader.Read(position + kPropDurationAt, duration, 4)) {
      facts.overallSeconds = Seconds(BigEndian32(duration));
    } else if (id == "MDPR") {
      ReadStreamHeader(reader, position, size, facts);
    }
    position += size;
  }
}

}  // namespace corvanta
