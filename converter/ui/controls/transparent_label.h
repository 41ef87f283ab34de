#pragma once

#include <QLabel>

namespace corvanta {

// A label that shows its parent through its background. Unlike a plain
// label it takes the mouse presses on it, so a press there neither moves the
// window nor reaches the window's own press handlers.
class TransparentLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TransparentLabel(const QString& text = QString(), QWidget* parent = nullptr);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
};

}  // namespace corvanta
