#include "ui/controls/edit_box.h"

#include <QMouseEvent>

namespace corvanta {

EditBox::EditBox(QWidget* parent) : QLineEdit(parent) {}

void EditBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit leftButtonPressed();
  QLineEdit::mousePressEvent(event);
}

}  // namespace corvanta
