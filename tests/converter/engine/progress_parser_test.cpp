#include "engine/progress_parser.h"

#include <gtest/gtest.h>

#include <regex>

#include "common/files.h"
#include "engine/output_chunk.h"
#include "recording_display.h"
#include "text/text_to_integer.h"

namespace corvanta {
namespace {

using testing::RecordingDisplay;
using Writes = std::vector<std::string>;

// Status lines as MEncoder prints them.
const std::string kAt5 = "Pos:   1.2s     30f ( 5%) 29.82fps Trem:   0min   0mb  A-V:0.000 [0:0]\r";
const std::string kAt6 = "Pos:   1.4s     35f ( 6%) 29.90fps Trem:   0min   0mb  A-V:0.000 [0:0]\r";
const std::string kAt99 =
    "Pos:  24.8s    620f (99%) 30.10fps Trem:   0min   1mb  A-V:0.000 [816:0]\r";
const std::string kAt100 =
    "Pos:  25.0s    625f (100%) 30.10fps Trem:   0min   1mb  A-V:0.000 [816:0]\r";

TEST(ParseProgress, StatusLineSetsColourWidthAndLabelInThatOrder) {
  RecordingDisplay display;
  ParseProgress(kAt5, display);
  EXPECT_EQ(display.writes, (Writes{"color 35ed1f", "width 29", "text  5%"}));
}

TEST(ParseProgress, WidthIsPercentOfTheFullBarTruncated) {
  const std::pair<int, int> cases[] = {{0, 0},    {1, 5},     {5, 29},    {45, 264},
                                       {99, 582}, {100, 588}, {101, 593}, {-5, -29}};
  for (const auto& [percent, width] : cases) {
    EXPECT_EQ(ProgressBarWidth(percent), width) << percent;
  }
  RecordingDisplay display;
  ParseProgress(kAt99, display);
  EXPECT_EQ(display.width(), 582);
  EXPECT_EQ(display.text(), "99%");
  ParseProgress(kAt100, display);
  EXPECT_EQ(display.width(), 588);
  EXPECT_EQ(display.text(), "100%");
}

TEST(ParseProgress, HugePercentagesStayRepresentable) {
  EXPECT_EQ(ProgressBarWidth(std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
  EXPECT_EQ(ProgressBarWidth(std::numeric_limits<int>::min()), std::numeric_limits<int>::min());
  RecordingDisplay display;
  ParseProgress("Pos: f (99999999999999%) ", display);
  EXPECT_EQ(display.width(), std::numeric_limits<int>::max());
}

TEST(ParseProgress, WithoutCaseSensitivePosNothingChanges) {
  RecordingDisplay display;
  ParseProgress("    30f ( 5%) 29.82fps", display);
  ParseProgress("pos:   1.2s     30f ( 5%) 29.82fps", display);
  ParseProgress("POS:   1.2s     30f ( 5%) 29.82fps", display);
  ParseProgress("", display);
  EXPECT_TRUE(display.writes.empty());
}

TEST(ParseProgress, FirstStatusLineOfAChunkWins) {
  RecordingDisplay display;
  ParseProgress(kAt5 + kAt6, display);
  EXPECT_EQ(display.text(), " 5%");
  EXPECT_EQ(display.width(), 29);
}

TEST(ParseProgress, PairIsSearchedFromTheChunkStartNotFromPos) {
  RecordingDisplay display;
  ParseProgress("2f (7%) header\r" + kAt5, display);
  EXPECT_EQ(display.text(), "7%");
  EXPECT_EQ(display.width(), 41);
}

TEST(ParseProgress, LineCutBeforeItsClosingGivesZeroAndEmptyLabel) {
  RecordingDisplay display;
  ParseProgress(kAt5, display);
  ParseProgress("Pos:   1.2s     30f ( 5%", display);
  EXPECT_EQ(display.writes,
            (Writes{"color 35ed1f", "width 29", "text  5%", "color 35ed1f", "width 0", "text "}));
  // Only the tail of the line in the next chunk: no "Pos", nothing changes.
  ParseProgress(") 29.82fps Trem:   0min   0mb  A-V:0.000 [0:0]\r", display);
  EXPECT_EQ(display.writes.size(), 6u);
  ParseProgress("Pos: no pair at all", display);
  EXPECT_EQ(display.width(), 0);
  EXPECT_EQ(display.text(), "");
  EXPECT_EQ(display.color(), kProgressGreen);
}

TEST(ParseProgress, PercentageWithoutANumberShowsItsTextAtWidthZero) {
  RecordingDisplay display;
  ParseProgress("Pos: 3f (??%) x", display);
  EXPECT_EQ(display.width(), 0);
  EXPECT_EQ(display.text(), "??%");
}

TEST(ParseProgress, FullWidthDigitsCountAsDigits) {
  RecordingDisplay display;
  ParseProgress("Pos: 3f (　４５%) x", display);
  EXPECT_EQ(display.width(), 264);
  EXPECT_EQ(display.text(), "　４５%");
}

}  // namespace
}  // namespace corvanta

namespace corvanta {
namespace {

std::string CapturedOutput() {
  return testing::ReadWholeFile(std::string(CORVANTA_ENCODER_TEST_DATA) + "/mencoder_output.txt");
}

// Real MEncoder console output, cut into reads the way the pipe delivers it.
TEST(ParseProgress, CapturedEncoderOutputGivesARisingBarEndingFull) {
  const std::string output = CapturedOutput();
  ASSERT_GT(output.size(), 4000u);
  RecordingDisplay display;
  int previous = -1;
  int shown = 0;
  std::string chunk;
  for (std::size_t offset = 0; offset < output.size(); offset += 260) {
    OutputChunkText(std::string_view(output).substr(offset, 260), chunk);
    ParseProgress(chunk, display);
    if (display.writes.empty() || display.text().empty()) continue;
    const std::regex percent(" ?[0-9]{1,3}%");
    ASSERT_TRUE(std::regex_match(display.text(), percent)) << display.text();
    const int value = TextToInteger(display.text());
    EXPECT_EQ(display.width(), ProgressBarWidth(value));
    EXPECT_GE(value, previous);
    previous = value;
    ++shown;
  }
  EXPECT_GT(shown, 20);
  EXPECT_EQ(previous, 100);
  EXPECT_EQ(display.color(), kProgressGreen);
}

}  // namespace
}  // namespace corvanta
