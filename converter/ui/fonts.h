#pragma once

#include <QFont>

namespace corvanta {

// Fonts of the window layout, given as the face the layout names, the
// character height in pixels and bold or regular. The Chinese faces the
// layout names are rarely installed outside Windows, so every font carries
// the CJK faces of the system as fallbacks behind the named one.
QFont FaceFont(const char* face, int pixelHeight, bool bold);

// The system's default face at the given height.
QFont DefaultFaceFont(int pixelHeight, bool bold);

// The system's default font of a control: the default face, 12 pixels, regular.
QFont DefaultControlFont();

}  // namespace corvanta
