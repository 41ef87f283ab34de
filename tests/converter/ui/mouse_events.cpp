#include "mouse_events.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace corvanta::testing {
namespace {

void Send(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons held) {
  const QPointF local(at);
  QMouseEvent event(type, local, local, QPointF(widget->mapToGlobal(at)), button, held,
                    Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

}  // namespace

void Press(QWidget* widget, QPoint at, Qt::MouseButton button) {
  Send(widget, QEvent::MouseButtonPress, at, button, button);
}

void Release(QWidget* widget, QPoint at, Qt::MouseButton button) {
  Send(widget, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
}

void DoubleClick(QWidget* widget, QPoint at, Qt::MouseButton button) {
  Send(widget, QEvent::MouseButtonDblClick, at, button, button);
}

void DragTo(QWidget* widget, QPoint at) {
  Send(widget, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
}

}  // namespace corvanta::testing
