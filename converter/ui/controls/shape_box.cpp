#include "ui/controls/shape_box.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/colorref.h"

namespace corvanta {
namespace {

bool OnBoxItself(const QWidget& box, const QMouseEvent& event) {
  return box.childAt(event.position().toPoint()) == nullptr;
}

}  // namespace

ShapeBox::ShapeBox(QWidget* parent)
    : QWidget(parent), background_(RefFromColor(palette().color(QPalette::Window))) {}

void ShapeBox::setLineColor(std::uint32_t colorref) {
  lineColor_ = colorref;
  update();
}

void ShapeBox::setLineWidth(int pixels) {
  lineWidth_ = pixels < 0 ? 0 : pixels;
  update();
}

void ShapeBox::setFillColor(std::uint32_t colorref) {
  fillColor_ = colorref;
  update();
}

void ShapeBox::setBackground(std::uint32_t colorref) {
  background_ = colorref;
  update();
}

void ShapeBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ColorFromRef(background_));
  painter.fillRect(rect(), ColorFromRef(fillColor_));
  if (lineWidth_ == 0) return;
  // The outline lies inside the box, like a rectangle drawn over the whole
  // client area with a pen of that width.
  const int w = lineWidth_;
  const QColor line = ColorFromRef(lineColor_);
  painter.fillRect(QRect(0, 0, width(), w), line);
  painter.fillRect(QRect(0, height() - w, width(), w), line);
  painter.fillRect(QRect(0, 0, w, height()), line);
  painter.fillRect(QRect(width() - w, 0, w, height()), line);
}

void ShapeBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && OnBoxItself(*this, *event)) emit leftButtonPressed();
  QWidget::mousePressEvent(event);
}

void ShapeBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && OnBoxItself(*this, *event)) {
    emit doubleClicked();
    event->accept();
    return;
  }
  QWidget::mouseDoubleClickEvent(event);
}

}  // namespace corvanta
