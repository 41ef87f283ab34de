#include "engine/output_chunk.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

using namespace std::string_literals;

TEST(OutputChunkText, LineFeedsBecomeCarriageReturnLineFeeds) {
  EXPECT_EQ(OutputChunkText("a\nb\n"), "a\r\nb\r\n");
  EXPECT_EQ(OutputChunkText("\n\n"), "\r\n\r\n");
  EXPECT_EQ(OutputChunkText("a\r\nb"), "a\r\r\nb");
  EXPECT_EQ(OutputChunkText("Pos: 1\r"), "Pos: 1\r");
  EXPECT_EQ(OutputChunkText(""), "");
}

TEST(OutputChunkText, TextEndsAtTheFirstNul) {
  EXPECT_EQ(OutputChunkText("ab\0cd\0e"s), "ab");
  EXPECT_EQ(OutputChunkText("\0Pos"s), "");
  EXPECT_EQ(OutputChunkText("a\n\0\n"s), "a\r\n");
}

TEST(OutputChunkText, OtherBytesPassUnchanged) {
  std::string bytes;
  for (int b = 1; b < 256; ++b) {
    if (b != '\n') bytes.push_back(static_cast<char>(b));
  }
  EXPECT_EQ(OutputChunkText(bytes), bytes);
}

}  // namespace
}  // namespace corvanta
