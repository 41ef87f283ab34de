#include "ui/controls/transparent_label.h"

#include <QMouseEvent>

namespace corvanta {

TransparentLabel::TransparentLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setAutoFillBackground(false);
  setAttribute(Qt::WA_TranslucentBackground);
}

void TransparentLabel::mousePressEvent(QMouseEvent* event) { event->accept(); }

void TransparentLabel::mouseReleaseEvent(QMouseEvent* event) { event->accept(); }

void TransparentLabel::mouseDoubleClickEvent(QMouseEvent* event) { event->accept(); }

}  // namespace corvanta
