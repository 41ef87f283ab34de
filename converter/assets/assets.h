#pragma once

#include <span>

namespace corvanta::assets {

// The window pictures, embedded into the program byte for byte as their
// original PNG, JPEG or GIF files. Decode them with DecodePicture().
using Bytes = std::span<const unsigned char>;

// Title strip across the top of the window.
Bytes Banner();

// Title-bar buttons.
Bytes MinimizeNormal();
Bytes MinimizeHover();
Bytes CloseNormal();
Bytes CloseHover();

// Queue buttons.
Bytes AddNormal();
Bytes AddHover();
Bytes DeleteNormal();
Bytes DeleteHover();
Bytes ClearNormal();
Bytes ClearHover();

// The Convert button shows the Start faces while idle and the Stop faces
// while a run is going.
Bytes StartNormal();
Bytes StartHover();
Bytes StopNormal();
Bytes StopHover();

// Output folder row and help.
Bytes FolderNormal();
Bytes FolderHover();
Bytes OpenFolderNormal();
Bytes OpenFolderHover();
Bytes HelpNormal();
Bytes HelpHover();

Bytes Decoration();
Bytes WindowIcon();

// Queue row state icons, 0..3; an empty span outside that range.
Bytes RowIcon(int index);
// Output format icons, 0..11 in the order of the format list; an empty span
// outside that range.
Bytes FormatIcon(int index);

}  // namespace corvanta::assets
