#include "text/text_to_integer.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

TEST(TextToInteger, ReadsTheEncodersPercentageField) {
  EXPECT_EQ(TextToInteger(" 5%"), 5);
  EXPECT_EQ(TextToInteger("45%"), 45);
  EXPECT_EQ(TextToInteger("100%"), 100);
  EXPECT_EQ(TextToInteger(""), 0);
  EXPECT_EQ(TextToInteger("%"), 0);
  EXPECT_EQ(TextToInteger("abc"), 0);
}

TEST(TextToInteger, SkipsWhiteSpaceAndTakesOneSign) {
  EXPECT_EQ(TextToInteger("\t\r\n\v\f 12x"), 12);
  EXPECT_EQ(TextToInteger("-7"), -7);
  EXPECT_EQ(TextToInteger("+7"), 7);
  EXPECT_EQ(TextToInteger("--7"), 0);
  EXPECT_EQ(TextToInteger("- 7"), 0);
}

TEST(TextToInteger, FullWidthFormsCountAsAscii) {
  EXPECT_EQ(TextToInteger("４２"), 42);       // U+FF14 U+FF12
  EXPECT_EQ(TextToInteger("\u3000３％"), 3);  // ideographic space, full-width 3 and %
  EXPECT_EQ(TextToInteger("－８"), -8);       // full-width hyphen-minus
  EXPECT_EQ(TextToInteger("中5"), 0);
}

TEST(TextToInteger, ClampsBeyondThirtyTwoBits) {
  EXPECT_EQ(TextToInteger("2147483647"), 2147483647);
  EXPECT_EQ(TextToInteger("99999999999999999999"), 2147483647);
  EXPECT_EQ(TextToInteger("-2147483648"), INT32_MIN);
  EXPECT_EQ(TextToInteger("-99999999999999999999"), INT32_MIN);
}

}  // namespace
}  // namespace corvanta
