#include "probes/matroska.h"

#include <cstring>
#include <optional>

#include "probes/byte_order.h"

namespace corvanta {
namespace {

constexpr std::uint32_t kEbmlHeader = 0x1A45DFA3;
constexpr std::uint32_t kSegment = 0x18538067;
constexpr std::uint32_t kInfo = 0x1549A966;
constexpr std::uint32_t kTimestampScale = 0x2AD7B1;
constexpr std::uint32_t kDuration = 0x4489;
constexpr std::uint32_t kTracks = 0x1654AE6B;
constexpr std::uint32_t kTrackEntry = 0xAE;
constexpr std::uint32_t kTrackType = 0x83;
constexpr std::uint32_t kCluster = 0x1F43B675;
constexpr std::uint64_t kVideoTrack = 1;
constexpr std::uint64_t kAudioTrack = 2;

struct Element {
  std::uint32_t id = 0;
  std::uint64_t payload = 0;
  std::uint64_t end = 0;  // cut at the end of what encloses it
  bool sizeUnknown = false;
};

// An EBML variable-size integer: the leading zero bits of its first byte
// tell its length. IDs keep their length marker; sizes drop it, and a size
// of all ones means "unknown".
bool ReadNumber(BlockReader& reader, std::uint64_t position, int maxLength, bool keepMarker,
                std::uint64_t& value, int& length, bool& allOnes) {
  char bytes[8];
  if (!reader.Read(position, bytes, 1)) return false;
  const auto first = static_cast<unsigned char>(bytes[0]);
  length = 1;
  while (length <= maxLength && (first & (0x80 >> (length - 1))) == 0) ++length;
  if (length > maxLength || !reader.Read(position, bytes, static_cast<std::size_t>(length))) {
    return false;
  }
  const unsigned char marker = 0x80 >> (length - 1);
  value = keepMarker ? first : first & (marker - 1);
  for (int i = 1; i < length; ++i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  allOnes = !keepMarker && value == (std::uint64_t{1} << (7 * length)) - 1;
  return true;
}

bool ReadElement(BlockReader& reader, std::uint64_t position, std::uint64_t enclosingEnd,
                 Element& element) {
  std::uint64_t id = 0;
  std::uint64_t size = 0;
  int idLength = 0;
  int sizeLength = 0;
  bool ignored = false;
  if (!ReadNumber(reader, position, 4, true, id, idLength, ignored) ||
      !ReadNumber(reader, position + idLength, 8, false, size, sizeLength, element.sizeUnknown)) {
    return false;
  }
  element.id = static_cast<std::uint32_t>(id);
  element.payload = position + idLength + sizeLength;
  if (element.payload > enclosingEnd) return false;
  element.end = element.sizeUnknown || size > enclosingEnd - element.payload
                    ? enclosingEnd
                    : element.payload + size;
  return true;
}

template <typename Visit>
void ForEachElement(BlockReader& reader, std::uint64_t begin, std::uint64_t end, Visit visit) {
  for (std::uint64_t position = begin; position < end && reader.TakeEntries();) {
    Element element;
    if (!ReadElement(reader, position, end, element) || !visit(element)) return;
    // An element of unknown size runs to the end of its parent.
    if (element.sizeUnknown) return;
    position = element.end;
  }
}

std::optional<std::uint64_t> ReadUnsigned(BlockReader& reader, const Element& element) {
  const std::uint64_t size = element.end - element.payload;
  char bytes[8];
  if (size == 0 || size > 8 || !reader.Read(element.payload, bytes, size)) return std::nullopt;
  std::uint64_t value = 0;
  for (std::uint64_t i = 0; i < size; ++i)
    value = (value << 8) | static_cast<unsigned char>(bytes[i]);
  return value;
}

std::optional<double> ReadFloat(BlockReader& reader, const Element& element) {
  const std::uint64_t size = element.end - element.payload;
  char bytes[8];
  if ((size != 4 && size != 8) || !reader.Read(element.payload, bytes, size)) return std::nullopt;
  if (size == 4) {
    const std::uint32_t bits = BigEndian32(bytes);
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
  }
  const std::uint64_t bits = BigEndian64(bytes);
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

}  // namespace

bool BeginsAsMatroska(BlockReader& reader) {
  char start[4];
  return reader.Read(0, start, 4) && BigEndian32(start) == kEbmlHeader;
}

void ReadMatroskaFacts(BlockReader& reader, InputFacts& facts) {
  Element header;
  Element segment;
  if (!ReadElement(reader, 0, reader.size(), header) || header.sizeUnknown ||
      !ReadElement(reader, header.end, reader.size(), segment) || segment.id != kSegment) {
    return;
  }
  std::uint64_t scale = 1'000'000;  // nanoseconds per unit unless the Info says otherwise
  std::optional<double> duration;
  bool infoRead = false;
  ForEachElement(reader, segment.payload, segment.end, [&](const Element& element) {
    if (element.id == kInfo) {
      infoRead = true;
      ForEachElement(reader, element.payload, element.end, [&](const Element& field) {
        if (field.id == kTimestampScale) scale = ReadUnsigned(reader, field).value_or(scale);
        if (field.id == kDuration) duration = ReadFloat(reader, field);
        return true;
      });
    } else if (element.id == kTracks) {
      facts.streamsKnown = true;
      ForEachElement(reader, element.payload, element.end, [&](const Element& entry) {
        if (entry.id != kTrackEntry) return true;
        ForEachElement(reader, entry.payload, entry.end, [&](const Element& field) {
          if (field.id != kTrackType) return true;
          const std::uint64_t type = ReadUnsigned(reader, field).value_or(0);
          if (type == kVideoTrack) facts.video.present = true;
          if (type == kAudioTrack) facts.audio.present = true;
          return false;
        });
        return true;
      });
    }
    return element.id != kCluster && !(infoRead && facts.streamsKnown);
  });
  if (duration && *duration > 0 && scale > 0) facts.overallSeconds = *duration * scale / 1e9;
}

}  // namespace corvanta
