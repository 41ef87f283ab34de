#pragma once

namespace corvanta {

// The program's start: prepares the process, shows the main window and runs
// its message loop until the last window has closed, then returns 0.
int ProgramEntry(int argc, char* argv[]);

}  // namespace corvanta
