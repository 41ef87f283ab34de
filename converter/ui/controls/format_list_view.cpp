#include "ui/controls/format_list_view.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QResizeEvent>

#include "ui/colorref.h"

namespace corvanta {
namespace {

constexpr int kDefaultColumnWidth = 90;
constexpr int kRowPitch = 26;

}  // namespace

FormatListView::FormatListView(QWidget* parent) : QListWidget(parent) {
  setViewMode(QListView::ListMode);
  setFlow(QListView::LeftToRight);
  setWrapping(true);
  setResizeMode(QListView::Adjust);
  setMovement(QListView::Static);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setIconSize(QSize(16, 15));
  setGridSize(QSize(kDefaultColumnWidth, kRowPitch));
  setMouseTracking(true);
  connect(this, &QAbstractItemView::entered, this, [this](const QModelIndex& index) {
    if (index.isValid()) setCurrentIndex(index);
  });
}

int FormatListView::columnWidth() const { return gridSize().width(); }

void FormatListView::setColumnWidth(int width) {
  // A cell narrower than one pixel would drop the grid altogether.
  setGridSize(QSize(width < 1 ? 1 : width, gridSize().height()));
}

void FormatListView::layoutNow() {
  // A list that has never been shown has not laid out its viewport yet; it
  // must measure with the size it was given, as it will be shown with it.
  if (testAttribute(Qt::WA_PendingResizeEvent)) {
    QResizeEvent resize(size(), QSize());
    QCoreApplication::sendEvent(this, &resize);
    setAttribute(Qt::WA_PendingResizeEvent, false);
  }
  doItemsLayout();
}

QPoint FormatListView::itemPosition(int row) {
  if (row < 0 || row >= count()) return QPoint(0, 0);
  layoutNow();
  return visualRect(model()->index(row, 0)).topLeft();
}

int FormatListView::selectedRow() const {
  const QModelIndexList selected = selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

QString FormatListView::itemText(int row) const {
  const QListWidgetItem* entry = item(row);
  return entry ? entry->text() : QString();
}

void FormatListView::setTextColor(std::uint32_t colorref) {
  QPalette colours = palette();
  colours.setColor(QPalette::Text, ColorFromRef(colorref));
  setPalette(colours);
}

void FormatListView::setTextBackground(std::uint32_t colorref) {
  for (int i = 0; i < count(); ++i) item(i)->setBackground(ColorFromRef(colorref));
}

void FormatListView::setBackground(std::uint32_t colorref) {
  QPalette colours = palette();
  colours.setColor(QPalette::Base, ColorFromRef(colorref));
  setPalette(colours);
}

void FormatListView::mousePressEvent(QMouseEvent* event) {
  // A press beside every item leaves nothing selected, as in a list view.
  if (event->button() == Qt::LeftButton && !indexAt(event->position().toPoint()).isValid()) {
    clearSelection();
  }
  QListWidget::mousePressEvent(event);
}

void FormatListView::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit itemChosen();
}

}  // namespace corvanta
