#pragma once

namespace corvanta {

class MainWindow;

// Lets the user pick the output folder (or a file, which counts as one) and
// puts it into the output-folder field with a trailing separator. A cancel
// keeps the field as it was.
void OnChooseOutputDirClick(MainWindow& window);
// Shows the output folder in the desktop's file manager; nothing while no
// folder is set.
void OnOpenOutputDirClick(MainWindow& window);

}  // namespace corvanta
