#include <gtest/gtest.h>

#include <string>

#include "probe_bytes.h"

namespace corvanta::testing {
namespace {

std::string U32(std::uint64_t value) { return LittleEndian(value, 4); }

// MEncoder's layout: headers, movie data, idx1 (then, past 1 GB, "AVIX"
// forms whose standard indexes the streams' super indexes name).
std::string MencoderAvi(bool audio = true, bool idx1 = true, const std::string& superIndex = "") {
  std::string lists = AviStreamList("vids", 1, 30, 296, superIndex);
  if (audio) lists += AviStreamList("auds", 1, 8000, 80457);
  const std::string movie = RiffChunk("00dc", "frame") + RiffChunk("01wb", "sound");
  const std::string index =
      RiffChunk("00dc", std::string(12, '\0')) + RiffChunk("01wb", std::string(12, '\0'));
  return RiffList("RIFF", "AVI ",
                  RiffList("LIST", "hdrl", RiffChunk("avih", std::string(56, '\0')) + lists) +
                      RiffList("LIST", "movi", movie) + (idx1 ? RiffChunk("idx1", index) : ""));
}

TEST(EncoderOutput, ACompleteFileGivesTheLengthsItsHeadersClaim) {
  const OutputFacts facts = ProbeOutputBytes(MencoderAvi());
  EXPECT_TRUE(facts.avi && facts.complete);
  EXPECT_NEAR(facts.video.seconds.value_or(0), 296 / 30.0, 1e-9);
  // MP3 at a constant rate: bytes at so many a second.
  EXPECT_NEAR(facts.audio.seconds.value_or(0), 80457 / 8000.0, 1e-9);

  const OutputFacts silent = ProbeOutputBytes(MencoderAvi(false));
  EXPECT_TRUE(silent.complete && silent.video.seconds);
  EXPECT_FALSE(silent.audio.present);
  EXPECT_FALSE(ProbeOutputBytes("RIFF\x04\0\0\0WAVE").avi);
}

TEST(EncoderOutput, AFileWithoutItsEndIsIncomplete) {
  const std::string whole = MencoderAvi();
  // A full disk: the index never written, the headers rewritten in place,
  // claiming everything; or a stretch of a chunk left after the form.
  std::vector<std::string> damaged = {MencoderAvi(true, false), whole + "00dc\x10\0\0\0ab"};
  for (std::size_t cut = 1; cut < whole.size(); cut += 7) damaged.push_back(whole.substr(0, cut));
  for (const std::string& bytes : damaged) {
    const OutputFacts facts = ProbeOutputBytes(bytes);
    EXPECT_FALSE(facts.complete) << bytes.size();
    EXPECT_FALSE(facts.video.seconds || facts.audio.seconds) << bytes.size();
  }
}

TEST(EncoderOutput, OpenDmlIndexesMustLieInTheFile) {
  const auto file = [](std::uint64_t indexOffset, std::uint64_t extensionSize) {
    const std::string superIndex =
        RiffChunk("indx", std::string("\x04\0\0\0", 4) + U32(1) + "00dc" + std::string(12, '\0') +
                              LittleEndian(indexOffset, 8) + U32(32) + U32(1));
    const std::string extension = RiffList(
        "RIFF", "AVIX", RiffList("LIST", "movi", RiffChunk("ix00", std::string(24, '\0'))));
    std::string bytes = MencoderAvi(true, true, superIndex);
    const std::uint64_t ix = bytes.size() + 24;
    bytes += extension;
    bytes.replace(bytes.size() - extension.size() + 4, 4, U32(extensionSize));
    return std::pair{bytes, ix};
  };
  const auto [probe, ix] = file(0, 0);
  const std::uint64_t extensionSize = probe.size() - (ix - 24) - 8;
  EXPECT_TRUE(ProbeOutputBytes(file(ix, extensionSize).first).complete);
  EXPECT_FALSE(ProbeOutputBytes(file(ix + 100, extensionSize).first).complete);
  EXPECT_FALSE(ProbeOutputBytes(file(ix, extensionSize + 2).first).complete);
}

}  // namespace
}  // namespace corvanta::testing
