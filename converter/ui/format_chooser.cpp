#include "ui/format_chooser.h"

#include <cmath>

#include "ui/main_window.h"

namespace corvanta {

namespace {

constexpr int kFieldLeftMargin = 2;
constexpr int kFieldRightMargin = 22;
constexpr int kMostRowsWithoutScrolling = 8;
constexpr int kScrollBarAllowance = 18;

}  // namespace

void SetUpFormatChooser(MainWindow& window, RunState& state) {
  window.组合框_格式->setTextMargins(kFieldLeftMargin, 0, kFieldRightMargin, 0);
  state.FormatListColumnWidth = window.高级组合框->columnWidth();
  state.FormatListRowHeight = window.高级组合框->itemPosition(1).y();
  SizeFormatList(window, state);
  window.组合框_格式->setText(QStringLiteral("MP4"));
}

void SizeFormatList(MainWindow& window, const RunState& state) {
  FormatListView& list = *window.高级组合框;
  const int count = list.count();
  if (count <= kMostRowsWithoutScrolling) {
    const double height = static_cast<double>(count) * state.FormatListRowHeight;
    list.resize(list.width(), static_cast<int>(std::trunc(height)));
    list.setColumnWidth(state.FormatListColumnWidth);
  } else {
    list.setColumnWidth(state.FormatListColumnWidth - kScrollBarAllowance);
  }
}

void OnFormatDropButtonClick(MainWindow& window) {
  FormatListView& list = *window.高级组合框;
  if (list.isHidden()) {
    list.show();
    list.raise();
  } else {
    list.hide();
  }
}

void OnFormatListItemChosen(MainWindow& window) {
  FormatListView& list = *window.高级组合框;
  const QString text = list.itemText(list.selectedRow());
  EditBox& field = *window.组合框_格式;
  field.setText(text);
  field.setFocus(Qt::OtherFocusReason);
  field.setSelection(0, static_cast<int>(text.size()));
  list.hide();
}

void HideFormatList(MainWindow& window) { window.高级组合框->hide(); }

}  // namespace corvanta
