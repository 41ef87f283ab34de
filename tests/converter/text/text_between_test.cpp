#include "text/text_between.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

struct Between {
  std::string text;
  std::string left;
  std::string right;
  int start;
  bool ignoreCase;
  std::string expected;
};

TEST(TextBetween, GivesTheTextBetweenTheFirstLeftAndTheNextRight) {
  const std::string tail = "\xB8\xAD";  // the last two bytes of "中" (E4 B8 AD)
  const Between rows[] = {
      {"a[b]c[d]", "[", "]", 0, false, "b"},
      {"x<<ab>>y", "<<", ">>", 1, false, "ab"},
      {"[]", "[", "]", 0, false, ""},
      {"k=v;", "k=", ";", 0, false, "v"},
      // The quote marker stands for a double quote in both delimiters; the
      // text itself is taken literally.
      {"say \"word\" now", "#引号", "#引号", 0, false, "word"},
      {"no quotes here", "#引号", "here", 0, false, ""},
      {"k=\"v\";", "=#引号", "#引号;", 0, false, "v"},
      {"#引号a#引号", "#", "#", 0, false, "引号a"},
      // The right delimiter counts only after the whole left one.
      {"]a[b", "[", "]", 0, false, ""},
      {"]a[b]", "[", "]", 0, false, "b"},
      {"aXa", "aX", "Xa", 0, false, ""},
      // Empty when left ends the text, is missing, or either is empty.
      {"abc[", "[", "]", 0, false, ""},
      {"abc", "[", "]", 0, false, ""},
      {"", "[", "]", 0, false, ""},
      {"a[b]", "", "]", 0, false, ""},
      {"a[b]", "[", "", 0, false, ""},
      // The start position is one-based; below one means the start.
      {"[a][b]", "[", "]", -5, false, "a"},
      {"[a][b]", "[", "]", 1, false, "a"},
      {"[a][b]", "[", "]", 2, false, "b"},
      {"[a][b]", "[", "]", 4, false, "b"},
      {"[a][b]", "[", "]", 5, false, ""},
      {"[a][b]", "[", "]", 7, false, ""},
      {"[a][b]", "[", "]", 1000, false, ""},
      // Ignoring case folds ASCII letters of both searches, never others.
      {"xBEGINmidENDy", "begin", "end", 0, true, "mid"},
      {"xBEGINmidENDy", "begin", "end", 0, false, ""},
      {"xbeginmidENDy", "begin", "end", 0, false, ""},
      {"ÄxÄ", "ä", "ä", 0, true, ""},
      // Never a match inside a multi-byte character.
      {"中x中", tail, "x", 0, false, ""},
      {"中(文)中", "(", ")", 0, false, "文"},
      {"中文", "中", "文", 2, false, ""},
  };
  for (const Between& row : rows) {
    EXPECT_EQ(TextBetween(row.text, row.left, row.right, row.start, row.ignoreCase), row.expected)
        << "text " << row.text << ", left " << row.left << ", right " << row.right << ", start "
        << row.start << ", ignore case " << row.ignoreCase;
  }
}

}  // namespace
}  // namespace corvanta
