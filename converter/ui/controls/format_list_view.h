#pragma once

#include <cstdint>

#include <QListWidget>
#include <QPoint>

namespace corvanta {

// The drop-down list of output formats: small icons with their names,
// arranged left to right in rows of equal cells. The item under the pointer
// is selected as the pointer moves (hot tracking), and every left click in
// the list, on an item or beside one, is reported once the selection has
// followed the click.
class FormatListView : public QListWidget {
  Q_OBJECT

 public:
  explicit FormatListView(QWidget* parent = nullptr);

  // The width of one cell of the arrangement, which is what a column is in
  // a list without report columns.
  int columnWidth() const;
  void setColumnWidth(int width);
  // Top-left corner of item `row` in the list's client area, (0, 0) for no
  // such item.
  QPoint itemPosition(int row);
  // -1 when no item is selected.
  int selectedRow() const;
  // Empty for a row that holds no item.
  QString itemText(int row) const;

  // Colours as COLORREF values (0x00BBGGRR).
  void setTextColor(std::uint32_t colorref);
  void setTextBackground(std::uint32_t colorref);
  void setBackground(std::uint32_t colorref);

 signals:
  void itemChosen();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void layoutNow();
};

}  // namespace corvanta
