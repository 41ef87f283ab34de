#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

#include "byte_size_text.h"

namespace corvanta::kelvane {
namespace {

TEST(ByteSizeText, BytesBelowAKilobyteThenThreeSignificantDigitsCutNotRounded) {
  const std::pair<std::uint64_t, const char*> rows[] = {
      {0, "0 字节"},
      {1, "1 字节"},
      {1023, "1023 字节"},
      {1024, "1.00 KB"},
      {1536, "1.50 KB"},
      {10239, "9.99 KB"},
      {10240, "10.0 KB"},
      {102399, "99.9 KB"},
      {102400, "100 KB"},
      {1048575, "1023 KB"},
      {1048576, "1.00 MB"},
      {4294967295u, "3.99 GB"},
      {4294967296u, "4.00 GB"},
      {std::uint64_t{1} << 40, "1.00 TB"},
      {std::uint64_t{1} << 50, "1.00 PB"},
      {std::numeric_limits<std::uint64_t>::max(), "15.9 EB"},
  };
  for (const auto& [bytes, text] : rows) EXPECT_EQ(FormatByteSizeText(bytes), text) << bytes;
}

TEST(Kilobytes, TwoDecimalsWithHalvesRoundedUp) {
  EXPECT_EQ(KilobytesOfByteCount(1536), 1.5f);
  EXPECT_EQ(KilobytesOfByteCount(1000), 0.98f);
  EXPECT_EQ(KilobytesOfByteCount(128), 0.13f);
  EXPECT_EQ(KilobytesOfByteCount(6), 0.01f);
  EXPECT_EQ(KilobytesOfByteCount(5), 0.0f);
  EXPECT_EQ(KilobytesOfByteCount(0), 0.0f);
  EXPECT_EQ(KilobytesOfByteCount(4294967296u + 1536), 4194305.5f);
}

TEST(RoundToTwoPlaces, HalvesGoAwayFromZeroAndNearHalvesCount) {
  EXPECT_EQ(RoundToTwoPlaces(0.125), 0.13);
  EXPECT_EQ(RoundToTwoPlaces(-0.125), -0.13);
  EXPECT_EQ(RoundToTwoPlaces(0.0049999999999995), 0.01);
  EXPECT_EQ(RoundToTwoPlaces(0.00499), 0.0);
  EXPECT_EQ(RoundToTwoPlaces(-0.0), -0.0);
  EXPECT_TRUE(std::signbit(RoundToTwoPlaces(-0.0)));
}

}  // namespace
}  // namespace corvanta::kelvane
