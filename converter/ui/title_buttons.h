#pragma once

namespace corvanta {

class MainWindow;

// The three buttons of the home-made title bar.

// Ends the program at once with exit code 0; the exit routines run first. An
// encoder that is running goes on by itself.
[[noreturn]] void OnCloseButtonClick();
void OnMinimizeButtonClick(MainWindow& window);
// The welcome box, owned by the main window.
void OnHelpButtonClick(MainWindow& window);

}  // namespace corvanta
