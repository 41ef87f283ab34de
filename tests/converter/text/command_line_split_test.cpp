#include "text/command_line_split.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

using Args = std::vector<std::string>;

TEST(SplitCommandLine, BlanksSeparateAndQuotesGroup) {
  EXPECT_EQ(SplitCommandLine("a  b\tc"), (Args{"a", "b", "c"}));
  EXPECT_EQ(SplitCommandLine("  "), Args{});
  EXPECT_EQ(SplitCommandLine("x \"a b\" c"), (Args{"x", "a b", "c"}));
  EXPECT_EQ(SplitCommandLine("x \"\" c"), (Args{"x", "", "c"}));
  EXPECT_EQ(SplitCommandLine("a\"b c\"d"), (Args{"ab cd"}));
  EXPECT_EQ(SplitCommandLine("\"unterminated arg"), (Args{"unterminated arg"}));
}

TEST(SplitCommandLine, BackslashesCountOnlyBeforeAQuote) {
  EXPECT_EQ(SplitCommandLine(R"(a\b c\\d)"), (Args{R"(a\b)", R"(c\\d)"}));
  EXPECT_EQ(SplitCommandLine(R"(\"x)"), (Args{R"("x)"}));        // 1: literal quote
  EXPECT_EQ(SplitCommandLine(R"(\\"x y")"), (Args{R"(\x y)"}));  // 2: one and a toggle
  EXPECT_EQ(SplitCommandLine(R"(\\\"x)"), (Args{R"(\"x)"}));     // 3: one and a literal
  EXPECT_EQ(SplitCommandLine(R"("a\\")"), (Args{R"(a\)"}));
}

TEST(EscapeForQuotes, LeavesOrdinaryPathsUnchanged) {
  EXPECT_EQ(EscapeForQuotes("/home/u/a b.avi"), "/home/u/a b.avi");
  EXPECT_EQ(EscapeForQuotes(R"(/a\b/c)"), R"(/a\b/c)");
  EXPECT_EQ(EscapeForQuotes("-o"), "-o");
}

TEST(EscapeForQuotes, RoundTripsThroughTheSplitter) {
  for (const std::string argument :
       {"plain", "with blank", "quote\"inside", "\"", "\\\"", "ends\\", "ends\\\\", "a\\\\\"b",
        "中文 名字.mkv", "-leading dash", "\" -o /etc/x \"", ""}) {
    const std::string line = "quorbel.exe \"" + EscapeForQuotes(argument) + "\" next";
    EXPECT_EQ(SplitCommandLine(line), (Args{"quorbel.exe", argument, "next"})) << argument;
  }
}

}  // namespace
}  // namespace corvanta
