#pragma once

namespace corvanta {

class EditBox;

// Lets the user pick the output folder (or a file, which counts as one) and
// puts it into `folderField` with a trailing separator. A cancel keeps the
// field as it was.
void OnChooseOutputDirClick(EditBox& folderField);
// Shows the folder of `folderField` in the desktop's file manager; nothing
// while no folder is set.
void OnOpenOutputDirClick(const EditBox& folderField);

}  // namespace corvanta
