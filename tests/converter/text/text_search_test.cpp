#include "text/text_search.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

TEST(FindText, PositionsCountBytesFromOneAndMissIsMinusOne) {
  EXPECT_EQ(FindText("abcabc", "bc"), 2);
  EXPECT_EQ(FindText("abcabc", "bc", 3), 5);
  EXPECT_EQ(FindText("abcabc", "x"), -1);
  EXPECT_EQ(FindText("", "x"), -1);
  EXPECT_EQ(FindText("abc", ""), -1);
}

TEST(FindText, StartBelowOneMeansFirstCharacterAndPastEndFindsNothing) {
  EXPECT_EQ(FindText("abc", "a", 0), 1);
  EXPECT_EQ(FindText("abc", "a", -7), 1);
  EXPECT_EQ(FindText("abc", "c", 3), 3);
  EXPECT_EQ(FindText("abc", "c", 4), -1);
  EXPECT_EQ(FindText("abc", "a", 100), -1);
}

TEST(FindText, CaseFoldingTouchesAsciiLettersOnly) {
  EXPECT_EQ(FindText("xPOSy", "pos"), -1);
  EXPECT_EQ(FindText("xPOSy", "pos", 1, true), 2);
  EXPECT_EQ(FindText("ÄB", "äb", 1, true), -1);
}

TEST(FindText, MatchNeverStartsInsideAMultiByteCharacter) {
  // "中" is E4 B8 AD; searching for its last two bytes must not match inside it.
  const std::string text = "中";
  EXPECT_EQ(FindText(text, "\xB8\xAD"), -1);
  EXPECT_EQ(FindText("中a中", "a"), 4);
  EXPECT_EQ(FindText("中a中", "中", 2), 5);
}

TEST(FindText, StrayBytesCountAsCharactersOfTheirOwn) {
  const std::string text =
      "\xE4"
      "a\xB8"
      "b";  // a lead byte without continuations
  EXPECT_EQ(FindText(text, "a"), 2);
  EXPECT_EQ(FindText(text, "b"), 4);
  EXPECT_EQ(CharacterLength(text, 0), 1u);
  EXPECT_EQ(CharacterLength("中", 0), 3u);
  EXPECT_EQ(CharacterLength("中", 3), 0u);
}

TEST(EqualsIgnoringAsciiCase, FoldsAsciiLettersOnlyAndNeedsEqualLengths) {
  EXPECT_TRUE(EqualsIgnoringAsciiCase("QUORBEL.EXE", "quorbel.exe"));
  EXPECT_TRUE(EqualsIgnoringAsciiCase("", ""));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("quorbel.exe", "quorbel.ex"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("Ä", "ä"));
}

TEST(FindLastText, KeepsTheLastCharacterWiseMatch) {
  EXPECT_EQ(FindLastText("a.b.avi", "."), 4);
  EXPECT_EQ(FindLastText("clip", "."), -1);
  EXPECT_EQ(FindLastText("aaa", "aa"), 2);
  EXPECT_EQ(FindLastText("/", "/"), 1);
}

TEST(SplitText, EmptyTextGivesNoPartAndTrailingEmptyPartIsDropped) {
  EXPECT_TRUE(SplitText("", "\r\n").empty());
  EXPECT_EQ(SplitText("one", "\r\n"), (std::vector<std::string>{"one"}));
  EXPECT_EQ(SplitText("a\r\nb\r\n", "\r\n"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(SplitText("a\r\n\r\nb", "\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitText("\r\na", "\r\n"), (std::vector<std::string>{"", "a"}));
  EXPECT_EQ(SplitText("a|中|b", "|"), (std::vector<std::string>{"a", "中", "b"}));
}

TEST(PathParts, FolderFollowedByNameGivesThePathBack) {
  for (const std::string path :
       {"/home/u/Video/a.avi", "/a.avi", "clip", "/dir/", "/家/视频 1/\"x\".mkv", "-name"}) {
    EXPECT_EQ(DirectoryOfPath(path) + FileNameOfPath(path), path) << path;
  }
  EXPECT_EQ(FileNameOfPath("/home/u/a.avi"), "a.avi");
  EXPECT_EQ(DirectoryOfPath("/home/u/a.avi"), "/home/u/");
  EXPECT_EQ(DirectoryOfPath("/a.avi"), "/");
  EXPECT_EQ(FileNameOfPath("clip"), "clip");
  EXPECT_EQ(DirectoryOfPath("clip"), "");
  EXPECT_EQ(FileNameOfPath("/dir/"), "");
}

}  // namespace
}  // namespace corvanta
