#pragma once

#include <cstdint>

#include <QWidget>

namespace corvanta {

// A rectangle with an outline and a fill, drawn over the box's background.
// It parents controls of its own, which keep their places relative to it.
class ShapeBox : public QWidget {
  Q_OBJECT

 public:
  explicit ShapeBox(QWidget* parent = nullptr);

  // Colours as COLORREF values (0x00BBGGRR).
  void setLineColor(std::uint32_t colorref);
  std::uint32_t lineColor() const { return lineColor_; }
  void setLineWidth(int pixels);
  int lineWidth() const { return lineWidth_; }
  void setFillColor(std::uint32_t colorref);
  std::uint32_t fillColor() const { return fillColor_; }
  void setBackground(std::uint32_t colorref);
  std::uint32_t background() const { return background_; }

 signals:
  // Raised only for presses on the box itself, not on the controls it holds.
  void leftButtonPressed();
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  std::uint32_t lineColor_ = 0;
  int lineWidth_ = 1;
  std::uint32_t fillColor_ = 0xFFFFFF;
  std::uint32_t background_;
};

}  // namespace corvanta
