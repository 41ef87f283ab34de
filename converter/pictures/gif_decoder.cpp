#include <gif_lib.h>

#include <algorithm>
#include <cstring>

#include "pictures/picture_decoder.h"

namespace corvanta {

namespace {

struct MemoryReader {
  std::span<const unsigned char> bytes;
  std::size_t offset = 0;
};

// giflib's input callback: hands out at most `count` bytes and fewer at the
// end, which giflib reports as a read failure.
int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int count) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  if (count <= 0) return 0;
  const std::size_t left = reader->bytes.size() - reader->offset;
  const std::size_t n = std::min(left, static_cast<std::size_t>(count));
  std::memcpy(buffer, reader->bytes.data() + reader->offset, n);
  reader->offset += n;
  return static_cast<int>(n);
}

int TransparentIndexOfFirstFrame(GifFileType* gif) {
  GraphicsControlBlock control;
  if (DGifSavedExtensionToGCB(gif, 0, &control) != GIF_OK) return NO_TRANSPARENT_COLOR;
  return control.TransparentColor;
}

// Paints the first frame onto the logical screen. The screen starts fully
// transparent, so parts that the frame does not cover show nothing. A pixel
// whose index lies outside the colour table marks the file as corrupt.
QImage FirstFrame(GifFileType* gif) {
  if (gif->ImageCount < 1) return {};
  const SavedImage& frame = gif->SavedImages[0];
  const GifImageDesc& place = frame.ImageDesc;
  const ColorMapObject* colours = place.ColorMap != nullptr ? place.ColorMap : gif->SColorMap;
  if (colours == nullptr || frame.RasterBits == nullptr || place.Width <= 0 || place.Height <= 0)
    return {};
  const int transparent = TransparentIndexOfFirstFrame(gif);

  QImage picture(gif->SWidth, gif->SHeight, QImage::Format_RGBA8888);
  if (picture.isNull()) return {};
  picture.fill(Qt::transparent);
  for (int y = 0; y < place.Height; ++y) {
    const int screenY = place.Top + y;
    if (screenY < 0 || screenY >= gif->SHeight) continue;
    unsigned char* row = picture.scanLine(screenY);
    for (int x = 0; x < place.Width; ++x) {
      const int index = frame.RasterBits[static_cast<std::size_t>(y) * place.Width + x];
      if (index >= colours->ColorCount) return {};
      const int screenX = place.Left + x;
      if (screenX < 0 || screenX >= gif->SWidth || index == transparent) continue;
      const GifColorType& colour = colours->Colors[index];
      unsigned char* pixel = row + static_cast<std::size_t>(screenX) * 4;
      pixel[0] = colour.Red;
      pixel[1] = colour.Green;
      pixel[2] = colour.Blue;
      pixel[3] = 255;
    }
  }
  return picture;
}

}  // namespace

QImage DecodeGif(std::span<const unsigned char> bytes) {
  if (bytes.empty()) return {};
  MemoryReader reader{bytes};
  int error = 0;
  GifFileType* gif = DGifOpen(&reader, ReadFromMemory, &error);
  if (gif == nullptr) return {};
  QImage picture;
  const bool sizeFits = gif->SWidth > 0 && gif->SHeight > 0 && gif->SWidth <= kMaxPictureSide &&
                        gif->SHeight <= kMaxPictureSide;
  // DGifSlurp reads every frame and fails on a file cut short anywhere,
  // including a missing trailer.
  if (sizeFits && DGifSlurp(gif) == GIF_OK) picture = FirstFrame(gif);
  DGifCloseFile(gif, &error);
  return picture;
}

}  // namespace corvanta
