#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "assets/assets.h"
#include "pictures/picture_decoder.h"

namespace corvanta {
namespace {

using assets::Bytes;

enum class Kind { Png, Jpeg, Gif };

struct Expected {
  const char* name;
  Bytes bytes;
  Kind kind;
  QSize size;
};

std::vector<Expected> WindowPictures() {
  using namespace assets;
  return {
      {"banner", Banner(), Kind::Gif, {620, 35}},
      {"minimize normal", MinimizeNormal(), Kind::Gif, {25, 19}},
      {"minimize hover", MinimizeHover(), Kind::Gif, {25, 19}},
      {"close normal", CloseNormal(), Kind::Gif, {25, 19}},
      {"close hover", CloseHover(), Kind::Gif, {25, 19}},
      {"add normal", AddNormal(), Kind::Jpeg, {95, 40}},
      {"add hover", AddHover(), Kind::Jpeg, {95, 40}},
      {"delete normal", DeleteNormal(), Kind::Jpeg, {95, 40}},
      {"delete hover", DeleteHover(), Kind::Jpeg, {95, 40}},
      {"clear normal", ClearNormal(), Kind::Jpeg, {95, 40}},
      {"clear hover", ClearHover(), Kind::Jpeg, {95, 40}},
      {"start normal", StartNormal(), Kind::Jpeg, {95, 40}},
      {"start hover", StartHover(), Kind::Jpeg, {95, 40}},
      {"stop normal", StopNormal(), Kind::Jpeg, {95, 40}},
      {"stop hover", StopHover(), Kind::Jpeg, {95, 40}},
      {"folder normal", FolderNormal(), Kind::Gif, {40, 19}},
      {"folder hover", FolderHover(), Kind::Jpeg, {40, 19}},
      {"open folder normal", OpenFolderNormal(), Kind::Gif, {50, 19}},
      {"open folder hover", OpenFolderHover(), Kind::Jpeg, {50, 19}},
      {"help normal", HelpNormal(), Kind::Gif, {50, 19}},
      {"help hover", HelpHover(), Kind::Jpeg, {50, 19}},
      {"decoration", Decoration(), Kind::Gif, {100, 100}},
      {"window icon", WindowIcon(), Kind::Png, {256, 256}},
  };
}

Kind KindOf(Bytes bytes) {
  if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8) return Kind::Jpeg;
  if (bytes.size() >= 3 && bytes[0] == 'G' && bytes[1] == 'I' && bytes[2] == 'F') return Kind::Gif;
  return Kind::Png;
}

bool SameBytes(Bytes a, Bytes b) { return std::equal(a.begin(), a.end(), b.begin(), b.end()); }

// A JPEG frame header marker: SOF0 is baseline, SOF2 progressive.
bool HasMarker(Bytes jpeg, unsigned char marker) {
  for (std::size_t at = 0; at + 1 < jpeg.size(); ++at)
    if (jpeg[at] == 0xFF && jpeg[at + 1] == marker) return true;
  return false;
}

int GifFrameCount(Bytes gif) {
  // Walks the file's blocks (extensions and frames, each followed by data
  // sub-blocks) up to the trailer; -1 for a block it does not know.
  int frames = 0;
  std::size_t at = 13;
  if (gif[10] & 0x80) at += 3u << ((gif[10] & 0x07) + 1);
  while (at < gif.size()) {
    const unsigned char kind = gif[at];
    if (kind == 0x3B) break;
    if (kind == 0x21) {
      at += 2;
    } else if (kind == 0x2C) {
      ++frames;
      const unsigned char flags = gif[at + 9];
      at += 10;
      if (flags & 0x80) at += 3u << ((flags & 0x07) + 1);
      at += 1;  // minimum code size
    } else {
      return -1;
    }
    while (at < gif.size() && gif[at] != 0) at += gif[at] + 1u;  // data sub-blocks
    at += 1;
  }
  return frames;
}

TEST(EmbeddedPictures, EachDecodesToItsSizeInItsFormat) {
  for (const Expected& picture : WindowPictures()) {
    SCOPED_TRACE(picture.name);
    ASSERT_FALSE(picture.bytes.empty());
    EXPECT_EQ(KindOf(picture.bytes), picture.kind);
    const QImage image = DecodePicture(picture.bytes);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), picture.size);
    if (picture.kind == Kind::Jpeg) {
      EXPECT_TRUE(HasMarker(picture.bytes, 0xC0)) << "baseline frame header";
      EXPECT_FALSE(HasMarker(picture.bytes, 0xC2)) << "progressive frame header";
    }
    if (picture.kind == Kind::Gif) {
      EXPECT_EQ(GifFrameCount(picture.bytes), 1);
    }
  }
}

TEST(EmbeddedPictures, ConvertFacesDifferPairwiseAndHaveTheirLengths) {
  const std::vector<Bytes> faces = {assets::StartNormal(), assets::StartHover(),
                                    assets::StopNormal(), assets::StopHover()};
  for (std::size_t a = 0; a < faces.size(); ++a)
    for (std::size_t b = a + 1; b < faces.size(); ++b)
      EXPECT_FALSE(SameBytes(faces[a], faces[b])) << "faces " << a << " and " << b;
  EXPECT_EQ(assets::StartNormal().size(), 3319u);
  EXPECT_EQ(assets::StartHover().size(), 3215u);
  EXPECT_EQ(assets::StopNormal().size(), 3054u);
  EXPECT_EQ(assets::StopHover().size(), 2995u);
}

// The faces are compared by their bytes to tell START from STOP, so each
// call must give the very same block.
TEST(EmbeddedPictures, CallsReturnTheSameBlock) {
  EXPECT_EQ(assets::StartNormal().data(), assets::StartNormal().data());
  EXPECT_EQ(assets::RowIcon(2).data(), assets::RowIcon(2).data());
}

TEST(EmbeddedPictures, DecorationHasATransparentGround) {
  const QImage decoration = DecodePicture(assets::Decoration());
  ASSERT_FALSE(decoration.isNull());
  EXPECT_EQ(decoration.pixelColor(0, 0).alpha(), 0);
  EXPECT_EQ(decoration.pixelColor(99, 0).alpha(), 0);
  EXPECT_EQ(decoration.pixelColor(44, 44).alpha(), 255);
}

TEST(EmbeddedPictures, WindowIconHasRoundedTransparentCorners) {
  const QImage icon = DecodePicture(assets::WindowIcon());
  ASSERT_FALSE(icon.isNull());
  EXPECT_TRUE(icon.hasAlphaChannel());
  EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0);
  EXPECT_EQ(icon.pixelColor(128, 128).alpha(), 255);
}

TEST(EmbeddedPictures, RowIconsShowTheirStateColours) {
  std::vector<QImage> icons;
  for (int index = 0; index < 4; ++index) {
    const QImage icon = DecodePicture(assets::RowIcon(index));
    ASSERT_FALSE(icon.isNull()) << index;
    EXPECT_EQ(icon.size(), QSize(16, 15)) << index;
    EXPECT_TRUE(icon.hasAlphaChannel()) << index;
    EXPECT_EQ(icon.pixelColor(0, 0).alpha(), 0) << index << ": corners are see-through";
    icons.push_back(icon);
  }
  // A point inside the disc (or the arrow's shaft) but off the white mark.
  const QColor added = icons[0].pixelColor(3, 7);
  const QColor converting = icons[1].pixelColor(4, 7);
  const QColor failed = icons[2].pixelColor(3, 7);
  const QColor done = icons[3].pixelColor(3, 7);
  EXPECT_LT(added.value(), 60) << "black disc";
  EXPECT_GT(converting.blue(), converting.red() + 100) << "blue arrow";
  EXPECT_GT(failed.red(), failed.green() + 100) << "red disc";
  EXPECT_GT(done.green(), done.red() + 80) << "green disc";
  EXPECT_GT(icons[0].pixelColor(8, 7).lightness(), 200) << "white centre";
}

TEST(EmbeddedPictures, FormatIconsAreDistinct) {
  std::vector<QImage> icons;
  for (int index = 0; index < 12; ++index) {
    const QImage icon = DecodePicture(assets::FormatIcon(index));
    ASSERT_FALSE(icon.isNull()) << index;
    EXPECT_EQ(icon.size(), QSize(16, 15)) << index;
    EXPECT_EQ(KindOf(assets::FormatIcon(index)), Kind::Png) << index;
    icons.push_back(icon);
  }
  for (std::size_t a = 0; a < icons.size(); ++a)
    for (std::size_t b = a + 1; b < icons.size(); ++b)
      EXPECT_NE(icons[a], icons[b]) << a << " and " << b;
}

TEST(EmbeddedPictures, IconIndexesOutsideTheListGiveNothing) {
  for (const int index : {-1, 4, 5, INT_MIN, INT_MAX})
    EXPECT_TRUE(assets::RowIcon(index).empty()) << index;
  for (const int index : {-1, 12, 13, INT_MIN, INT_MAX})
    EXPECT_TRUE(assets::FormatIcon(index).empty()) << index;
  EXPECT_FALSE(assets::RowIcon(3).empty());
  EXPECT_FALSE(assets::FormatIcon(11).empty());
  EXPECT_FALSE(SameBytes(assets::FormatIcon(0), assets::FormatIcon(11)));
}

}  // namespace
}  // namespace corvanta
