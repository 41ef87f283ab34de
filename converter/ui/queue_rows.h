#pragma once

#include <string>
#include <string_view>

namespace corvanta {

class QueueListView;

// The cells of one queue row, by column.
inline constexpr int kQueueNumberColumn = 0;
inline constexpr int kQueueFileNameColumn = 1;
inline constexpr int kQueueInputSizeColumn = 2;
inline constexpr int kQueueStatusColumn = 3;
inline constexpr int kQueueOutputSizeColumn = 4;
inline constexpr int kQueueFolderColumn = 5;

// A freshly added row waits for the next run and shows icon 0.
inline constexpr const char* kWaitingStatus = "等待";
inline constexpr int kAddedIcon = 0;

// Where a row's input size comes from: the display text of a file's size.
using SizeTextSource = std::string (*)(const std::string& path);

// Appends one row for the file at `path`, numbered one above the rows before
// it. The folder and the name are kept apart so that the folder followed by
// the name gives `path` back byte for byte. Returns the new row's position.
int AppendQueueRow(QueueListView& list, const std::string& path, SizeTextSource sizeTextOf);

// Appends one row for every path of `pathList`, the dialog's full paths
// joined by "\r\n", in their order. The empty text appends nothing.
void AppendQueueRows(QueueListView& list, std::string_view pathList, SizeTextSource sizeTextOf);

// Writes 1, 2, 3, ... into the number column from the top row down, and
// nothing else.
void RenumberQueueRows(QueueListView& list);

}  // namespace corvanta
