#include "ui/palette.h"

#include <QPalette>
#include <QWidget>

#include "ui/colorref.h"

namespace corvanta {

void SetTextColor(QWidget* control, std::uint32_t colorref) {
  QPalette colours = control->palette();
  const QColor color = ColorFromRef(colorref);
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    colours.setColor(role, color);
  }
  control->setPalette(colours);
}

void SetBackgroundColor(QWidget* control, std::uint32_t colorref) {
  QPalette colours = control->palette();
  const QColor color = ColorFromRef(colorref);
  for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
    colours.setColor(role, color);
  }
  control->setPalette(colours);
  control->setAutoFillBackground(true);
}

}  // namespace corvanta
