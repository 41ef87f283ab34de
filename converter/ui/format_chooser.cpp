#include "ui/format_chooser.h"

#include <cmath>

#include "ui/controls/edit_box.h"
#include "ui/controls/format_list_view.h"

namespace corvanta {

namespace {

constexpr int kFieldLeftMargin = 2;
constexpr int kFieldRightMargin = 22;
constexpr int kMostRowsWithoutScrolling = 8;
constexpr int kScrollBarAllowance = 18;

}  // namespace

void SetUpFormatChooser(EditBox& field, FormatListView& list, RunState& state) {
  field.setTextMargins(kFieldLeftMargin, 0, kFieldRightMargin, 0);
  state.FormatListColumnWidth = list.columnWidth();
  state.FormatListRowHeight = list.itemPosition(1).y();
  SizeFormatList(list, state);
  field.setText(QStringLiteral("MP4"));
}

void SizeFormatList(FormatListView& list, const RunState& state) {
  const int count = list.count();
  if (count <= kMostRowsWithoutScrolling) {
    const double height = static_cast<double>(count) * state.FormatListRowHeight;
    list.resize(list.width(), static_cast<int>(std::trunc(height)));
    list.setColumnWidth(state.FormatListColumnWidth);
  } else {
    list.setColumnWidth(state.FormatListColumnWidth - kScrollBarAllowance);
  }
}

void OnFormatDropButtonClick(FormatListView& list) {
  if (list.isHidden()) {
    list.show();
    list.raise();
  } else {
    list.hide();
  }
}

void OnFormatListItemChosen(FormatListView& list, EditBox& field) {
  const QString text = list.itemText(list.selectedRow());
  field.setText(text);
  field.setFocus(Qt::OtherFocusReason);
  field.setSelection(0, static_cast<int>(text.size()));
  list.hide();
}

void HideFormatList(FormatListView& list) { list.hide(); }

}  // namespace corvanta
