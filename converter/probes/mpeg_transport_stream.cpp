#include "probes/mpeg_transport_stream.h"

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "probes/byte_order.h"
#include "probes/pes_clocks.h"
#include "probes/stretch_scan.h"

namespace corvanta {
namespace {

constexpr std::size_t kPacket = 188;
constexpr char kSync = 0x47;
constexpr int kSyncsWanted = 8;
constexpr std::uint32_t kPatPid = 0;
// PIDs are 13 bits, section and descriptor lengths 12, below flag bits.
constexpr std::uint32_t kPidMask = 0x1FFF;
constexpr std::uint32_t kLengthMask = 0x0FFF;

// kUnsure: listed as a private stream without a descriptor that tells.
enum class Kind { kOther, kVideo, kAudio, kUnsure };

unsigned char At(std::string_view bytes, std::size_t at) {
  return static_cast<unsigned char>(bytes[at]);
}

Kind KindOfStreamType(unsigned type) {
  switch (type) {
    case 0x01:
    case 0x02:
    case 0x10:
    case 0x1B:
    case 0x24:
    case 0x42:
    case 0xD1:
    case 0xEA:
      return Kind::kVideo;
    case 0x03:
    case 0x04:
    case 0x0F:
    case 0x11:
    case 0x1C:
    case 0x81:
    case 0x82:
    case 0x83:
    case 0x84:
    case 0x85:
    case 0x86:
    case 0x87:
    case 0xA1:
    case 0xA2:
      return Kind::kAudio;
    default:
      return Kind::kOther;
  }
}

// Stream type 0x06 (private PES) is audio when a descriptor says AC-3,
// E-AC-3, DTS or AAC; without descriptors (ffmpeg's M2TS sound), its PES id
// will tell.
Kind KindOfPrivateStream(std::string_view descriptors) {
  if (descriptors.empty()) return Kind::kUnsure;
  for (std::size_t at = 0; at + 2 <= descriptors.size(); at += 2 + At(descriptors, at + 1)) {
    const unsigned tag = At(descriptors, at);
    if (tag == 0x6A || tag == 0x7A || tag == 0x7B || tag == 0x7C) return Kind::kAudio;
  }
  return Kind::kOther;
}

class TransportScan {
 public:
  TransportScan(BlockReader& reader, const TransportPackets& packets)
      : reader_(reader), packets_(packets) {}

  // `bytes` begin at `offset` in the file; a packet cut by their edges is
  // left out.
  void Scan(std::string_view bytes, std::uint64_t offset, bool atStart) {
    const std::size_t step = static_cast<std::size_t>(packets_.packetSize);
    std::size_t at = static_cast<std::size_t>((packets_.firstSync + step - offset % step) % step);
    for (; at + kPacket <= bytes.size(); at += step) {
      if (!reader_.TakeEntries()) return;
      if (bytes[at] != kSync) {
        at = Resync(bytes, at);
        if (at == std::string_view::npos) return;
      }
      Packet(bytes.substr(at, kPacket), atStart);
    }
  }

  bool tableSeen() const { return !kinds_.empty(); }
  bool listsAvcVideo() const { return listsAvcVideo_; }

  // The kind of a stream: as the program map lists it, else by its PES id
  // (private streams of stream type 0x06 may come without a descriptor).
  Kind KindOf(std::uint32_t pid) const {
    if (const auto listed = kinds_.find(pid);
        listed != kinds_.end() &&
        (listed->second == Kind::kVideo || listed->second == Kind::kAudio)) {
      return listed->second;
    }
    const auto it = pesIds_.find(pid);
    if (it == pesIds_.end()) return Kind::kOther;
    if (it->second >= 0xE0 && it->second <= 0xEF) return Kind::kVideo;
    if (it->second >= 0xC0 && it->second <= 0xDF) return Kind::kAudio;
    return Kind::kOther;
  }

  std::vector<TimedStream> TimedStreams() const {
    std::vector<TimedStream> streams;
    for (const std::uint32_t pid : clocks_.streams()) {
      if (KindOf(pid) != Kind::kOther) streams.push_back({pid, KindOf(pid) == Kind::kVideo});
    }
    return streams;
  }

  // The streams to be timed: those met, and the video and sound streams the
  // program map lists.
  std::vector<std::uint32_t> AwaitedStreams() const {
    std::vector<std::uint32_t> pids;
    for (const TimedStream& stream : TimedStreams()) pids.push_back(stream.id);
    for (const auto& [pid, kind] : kinds_) {
      if (kind != Kind::kOther) pids.push_back(pid);
    }
    return pids;
  }

  // Streams the program map lists, whether or not their packets were met.
  bool Lists(Kind kind) const {
    for (const auto& [pid, listed] : kinds_) {
      if (listed == kind) return true;
    }
    return false;
  }

  PesClocks& clocks() { return clocks_; }

 private:
  // The next place where two sync bytes stand one packet apart.
  std::size_t Resync(std::string_view bytes, std::size_t from) const {
    const std::size_t step = static_cast<std::size_t>(packets_.packetSize);
    for (std::size_t at = from; at + step + 1 <= bytes.size(); ++at) {
      if (bytes[at] == kSync && bytes[at + step] == kSync) return at;
    }
    return std::string_view::npos;
  }

  void Packet(std::string_view packet, bool atStart) {
    const bool unitStart = At(packet, 1) & 0x40;
    if ((At(packet, 1) & 0x80) || !unitStart) return;  // damaged, or no start of a unit
    const std::uint32_t pid = BigEndian16(packet.data() + 1) & kPidMask;
    const unsigned control = (At(packet, 3) >> 4) & 3;
    if ((control & 1) == 0) return;  // no payload
    std::size_t payload = 4;
    if (control & 2) payload += 1 + At(packet, 4);
    if (payload >= packet.size()) return;
    const std::string_view data = packet.substr(payload);
    if (pid == kPatPid) {
      ProgramAssociation(Section(data));
    } else if (mapPids_.count(pid) != 0) {
      ProgramMap(Section(data));
    } else if (data.size() >= 4 && data[0] == 0 && data[1] == 0 && data[2] == 1) {
      pesIds_.try_emplace(pid, At(data, 3));
      clocks_.AddPacket(pid, data, atStart);
    }
  }

  // A table section without its CRC, cut at the packet's end: a pointer
  // field, then table id and 12-bit section length.
  static std::string_view Section(std::string_view data) {
    if (data.empty()) return {};
    const std::size_t begin = 1 + At(data, 0);
    if (begin + 3 > data.size()) return {};
    const std::string_view section = data.substr(begin);
    const std::size_t length = BigEndian16(section.data() + 1) & kLengthMask;
    if (length < 4) return {};
    return section.substr(0, std::min(section.size(), 3 + length - 4));
  }

  void ProgramAssociation(std::string_view section) {
    if (section.size() < 8 || At(section, 0) != 0x00) return;
    for (std::size_t at = 8; at + 4 <= section.size(); at += 4) {
      const unsigned program = BigEndian16(section.data() + at);
      if (program != 0) mapPids_.insert(BigEndian16(section.data() + at + 2) & kPidMask);
    }
  }

  void ProgramMap(std::string_view section) {
    if (section.size() < 12 || At(section, 0) != 0x02) return;
    std::size_t at = 12 + (BigEndian16(section.data() + 10) & kLengthMask);
    while (at + 5 <= section.size()) {
      const unsigned type = At(section, at);
      const std::uint32_t pid = BigEndian16(section.data() + at + 1) & kPidMask;
      const std::size_t infoLength = BigEndian16(section.data() + at + 3) & kLengthMask;
      const std::string_view descriptors = section.substr(at + 5, infoLength);
      kinds_[pid] = type == 0x06 ? KindOfPrivateStream(descriptors) : KindOfStreamType(type);
      listsAvcVideo_ = listsAvcVideo_ || type == 0x1B || type == 0x24;
      at += 5 + infoLength;
    }
  }

  BlockReader& reader_;
  const TransportPackets packets_;
  PesClocks clocks_;
  std::set<std::uint32_t> mapPids_;
  std::map<std::uint32_t, Kind> kinds_;
  bool listsAvcVideo_ = false;
  std::map<std::uint32_t, unsigned> pesIds_;
};

bool SyncsFollow(std::string_view bytes, std::size_t first, std::size_t size) {
  int found = 0;
  for (std::size_t at = first; at < bytes.size() && found < kSyncsWanted; at += size, ++found) {
    if (bytes[at] != kSync) return false;
  }
  return found >= 2;
}

}  // namespace

TransportPackets FindTransportPackets(BlockReader& reader) {
  char bytes[192 * (kSyncsWanted + 1)];
  const std::size_t have =
      static_cast<std::size_t>(std::min<std::uint64_t>(sizeof bytes, reader.size()));
  if (!reader.Read(0, bytes, have)) return {};
  const std::string_view start(bytes, have);
  for (const int size : {188, 192}) {
    for (std::size_t first = 0; first < static_cast<std::size_t>(size); ++first) {
      if (SyncsFollow(start, first, static_cast<std::size_t>(size))) return {size, first};
    }
  }
  return {};
}

void ReadMpegTransportStreamFacts(BlockReader& reader, const TransportPackets& packets,
                                  InputFacts& facts) {
  TransportScan scan(reader, packets);
  const auto seenEverywhere = [&](bool atEnd) {
    for (const std::uint32_t pid : scan.AwaitedStreams()) {
      if (atEnd ? !scan.clocks().SeenAtEnd(pid) : !scan.clocks().SeenAtStart(pid)) return false;
    }
    return true;
  };
  // Muxers gather sound into PES packets of a quarter second or more, so at
  // high video rates the first sound lies past the first MiB.
  const bool whole = ScanStartAndEnd(
      reader,
      [&](std::string_view bytes, std::uint64_t offset, bool atStart) {
        scan.Scan(bytes, offset, atStart);
      },
      [&] { return seenEverywhere(false); }, [&] { return seenEverywhere(true); });
  if (whole) scan.clocks().SetWholeFileScanned();
  facts.transportPacketSize = packets.packetSize;
  facts.streamsKnown = scan.tableSeen();
  facts.avcVideo = scan.listsAvcVideo();
  DescribeTimedStreams(scan.clocks(), scan.TimedStreams(), facts);
  facts.video.present = facts.video.present || scan.Lists(Kind::kVideo);
  facts.audio.present = facts.audio.present || scan.Lists(Kind::kAudio);
}

}  // namespace corvanta
