#include "engine/output_chunk.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

using namespace std::string_literals;

std::string Chunk(std::string_view bytes) {
  std::string text = "left over from the previous read";
  OutputChunkText(bytes, text);
  return text;
}

TEST(OutputChunkText, LineFeedsBecomeCarriageReturnLineFeeds) {
  EXPECT_EQ(Chunk("a\nb\n"), "a\r\nb\r\n");
  EXPECT_EQ(Chunk("\n\n"), "\r\n\r\n");
  EXPECT_EQ(Chunk("a\r\nb"), "a\r\r\nb");
  EXPECT_EQ(Chunk("Pos: 1\r"), "Pos: 1\r");
  EXPECT_EQ(Chunk(""), "");
}

TEST(OutputChunkText, TextEndsAtTheFirstNul) {
  EXPECT_EQ(Chunk("ab\0cd\0e"s), "ab");
  EXPECT_EQ(Chunk("\0Pos"s), "");
  EXPECT_EQ(Chunk("a\n\0\n"s), "a\r\n");
}

TEST(OutputChunkText, OtherBytesPassUnchanged) {
  std::string bytes;
  for (int b = 1; b < 256; ++b) {
    if (b != '\n') bytes.push_back(static_cast<char>(b));
  }
  EXPECT_EQ(Chunk(bytes), bytes);
}

}  // namespace
}  // namespace corvanta
