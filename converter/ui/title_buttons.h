#pragma once

class QWidget;

namespace corvanta {

// The three buttons of the home-made title bar.

// Ends the program at once with exit code 0; the exit routines run first. An
// encoder that is running goes on by itself.
[[noreturn]] void OnCloseButtonClick();
void OnMinimizeButtonClick(QWidget& window);
// The welcome box, owned by `window`.
void OnHelpButtonClick(QWidget& window);

}  // namespace corvanta
