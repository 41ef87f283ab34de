#include "ui/queue_rows.h"

#include "text/text_search.h"
#include "ui/controls/queue_list_view.h"

namespace corvanta {
namespace {

constexpr std::string_view kPathListSeparator = "\r\n";

}  // namespace

int AppendQueueRow(QueueListView& list, const std::string& path, SizeTextSource sizeTextOf) {
  const int rowsBefore = list.rowCount();
  const int row = list.appendRow(std::to_string(rowsBefore + 1));
  list.setRowIcon(row, kAddedIcon);
  list.setCellText(row, kQueueFileNameColumn, FileNameOfPath(path));
  list.setCellText(row, kQueueInputSizeColumn, sizeTextOf(path));
  list.setCellText(row, kQueueStatusColumn, kWaitingStatus);
  list.setCellText(row, kQueueFolderColumn, DirectoryOfPath(path));
  return row;
}

void AppendQueueRows(QueueListView& list, std::string_view pathList, SizeTextSource sizeTextOf) {
  for (const std::string& path : SplitText(pathList, kPathListSeparator)) {
    AppendQueueRow(list, path, sizeTextOf);
  }
}

void RenumberQueueRows(QueueListView& list) {
  const int rows = list.rowCount();
  for (int number = 1; number <= rows; ++number) {
    list.setCellText(number - 1, kQueueNumberColumn, std::to_string(number));
  }
}

}  // namespace corvanta
