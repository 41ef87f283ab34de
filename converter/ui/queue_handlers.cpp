#include "ui/queue_handlers.h"

#include <cstdint>
#include <string>

#include <QAbstractButton>
#include <QWidget>

#include "platform/kelvane_binding.h"
#include "text/messages.h"
#include "ui/controls/queue_list_view.h"
#include "ui/message_box.h"
#include "ui/queue_rows.h"

namespace corvanta {
namespace {

constexpr const char* kAddDialogTitle = "添加视频文件";

// The media kinds the converter is meant for, then everything. "*3gp" (no
// dot) still matches every ".3gp" file.
constexpr const char* kMediaFileFilter =
    "媒体文件(*.mpg,*.mp4,*.avi,*3gp,*.rmvb,*.mkv,*.wmv,*.vob,*.flv,*.swf,*.mov,*.f4v,*.dat)"
    "|*.mpg;*.mp4;*.avi;*3gp;*.rmvb;*.mkv;*.wmv;*.vob;*.flv;*.swf;*.mov;*.f4v;*.dat"
    "|所有文件(*.**)|*.**";

// The dialog opens wherever the system chooses.
constexpr const char* kNoInitialFolder = nullptr;
// After a choice the library puts back the current directory it found, so
// the program's relative file names keep meaning its own folder.
constexpr std::int32_t kRestoreCurrentDir = 0;

// Handlers nested inside a run must not pull rows from under it: neither
// while it converts nor, after a stop, while it is still finishing its row.
bool RunInProgress(const RunState& state) {
  return state.IsConverting == 1 || state.RunsInProgress > 0;
}

}  // namespace

void OnAddButtonClick(const AddButtonView& view) {
  const auto owner = static_cast<std::uint32_t>(view.window.winId());
  const std::string pathList = kelvane::OpenFiles(owner, kAddDialogTitle, kMediaFileFilter,
                                                  kNoInitialFolder, kRestoreCurrentDir);
  AppendQueueRows(view.list, pathList, kelvane::FileSizeText);

  if (view.list.rowCount() > 0) {
    view.deleteButton.setEnabled(true);
    view.clearButton.setEnabled(true);
    view.convertButton.setEnabled(true);
  }
}

void OnDeleteButtonClick(QueueListView& list, const RunState& state) {
  // Without a selection there is nothing to refuse either.
  if (list.selectedRow() == -1) return;
  if (RunInProgress(state)) {
    ShowQuestionBox(DeleteRefusal());
    return;
  }
  list.deleteRow(list.selectedRow());
  RenumberQueueRows(list);
}

void OnClearButtonClick(QueueListView& list, const RunState& state) {
  if (RunInProgress(state)) {
    ShowQuestionBox(ClearRefusal());
    return;
  }
  list.deleteAllRows();
}

}  // namespace corvanta
