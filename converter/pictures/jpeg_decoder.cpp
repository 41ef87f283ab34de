#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <jpeglib.h>

#include "pictures/picture_decoder.h"

namespace corvanta {

namespace {

// libjpeg's default error_exit ends the process. Ours jumps back to the
// decode call instead, which then gives up on the picture.
struct JumpingErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

[[noreturn]] void JumpOut(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JumpingErrorManager*>(info->err)->jump, 1);
}

// Keeps libjpeg off stderr; warnings are still counted in num_warnings.
void StayQuiet(j_common_ptr) {}

struct RgbPixels {
  unsigned char* rows = nullptr;  // width * 3 bytes per row, malloc'ed
  int width = 0;
  int height = 0;
};

// Holds no object with a destructor, so the longjmp out of libjpeg skips
// nothing that would need cleaning up. Every warning counts as a failure:
// libjpeg only warns about a truncated file (and fills the rest with grey),
// but a half-grey button face is damage all the same.
bool ReadRgb(const unsigned char* data, unsigned long size, RgbPixels* out) {
  jpeg_decompress_struct info;
  JumpingErrorManager errors;
  unsigned char* volatile rows = nullptr;

  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JumpOut;
  errors.base.output_message = StayQuiet;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    std::free(rows);
    return false;
  }

  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  if (info.image_width == 0 || info.image_height == 0 ||
      info.image_width > static_cast<JDIMENSION>(kMaxPictureSide) ||
      info.image_height > static_cast<JDIMENSION>(kMaxPictureSide)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);

  const std::size_t rowBytes = static_cast<std::size_t>(info.output_width) * 3;
  rows = static_cast<unsigned char*>(std::malloc(rowBytes * info.output_height));
  if (rows == nullptr) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = rows + rowBytes * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  const bool clean = errors.base.num_warnings == 0;
  out->width = static_cast<int>(info.output_width);
  out->height = static_cast<int>(info.output_height);
  jpeg_destroy_decompress(&info);

  if (!clean) {
    std::free(rows);
    return false;
  }
  out->rows = rows;
  return true;
}

}  // namespace

QImage DecodeJpeg(std::span<const unsigned char> bytes) {
  if (bytes.empty()) return {};
  RgbPixels pixels;
  if (!ReadRgb(bytes.data(), static_cast<unsigned long>(bytes.size()), &pixels)) return {};

  QImage picture(pixels.width, pixels.height, QImage::Format_RGB888);
  if (!picture.isNull()) {
    const std::size_t rowBytes = static_cast<std::size_t>(pixels.width) * 3;
    for (int y = 0; y < pixels.height; ++y)
      std::memcpy(picture.scanLine(y), pixels.rows + rowBytes * static_cast<std::size_t>(y),
                  rowBytes);
  }
  std::free(pixels.rows);
  return picture;
}

}  // namespace corvanta
