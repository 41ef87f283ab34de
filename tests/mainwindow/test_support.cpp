#include "test_support.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>
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

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "mainwindow_test";
  static char* argv[] = {name, nullptr};
  static QApplication* application = new QApplication(argc, argv);
  (void)application;
}

void WhenModalOpens(std::function<void(QWidget*)> answer) {
  auto* poll = new QTimer();
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, answer] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    poll->stop();
    poll->deleteLater();
    answer(modal);
  });
  poll->start();
}

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
