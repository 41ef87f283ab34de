#pragma once

#include <array>
#include <vector>

// Builds small GIF files byte by byte, so that a test controls every field
// that the decoder reads: screen size, colour table, transparency, frame
// placement, interlacing and the colour indexes themselves.
namespace corvanta::testing {

struct TestGif {
  int screenWidth = 1;
  int screenHeight = 1;
  std::vector<std::array<unsigned char, 3>> colours;  // 2, 4, 8 ... 256 entries
  int transparentIndex = -1;                          // -1: no control block
  int frameLeft = 0;
  int frameTop = 0;
  int frameWidth = 1;
  int frameHeight = 1;
  bool interlaced = false;
  std::vector<unsigned char> indexes;  // in file order, one per frame pixel
};

std::vector<unsigned char> BuildGif(const TestGif& gif);

}  // namespace corvanta::testing
