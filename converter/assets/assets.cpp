#include "assets/assets.h"

#include <array>

// The assembler places every picture file between two symbols; see
// corvanta_embed_binary in cmake/CorvantaTargets.cmake.
#define CORVANTA_PICTURE(name)                             \
  extern "C" const unsigned char picture_##name##_begin[]; \
  extern "C" const unsigned char picture_##name##_end[];

CORVANTA_PICTURE(banner)
CORVANTA_PICTURE(minimize_normal)
CORVANTA_PICTURE(minimize_hover)
CORVANTA_PICTURE(close_normal)
CORVANTA_PICTURE(close_hover)
CORVANTA_PICTURE(add_normal)
CORVANTA_PICTURE(add_hover)
CORVANTA_PICTURE(delete_normal)
CORVANTA_PICTURE(delete_hover)
CORVANTA_PICTURE(clear_normal)
CORVANTA_PICTURE(clear_hover)
CORVANTA_PICTURE(start_normal)
CORVANTA_PICTURE(start_hover)
CORVANTA_PICTURE(stop_normal)
CORVANTA_PICTURE(stop_hover)
CORVANTA_PICTURE(folder_normal)
CORVANTA_PICTURE(folder_hover)
CORVANTA_PICTURE(open_normal)
CORVANTA_PICTURE(open_hover)
CORVANTA_PICTURE(help_normal)
CORVANTA_PICTURE(help_hover)
CORVANTA_PICTURE(decoration)
CORVANTA_PICTURE(icon)
CORVANTA_PICTURE(row_0)
CORVANTA_PICTURE(row_1)
CORVANTA_PICTURE(row_2)
CORVANTA_PICTURE(row_3)
CORVANTA_PICTURE(format_0)
CORVANTA_PICTURE(format_1)
CORVANTA_PICTURE(format_2)
CORVANTA_PICTURE(format_3)
CORVANTA_PICTURE(format_4)
CORVANTA_PICTURE(format_5)
CORVANTA_PICTURE(format_6)
CORVANTA_PICTURE(format_7)
CORVANTA_PICTURE(format_8)
CORVANTA_PICTURE(format_9)
CORVANTA_PICTURE(format_10)
CORVANTA_PICTURE(format_11)

#undef CORVANTA_PICTURE

namespace corvanta::assets {

namespace {

#define CORVANTA_BYTES(name) Bytes(picture_##name##_begin, picture_##name##_end)

// Looks an index up in a fixed table; anything outside it gives no picture.
template <std::size_t N>
Bytes PictureAt(const std::array<Bytes, N>& table, int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= N) return {};
  return table[static_cast<std::size_t>(index)];
}

}  // namespace

Bytes Banner() { return CORVANTA_BYTES(banner); }
Bytes MinimizeNormal() { return CORVANTA_BYTES(minimize_normal); }
Bytes MinimizeHover() { return CORVANTA_BYTES(minimize_hover); }
Bytes CloseNormal() { return CORVANTA_BYTES(close_normal); }
Bytes CloseHover() { return CORVANTA_BYTES(close_hover); }
Bytes AddNormal() { return CORVANTA_BYTES(add_normal); }
Bytes AddHover() { return CORVANTA_BYTES(add_hover); }
Bytes DeleteNormal() { return CORVANTA_BYTES(delete_normal); }
Bytes DeleteHover() { return CORVANTA_BYTES(delete_hover); }
Bytes ClearNormal() { return CORVANTA_BYTES(clear_normal); }
Bytes ClearHover() { return CORVANTA_BYTES(clear_hover); }
Bytes StartNormal() { return CORVANTA_BYTES(start_normal); }
Bytes StartHover() { return CORVANTA_BYTES(start_hover); }
Bytes StopNormal() { return CORVANTA_BYTES(stop_normal); }
Bytes StopHover() { return CORVANTA_BYTES(stop_hover); }
Bytes FolderNormal() { return CORVANTA_BYTES(folder_normal); }
Bytes FolderHover() { return CORVANTA_BYTES(folder_hover); }
Bytes OpenFolderNormal() { return CORVANTA_BYTES(open_normal); }
Bytes OpenFolderHover() { return CORVANTA_BYTES(open_hover); }
Bytes HelpNormal() { return CORVANTA_BYTES(help_normal); }
Bytes HelpHover() { return CORVANTA_BYTES(help_hover); }
Bytes Decoration() { return CORVANTA_BYTES(decoration); }
Bytes WindowIcon() { return CORVANTA_BYTES(icon); }

Bytes RowIcon(int index) {
  static const std::array<Bytes, 4> icons = {CORVANTA_BYTES(row_0), CORVANTA_BYTES(row_1),
                                             CORVANTA_BYTES(row_2), CORVANTA_BYTES(row_3)};
  return PictureAt(icons, index);
}

Bytes FormatIcon(int index) {
  static const std::array<Bytes, 12> icons = {
      CORVANTA_BYTES(format_0), CORVANTA_BYTES(format_1),  CORVANTA_BYTES(format_2),
      CORVANTA_BYTES(format_3), CORVANTA_BYTES(format_4),  CORVANTA_BYTES(format_5),
      CORVANTA_BYTES(format_6), CORVANTA_BYTES(format_7),  CORVANTA_BYTES(format_8),
      CORVANTA_BYTES(format_9), CORVANTA_BYTES(format_10), CORVANTA_BYTES(format_11)};
  return PictureAt(icons, index);
}

#undef CORVANTA_BYTES

}  // namespace corvanta::assets
