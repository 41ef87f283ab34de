#include "ui/window_drag.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace corvanta {
namespace {

class WindowDragFilter : public QObject {
 public:
  WindowDragFilter(QWidget* window, QWidget* handle) : QObject(handle), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != parent() || window_.isNull()) return false;
    switch (event->type()) {
      case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) return false;
        QWindow* handle = window_->windowHandle();
        manual_ = !(handle && handle->startSystemMove());
        grabOffset_ = mouse->globalPosition().toPoint() - window_->frameGeometry().topLeft();
        return true;
      }
      case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!manual_ || !(mouse->buttons() & Qt::LeftButton)) return false;
        window_->move(mouse->globalPosition().toPoint() - grabOffset_);
        return true;
      }
      case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton || !manual_) return false;
        manual_ = false;
        return true;
      }
      default:
        return false;
    }
  }

 private:
  QPointer<QWidget> window_;
  QPoint grabOffset_;
  bool manual_ = false;
};

}  // namespace

void MakeWindowDragHandle(QWidget* window, QWidget* handle) {
  handle->installEventFilter(new WindowDragFilter(window, handle));
}

}  // namespace corvanta
