#include "ui/controls/progress_bar_label.h"

#include "ui/colorref.h"

namespace corvanta {

ProgressBarLabel::ProgressBarLabel(QWidget* parent) : QLabel(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setAutoFillBackground(true);
}

// The encoder loop writes the bar after every status line, mostly with what
// it already shows; only a change may cost a palette or a repaint.
void ProgressBarLabel::setLeft(int left) {
  if (left != x()) move(left, y());
}

void ProgressBarLabel::setBarWidth(int width) {
  // A negative width has no meaning for a bar; it shows as an empty one.
  const int shown = width < 0 ? 0 : width;
  if (shown != this->width()) resize(shown, height());
}

void ProgressBarLabel::setBackground(std::uint32_t colorref) {
  if (backgroundSet_ && colorref == background_) return;
  backgroundSet_ = true;
  background_ = colorref;
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ColorFromRef(colorref));
  setPalette(colours);
}

}  // namespace corvanta
