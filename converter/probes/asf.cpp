#include "probes/asf.h"

#include <algorithm>
#include <cstring>
#include <string_view>

#include "probes/byte_order.h"

namespace corvanta {
namespace {

// GUIDs as stored: the first three fields little-endian.
constexpr std::string_view kHeaderObject(
    "\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16);
constexpr std::string_view kFileProperties(
    "\xA1\xDC\xAB\x8C\x47\xA9\xCF\x11\x8E\xE4\x00\xC0\x0C\x20\x53\x65", 16);
constexpr std::string_view kStreamProperties(
    "\x91\x07\xDC\xB7\xB7\xA9\xCF\x11\x8E\xE6\x00\xC0\x0C\x20\x53\x65", 16);
constexpr std::string_view kAudioMedia(
    "\x40\x9E\x69\xF8\x4D\x5B\xCF\x11\xA8\xFD\x00\x80\x5F\x5C\x44\x2B", 16);
constexpr std::string_view kVideoMedia(
    "\xC0\xEF\x19\xBC\x4D\x5B\xCF\x11\xA8\xFD\x00\x80\x5F\x5C\x44\x2B", 16);

constexpr std::uint64_t kObjectHeaderSize = 24;  // GUID and 64-bit size
constexpr std::uint64_t kHeaderObjectSize = 30;  // and a count and two reserved bytes
constexpr std::uint64_t kPlayDurationAt = 64;    // in the File Properties Object
constexpr std::uint64_t kFilePropertiesSize = 104;
constexpr std::uint32_t kBroadcast = 1;  // flag: durations are not valid

}  // namespace

bool BeginsAsAsf(BlockReader& reader) {
  char start[16];
  return reader.Read(0, start, sizeof start) && std::string_view(start, 16) == kHeaderObject;
}

void ReadAsfFacts(BlockReader& reader, InputFacts& facts) {
  char header[kHeaderObjectSize];
  if (!reader.Read(0, header, sizeof header)) return;
  const std::uint64_t end = std::min(LittleEndian64(header + 16), reader.size());
  for (std::uint64_t position = kHeaderObjectSize;
       position + kObjectHeaderSize <= end && reader.TakeEntries();) {
    char object[kFilePropertiesSize];
    if (!reader.Read(position, object, kObjectHeaderSize)) return;
    const std::uint64_t size = LittleEndian64(object + 16);
    if (size < kObjectHeaderSize || size > end - position) return;
    const std::string_view guid(object, 16);
    if (guid == kFileProperties && size >= kFilePropertiesSize &&
        reader.Read(position, object, kFilePropertiesSize)) {
      const std::uint64_t play = LittleEndian64(object + kPlayDurationAt);          // 100 ns
      const std::uint64_t preroll = LittleEndian64(object + kPlayDurationAt + 16);  // ms
      const std::uint32_t flags = LittleEndian32(object + kPlayDurationAt + 24);
      const double seconds = play / 1e7 - preroll / 1e3;
      if ((flags & kBroadcast) == 0 && seconds > 0) facts.overallSeconds = seconds;
    } else if (guid == kStreamProperties && size >= kObjectHeaderSize + 16 &&
               reader.Read(position + kObjectHeaderSize, object, 16)) {
      facts.streamsKnown = true;
      const std::string_view type(object, 16);
      if (type == kAudioMedia) facts.audio.present = true;
      if (type == kVideoMedia) facts.video.present = true;
    }
    position += size;
  }
}

}  // namespace corvanta
