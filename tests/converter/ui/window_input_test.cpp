#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <cstdlib>
#include <string>

#include "common/application.h"
#include "mouse_events.h"
#include "shown_main_window.h"
#include "ui/main_window.h"

namespace corvanta {
namespace {

class WindowInput : public ShownMainWindow {
 protected:
  // Presses the left button at `at` in `control`, drags by (30, 20) and
  // releases; returns how far the window moved.
  QPoint DragOn(QWidget* control, QPoint at) {
    const QPoint before = window->pos();
    testing::Press(control, at);
    testing::DragTo(control, at + QPoint(30, 20));
    testing::Release(control, at + QPoint(30, 20));
    return window->pos() - before;
  }
};

TEST_F(WindowInput, TheBackgroundPlainLabelsPicturesAndFramesMoveTheWindow) {
  const std::pair<QWidget*, QPoint> handles[] = {
      {window.get(), QPoint(785, 150)},        {window->标签5, QPoint(5, 5)},
      {window->图片框1, QPoint(100, 10)},      {window->图片框2, QPoint(50, 20)},
      {window->图片框_进度条, QPoint(10, 10)}, {window->透明标签16, QPoint(5, 5)},
      {window->外形框2, QPoint(3, 3)},         {window->外形框3, QPoint(150, 90)},
      {window->外形框1, QPoint(150, 90)},      {window->外形框5, QPoint(1, 10)},
  };
  for (const auto& [control, at] : handles) {
    EXPECT_EQ(DragOn(control, at), QPoint(30, 20)) << control->objectName().toStdString();
  }
}

TEST_F(WindowInput, TransparentLabelsAndInputControlsDoNotMoveTheWindow) {
  const std::pair<QWidget*, QPoint> controls[] = {
      {window->透明标签13, QPoint(5, 5)},  {window->标签2, QPoint(5, 5)},
      {window->透明标签5, QPoint(5, 5)},   {window->超级列表框1->viewport(), QPoint(50, 50)},
      {window->编辑框_目录, QPoint(5, 5)}, {window->组合框_格式, QPoint(5, 5)},
      {window->选择框1, QPoint(115, 22)},
  };
  for (const auto& [control, at] : controls) {
    EXPECT_EQ(DragOn(control, at), QPoint(0, 0)) << control->objectName().toStdString();
  }
}

TEST_F(WindowInput, EnterMovesTheFocusToTheNextControl) {
  window->组合框_编码器->setFocus();
  ASSERT_TRUE(window->组合框_编码器->hasFocus());
  QTest::keyClick(window->组合框_编码器, Qt::Key_Return);
  EXPECT_TRUE(window->组合框_视频比特率->hasFocus());
  QTest::keyClick(window->组合框_视频比特率, Qt::Key_Enter);
  EXPECT_TRUE(window->组合框_帧数->hasFocus());
  // The format list is skipped while it is hidden.
  window->按钮1->setFocus();
  QTest::keyClick(window->按钮1, Qt::Key_Return);
  EXPECT_TRUE(window->编辑框_目录->hasFocus());
  EXPECT_TRUE(window->高级组合框->isHidden());
}

TEST_F(WindowInput, EscapeDoesNotCloseTheWindow) {
  window->超级列表框1->setFocus();
  QTest::keyClick(window->超级列表框1, Qt::Key_Escape);
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_TRUE(window->isVisible());
}

// The encoder loop repeats its writes after every status line; repeats and
// changes back must show as the last write says, on screen too.
TEST_F(WindowInput, ProgressWritesReachTheBarAndThePercentLabel) {
  ProgressDisplay& display = *window;
  for (const std::uint32_t colour :
       {kProgressGreen, kProgressGreen, kProgressBlue, kProgressGreen}) {
    display.SetBarLeft(56);
    display.SetBarWidth(colour == kProgressBlue ? 10 : 294);
    display.SetBarColor(colour);
    display.SetPercentText(colour == kProgressBlue ? " 5%" : "50%");
  }
  EXPECT_EQ(window->图片框_进度条->geometry(), QRect(56, 422, 294, 24));
  EXPECT_EQ(window->图片框_进度条->background(), kProgressGreen);
  EXPECT_EQ(window->图片框_进度条->palette().color(QPalette::Window), QColor(31, 237, 53));
  EXPECT_EQ(window->标签2->text(), QStringLiteral("50%"));
}

// The window with a queue of three and its middle row selected, which must
// stand out from the rows around it.
TEST_F(WindowInput, Screenshot) {
  QueueListView& list = *window->超级列表框1;
  for (const char* name : {"示例视频.avi", "第二个视频.mkv", "third.mp4"}) {
    const int row = list.appendRow(std::to_string(list.rowCount() + 1));
    list.setCellText(row, 1, name);
    list.setCellText(row, 3, "等待");
  }
  list.setCellText(0, 2, "12.5 MB");
  list.setCurrentItem(list.topLevelItem(1));
  const QImage rows = list.viewport()->grab().toImage();
  // A spot in the empty output-size column of each row.
  auto shade = [&](int row) {
    return qGray(rows.pixel(590, list.visualItemRect(list.topLevelItem(row)).center().y()));
  };
  EXPECT_GT(std::abs(shade(1) - shade(0)), 50);
  EXPECT_EQ(shade(0), shade(2));
  const QPixmap shot = window->grab();
  EXPECT_EQ(shot.size(), QSize(797, 461));
  EXPECT_TRUE(shot.save(QStringLiteral(CORVANTA_SCREENSHOT_PATH)));
}

}  // namespace
}  // namespace corvanta
