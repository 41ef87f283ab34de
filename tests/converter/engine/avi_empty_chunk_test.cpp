#include "engine/avi_empty_chunk.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace corvanta {
namespace {

std::string Size32(std::uint32_t size) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((size >> (8 * i)) & 0xFF);
  return bytes;
}

std::string Chunk(const std::string& id, const std::string& payload) {
  std::string chunk = id + Size32(static_cast<std::uint32_t>(payload.size())) + payload;
  if (payload.size() % 2 == 1) chunk += '\0';
  return chunk;
}

std::string List(const std::string& id, const std::string& form, const std::string& body) {
  return Chunk(id, form + body);
}

bool Holds(const std::string& bytes) {
  const ByteReader read = [&bytes](std::uint64_t offset, char* out, std::size_t size) {
    if (offset + size > bytes.size()) return false;
    std::memcpy(out, bytes.data() + offset, size);
    return true;
  };
  return HoldsEmptyAviVideoChunk(read, bytes.size());
}

const std::string kHeaders = List("LIST", "hdrl", Chunk("avih", std::string(56, '\0')));

std::string Avi(const std::string& movie, const std::string& after = "") {
  return List("RIFF", "AVI ", kHeaders + List("LIST", "movi", movie) + after);
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
  const std::string truncated = Avi(Chunk("00dc", std::string(100, 'x')) + Chunk("00dc", ""));
  EXPECT_FALSE(Holds(truncated.substr(0, truncated.size() - 60)));
}

TEST(AviEmptyChunk, FilesThatCannotBeReadHoldNone) {
  EXPECT_FALSE(FileHoldsEmptyAviVideoChunk("/nonexistent/a.avi"));
  EXPECT_FALSE(FileHoldsEmptyAviVideoChunk("/"));
}

}  // namespace
}  // namespace corvanta
