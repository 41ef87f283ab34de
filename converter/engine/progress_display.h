#pragma once

#include <cstdint>
#include <string>

namespace corvanta {

// Colours as the window system's COLORREF values: 0x00BBGGRR.
inline constexpr std::uint32_t kProgressGreen = 0x35ED1F;  // RGB(31, 237, 53)
inline constexpr std::uint32_t kProgressBlue = 0xC89123;   // RGB(35, 145, 200)

// The progress bar's place as the window lays it out, put back at the end of
// every run; a bar at 100% is as wide.
inline constexpr int kBarDesignLeft = 52;
inline constexpr int kBarDesignWidth = 588;

// What the encoder loop writes on the window: the progress bar's left edge,
// width and colour, and the percentage label. The main window implements it;
// tests record the writes.
class ProgressDisplay {
 public:
  virtual ~ProgressDisplay() = default;
  virtual void SetBarLeft(int left) = 0;
  virtual void SetBarWidth(int width) = 0;
  virtual void SetBarColor(std::uint32_t colorref) = 0;
  virtual void SetPercentText(const std::string& text) = 0;
};

}  // namespace corvanta
