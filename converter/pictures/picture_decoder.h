#pragma once

#include <span>

#include <QImage>

namespace corvanta {

// Decodes a PNG, JPEG or GIF file held in memory, recognised by its
// signature. Pictures with transparency come back with an alpha channel; a
// GIF yields its first frame. Empty, truncated, corrupt or unknown data gives
// a null QImage; decoding never aborts the program.
QImage DecodePicture(std::span<const unsigned char> bytes);

// The decoders of one format each, which DecodePicture picks among. Each
// gives a null QImage for data of another format.
QImage DecodePng(std::span<const unsigned char> bytes);   // Format_RGBA8888
QImage DecodeJpeg(std::span<const unsigned char> bytes);  // Format_RGB888
QImage DecodeGif(std::span<const unsigned char> bytes);   // Format_RGBA8888

// Pictures wider or taller than this are refused as damaged: the window shows
// nothing near that size, and a corrupt header must not make us allocate
// gigabytes.
inline constexpr int kMaxPictureSide = 4096;

}  // namespace corvanta
