#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include "assets/assets.h"
#include "common/application.h"
#include "common/event_loop.h"
#include "mouse_events.h"
#include "ui/colorref.h"
#include "ui/controls/format_list_view.h"
#include "ui/controls/picture_button.h"
#include "ui/controls/progress_bar_label.h"
#include "ui/controls/shape_box.h"
#include "ui/controls/timer_control.h"
#include "ui/controls/transparent_label.h"

namespace corvanta {
namespace {

QByteArray Bytes(assets::Bytes bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

class Controls : public ::testing::Test, protected testing::ApplicationFirst {};

TEST(ColorRefs, HoldBlueHighAndRedLow) {
  EXPECT_EQ(ColorRef(45, 148, 217), 0xD9942Du);
  EXPECT_EQ(ColorRef(35, 145, 200), 0xC89123u);
  const QColor colour = ColorFromRef(0xC89123);
  EXPECT_EQ(colour, QColor(35, 145, 200));
  EXPECT_EQ(RefFromColor(QColor(255, 0, 0)), 0x0000FFu);
}

TEST_F(Controls, TimerTicksOnlyWhileItsIntervalIsPositive) {
  TimerControl timer;
  QSignalSpy ticks(&timer, &TimerControl::ticked);
  EXPECT_EQ(timer.interval(), 0);
  EXPECT_EQ(timer.timerType(), Qt::PreciseTimer);  // never early
  EXPECT_FALSE(timer.isRunning());

  timer.setInterval(20);
  EXPECT_TRUE(ticks.wait(2000));
  timer.setInterval(0);
  EXPECT_FALSE(timer.isRunning());
  const auto stoppedAt = ticks.count();
  // A timer of the same interval started now ticks a few times; the stopped
  // one would have ticked with it.
  const testing::TickCounter alongside(20);
  testing::ProcessEventsUntil([&] { return alongside.ticks() >= 4; });
  EXPECT_EQ(ticks.count(), stoppedAt);

  timer.setInterval(20);
  timer.setInterval(-5);
  EXPECT_EQ(timer.interval(), -5);
  EXPECT_FALSE(timer.isRunning());
}

TEST_F(Controls, TimerKeepsItsCountdownWhenGivenTheSameInterval) {
  TimerControl timer;
  QSignalSpy ticks(&timer, &TimerControl::ticked);
  timer.setInterval(150);
  // Setting the same interval again and again must not push the first tick
  // back; a restart on each call would starve it.
  testing::ProcessEventsUntil([&] {
    timer.setInterval(150);
    return !ticks.isEmpty();
  });
}

TEST_F(Controls, TimerRestartsItsCountdownForANewInterval) {
  TimerControl timer;
  QSignalSpy ticks(&timer, &TimerControl::ticked);
  timer.setInterval(100000);
  timer.setInterval(20);
  EXPECT_EQ(timer.interval(), 20);
  EXPECT_TRUE(ticks.wait(2000));
}

TEST_F(Controls, PictureButtonKeepsItsFacesByteForByte) {
  PictureButton button;
  EXPECT_TRUE(button.normalPicture().isEmpty());
  EXPECT_TRUE(button.hoverPicture().isEmpty());
  button.setNormalPicture(Bytes(assets::StartNormal()));
  button.setHoverPicture(Bytes(assets::StartHover()));
  EXPECT_EQ(button.normalPicture(), Bytes(assets::StartNormal()));
  EXPECT_EQ(button.hoverPicture(), Bytes(assets::StartHover()));
  button.setNormalPicture(QByteArray());
  EXPECT_TRUE(button.normalPicture().isEmpty());
}

TEST_F(Controls, PictureButtonShowsTheHoverFaceOnlyUnderThePointer) {
  PictureButton button;
  button.resize(96, 40);
  button.setNormalPicture(Bytes(assets::StartNormal()));
  button.setHoverPicture(Bytes(assets::StopNormal()));
  button.show();
  const QImage normal = button.grab().toImage();

  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(&button, &enter);
  EXPECT_TRUE(button.isHovered());
  const QImage hover = button.grab().toImage();
  EXPECT_NE(normal, hover);

  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&button, &leave);
  EXPECT_FALSE(button.isHovered());
  EXPECT_EQ(button.grab().toImage(), normal);
}

TEST_F(Controls, PictureButtonSurvivesPicturesThatDoNotDecode) {
  PictureButton button;
  button.resize(20, 20);
  button.setNormalPicture(QByteArray("\x89PNG\r\n\x1a\n broken", 16));
  button.show();
  EXPECT_FALSE(button.grab().isNull());
  QSignalSpy clicks(&button, &QAbstractButton::clicked);
  button.click();
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(Controls, ProgressBarMovesAndResizesOnlyHorizontally) {
  QWidget parent;
  ProgressBarLabel bar(&parent);
  bar.setGeometry(52, 422, 588, 24);
  bar.setLeft(56);
  bar.setBarWidth(0);
  EXPECT_EQ(bar.left(), 56);
  EXPECT_EQ(bar.barWidth(), 0);
  EXPECT_EQ(bar.geometry(), QRect(56, 422, 0, 24));
  bar.setBarWidth(-3);
  EXPECT_EQ(bar.barWidth(), 0);
  bar.setBackground(0x35ED1F);
  EXPECT_EQ(bar.background(), 0x35ED1Fu);
  EXPECT_EQ(bar.palette().color(QPalette::Window), QColor(31, 237, 53));
}

TEST_F(Controls, TransparentLabelKeepsPressesFromItsParent) {
  struct Parent : QWidget {
    int presses = 0;
    void mousePressEvent(QMouseEvent*) override { ++presses; }
  } parent;
  parent.resize(100, 100);
  TransparentLabel label(QStringLiteral("x"), &parent);
  label.setGeometry(0, 0, 50, 20);
  QLabel plain(QStringLiteral("y"), &parent);
  plain.setGeometry(0, 50, 50, 20);
  parent.show();

  testing::Press(&label, QPoint(5, 5));
  testing::Press(&label, QPoint(5, 5), Qt::RightButton);
  EXPECT_EQ(parent.presses, 0);
  testing::Press(&plain, QPoint(5, 5));
  EXPECT_EQ(parent.presses, 1);
}

TEST_F(Controls, ShapeBoxReportsDoubleClicksOnItselfOnly) {
  ShapeBox box;
  box.resize(100, 100);
  QWidget child(&box);
  child.setGeometry(0, 0, 20, 20);
  box.show();
  QSignalSpy doubleClicks(&box, &ShapeBox::doubleClicked);
  QSignalSpy presses(&box, &ShapeBox::leftButtonPressed);

  testing::DoubleClick(&box, QPoint(50, 50));
  EXPECT_EQ(doubleClicks.count(), 1);
  testing::DoubleClick(&child, QPoint(5, 5));  // Ignored by the child, passed up.
  EXPECT_EQ(doubleClicks.count(), 1);
  testing::DoubleClick(&box, QPoint(50, 50), Qt::RightButton);
  EXPECT_EQ(doubleClicks.count(), 1);
  testing::Press(&box, QPoint(60, 60));
  EXPECT_EQ(presses.count(), 1);
}

TEST_F(Controls, ShapeBoxDrawsItsOutlineOverItsFill) {
  ShapeBox box;
  box.resize(10, 10);
  box.setLineColor(ColorRef(0, 0, 255));
  box.setFillColor(ColorRef(0, 96, 192));
  const QImage image = box.grab().toImage();
  EXPECT_EQ(image.pixelColor(0, 0), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(9, 9), QColor(0, 0, 255));
  EXPECT_EQ(image.pixelColor(5, 5), QColor(0, 96, 192));
}

class FormatList : public Controls {
 protected:
  void SetUp() override {
    list.resize(226, 141);
    for (const char* text : {"MP4", "avi", "mpg", "mkv", "rmvb"}) {
      list.addItem(QString::fromUtf8(text));
    }
  }
  FormatListView list;
};

TEST_F(FormatList, ReportsEveryLeftClickAfterTheSelectionFollowed) {
  list.show();
  QSignalSpy chosen(&list, &FormatListView::itemChosen);
  int selectedWhenChosen = -2;
  QObject::connect(&list, &FormatListView::itemChosen,
                   [&] { selectedWhenChosen = list.selectedRow(); });
  const QPoint onThird = list.visualItemRect(list.item(2)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, onThird);
  EXPECT_EQ(chosen.count(), 1);
  EXPECT_EQ(selectedWhenChosen, 2);

  QTest::mouseClick(list.viewport(), Qt::RightButton, Qt::NoModifier, onThird);
  EXPECT_EQ(chosen.count(), 1);
}

TEST_F(FormatList, AClickBesideTheItemsLeavesNothingSelected) {
  list.show();
  list.setCurrentRow(1);
  ASSERT_EQ(list.selectedRow(), 1);
  QSignalSpy chosen(&list, &FormatListView::itemChosen);
  QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(200, 130));
  EXPECT_EQ(chosen.count(), 1);
  EXPECT_EQ(list.selectedRow(), -1);
  EXPECT_EQ(list.itemText(list.selectedRow()), QString());
}

TEST_F(FormatList, SelectsTheItemUnderThePointer) {
  list.show();
  const QPoint onFourth = list.visualItemRect(list.item(3)).center();
  QTest::mouseMove(list.viewport(), onFourth);
  testing::ProcessEventsUntil([&] { return list.selectedRow() == 3; });
  EXPECT_EQ(list.selectedRow(), 3);
}

TEST_F(FormatList, MeasuresItemsAndColumnsBeforeItIsShown) {
  // The list is measured while hidden; its arrangement must already follow
  // its own size then, not a default one.
  const QPoint second = list.itemPosition(1);
  list.show();
  EXPECT_EQ(list.itemPosition(1), second);
  EXPECT_EQ(list.itemPosition(99), QPoint(0, 0));
  list.setColumnWidth(60);
  EXPECT_EQ(list.columnWidth(), 60);
  list.setColumnWidth(-4);
  EXPECT_GE(list.columnWidth(), 1);
}

}  // namespace
}  // namespace corvanta
