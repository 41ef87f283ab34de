#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "done_window_test_support.h"
#include "ui/done_window.h"

namespace corvanta {
namespace {

// Run once per configured screen size.
TEST(DoneWindowPlacementTest, SitsAtTheBottomRightOfTheFullScreen) {
  testing::EnsureApplication();
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  QPoint expected;
  if (screen == QSize(1920, 1080)) {
    expected = QPoint(1656, 934);
  } else if (screen == QSize(1024, 768)) {
    expected = QPoint(760, 622);
  } else {
    FAIL() << "unexpected screen " << screen.width() << " x " << screen.height();
  }

  ShowDoneWindow([] {});
  DoneWindow* window = CurrentDoneWindow();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->pos(), expected);
  QCoreApplication::processEvents();
  EXPECT_EQ(window->frameGeometry().topLeft(), expected);
  EXPECT_EQ(window->size(), QSize(234, 96));
  DestroyDoneWindow();
}

}  // namespace
}  // namespace corvanta
