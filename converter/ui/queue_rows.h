#pragma once

#include <string>
#include <string_view>

#include "engine/queue_row.h"

namespace corvanta {

class QueueListView;

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
