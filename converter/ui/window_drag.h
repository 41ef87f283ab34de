#pragma once

class QWidget;

namespace corvanta {

// Makes a left-button press on `handle` move `window`, as a press on a
// caption bar would. The press is consumed, so `handle` and its parents see
// no left-press event; right presses and double-clicks pass through. Uses the
// window system's move where it has one and moves the window by hand where
// it has none (the offscreen platform, for one).
void MakeWindowDragHandle(QWidget* window, QWidget* handle);

}  // namespace corvanta
