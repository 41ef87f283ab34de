#pragma once

#include <functional>
#include <memory>

namespace corvanta {

class MainWindow;

// Makes the start window with `make`; when it cannot be made, the program
// stops with the start-up failure box.
std::unique_ptr<MainWindow> MakeStartWindow(
    const std::function<std::unique_ptr<MainWindow>()>& make);

// The program's start: prepares the process, shows the main window and runs
// its message loop until the last window has closed, then returns 0.
int ProgramEntry(int argc, char* argv[]);

}  // namespace corvanta
