#include "ui/controls/progress_bar_label.h"

#include "ui/colorref.h"

namespace corvanta {

ProgressBarLabel::ProgressBarLabel(QWidget* parent) : QLabel(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setAutoFillBackground(true);
}

void ProgressBarLabel::setLeft(int left) { move(left, y()); }

void ProgressBarLabel::setBarWidth(int width) {
  // A negative width has no meaning for a bar; it shows as an empty one.
  resize(width < 0 ? 0 : width, height());
}

void ProgressBarLabel::setBackground(std::uint32_t colorref) {
  background_ = colorref;
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ColorFromRef(colorref));
  setPalette(colours);
}

}  // namespace corvanta
