#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "assets/assets.h"
#include "pictures/picture_decoder.h"

namespace corvanta {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes Copy(std::span<const unsigned char> bytes) { return Bytes(bytes.begin(), bytes.end()); }

// One real picture of each format, from the embedded set.
struct Sample {
  const char* name;
  Bytes bytes;
  QImage (*decode)(std::span<const unsigned char>);
};

std::vector<Sample> Samples() {
  return {{"png", Copy(assets::RowIcon(3)), DecodePng},
          {"jpeg", Copy(assets::FolderHover()), DecodeJpeg},
          {"gif", Copy(assets::FolderNormal()), DecodeGif}};
}

TEST(PictureDecoder, NothingAndUnknownDataGiveNull) {
  EXPECT_TRUE(DecodePicture({}).isNull());
  const Bytes text = {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'};
  EXPECT_TRUE(DecodePicture(text).isNull());
  const Bytes bmp = {'B', 'M', 0x3A, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0};
  EXPECT_TRUE(DecodePicture(bmp).isNull());
  EXPECT_TRUE(DecodePng({}).isNull());
  EXPECT_TRUE(DecodeJpeg({}).isNull());
  EXPECT_TRUE(DecodeGif({}).isNull());
}

TEST(PictureDecoder, SignatureChoosesTheDecoder) {
  for (const Sample& sample : Samples()) {
    const QImage picture = DecodePicture(sample.bytes);
    ASSERT_FALSE(picture.isNull()) << sample.name;
    EXPECT_EQ(picture, sample.decode(sample.bytes)) << sample.name;
  }
}

TEST(PictureDecoder, EachDecoderRefusesTheOtherFormats) {
  const std::vector<Sample> samples = Samples();
  for (const Sample& decoder : samples)
    for (const Sample& data : samples)
      if (decoder.decode != data.decode) {
        EXPECT_TRUE(decoder.decode(data.bytes).isNull()) << decoder.name << " given " << data.name;
      }
}

TEST(PictureDecoder, SignatureAloneGivesNull) {
  for (const Sample& sample : Samples()) {
    const std::size_t signatureLength = sample.bytes[0] == 0x89   ? 8
                                        : sample.bytes[0] == 0xFF ? 3
                                                                  : 6;
    const Bytes signature(sample.bytes.begin(),
                          sample.bytes.begin() + static_cast<long>(signatureLength));
    EXPECT_TRUE(DecodePicture(signature).isNull()) << sample.name;
  }
}

// Every prefix of a real file is a file cut short somewhere: in the header,
// in a table, in the pixel data or just before the end marker. None may
// decode, and none may crash or read past the data (run under ASan).
TEST(PictureDecoder, EveryTruncationGivesNull) {
  for (const Sample& sample : Samples()) {
    for (std::size_t length = 0; length < sample.bytes.size(); ++length) {
      const Bytes cut(sample.bytes.begin(), sample.bytes.begin() + static_cast<long>(length));
      EXPECT_TRUE(DecodePicture(cut).isNull()) << sample.name << " cut to " << length << " bytes";
    }
  }
}

// Damage anywhere must never crash; whether a picture still comes out depends
// on where the damage is, so only its size is checked when it does.
TEST(PictureDecoder, DamagedBytesNeverCrash) {
  for (const Sample& sample : Samples()) {
    const QImage whole = DecodePicture(sample.bytes);
    for (std::size_t at = 0; at < sample.bytes.size(); ++at) {
      for (const unsigned char value : {0x00, 0xFF, 0x80}) {
        Bytes damaged = sample.bytes;
        damaged[at] = value;
        const QImage picture = DecodePicture(damaged);
        if (!picture.isNull()) {
          EXPECT_LE(picture.width(), kMaxPictureSide);
          EXPECT_LE(picture.height(), kMaxPictureSide);
        }
      }
    }
    EXPECT_FALSE(whole.isNull());
  }
}

TEST(PictureDecoder, DamagedPngIsRefused) {
  Bytes png = Copy(assets::RowIcon(0));
  png[20] ^= 0x01;  // the height field of IHDR, which its checksum covers
  EXPECT_TRUE(DecodePicture(png).isNull());

  Bytes garbage = Copy(assets::RowIcon(0));
  ASSERT_EQ(std::string(garbage.begin() + 37, garbage.begin() + 41), "IDAT");
  for (std::size_t at = 41; at < garbage.size() - 12; ++at) garbage[at] = 0xA5;  // IDAT content
  EXPECT_TRUE(DecodePicture(garbage).isNull());
}

TEST(PictureDecoder, DamagedJpegIsRefused) {
  const Bytes original = Copy(assets::AddNormal());
  // Overwrite everything after the start-of-image marker with filler: no
  // frame header remains.
  Bytes noHeader = original;
  std::fill(noHeader.begin() + 2, noHeader.end(), 0x00);
  EXPECT_TRUE(DecodePicture(noHeader).isNull());

  // Scramble the entropy-coded data behind the start-of-scan segment.
  Bytes scrambled = original;
  std::size_t scan = 0;
  for (std::size_t at = 2; at + 1 < scrambled.size(); ++at)
    if (scrambled[at] == 0xFF && scrambled[at + 1] == 0xDA) scan = at;
  ASSERT_GT(scan, 0U);
  for (std::size_t at = scan + 20; at < scrambled.size() - 2; ++at) scrambled[at] = 0xFF;
  EXPECT_TRUE(DecodePicture(scrambled).isNull());
}

}  // namespace
}  // namespace corvanta
