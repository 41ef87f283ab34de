#include <gtest/gtest.h>

#include <string>

#include "probe_bytes.h"

namespace corvanta::testing {
namespace {

std::string Chunk(const std::string& id, const std::string& payload) {
  return RiffChunk(id, payload);
}
std::string List(const std::string& id, const std::string& form, const std::string& body) {
  return RiffList(id, form, body);
}
std::string Size32(std::uint64_t value) { return LittleEndian(value, 4); }
std::string Size64(std::uint64_t value) { return LittleEndian(value, 8); }

bool Holds(const std::string& bytes, ProbeBudget budget = {}) {
  return ProbeBytes(bytes, budget).aviEmptyVideoChunk;
}

// One idx1 entry, or one OpenDML standard index entry {offset, size}.
std::string Idx1Entry(const std::string& id, std::uint32_t size) {
  return id + Size32(0x10) + Size32(4) + Size32(size);
}
std::string IxEntry(std::uint32_t size) { return Size32(8) + Size32(size); }

// OpenDML index header: longs per entry, sub type 0, type, entries, stream.
std::string IndexHeader(int longs, char type, std::size_t entries, const std::string& stream) {
  return std::string{static_cast<char>(longs), '\0', '\0', type} + Size32(entries) + stream +
         std::string(12, '\0');
}

std::string SuperIndex(const std::vector<std::uint64_t>& offsets) {
  std::string entries;
  for (const std::uint64_t offset : offsets) entries += Size64(offset) + Size32(40) + Size32(2);
  return Chunk("indx", IndexHeader(4, 0, offsets.size(), "00dc") + entries);
}

const std::string kHeaders = List("LIST", "hdrl", Chunk("avih", std::string(56, '\0')));

std::string Avi(const std::string& movie, const std::string& after = "") {
  return List("RIFF", "AVI ", kHeaders + List("LIST", "movi", movie) + after);
}

// An AVI whose stream lists hold the given super indexes, followed by an
// extension holding one standard index of `entries` entries, the last of
// size `lastSize`. The super indexes name that standard index.
std::string OpenDmlAvi(int superIndexes, int namesEach, int entries, std::uint32_t lastSize) {
  const auto first = [&](std::uint64_t ixOffset) {
    std::string lists;
    for (int i = 0; i < superIndexes; ++i) {
      lists += List("LIST", "strl", SuperIndex(std::vector<std::uint64_t>(namesEach, ixOffset)));
    }
    return List("RIFF", "AVI ",
                List("LIST", "hdrl", lists) + List("LIST", "movi", Chunk("00dc", "ab")) +
                    Chunk("idx1", Idx1Entry("00dc", 2)));
  };
  const std::uint64_t ixOffset = first(0).size() + 24 + Chunk("00dc", "cd").size();
  std::string ix = IndexHeader(2, 1, entries, "00dc");
  for (int i = 1; i < entries; ++i) ix += IxEntry(0x80000002u);
  ix += IxEntry(lastSize);
  return first(ixOffset) +
         List("RIFF", "AVIX", List("LIST", "movi", Chunk("00dc", "cd") + Chunk("ix00", ix)));
}

TEST(AviEmptyChunk, FindsAnEmptyVideoChunkInTheMovieData) {
  const std::string frame = Chunk("00dc", "abc");  // odd size: padded
  EXPECT_TRUE(Holds(Avi(frame + Chunk("01wb", "pcm!") + Chunk("00dc", ""))));
  EXPECT_TRUE(Holds(Avi(Chunk("00db", ""))));
  EXPECT_TRUE(Holds(Avi(List("LIST", "rec ", Chunk("00dc", "")))));
  // Audio chunks of size 0 and full video chunks leave the file as it is.
  EXPECT_FALSE(Holds(
      Avi(frame + Chunk("01wb", "") + Chunk("00dc", "x"), Chunk("idx1", std::string(32, '\0')))));
}

TEST(AviEmptyChunk, WalksOpenDmlExtensionsToo) {
  const std::string extension = List("RIFF", "AVIX", List("LIST", "movi", Chunk("00dc", "")));
  EXPECT_TRUE(Holds(Avi(Chunk("00dc", "ab") + Chunk("ix00", "idx"), "") + extension));
  EXPECT_FALSE(Holds(Avi(Chunk("00dc", "ab")) +
                     List("RIFF", "AVIX", List("LIST", "movi", Chunk("00dc", "cd")))));
}

TEST(AviEmptyChunk, TrustsTheFilesIndexesOverTheMovieData) {
  const std::string movie = Chunk("00dc", "ab") + Chunk("01wb", "");
  EXPECT_TRUE(Holds(Avi(movie, Chunk("idx1", Idx1Entry("01wb", 0) + Idx1Entry("00dc", 0)))));
  EXPECT_FALSE(Holds(Avi(Chunk("00dc", ""), Chunk("idx1", Idx1Entry("00dc", 2)))));
  // idx1 covers the first RIFF only; the extension is decided by the video
  // stream's super index and the standard index it names.
  EXPECT_TRUE(Holds(OpenDmlAvi(1, 1, 2, 0x80000000u)));
  EXPECT_FALSE(Holds(OpenDmlAvi(1, 1, 2, 0x80000002u)));
}

TEST(AviEmptyChunk, ReadsEachIndexOnceHoweverOftenItIsNamed) {
  // 100,000 super index entries, or 2,000 super indexes, all naming one
  // standard index of 100,000 entries: read once, it is decided by its last
  // entry, and the probe asks for little more than the file's own bytes.
  for (const auto& [superIndexes, namesEach] : {std::pair{1, 100'000}, std::pair{2'000, 1}}) {
    SCOPED_TRACE(superIndexes);
    for (const bool empty : {false, true}) {
      const std::string file =
          OpenDmlAvi(superIndexes, namesEach, 100'000, empty ? 0x80000000u : 0x80000002u);
      std::uint64_t bytesRead = 0;
      EXPECT_EQ(ProbeBytes(file, {}, &bytesRead).aviEmptyVideoChunk, empty);
      EXPECT_LT(bytesRead, 2 * file.size());
    }
  }
}

TEST(AviEmptyChunk, WhatTheBudgetDoesNotReachHoldsNone) {
  // Unindexed movie data whose empty chunk lies beyond a small budget's
  // reach, but within the default one.
  std::string movie;
  for (int i = 0; i < 20'000; ++i) movie += Chunk("00dc", std::string(30, 'x'));
  const std::string file = Avi(movie + Chunk("00dc", ""));
  EXPECT_TRUE(Holds(file));
  EXPECT_FALSE(Holds(file, ProbeBudget{4, 1'000'000}));
  EXPECT_FALSE(Holds(file, ProbeBudget{256, 1'000}));
}

TEST(AviEmptyChunk, DecidesByContentAndSurvivesDamagedFiles) {
  // The same chunks in another RIFF form, or with no RIFF header, are no AVI.
  EXPECT_FALSE(Holds(List("RIFF", "WAVE", List("LIST", "movi", Chunk("00dc", "")))));
  EXPECT_FALSE(Holds(List("LIST", "movi", Chunk("00dc", ""))));
  EXPECT_FALSE(Holds("RIFF"));
  EXPECT_FALSE(Holds(""));
  // A size past the end of the file (an unfinished write) is cut at the end.
  std::string unfinished = Avi(Chunk("00dc", "ab") + Chunk("00dc", ""));
  unfinished.replace(4, 4, Size32(0xFFFFFFF0u));
  EXPECT_TRUE(Holds(unfinished));
  // Streaming writers may leave the RIFF and movi sizes 0: to the end.
  std::string unsized = Avi(Chunk("00dc", "ab") + Chunk("00dc", ""));
  unsized.replace(4, 4, Size32(0));
  unsized.replace(12 + kHeaders.size() + 4, 4, Size32(0));
  EXPECT_TRUE(Holds(unsized));
  // Read in blocks: a frame larger than one block before the empty one.
  EXPECT_TRUE(Holds(Avi(Chunk("00dc", std::string(70'000, 'x')) + Chunk("00dc", ""))));
  const std::string truncated = Avi(Chunk("00dc", std::string(100, 'x')) + Chunk("00dc", ""));
  EXPECT_FALSE(Holds(truncated.substr(0, truncated.size() - 60)));
}

TEST(AviLengths, EachStreamLastsAsItsHeaderSays) {
  // ffmpeg's MP3: one block of 1152 samples at 44.1 kHz per unit.
  const auto file = [](std::uint32_t riffSize, std::uint32_t videoFrames,
                       std::uint32_t dmlhFrames) {
    const std::string odml = RiffList("LIST", "odml", Chunk("dmlh", Size32(dmlhFrames)));
    std::string bytes = List("RIFF", "AVI ",
                             List("LIST", "hdrl",
                                  AviStreamList("vids", 1, 25, videoFrames) +
                                      AviStreamList("auds", 32, 1225, 384) + odml) +
                                 List("LIST", "movi", Chunk("00dc", "ab")));
    bytes.replace(4, 4, Size32(riffSize == 0 ? bytes.size() - 8 : riffSize));
    return bytes;
  };
  const InputFacts facts = ProbeBytes(file(0, 251, 0));
  EXPECT_EQ(facts.container, Container::Avi);
  EXPECT_TRUE(facts.streamsKnown);
  EXPECT_DOUBLE_EQ(facts.video.seconds.value_or(0), 10.04);
  EXPECT_NEAR(facts.audio.seconds.value_or(0), 384 * 32 / 1225.0, 1e-9);
  EXPECT_DOUBLE_EQ(facts.videoFrameRate, 25);
  // OpenDML writers count all frames either in the stream header or in
  // "dmlh" (MEncoder leaves it at the first form's count).
  EXPECT_DOUBLE_EQ(ProbeBytes(file(0, 100, 251)).video.seconds.value_or(0), 10.04);
  EXPECT_DOUBLE_EQ(ProbeBytes(file(0, 251, 100)).video.seconds.value_or(0), 10.04);
  // A streamed file, sizes never filled in: its lengths are placeholders.
  const InputFacts streamed = ProbeBytes(file(0xFFFFFFFFu, 1u << 30, 0));
  EXPECT_TRUE(streamed.video.present && streamed.audio.present);
  EXPECT_FALSE(streamed.video.seconds || streamed.audio.seconds || streamed.overallSeconds);
}

}  // namespace
}  // namespace corvanta::testing
