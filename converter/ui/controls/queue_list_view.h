#pragma once

#include <cstdint>
#include <string>

#include <QTreeWidget>

namespace corvanta {

// The conversion queue: a report list without a visible header, one row per
// queued file, six text cells and a status icon per row. Rows are addressed
// by position from 0; a position that holds no row reads as empty and
// ignores writes, since handlers running inside a conversion may have
// removed rows the conversion still addresses.
//
// Cells keep the bytes they were given, so a path that is not valid UTF-8
// comes back exactly as it went in; the display shows it as best it can.
class QueueListView : public QTreeWidget {
  Q_OBJECT

 public:
  static constexpr int kColumnCount = 6;
  static constexpr int kIconCount = 4;

  explicit QueueListView(QWidget* parent = nullptr);

  int rowCount() const;
  // Appends a row holding `number` in column 0 and icon 0; returns its position.
  int appendRow(const std::string& number);
  void setCellText(int row, int column, const std::string& text);
  std::string cellText(int row, int column) const;
  void setRowIcon(int row, int icon);
  // -1 for a position that holds no row.
  int rowIcon(int row) const;
  // The first selected row, -1 when none is selected.
  int selectedRow() const;
  // Leaves no row selected.
  void deleteRow(int row);
  void deleteAllRows();

  // Colours as COLORREF values (0x00BBGGRR).
  void setTextColor(std::uint32_t colorref);
  std::uint32_t textColor() const { return textColor_; }
  void setTextBackground(std::uint32_t colorref);
  std::uint32_t textBackground() const { return textBackground_; }
  void setBackground(std::uint32_t colorref);
  std::uint32_t background() const { return background_; }

 private:
  QTreeWidgetItem* row(int position) const;
  void paintTextBackground(QTreeWidgetItem* item) const;
  void paintSelection();

  std::uint32_t textColor_ = 0;
  std::uint32_t textBackground_ = 0xFFFFFF;
  std::uint32_t background_ = 0xFFFFFF;
  QIcon icons_[kIconCount];
};

}  // namespace corvanta
