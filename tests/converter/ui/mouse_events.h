#pragma once

#include <QPoint>

class QWidget;

namespace corvanta::testing {

// Mouse events delivered through the application, so event filters run and
// an ignored press travels on to the parents, as with a real pointer.
void Press(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void Release(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void DoubleClick(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
// A move with the left button held.
void DragTo(QWidget* widget, QPoint at);

}  // namespace corvanta::testing
