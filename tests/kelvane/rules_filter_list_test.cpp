#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "filter_list.h"

namespace corvanta::kelvane {
namespace {

using namespace std::string_literals;

TEST(FilterList, EveryBarBecomesNulAndTwoNulsFollow) {
  EXPECT_EQ(FilterListFromText("视频|*.avi;*.mkv|所有文件|*.*"),
            "视频\0*.avi;*.mkv\0所有文件\0*.*\0\0"s);
}

TEST(FilterList, EmptyAndBarlessAndTrailingBarFilters) {
  EXPECT_EQ(FilterListFromText(""), "\0\0"s);
  EXPECT_EQ(FilterListFromText("only a description"), "only a description\0\0"s);
  EXPECT_EQ(FilterListFromText("a|"), "a\0\0\0"s);
}

TEST(FilterList, ConversionIsByteWiseEvenAfterAStrayLeadByte) {
  // A lead byte without continuation bytes must not swallow the "|".
  EXPECT_EQ(FilterListFromText("\xE6|x"), "\xE6\0x\0\0"s);
}

TEST(NameFilters, PairsBecomeDescriptionWithBlankSeparatedPatterns) {
  const std::vector<std::string> expected = {"视频 (*.avi *.mkv)", "所有文件 (*)", "全部 (*)",
                                             "点 (*.*x)"};
  EXPECT_EQ(
      NameFiltersFromList(FilterListFromText("视频|*.avi;*.mkv|所有文件|*.*|全部|*.**|点|*.*x")),
      expected);
}

TEST(NameFilters, DescriptionWithoutPatternsOffersNothing) {
  EXPECT_TRUE(NameFiltersFromList(FilterListFromText("")).empty());
  EXPECT_TRUE(NameFiltersFromList(FilterListFromText("abc")).empty());
  EXPECT_TRUE(NameFiltersFromList(FilterListFromText("a|")).empty());
  EXPECT_EQ(NameFiltersFromList(FilterListFromText("a|*.x|b")),
            std::vector<std::string>{"a (*.x)"});
}

TEST(NameFilters, EmptyItemEndsTheListAndStraySemicolonsAreDropped) {
  EXPECT_EQ(NameFiltersFromList(FilterListFromText("a|*.a;;*.b;|")),
            std::vector<std::string>{"a (*.a *.b)"});
  EXPECT_EQ(NameFiltersFromList(FilterListFromText("a|*.a||b|*.b")),
            std::vector<std::string>{"a (*.a)"});
}

}  // namespace
}  // namespace corvanta::kelvane
