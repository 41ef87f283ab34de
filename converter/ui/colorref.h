#pragma once

#include <cstdint>

#include <QColor>

namespace corvanta {

// Window colours are held the way the original controls hold them: as
// COLORREF values, 0x00BBGGRR, blue in the high byte and red in the low one.
constexpr std::uint32_t ColorRef(int red, int green, int blue) {
  return static_cast<std::uint32_t>(red & 0xFF) | (static_cast<std::uint32_t>(green & 0xFF) << 8) |
         (static_cast<std::uint32_t>(blue & 0xFF) << 16);
}

// The deep blue of the main window's queue frame and texts, and of the done
// window's title strip.
inline constexpr std::uint32_t kDeepBlue = ColorRef(0, 96, 192);

inline QColor ColorFromRef(std::uint32_t colorref) {
  return QColor(static_cast<int>(colorref & 0xFF), static_cast<int>((colorref >> 8) & 0xFF),
                static_cast<int>((colorref >> 16) & 0xFF));
}

inline std::uint32_t RefFromColor(const QColor& color) {
  return ColorRef(color.red(), color.green(), color.blue());
}

}  // namespace corvanta
