#include <gtest/gtest.h>

#include <QColor>

#include "pictures/picture_decoder.h"
#include "test_gif.h"

namespace corvanta {
namespace {

using testing::BuildGif;
using testing::TestGif;

constexpr std::array<unsigned char, 3> kRed = {255, 0, 0};
constexpr std::array<unsigned char, 3> kGreen = {0, 255, 0};
constexpr std::array<unsigned char, 3> kBlue = {0, 0, 255};
constexpr std::array<unsigned char, 3> kWhite = {255, 255, 255};

QImage Decode(const std::vector<unsigned char>& file) { return DecodePicture(file); }

TEST(GifDecoder, ReadsColoursFromTheTable) {
  TestGif gif;
  gif.screenWidth = gif.frameWidth = 3;
  gif.colours = {kRed, kGreen, kBlue, kWhite};
  gif.indexes = {2, 0, 1};
  const QImage picture = Decode(BuildGif(gif));
  ASSERT_FALSE(picture.isNull());
  ASSERT_EQ(picture.size(), QSize(3, 1));
  EXPECT_EQ(picture.pixelColor(0, 0), QColor(0, 0, 255));
  EXPECT_EQ(picture.pixelColor(1, 0), QColor(255, 0, 0));
  EXPECT_EQ(picture.pixelColor(2, 0), QColor(0, 255, 0));
}

TEST(GifDecoder, TransparentIndexFromTheControlBlockGivesClearPixels) {
  TestGif gif;
  gif.screenWidth = gif.frameWidth = 2;
  gif.colours = {kRed, kGreen};
  gif.transparentIndex = 1;
  gif.indexes = {0, 1};
  const QImage picture = Decode(BuildGif(gif));
  ASSERT_FALSE(picture.isNull());
  EXPECT_TRUE(picture.hasAlphaChannel());
  EXPECT_EQ(picture.pixelColor(0, 0), QColor(255, 0, 0, 255));
  EXPECT_EQ(picture.pixelColor(1, 0).alpha(), 0);
}

TEST(GifDecoder, WithoutControlBlockEveryPixelIsOpaque) {
  TestGif gif;
  gif.screenWidth = gif.frameWidth = 2;
  gif.colours = {kRed, kGreen};
  gif.indexes = {1, 1};
  const QImage picture = Decode(BuildGif(gif));
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.pixelColor(0, 0), QColor(0, 255, 0, 255));
  EXPECT_EQ(picture.pixelColor(1, 0), QColor(0, 255, 0, 255));
}

TEST(GifDecoder, FrameSmallerThanScreenLeavesTheRestClear) {
  TestGif gif;
  gif.screenWidth = 3;
  gif.screenHeight = 2;
  gif.frameLeft = 1;
  gif.frameTop = 1;
  gif.frameWidth = 2;
  gif.frameHeight = 1;
  gif.colours = {kRed, kGreen};
  gif.indexes = {0, 1};
  const QImage picture = Decode(BuildGif(gif));
  ASSERT_FALSE(picture.isNull());
  ASSERT_EQ(picture.size(), QSize(3, 2));
  EXPECT_EQ(picture.pixelColor(0, 0).alpha(), 0);
  EXPECT_EQ(picture.pixelColor(0, 1).alpha(), 0);
  EXPECT_EQ(picture.pixelColor(1, 1), QColor(255, 0, 0));
  EXPECT_EQ(picture.pixelColor(2, 1), QColor(0, 255, 0));
}

TEST(GifDecoder, FrameReachingPastTheScreenIsClipped) {
  TestGif gif;
  gif.screenWidth = 2;
  gif.frameLeft = 1;
  gif.frameWidth = 3;
  gif.colours = {kRed, kGreen};
  gif.indexes = {1, 0, 0};
  const QImage picture = Decode(BuildGif(gif));
  ASSERT_FALSE(picture.isNull());
  ASSERT_EQ(picture.size(), QSize(2, 1));
  EXPECT_EQ(picture.pixelColor(1, 0), QColor(0, 255, 0));
}

// Interlaced rows arrive in the order 0, 4, 2, 1, 3 for five rows; the
// picture must still show them top to bottom.
TEST(GifDecoder, InterlacedRowsLandInPictureOrder) {
  TestGif gif;
  gif.screenHeight = gif.frameHeight = 5;
  gif.colours = {{0, 0, 0},  {10, 0, 0}, {20, 0, 0}, {30, 0, 0},
                 {40, 0, 0}, {0, 0, 0},  {0, 0, 0},  {0, 0, 0}};
  gif.interlaced = true;
  gif.indexes = {0, 4, 2, 1, 3};
  const QImage picture = Decode(BuildGif(gif));
  ASSERT_FALSE(picture.isNull());
  for (int row = 0; row < 5; ++row) EXPECT_EQ(picture.pixelColor(0, row).red(), row * 10) << row;
}

TEST(GifDecoder, IndexOutsideTheColourTableIsRefused) {
  TestGif gif;
  gif.colours = {kRed, kGreen};  // two entries, but the codes can name four
  gif.indexes = {3};
  EXPECT_TRUE(Decode(BuildGif(gif)).isNull());
}

TEST(GifDecoder, RefusesBrokenFiles) {
  TestGif gif;
  gif.screenWidth = gif.frameWidth = 2;
  gif.colours = {kRed, kGreen};
  gif.indexes = {0, 1};
  const std::vector<unsigned char> good = BuildGif(gif);
  ASSERT_FALSE(Decode(good).isNull());

  std::vector<unsigned char> noTable = good;
  noTable[10] &= 0x7F;  // the screen descriptor no longer announces its table
  EXPECT_TRUE(Decode(noTable).isNull()) << "frame without any colour table";

  std::vector<unsigned char> emptyScreen = good;
  emptyScreen[6] = emptyScreen[7] = 0;
  EXPECT_TRUE(Decode(emptyScreen).isNull()) << "screen of width 0";

  std::vector<unsigned char> hugeScreen = good;
  hugeScreen[6] = hugeScreen[7] = 0xFF;
  EXPECT_TRUE(Decode(hugeScreen).isNull()) << "screen far wider than any window picture";

  std::vector<unsigned char> badCodeSize = good;
  const std::size_t codeSizeAt = 13 + 6 + 10;  // header, table of two, frame descriptor
  ASSERT_EQ(badCodeSize[codeSizeAt], 2);
  badCodeSize[codeSizeAt] = 12;
  EXPECT_TRUE(Decode(badCodeSize).isNull()) << "minimum code size beyond 8 bits";

  std::vector<unsigned char> noFrame(good.begin(), good.begin() + 13 + 6);
  noFrame.push_back(0x3B);
  EXPECT_TRUE(Decode(noFrame).isNull()) << "a screen without any frame";
}

}  // namespace
}  // namespace corvanta
