#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "probe_bytes.h"

namespace corvanta::testing {
namespace {

constexpr std::uint64_t kTicks = 90'000;
constexpr std::uint64_t kWrap = std::uint64_t{1} << 33;

// A stamp's five bytes: 4-bit prefix, then 33 bits with marker bits.
std::string Stamp(std::uint64_t pts, int prefix = 2) {
  pts %= kWrap;
  return {static_cast<char>((prefix << 4) | ((pts >> 29) & 0x0E) | 1), static_cast<char>(pts >> 22),
          static_cast<char>(((pts >> 14) & 0xFE) | 1), static_cast<char>(pts >> 7),
          static_cast<char>(((pts << 1) & 0xFE) | 1)};
}

std::string Pes(unsigned char id, std::uint64_t pts, const std::string& payload,
                bool mpeg1 = false) {
  const std::string header = mpeg1 ? Stamp(pts) : std::string("\x80\x80\x05", 3) + Stamp(pts);
  return std::string("\0\0\1", 3) + static_cast<char>(id) +
         BigEndian(header.size() + payload.size(), 2) + header + payload;
}

// One elementary stream: a packet every `step` ticks from `first`.
struct Stream {
  unsigned char id;
  std::uint64_t first;
  std::uint64_t step;
  int packets;
  std::size_t bytes;        // payload per packet
  std::string prefix = "";  // a private stream's sub-stream number
};

struct Packet {
  std::uint64_t pts;
  const Stream* stream;
};

// Every packet of the streams in presentation order.
std::vector<Packet> Interleave(const std::vector<Stream>& streams) {
  std::vector<Packet> packets;
  for (const Stream& stream : streams) {
    for (int i = 0; i < stream.packets; ++i)
      packets.push_back({stream.first + i * stream.step, &stream});
  }
  std::stable_sort(packets.begin(), packets.end(),
                   [](const Packet& a, const Packet& b) { return a.pts < b.pts; });
  return packets;
}

const std::string kPack2("\0\0\1\xBA\x44\0\x04\0\x04\x01\x01\x89\xC3\xF8", 14);
const std::string kPack1("\0\0\1\xBA\x21\0\x01\0\x01\x80\0\x01", 12);

std::string ProgramStream(const std::vector<Stream>& streams, bool mpeg1 = false) {
  std::string file;
  for (const Packet& packet : Interleave(streams)) {
    file += mpeg1 ? kPack1 : kPack2;
    file += Pes(packet.stream->id, packet.pts,
                packet.stream->prefix + std::string(packet.stream->bytes, '\x55'), mpeg1);
  }
  return file;
}

// Ten seconds of 25 fps video from 1.4 s, with AC-3 sound that stops 6 s
// earlier: the last MiB holds no sound, so its end is found further back.
const std::vector<Stream> kDvdLike = {
    {0xE0, 14 * kTicks / 10, kTicks / 25, 250, 9000},
    {0xBD, 14 * kTicks / 10, 2880, 125, 700, "\x80\x01\x00\x01"},
};

void ExpectLengths(const InputFacts& facts, double video, double audio) {
  ASSERT_TRUE(facts.video.present && facts.audio.present);
  EXPECT_NEAR(facts.video.seconds.value_or(0), video, 1e-6);
  EXPECT_NEAR(facts.audio.seconds.value_or(0), audio, 1e-6);
}

TEST(MpegProgramStream, StreamsLastFromTheirFirstStampToTheirLastPlusOneStep) {
  const std::string file = ProgramStream(kDvdLike);
  ASSERT_GT(file.size(), 2u << 20);
  const InputFacts facts = ProbeBytes(file);
  EXPECT_EQ(facts.container, Container::MpegProgramStream);
  EXPECT_TRUE(facts.streamsKnown);
  ExpectLengths(facts, 10.0, 4.0);
  EXPECT_NEAR(facts.videoFrameRate, 25, 1e-9);
  EXPECT_NEAR(facts.overallSeconds.value_or(0), 10.0, 1e-6);

  // Stamps that wrap at 2^33 in the middle.
  std::vector<Stream> wrapping = kDvdLike;
  for (Stream& stream : wrapping) stream.first += kWrap - 3 * kTicks;
  ExpectLengths(ProbeBytes(ProgramStream(wrapping)), 10.0, 4.0);

  // An MPEG-1 stream small enough to be read whole.
  const std::vector<Stream> small = {{0xE0, kTicks, 3600, 50, 100}, {0xC0, kTicks, 2160, 20, 100}};
  ExpectLengths(ProbeBytes(ProgramStream(small, true)), 2.0, 0.48);
}

TEST(MpegProgramStream, ADamagedOrCutStreamStillGivesWhatItHolds) {
  std::string file = ProgramStream(kDvdLike);
  // Garbage in the middle of the last MiB, and a cut inside a packet.
  file.replace(file.size() - 500'000, 3000, std::string(3000, '\x01'));
  file.resize(file.size() - 4500);
  const InputFacts facts = ProbeBytes(file);
  EXPECT_NEAR(facts.video.seconds.value_or(0), 10.0, 0.05);
  EXPECT_NEAR(facts.audio.seconds.value_or(0), 4.0, 1e-6);
  // Sound that ends more than the eight MiBs the probe reads back from the
  // end is there, of unknown length.
  std::vector<Stream> longer = kDvdLike;
  longer[0].packets = 2500;
  const InputFacts shortSound = ProbeBytes(ProgramStream(longer));
  EXPECT_TRUE(shortSound.audio.present);
  EXPECT_FALSE(shortSound.audio.seconds);
  EXPECT_NEAR(shortSound.video.seconds.value_or(0), 100.0, 1e-6);
}

// Transport packets: sync byte, PID with its "unit start" flag, payload only.
std::string TransportPacket(std::uint32_t pid, bool unitStart, const std::string& payload) {
  std::string packet = {0x47, static_cast<char>((unitStart ? 0x40 : 0) | (pid >> 8)),
                        static_cast<char>(pid & 0xFF), 0x10};
  packet += payload.substr(0, 184);
  packet.resize(188, '\xFF');
  return packet;
}

std::string Section(unsigned char table, const std::string& body) {
  // pointer field, table id, length (with the CRC), id, version, numbers
  return std::string(1, '\0') + static_cast<char>(table) +
         BigEndian(0xB000 | (5 + body.size() + 4), 2) + std::string("\0\1\xC1\0\0", 5) + body +
         std::string(4, '\0');
}

// H.264 video on PID 0x100; sound on 0x101 as a private stream without a
// descriptor (ffmpeg's M2TS AAC), told by its PES id.
std::string TransportStream(const std::vector<Stream>& streams, int packetSize) {
  const std::vector<std::string> tables = {
      TransportPacket(0, true, Section(0x00, std::string("\0\1\xF0\0", 4))),
      TransportPacket(
          0x1000, true,
          Section(0x02, std::string("\xE1\0\xF0\0\x1B\xE1\0\xF0\0\x06\xE1\x01\xF0\0", 14)))};
  std::string file;
  const auto add = [&](const std::string& packet) {
    if (packetSize == 192) file += std::string(4, '\x7F');
    file += packet;
  };
  for (const std::string& table : tables) add(table);
  for (const Packet& packet : Interleave(streams)) {
    const std::uint32_t pid = packet.stream->id == 0xE0 ? 0x100 : 0x101;
    add(TransportPacket(pid, true, Pes(packet.stream->id, packet.pts, "")));
    for (std::size_t sent = 0; sent < packet.stream->bytes; sent += 184) {
      add(TransportPacket(pid, false, std::string(184, '\0')));
    }
  }
  return file;
}

const std::vector<Stream> kBroadcastLike = {{0xE0, 126'000, 3600, 250, 9000},
                                            {0xC0, 124'000, 7200, 125, 1000}};

TEST(MpegTransportStream, FindsItsPacketsAndTheLengthsOfItsStreams) {
  for (const int size : {188, 192}) {
    SCOPED_TRACE(size);
    const std::string file = TransportStream(kBroadcastLike, size);
    ASSERT_GT(file.size(), 2u << 20);
    const InputFacts facts = ProbeBytes(file);
    EXPECT_EQ(facts.container, Container::MpegTransportStream);
    EXPECT_EQ(facts.transportPacketSize, size);
    EXPECT_TRUE(facts.streamsKnown);
    ExpectLengths(facts, 10.0, 10.0);
    EXPECT_NEAR(facts.videoFrameRate, 25, 1e-9);
    // Cut at any byte, without its tables: the packets are still found,
    // and the PES ids tell the streams.
    const InputFacts cut = ProbeBytes(file.substr(1000));
    EXPECT_EQ(cut.container, Container::MpegTransportStream);
    EXPECT_FALSE(cut.streamsKnown);
    EXPECT_NEAR(cut.video.seconds.value_or(0), 10.0, 0.1);
    EXPECT_NEAR(cut.audio.seconds.value_or(0), 10.0, 0.1);
  }
  // At a high video rate the first sound lies past the first MiB.
  const std::vector<Stream> lateSound = {{0xE0, 126'000, 3600, 125, 60'000},
                                         {0xC0, 216'000, 7200, 50, 1000}};
  ExpectLengths(ProbeBytes(TransportStream(lateSound, 188)), 5.0, 4.0);
  // Sync bytes at the wrong distance make no transport stream.
  std::string wrong = TransportStream(kBroadcastLike, 188).substr(0, 188 * 20);
  wrong[188 * 3] = 0x48;
  EXPECT_EQ(ProbeBytes(wrong).container, Container::Unknown);
}

}  // namespace
}  // namespace corvanta::testing
