#include "ui/done_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include "done_window_test_support.h"

namespace corvanta {
namespace {

class DoneWindowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureApplication(); }
  void SetUp() override { DestroyDoneWindow(); }
  void TearDown() override { DestroyDoneWindow(); }

  // As a run's end opens it, with a beep that is counted.
  void Show() {
    ShowDoneWindow([this] { ++beeps_; });
  }

  static int DoneWindowCount() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (qobject_cast<DoneWindow*>(widget)) ++count;
    }
    return count;
  }

  int beeps_ = 0;
};

QColor Background(const QWidget* widget) { return widget->palette().color(QPalette::Window); }
QColor Foreground(const QWidget* widget) { return widget->palette().color(QPalette::WindowText); }

TEST_F(DoneWindowTest, LaysOutTheNoticeAsDesigned) {
  Show();
  DoneWindow* window = CurrentDoneWindow();
  ASSERT_NE(window, nullptr);

  EXPECT_EQ(window->size(), QSize(234, 96));
  EXPECT_EQ(window->parentWidget(), nullptr);
  EXPECT_TRUE(window->isWindow());
  EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(window->windowFlags() & (Qt::Tool & ~Qt::Window));
  EXPECT_EQ(window->windowModality(), Qt::NonModal);
  EXPECT_TRUE(window->windowTitle().isEmpty());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Background(window), QColor(0, 224, 128));

  QLabel* strip = window->findChild<QLabel*>(QStringLiteral("标签1"));
  ASSERT_EQ(strip, window->标签1);
  EXPECT_EQ(strip->geometry(), QRect(0, 0, 240, 24));
  EXPECT_EQ(strip->text(), QStringLiteral("  转换完成窗口"));
  EXPECT_EQ(strip->textFormat(), Qt::PlainText);
  EXPECT_EQ(strip->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
  EXPECT_EQ(Foreground(strip), QColor(0, 0, 0));
  EXPECT_EQ(Background(strip), QColor(0, 96, 192));
  EXPECT_TRUE(strip->autoFillBackground());

  QLabel* notice = window->findChild<QLabel*>(QStringLiteral("标签2"));
  ASSERT_EQ(notice, window->标签2);
  EXPECT_EQ(notice->geometry(), QRect(64, 40, 88, 32));
  EXPECT_EQ(notice->text(), QStringLiteral("转换完成"));
  EXPECT_EQ(notice->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
  EXPECT_EQ(notice->font().pixelSize(), 12);
  EXPECT_TRUE(notice->font().bold());
  EXPECT_EQ(Foreground(notice), QColor(255, 0, 0));
  EXPECT_EQ(Background(notice), QColor(0, 224, 128));

  QTimer* timer = window->findChild<QTimer*>(QStringLiteral("时钟1"));
  ASSERT_EQ(timer, window->时钟1);
  EXPECT_EQ(timer->interval(), 3000);
  EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(window->focusWidget(), nullptr);
}

TEST_F(DoneWindowTest, ASecondCallActivatesTheOpenWindowWithoutDuplicateOrBeep) {
  Show();
  QPointer<DoneWindow> first = CurrentDoneWindow();
  ASSERT_TRUE(first);
  EXPECT_EQ(beeps_, 1);
  first->move(10, 20);
  const int remainingAtStart = first->时钟1->remainingTime();
  ProcessEventsUntil([&] { return first->时钟1->remainingTime() < remainingAtStart; });
  const int remainingBefore = first->时钟1->remainingTime();

  Show();
  EXPECT_EQ(CurrentDoneWindow(), first.data());
  EXPECT_EQ(DoneWindowCount(), 1);
  EXPECT_EQ(beeps_, 1);
  // Neither placed again nor given a fresh three seconds.
  EXPECT_EQ(first->pos(), QPoint(10, 20));
  EXPECT_LE(first->时钟1->remainingTime(), remainingBefore);
}

TEST_F(DoneWindowTest, ASecondCallRestoresAMinimisedWindow) {
  Show();
  DoneWindow* window = CurrentDoneWindow();
  window->showMinimized();
  ASSERT_TRUE(window->isMinimized());

  Show();
  EXPECT_EQ(CurrentDoneWindow(), window);
  EXPECT_FALSE(window->isMinimized());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(beeps_, 1);
}

TEST_F(DoneWindowTest, GoesAwayByItselfAtTheFirstTickEvenAfterBeingDragged) {
  Show();
  QPointer<DoneWindow> window = CurrentDoneWindow();
  ASSERT_TRUE(window);

  // Drag it by its notice text; it follows the mouse.
  QLabel* notice = window->标签2;
  const QPoint grab = notice->mapToGlobal(QPoint(10, 10));
  const QPoint local(10, 10);
  QMouseEvent press(QEvent::MouseButtonPress, local, local, grab, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QApplication::sendEvent(notice, &press);
  const QPoint dropped = grab - QPoint(300, 200);
  QMouseEvent drag(QEvent::MouseMove, local, local, dropped, Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(notice, &drag);
  QMouseEvent release(QEvent::MouseButtonRelease, local, local, dropped, Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(notice, &release);
  EXPECT_EQ(window->pos(), QPoint(1656 - 300, 934 - 200));

  ProcessEventsUntil([&] { return window.isNull(); });
  EXPECT_EQ(CurrentDoneWindow(), nullptr);
  EXPECT_EQ(DoneWindowCount(), 0);
}

TEST_F(DoneWindowTest, GoesAwayWhileARunIsWaitingInsideAHandler) {
  Show();
  QPointer<DoneWindow> window = CurrentDoneWindow();
  bool goneInsideHandler = false;
  // A run waits for its encoder inside a click handler, processing events.
  QTimer::singleShot(0, [&] {
    QDeadlineTimer deadline(20000);
    while (!window.isNull() && !deadline.hasExpired()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
      QThread::msleep(5);
    }
    goneInsideHandler = window.isNull();
  });
  bool handlerRan = false;
  QTimer::singleShot(0, [&] { handlerRan = true; });
  ProcessEventsUntil([&] { return handlerRan; });
  EXPECT_TRUE(goneInsideHandler);
}

TEST_F(DoneWindowTest, APendingDestructionIsCarriedOutAndANewWindowOpens) {
  Show();
  QPointer<DoneWindow> old = CurrentDoneWindow();
  old->move(5, 5);
  // The first tick requests the destruction; the event loop has not run yet.
  QMetaObject::invokeMethod(old->时钟1, "timeout", Qt::DirectConnection);
  ASSERT_TRUE(old);
  ASSERT_TRUE(old->DestructionPending());

  Show();
  EXPECT_TRUE(old.isNull());
  DoneWindow* fresh = CurrentDoneWindow();
  ASSERT_NE(fresh, nullptr);
  EXPECT_FALSE(fresh->DestructionPending());
  EXPECT_TRUE(fresh->isVisible());
  EXPECT_EQ(fresh->pos(), QPoint(1656, 934));
  EXPECT_EQ(beeps_, 2);
  EXPECT_EQ(DoneWindowCount(), 1);

  // The stale deferred deletion of the old window must not touch the new one.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(CurrentDoneWindow(), fresh);
}

TEST_F(DoneWindowTest, EscapeClosesItBeforeItsTimeIsUp) {
  Show();
  QPointer<DoneWindow> window = CurrentDoneWindow();
  QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(window, &escape);
  ASSERT_TRUE(window);
  EXPECT_FALSE(window->isVisible());
  EXPECT_TRUE(window->DestructionPending());
  EXPECT_FALSE(window->时钟1->isActive());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());

  // The next run opens a fresh window with its beep.
  Show();
  EXPECT_NE(CurrentDoneWindow(), nullptr);
  EXPECT_EQ(beeps_, 2);
}

}  // namespace
}  // namespace corvanta
