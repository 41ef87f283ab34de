#include "engine/text_between.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

TEST(TextBetween, GivesTheTextBetweenTheFirstLeftAndTheNextRight) {
  EXPECT_EQ(TextBetween("a[b]c[d]", "[", "]", 0, false), "b");
  EXPECT_EQ(TextBetween("x<<ab>>y", "<<", ">>", 1, false), "ab");
  EXPECT_EQ(TextBetween("[]", "[", "]", 0, false), "");
  EXPECT_EQ(TextBetween("k=v;", "k=", ";", 0, false), "v");
}

TEST(TextBetween, QuoteMarkerStandsForADoubleQuoteInBothDelimiters) {
  EXPECT_EQ(TextBetween("say \"word\" now", "#引号", "#引号", 0, false), "word");
  EXPECT_EQ(TextBetween("no quotes here", "#引号", "here", 0, false), "");
  EXPECT_EQ(TextBetween("k=\"v\";", "=#引号", "#引号;", 0, false), "v");
  // The text itself is taken literally.
  EXPECT_EQ(TextBetween("#引号a#引号", "#", "#", 0, false), "引号a");
}

TEST(TextBetween, RightDelimiterCountsOnlyAfterTheLeftOne) {
  EXPECT_EQ(TextBetween("]a[b", "[", "]", 0, false), "");
  EXPECT_EQ(TextBetween("]a[b]", "[", "]", 0, false), "b");
  // Overlapping delimiters: the right one is searched after the whole left.
  EXPECT_EQ(TextBetween("aXa", "aX", "Xa", 0, false), "");
}

TEST(TextBetween, EmptyWhenLeftEndsTheTextOrIsMissing) {
  EXPECT_EQ(TextBetween("abc[", "[", "]", 0, false), "");
  EXPECT_EQ(TextBetween("abc", "[", "]", 0, false), "");
  EXPECT_EQ(TextBetween("", "[", "]", 0, false), "");
  EXPECT_EQ(TextBetween("a[b]", "", "]", 0, false), "");
  EXPECT_EQ(TextBetween("a[b]", "[", "", 0, false), "");
}

TEST(TextBetween, StartPositionIsOneBasedAndBelowOneMeansTheStart) {
  const std::string text = "[a][b]";
  EXPECT_EQ(TextBetween(text, "[", "]", -5, false), "a");
  EXPECT_EQ(TextBetween(text, "[", "]", 1, false), "a");
  EXPECT_EQ(TextBetween(text, "[", "]", 2, false), "b");
  EXPECT_EQ(TextBetween(text, "[", "]", 4, false), "b");
  EXPECT_EQ(TextBetween(text, "[", "]", 5, false), "");
  EXPECT_EQ(TextBetween(text, "[", "]", 7, false), "");
  EXPECT_EQ(TextBetween(text, "[", "]", 1000, false), "");
}

TEST(TextBetween, IgnoreCaseFoldsAsciiLettersOfBothSearches) {
  EXPECT_EQ(TextBetween("xBEGINmidENDy", "begin", "end", 0, true), "mid");
  EXPECT_EQ(TextBetween("xBEGINmidENDy", "begin", "end", 0, false), "");
  EXPECT_EQ(TextBetween("xbeginmidENDy", "begin", "end", 0, false), "");
  // Non-ASCII letters are never folded.
  EXPECT_EQ(TextBetween("ÄxÄ", "ä", "ä", 0, true), "");
}

TEST(TextBetween, NeverMatchesInsideAMultiByteCharacter) {
  // "中" is E4 B8 AD; a delimiter made of its tail bytes must not match in it.
  const std::string tail = "\xB8\xAD";
  EXPECT_EQ(TextBetween("中x中", tail, "x", 0, false), "");
  EXPECT_EQ(TextBetween("中(文)中", "(", ")", 0, false), "文");
  EXPECT_EQ(TextBetween("中文", "中", "文", 2, false), "");
}

}  // namespace
}  // namespace corvanta
