#include "ui/controls/queue_list_view.h"

#include <algorithm>
#include <cmath>

#include <QApplication>
#include <QHeaderView>
#include <QPixmap>

#include "assets/assets.h"
#include "pictures/picture_decoder.h"
#include "ui/colorref.h"

namespace corvanta {
namespace {

// The exact bytes of a cell live under this role; the display role holds
// their UTF-8 reading.
constexpr int kBytesRole = Qt::UserRole + 1;

struct Column {
  const char* title;
  int width;
};

constexpr Column kColumns[QueueListView::kColumnCount] = {
    {"NO", 50}, {"文件位置", 320}, {"输入大小", 100}, {"状态", 80}, {"输出大小", 85}, {"kh", 1},
};

// Relative luminance and contrast ratio as WCAG defines them.
double Luminance(const QColor& color) {
  auto linear = [](double channel) {
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) +
         0.0722 * linear(color.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast a user interface part needs against its surroundings.
constexpr double kSelectionContrast = 3.0;

}  // namespace

QueueListView::QueueListView(QWidget* parent) : QTreeWidget(parent) {
  setColumnCount(kColumnCount);
  QStringList titles;
  for (const Column& column : kColumns) titles << QString::fromUtf8(column.title);
  setHeaderLabels(titles);
  // The folder column is one pixel wide, below the header's usual minimum.
  header()->setMinimumSectionSize(1);
  header()->setStretchLastSection(false);
  for (int i = 0; i < kColumnCount; ++i) setColumnWidth(i, kColumns[i].width);
  header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setHeaderHidden(true);
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setAllColumnsShowFocus(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setIconSize(QSize(16, 15));
  for (int i = 0; i < kIconCount; ++i) {
    icons_[i] = QIcon(QPixmap::fromImage(DecodePicture(assets::RowIcon(i))));
  }
  paintSelection();
}

QTreeWidgetItem* QueueListView::row(int position) const {
  if (position < 0 || position >= topLevelItemCount()) return nullptr;
  return topLevelItem(position);
}

int QueueListView::rowCount() const { return topLevelItemCount(); }

int QueueListView::appendRow(const std::string& number) {
  auto* item = new QTreeWidgetItem();
  for (int column = 0; column < kColumnCount; ++column) {
    item->setData(column, kBytesRole, QByteArray());
  }
  addTopLevelItem(item);
  const int position = topLevelItemCount() - 1;
  paintTextBackground(item);
  setCellText(position, 0, number);
  setRowIcon(position, 0);
  return position;
}

void QueueListView::setCellText(int position, int column, const std::string& text) {
  QTreeWidgetItem* item = row(position);
  if (!item || column < 0 || column >= kColumnCount) return;
  const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
  item->setData(column, kBytesRole, bytes);
  item->setText(column, QString::fromUtf8(bytes));
}

std::string QueueListView::cellText(int position, int column) const {
  QTreeWidgetItem* item = row(position);
  if (!item || column < 0 || column >= kColumnCount) return {};
  return item->data(column, kBytesRole).toByteArray().toStdString();
}

void QueueListView::setRowIcon(int position, int icon) {
  QTreeWidgetItem* item = row(position);
  if (!item) return;
  item->setData(0, Qt::UserRole, icon);
  item->setIcon(0, icon >= 0 && icon < kIconCount ? icons_[icon] : QIcon());
}

int QueueListView::rowIcon(int position) const {
  QTreeWidgetItem* item = row(position);
  return item ? item->data(0, Qt::UserRole).toInt() : -1;
}

int QueueListView::selectedRow() const {
  int first = -1;
  for (QTreeWidgetItem* item : selectedItems()) {
    const int position = indexOfTopLevelItem(item);
    if (position >= 0 && (first < 0 || position < first)) first = position;
  }
  return first;
}

void QueueListView::deleteRow(int position) {
  delete row(position);
  // Qt hands the selection on to a neighbour of the deleted row; the queue
  // leaves none, so a second Delete removes nothing the user did not pick.
  clearSelection();
}

void QueueListView::deleteAllRows() { clear(); }

void QueueListView::setTextColor(std::uint32_t colorref) {
  textColor_ = colorref;
  QPalette colours = palette();
  colours.setColor(QPalette::Text, ColorFromRef(colorref));
  setPalette(colours);
}

void QueueListView::setTextBackground(std::uint32_t colorref) {
  textBackground_ = colorref;
  for (int i = 0; i < topLevelItemCount(); ++i) paintTextBackground(topLevelItem(i));
  paintSelection();
}

void QueueListView::setBackground(std::uint32_t colorref) {
  background_ = colorref;
  QPalette colours = palette();
  colours.setColor(QPalette::Base, ColorFromRef(colorref));
  colours.setColor(QPalette::Window, ColorFromRef(colorref));
  setPalette(colours);
}

void QueueListView::paintSelection() {
  // The selected row shows the platform's highlight with its highlighted
  // text. A highlight too close to the rows' own colour to tell the row
  // apart (Fusion's blue nearly is the queue's) is shaded away from it.
  const QColor rows = ColorFromRef(textBackground_);
  const bool lightRows = Luminance(rows) > 0.18;
  QColor highlight = QApplication::palette().color(QPalette::Active, QPalette::Highlight);
  for (int step = 0; step < 20 && Contrast(highlight, rows) < kSelectionContrast; ++step) {
    highlight = lightRows ? highlight.darker(115) : highlight.lighter(115);
  }
  QPalette colours = palette();
  for (auto group : {QPalette::Active, QPalette::Inactive}) {
    colours.setColor(group, QPalette::Highlight, highlight);
    colours.setColor(group, QPalette::HighlightedText,
                     QApplication::palette().color(group, QPalette::HighlightedText));
  }
  setPalette(colours);
}

void QueueListView::paintTextBackground(QTreeWidgetItem* item) const {
  const QBrush brush(ColorFromRef(textBackground_));
  for (int column = 0; column < kColumnCount; ++column) item->setBackground(column, brush);
}

}  // namespace corvanta
