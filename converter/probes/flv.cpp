#include "probes/flv.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "probes/byte_order.h"

namespace corvanta {
namespace {

constexpr int kAudioTag = 8;
constexpr int kVideoTag = 9;
constexpr std::uint64_t kTagHeaderSize = 11;
constexpr std::uint64_t kTagPeek = kTagHeaderSize + 2;  // codec byte and packet type
constexpr std::uint64_t kTrailerSize = 4;               // each tag's size, after it
constexpr char kHasAudio = 0x04;
constexpr char kHasVideo = 0x01;
// The first stamps are met within a few tags of the start.
constexpr int kTagsFromStart = 64;

struct Tag {
  std::uint64_t position = 0;
  int type = 0;
  std::uint64_t dataSize = 0;
  std::uint32_t stamp = 0;  // milliseconds, of decoding
  bool media = false;       // holds a picture or audio, not codec set-up or an end mark
};

// AVC and HEVC video and AAC audio tags carry a packet type after the codec
// byte: 1 for media, 0 for the decoder configuration, 2 for the end of the
// sequence. Video frame type 5 is a command, no picture.
bool HoldsMedia(int type, std::uint64_t dataSize, const char* body) {
  if (dataSize < 2) return false;
  const auto codec = static_cast<unsigned char>(body[0]);
  if (type == kVideoTag) {
    const unsigned format = codec & 0x0F;
    return (codec >> 4) != 5 && ((format != 7 && format != 12) || body[1] == 1);
  }
  return (codec >> 4) != 10 || body[1] == 1;
}

bool ReadTag(BlockReader& reader, std::uint64_t position, Tag& tag) {
  char bytes[kTagPeek] = {};
  if (!reader.TakeEntries() || !reader.Read(position, bytes, kTagHeaderSize)) return false;
  tag.position = position;
  tag.type = bytes[0] & 0x1F;
  tag.dataSize = BigEndian24(bytes + 1);
  tag.stamp = BigEndian24(bytes + 4) | (std::uint32_t{static_cast<unsigned char>(bytes[7])} << 24);
  tag.media = tag.dataSize >= 2 &&
              reader.Read(position + kTagHeaderSize, bytes + kTagHeaderSize, 2) &&
              HoldsMedia(tag.type, tag.dataSize, bytes + kTagHeaderSize);
  return true;
}

// The stamps of one kind of tag.
struct Stamps {
  std::optional<std::uint32_t> first;
  std::optional<std::uint32_t> last;
  std::optional<std::uint32_t> beforeLast;

  bool EndKnown() const { return beforeLast.has_value(); }
  void AddFromEnd(std::uint32_t stamp) {
    if (!last) {
      last = stamp;
    } else if (!beforeLast && stamp < *last) {
      beforeLast = stamp;
    }
  }
  std::optional<double> Seconds() const {
    if (!first || !last || *last < *first) return std::nullopt;
    const std::uint32_t step = beforeLast ? *last - *beforeLast : 0;
    return (*last - *first + step) / 1000.0;
  }
};

// An AVC or HEVC picture carries its composition time (presentation less
// decoding time, signed 24-bit milliseconds) after the packet type.
double PictureDelaySeconds(BlockReader& reader, const Tag& tag) {
  char body[5];
  if (tag.type != kVideoTag || tag.dataSize < sizeof body ||
      !reader.Read(tag.position + kTagHeaderSize, body, sizeof body)) {
    return 0;
  }
  const unsigned format = static_cast<unsigned char>(body[0]) & 0x0F;
  if (format != 7 && format != 12) return 0;
  std::int32_t milliseconds = static_cast<std::int32_t>(BigEndian24(body + 2));
  if (milliseconds & 0x800000) milliseconds -= 0x1000000;
  return milliseconds > 0 ? milliseconds / 1000.0 : 0;
}

}  // namespace

bool BeginsAsFlv(BlockReader& reader) {
  char start[4];
  return reader.Read(0, start, 4) && std::memcmp(start, "FLV\x01", 4) == 0;
}

void ReadFlvFacts(BlockReader& reader, InputFacts& facts) {
  char header[9];
  if (!reader.Read(0, header, sizeof header)) return;
  const std::uint64_t firstTag = std::uint64_t{BigEndian32(header + 5)} + kTrailerSize;
  const bool audio = header[4] & kHasAudio;
  const bool video = header[4] & kHasVideo;
  Stamps audioStamps;
  Stamps videoStamps;
  const auto stampsOf = [&](int type) -> Stamps* {
    return type == kAudioTag ? &audioStamps : type == kVideoTag ? &videoStamps : nullptr;
  };

  std::uint64_t position = firstTag;
  for (int i = 0; i < kTagsFromStart && position + kTagHeaderSize <= reader.size(); ++i) {
    Tag tag;
    if (!ReadTag(reader, position, tag)) break;
    if (Stamps* stamps = stampsOf(tag.type); stamps != nullptr && tag.media && !stamps->first) {
      stamps->first = tag.stamp;
      if (tag.type == kVideoTag) facts.pictureDelaySeconds = PictureDelaySeconds(reader, tag);
    }
    position += kTagHeaderSize + tag.dataSize + kTrailerSize;
  }

  // Each step back must land on a tag whose own size agrees with the
  // trailer, before the one it came from.
  std::uint64_t end = reader.size();
  while ((audio && !audioStamps.EndKnown()) || (video && !videoStamps.EndKnown())) {
    char trailer[kTrailerSize];
    if (end < firstTag + kTagHeaderSize + kTrailerSize ||
        !reader.Read(end - kTrailerSize, trailer, sizeof trailer)) {
      break;
    }
    const std::uint64_t tagSize = BigEndian32(trailer);
    if (tagSize < kTagHeaderSize || tagSize > end - kTrailerSize - firstTag) break;
    const std::uint64_t start = end - kTrailerSize - tagSize;
    Tag tag;
    if (!ReadTag(reader, start, tag) || tag.dataSize + kTagHeaderSize != tagSize) break;
    if (Stamps* stamps = stampsOf(tag.type); stamps != nullptr && tag.media) {
      stamps->AddFromEnd(tag.stamp);
    }
    end = start;
  }

  facts.streamsKnown = true;
  facts.audio.present = audio || audioStamps.first.has_value();
  facts.video.present = video || videoStamps.first.has_value();
  facts.audio.seconds = audioStamps.Seconds();
  facts.video.seconds = videoStamps.Seconds();
  std::optional<std::uint32_t> earliest;
  std::optional<double> latest;
  for (const Stamps* stamps : {&audioStamps, &videoStamps}) {
    if (!stamps->Seconds()) continue;
    earliest = std::min(earliest.value_or(*stamps->first), *stamps->first);
    latest = std::max(latest.value_or(0), *stamps->first / 1000.0 + *stamps->Seconds());
  }
  if (earliest && latest) facts.overallSeconds = *latest - *earliest / 1000.0;
}

}  // namespace corvanta
