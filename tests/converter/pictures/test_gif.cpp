#include "test_gif.h"

#include <algorithm>

namespace corvanta::testing {

namespace {

void PutWord(std::vector<unsigned char>& out, int value) {
  out.push_back(static_cast<unsigned char>(value & 0xFF));
  out.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
}

int TableBits(std::size_t colourCount) {
  int bits = 1;
  while ((std::size_t{1} << bits) < colourCount) ++bits;
  return bits;
}

// Codes every index as a literal and sends a clear code after every second
// one, so the dictionary never grows far enough to widen the codes.
std::vector<unsigned char> LiteralLzw(const std::vector<unsigned char>& indexes,
                                      int minimumCodeSize) {
  const int clear = 1 << minimumCodeSize;
  const int width = minimumCodeSize + 1;
  std::vector<unsigned char> bytes;
  unsigned long pending = 0;
  int pendingBits = 0;
  auto emit = [&](int code) {
    pending |= static_cast<unsigned long>(code) << pendingBits;
    pendingBits += width;
    while (pendingBits >= 8) {
      bytes.push_back(static_cast<unsigned char>(pending & 0xFF));
      pending >>= 8;
      pendingBits -= 8;
    }
  };
  for (std::size_t i = 0; i < indexes.size(); ++i) {
    if (i % 2 == 0) emit(clear);
    emit(indexes[i]);
  }
  emit(clear + 1);
  if (pendingBits > 0) bytes.push_back(static_cast<unsigned char>(pending & 0xFF));
  return bytes;
}

}  // namespace

std::vector<unsigned char> BuildGif(const TestGif& gif) {
  std::vector<unsigned char> out = {'G', 'I', 'F', '8', '9', 'a'};
  PutWord(out, gif.screenWidth);
  PutWord(out, gif.screenHeight);
  const int bits = TableBits(gif.colours.size());
  out.push_back(static_cast<unsigned char>(0x80 | ((bits - 1) << 4) | (bits - 1)));
  out.push_back(0);  // background index
  out.push_back(0);  // aspect ratio
  for (std::size_t i = 0; i < (std::size_t{1} << bits); ++i) {
    const auto colour = i < gif.colours.size() ? gif.colours[i] : std::array<unsigned char, 3>{};
    out.insert(out.end(), colour.begin(), colour.end());
  }
  if (gif.transparentIndex >= 0) {
    out.insert(out.end(), {0x21, 0xF9, 0x04, 0x01, 0x00, 0x00});
    out.push_back(static_cast<unsigned char>(gif.transparentIndex));
    out.push_back(0x00);
  }
  out.push_back(0x2C);
  PutWord(out, gif.frameLeft);
  PutWord(out, gif.frameTop);
  PutWord(out, gif.frameWidth);
  PutWord(out, gif.frameHeight);
  out.push_back(gif.interlaced ? 0x40 : 0x00);

  const int minimumCodeSize = bits < 2 ? 2 : bits;
  out.push_back(static_cast<unsigned char>(minimumCodeSize));
  const std::vector<unsigned char> data = LiteralLzw(gif.indexes, minimumCodeSize);
  for (std::size_t at = 0; at < data.size(); at += 255) {
    const std::size_t n = std::min<std::size_t>(255, data.size() - at);
    out.push_back(static_cast<unsigned char>(n));
    out.insert(out.end(), data.begin() + static_cast<long>(at),
               data.begin() + static_cast<long>(at + n));
  }
  out.push_back(0x00);  // end of the frame's data
  out.push_back(0x3B);  // trailer
  return out;
}

}  // namespace corvanta::testing
