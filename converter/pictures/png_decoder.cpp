#include <png.h>

#include <cstdint>
#include <cstring>

#include "pictures/picture_decoder.h"

namespace corvanta {

namespace {

std::uint32_t BigEndianWord(const unsigned char* at) {
  return (std::uint32_t{at[0]} << 24) | (std::uint32_t{at[1]} << 16) | (std::uint32_t{at[2]} << 8) |
         at[3];
}

// libpng's simplified reader stops once it has the pixels and never looks for
// the end chunk, so a file cut short after its last data chunk would pass.
// Walks the chunk lengths from the signature to a complete IEND chunk.
bool ReachesEndChunk(std::span<const unsigned char> bytes) {
  constexpr std::size_t kSignature = 8;
  constexpr std::size_t kChunkFrame = 12;  // length, type, checksum
  std::size_t at = kSignature;
  while (bytes.size() - at >= kChunkFrame) {
    const std::uint32_t length = BigEndianWord(bytes.data() + at);
    if (length > bytes.size() - at - kChunkFrame) return false;
    if (std::memcmp(bytes.data() + at + 4, "IEND", 4) == 0) return true;
    at += kChunkFrame + length;
  }
  return false;
}

}  // namespace

QImage DecodePng(std::span<const unsigned char> bytes) {
  if (bytes.size() < 8 || !ReachesEndChunk(bytes)) return {};
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  // The simplified interface keeps its own longjmp target and reports every
  // failure through its return value, with the reason in image.message.
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
    png_image_free(&image);
    return {};
  }
  if (image.width == 0 || image.height == 0 || image.width > kMaxPictureSide ||
      image.height > kMaxPictureSide) {
    png_image_free(&image);
    return {};
  }
  image.format = PNG_FORMAT_RGBA;
  QImage picture(static_cast<int>(image.width), static_cast<int>(image.height),
                 QImage::Format_RGBA8888);
  if (picture.isNull()) {
    png_image_free(&image);
    return {};
  }
  // The row stride counts components, which are bytes for 8-bit RGBA.
  const auto stride = static_cast<png_int_32>(picture.bytesPerLine());
  if (!png_image_finish_read(&image, nullptr, picture.bits(), stride, nullptr)) {
    png_image_free(&image);
    return {};
  }
  return picture;
}

}  // namespace corvanta
