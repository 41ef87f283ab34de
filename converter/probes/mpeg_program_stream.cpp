#include "probes/mpeg_program_stream.h"

#include <string_view>
#include <vector>

#include "probes/byte_order.h"
#include "probes/pes_clocks.h"
#include "probes/stretch_scan.h"

namespace corvanta {
namespace {

constexpr unsigned char kPackStart = 0xBA;
constexpr unsigned char kProgramEnd = 0xB9;
constexpr unsigned char kSystemHeader = 0xBB;
constexpr unsigned char kPrivateStream1 = 0xBD;

enum class Kind { kOther, kVideo, kAudio };

unsigned char At(std::string_view bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]);
}

bool IsStartCode(std::string_view bytes, std::size_t at) {
  return at + 4 <= bytes.size() && bytes[at] == 0 && bytes[at + 1] == 0 && bytes[at + 2] == 1;
}

// The length of the pack header at `at` (MPEG-2: 14 bytes and stuffing;
// MPEG-1: 12), checked by its marker bits; 0 when there is none.
std::size_t PackHeaderLength(std::string_view bytes, std::size_t at) {
  if (!IsStartCode(bytes, at) || At(bytes, at + 3) != kPackStart || at + 12 > bytes.size()) {
    return 0;
  }
  const auto b = [&](std::size_t i) { return At(bytes, at + i); };
  if ((b(4) & 0xC4) == 0x44 && at + 14 <= bytes.size() && (b(6) & 0x04) && (b(8) & 0x04) &&
      (b(9) & 0x01) && (b(12) & 0x03) == 0x03) {
    return 14 + (b(13) & 0x07);
  }
  if ((b(4) & 0xF1) == 0x21 && (b(6) & 0x01) && (b(8) & 0x01) && (b(9) & 0x80) && (b(11) & 0x01)) {
    return 12;
  }
  return 0;
}

std::size_t FindPackHeader(std::string_view bytes, std::size_t from) {
  for (std::size_t at = bytes.find(std::string_view("\0\0\1\xBA", 4), from);
       at != std::string_view::npos; at = bytes.find(std::string_view("\0\0\1\xBA", 4), at + 1)) {
    if (PackHeaderLength(bytes, at) > 0) return at;
  }
  return std::string_view::npos;
}

// Streams are told apart by their id, and in private stream 1 by the
// sub-stream number that begins the payload (MPEG-2 header).
std::uint32_t StreamOf(std::string_view pes) {
  const auto id = static_cast<unsigned char>(pes[3]);
  if (id != kPrivateStream1 || pes.size() < 9) return id << 8;
  const std::size_t payload = 9 + static_cast<unsigned char>(pes[8]);
  return payload < pes.size() ? (id << 8) | static_cast<unsigned char>(pes[payload]) : id << 8;
}

Kind KindOf(std::uint32_t stream) {
  const std::uint32_t id = stream >> 8;
  const std::uint32_t sub = stream & 0xFF;
  if (id >= 0xE0 && id <= 0xEF) return Kind::kVideo;
  if (id >= 0xC0 && id <= 0xDF) return Kind::kAudio;
  // AC-3 (80–87), DTS (88–8F), LPCM (A0–A7) and the like.
  if (id == kPrivateStream1 && sub >= 0x80 && sub <= 0xAF) return Kind::kAudio;
  return Kind::kOther;
}

// Follows the chain of packs and packets from one pack header to the next
// start code; where the chain breaks (the stretch began inside a packet),
// it looks for the next pack header.
void Scan(BlockReader& reader, std::string_view bytes, bool atStart, PesClocks& clocks) {
  std::size_t at = FindPackHeader(bytes, 0);
  while (at != std::string_view::npos && at + 6 <= bytes.size()) {
    if (!reader.TakeEntries()) return;
    const std::size_t pack = PackHeaderLength(bytes, at);
    if (pack > 0) {
      at += pack;
      continue;
    }
    if (!IsStartCode(bytes, at) || At(bytes, at + 3) < kSystemHeader) {
      at = IsStartCode(bytes, at) && At(bytes, at + 3) == kProgramEnd
               ? at + 4
               : FindPackHeader(bytes, at + 1);
      continue;
    }
    const std::size_t length = 6 + BigEndian16(bytes.data() + at + 4);
    const std::string_view pes = bytes.substr(at, length);
    const std::uint32_t stream = StreamOf(pes);
    if (KindOf(stream) != Kind::kOther) clocks.AddPacket(stream, pes, atStart);
    at += length;
  }
}

}  // namespace

bool BeginsAsMpegProgramStream(BlockReader& reader) {
  char start[4];
  return reader.Read(0, start, 4) &&
         std::string_view(start, 4) == std::string_view("\0\0\1\xBA", 4);
}

void ReadMpegProgramStreamFacts(BlockReader& reader, InputFacts& facts) {
  PesClocks clocks;
  const auto timed = [&] {
    std::vector<TimedStream> streams;
    for (const std::uint32_t stream : clocks.streams()) {
      if (KindOf(stream) != Kind::kOther)
        streams.push_back({stream, KindOf(stream) == Kind::kVideo});
    }
    return streams;
  };
  // Program streams interleave their streams closely: the first MiB meets
  // them all.
  const bool whole = ScanStartAndEnd(
      reader,
      [&](std::string_view bytes, std::uint64_t, bool atStart) {
        Scan(reader, bytes, atStart, clocks);
      },
      [] { return true; },
      [&] {
        for (const TimedStream& stream : timed()) {
          if (!clocks.SeenAtEnd(stream.id)) return false;
        }
        return true;
      });
  if (whole) clocks.SetWholeFileScanned();
  const std::vector<TimedStream> streams = timed();
  facts.streamsKnown = !streams.empty();
  DescribeTimedStreams(clocks, streams, facts);
}

}  // namespace corvanta
