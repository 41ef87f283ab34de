#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "probe_bytes.h"

namespace corvanta::testing {
namespace {

std::string DoubleBytes(double value) {
  std::uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return BigEndian(bits, 8);
}

// An EBML element with a one-byte size.
std::string Element(const std::string& id, const std::string& body) {
  return id + static_cast<char>(0x80 | body.size()) + body;
}

TEST(Matroska, TheSegmentInfoGivesTheLengthAndTheTracksTheStreams) {
  const std::string header = Element("\x1A\x45\xDF\xA3", Element("\x42\x82", "matroska"));
  const std::string unknownSize("\x01\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 8);
  const std::string info =
      Element("\x15\x49\xA9\x66",
              Element("\x2A\xD7\xB1", "\x03\xE8") + Element("\x44\x89", DoubleBytes(10'023'000)));
  const std::string tracks =
      Element("\x16\x54\xAE\x6B",
              Element("\xAE", Element("\x83", "\x01")) + Element("\xAE", Element("\x83", "\x02")));
  const std::string cluster = std::string("\x1F\x43\xB6\x75", 4) + unknownSize;
  const InputFacts facts = ProbeBytes(header + std::string("\x18\x53\x80\x67", 4) + unknownSize +
                                      info + tracks + cluster);
  EXPECT_EQ(facts.container, Container::Matroska);
  EXPECT_TRUE(facts.streamsKnown && facts.video.present && facts.audio.present);
  EXPECT_NEAR(facts.overallSeconds.value_or(0), 10.023, 1e-9);  // scale: microseconds
  // An element whose size has no length marker ends the walk.
  const InputFacts damaged = ProbeBytes(header + std::string("\x18\x53\x80\x67\0", 5) + info);
  EXPECT_EQ(damaged.container, Container::Matroska);
  EXPECT_FALSE(damaged.overallSeconds);
}

std::string FlvTag(int type, std::uint32_t stamp, const std::string& data) {
  return static_cast<char>(type) + BigEndian(data.size(), 3) + BigEndian(stamp & 0xFFFFFF, 3) +
         static_cast<char>(stamp >> 24) + std::string(3, '\0') + data +
         BigEndian(11 + data.size(), 4);
}

TEST(Flv, StreamsLastFromTheirFirstTagToTheirLastPlusOneStep) {
  // H.264 and AAC as ffmpeg writes them: decoder set-up tags at 0, and the
  // video closed by an end-of-sequence tag that is no picture.
  std::string file = std::string("FLV\x01\x05\0\0\0\x09\0\0\0\0", 13) +
                     FlvTag(18, 0, "onMetaData") + FlvTag(9, 0, "\x17\x00 set-up") +
                     FlvTag(8, 0, "\xAF\x00 set-up");
  for (int i = 0; i < 250; ++i) {
    file += FlvTag(9, 40 * i + 80, "\x27\x01 picture");
    if (i < 217) file += FlvTag(8, 23 * i + 57, "\xAF\x01 sound");
  }
  file += FlvTag(9, 40 * 249 + 80, std::string("\x17\x02\0\0\0", 5));
  const InputFacts facts = ProbeBytes(file);
  EXPECT_EQ(facts.container, Container::Flv);
  EXPECT_TRUE(facts.streamsKnown && facts.video.present && facts.audio.present);
  EXPECT_NEAR(facts.video.seconds.value_or(0), 10.0, 1e-9);
  EXPECT_NEAR(facts.audio.seconds.value_or(0), 217 * 0.023, 1e-9);
  EXPECT_NEAR(facts.overallSeconds.value_or(0), 10.08 - 0.057, 1e-9);  // from the first sound
  // A last tag size that disagrees with its tag stops the walk back: the
  // header's flags still tell the streams.
  file.replace(file.size() - 4, 4, BigEndian(11, 4));
  const InputFacts damaged = ProbeBytes(file);
  EXPECT_TRUE(damaged.video.present && damaged.audio.present);
  EXPECT_FALSE(damaged.video.seconds || damaged.audio.seconds);
}

std::string Guid(const char* bytes) { return std::string(bytes, 16); }

TEST(Asf, PlayDurationLessPrerollAndTheStreamTypes) {
  const std::string stream =
      Guid("\x91\x07\xDC\xB7\xB7\xA9\xCF\x11\x8E\xE6\x00\xC0\x0C\x20\x53\x65");
  const auto streamProperties = [&](const char* type) {
    return stream + LittleEndian(24 + 16 + 38, 8) + Guid(type) + std::string(38, '\0');
  };
  const std::string fileProperties =
      Guid("\xA1\xDC\xAB\x8C\x47\xA9\xCF\x11\x8E\xE4\x00\xC0\x0C\x20\x53\x65") +
      LittleEndian(104, 8) + std::string(40, '\0') + LittleEndian(131'460'000, 8) +
      LittleEndian(0, 8) + LittleEndian(3100, 8) + LittleEndian(2, 4) + std::string(12, '\0');
  const std::string children =
      fileProperties +
      streamProperties("\xC0\xEF\x19\xBC\x4D\x5B\xCF\x11\xA8\xFD\x00\x80\x5F\x5C\x44\x2B") +
      streamProperties("\x40\x9E\x69\xF8\x4D\x5B\xCF\x11\xA8\xFD\x00\x80\x5F\x5C\x44\x2B");
  const std::string header =
      Guid("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C") +
      LittleEndian(30 + children.size(), 8) + LittleEndian(3, 4) + std::string("\x01\x02", 2);
  const InputFacts facts = ProbeBytes(header + children);
  EXPECT_EQ(facts.container, Container::Asf);
  EXPECT_TRUE(facts.streamsKnown && facts.video.present && facts.audio.present);
  EXPECT_NEAR(facts.overallSeconds.value_or(0), 10.046, 1e-9);
}

std::string RealChunk(const std::string& id, const std::string& body) {
  return id + BigEndian(10 + body.size(), 4) + std::string(2, '\0') + body;
}

TEST(RealMedia, EachStreamHeaderGivesItsLength) {
  const auto stream = [](int number, std::uint32_t milliseconds, const std::string& mime) {
    return RealChunk("MDPR", BigEndian(number, 2) + std::string(24, '\0') +
                                 BigEndian(milliseconds, 4) + "\x04name" +
                                 static_cast<char>(mime.size()) + mime + BigEndian(0, 4));
  };
  const std::string file =
      RealChunk(".RMF", std::string(8, '\0')) +
      RealChunk("PROP", std::string(20, '\0') + BigEndian(10'031, 4) + std::string(16, '\0')) +
      stream(0, 10'000, "video/x-pn-realvideo") + stream(1, 10'031, "audio/x-pn-realaudio") +
      RealChunk("DATA", std::string(100, '\0'));
  const InputFacts facts = ProbeBytes(file);
  EXPECT_EQ(facts.container, Container::RealMedia);
  EXPECT_TRUE(facts.streamsKnown);
  EXPECT_NEAR(facts.video.seconds.value_or(0), 10.0, 1e-9);
  EXPECT_NEAR(facts.audio.seconds.value_or(0), 10.031, 1e-9);
  EXPECT_NEAR(facts.overallSeconds.value_or(0), 10.031, 1e-9);
  // A chunk of size 0 ends the walk before the data.
  EXPECT_FALSE(
      ProbeBytes(RealChunk(".RMF", "") + "PROP" + std::string(6, '\0') + file).streamsKnown);
}

TEST(ContainerSniff, OtherFilesAreUnknown) {
  for (const std::string& bytes :
       {std::string(), std::string("RIFF\x24\0\0\0WAVEfmt ", 16), std::string(5000, 'x'),
        std::string("\0\0\1\xB3 elementary", 15)}) {
    const InputFacts facts = ProbeBytes(bytes);
    EXPECT_EQ(facts.container, Container::Unknown);
    EXPECT_FALSE(facts.streamsKnown || facts.video.present || facts.audio.present);
  }
}

}  // namespace
}  // namespace corvanta::testing
