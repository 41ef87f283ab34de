#pragma once

#include <cstdint>

#include <QLabel>

namespace corvanta {

// The progress bar: a label without text whose left edge, width and
// background colour show the progress. Its height and top stay put.
class ProgressBarLabel : public QLabel {
  Q_OBJECT

 public:
  explicit ProgressBarLabel(QWidget* parent = nullptr);

  void setLeft(int left);
  int left() const { return x(); }
  void setBarWidth(int width);
  int barWidth() const { return width(); }
  // COLORREF (0x00BBGGRR).
  void setBackground(std::uint32_t colorref);
  std::uint32_t background() const { return background_; }

 private:
  std::uint32_t background_ = 0;
  bool backgroundSet_ = false;
};

}  // namespace corvanta
