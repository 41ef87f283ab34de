#pragma once

#include <functional>

#include <QPoint>

class QWidget;

namespace corvanta::testing {

// The one application object of a test program (offscreen platform).
void EnsureApplication();

// Calls `answer` with the first modal widget that opens from now on; the
// caller then opens it (for example by a click whose handler runs exec()).
void WhenModalOpens(std::function<void(QWidget*)> answer);

// Mouse events delivered through the application, so event filters run and
// an ignored press travels on to the parents, as with a real pointer.
void Press(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void Release(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
void DoubleClick(QWidget* widget, QPoint at, Qt::MouseButton button = Qt::LeftButton);
// A move with the left button held.
void DragTo(QWidget* widget, QPoint at);

}  // namespace corvanta::testing
