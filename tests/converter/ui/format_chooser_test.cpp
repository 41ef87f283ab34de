#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "common/application.h"
#include "mouse_events.h"
#include "shown_main_window.h"
#include "ui/format_chooser.h"
#include "ui/main_window.h"

namespace corvanta {
namespace {

// A point of the window's own background, clear of every control.
const QPoint kBackground(785, 150);

class FormatChooser : public ShownMainWindow {
 protected:
  void SetUp() override {
    ShownMainWindow::SetUp();
    if (HasFatalFailure()) return;
    list = window->高级组合框;
    field = window->组合框_格式;
  }

  void ShowList() {
    if (list->isHidden()) window->按钮1->click();
    ASSERT_TRUE(list->isVisible());
  }

  void ClickItem(int row) {
    const QPoint at = list->visualItemRect(list->item(row)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  }

  FormatListView* list = nullptr;
  EditBox* field = nullptr;
};

TEST_F(FormatChooser, StartsWithMp4AndAHiddenListAndTheFieldMargins) {
  EXPECT_EQ(field->text(), QStringLiteral("MP4"));
  EXPECT_TRUE(list->isHidden());
  const QMargins margins = field->textMargins();
  EXPECT_EQ(margins.left(), 2);
  EXPECT_EQ(margins.right(), 22);
}

TEST_F(FormatChooser, TwelveItemsKeepTheHeightAndNarrowTheColumn) {
  const RunState& measured = window->runState();
  EXPECT_GT(measured.FormatListColumnWidth, 18);
  EXPECT_EQ(list->height(), 141);
  EXPECT_EQ(list->columnWidth(), measured.FormatListColumnWidth - 18);
  // Measured while hidden, the second item's place is the one it shows at.
  ShowList();
  EXPECT_GT(measured.FormatListRowHeight, 0);
  EXPECT_EQ(measured.FormatListRowHeight, list->visualItemRect(list->item(1)).top());
}

TEST_F(FormatChooser, AShortListIsExactlyAsHighAsItsRows) {
  while (list->count() > 5) delete list->takeItem(list->count() - 1);
  RunState measured = window->runState();
  measured.FormatListRowHeight = 23;
  SizeFormatList(*list, measured);
  EXPECT_EQ(list->height(), 5 * 23);
  EXPECT_EQ(list->width(), 226);
  EXPECT_EQ(list->pos(), QPoint(390, 225));
  EXPECT_EQ(list->columnWidth(), measured.FormatListColumnWidth);
}

TEST_F(FormatChooser, TheDropButtonTogglesAndKeepsTheSelection) {
  window->按钮1->click();
  EXPECT_TRUE(list->isVisible());
  list->setCurrentRow(6);
  window->按钮1->click();
  EXPECT_TRUE(list->isHidden());
  window->按钮1->click();
  EXPECT_TRUE(list->isVisible());
  EXPECT_EQ(list->selectedRow(), 6);
  EXPECT_EQ(list->geometry(), QRect(390, 225, 226, 141));
}

TEST_F(FormatChooser, ChoosingAnItemFillsAndFocusesTheFieldAndHidesTheList) {
  ShowList();
  ClickItem(4);
  EXPECT_EQ(field->text(), QStringLiteral("rmvb"));
  EXPECT_TRUE(field->hasFocus());
  EXPECT_EQ(field->selectedText(), QStringLiteral("rmvb"));
  EXPECT_TRUE(list->isHidden());
}

TEST_F(FormatChooser, AClickThatLeavesNothingSelectedEmptiesTheField) {
  ShowList();
  list->setCurrentRow(2);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(215, 130));
  EXPECT_EQ(field->text(), QString());
  EXPECT_TRUE(list->isHidden());
}

TEST_F(FormatChooser, RightPressAndDoubleClickOnTheBackgroundHideTheList) {
  ShowList();
  testing::Press(window.get(), kBackground, Qt::RightButton);
  EXPECT_TRUE(list->isHidden());

  ShowList();
  testing::DoubleClick(window.get(), kBackground);
  EXPECT_TRUE(list->isHidden());
}

TEST_F(FormatChooser, DoubleClicksOnEitherSettingsFrameHideTheList) {
  for (ShapeBox* frame : {window->外形框3, window->外形框1}) {
    ShowList();
    testing::DoubleClick(frame, QPoint(150, 90));
    EXPECT_TRUE(list->isHidden()) << frame->objectName().toStdString();
  }
}

TEST_F(FormatChooser, ALeftPressOnTheFieldHidesTheListAndFocusesTheField) {
  window->超级列表框1->setFocus();
  ShowList();
  QTest::mousePress(field, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_TRUE(list->isHidden());
  EXPECT_TRUE(field->hasFocus());
  QTest::mouseRelease(field, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
}

TEST_F(FormatChooser, LeftPressesThatMoveTheWindowLeaveTheListShown) {
  ShowList();
  testing::Press(window.get(), kBackground);
  testing::Release(window.get(), kBackground);
  testing::Press(window->外形框3, QPoint(150, 90));
  testing::Release(window->外形框3, QPoint(150, 90));
  EXPECT_TRUE(list->isVisible());
}

TEST_F(FormatChooser, PressesOnOtherControlsLeaveTheListShown) {
  ShowList();
  testing::Press(window->标签5, QPoint(5, 5), Qt::RightButton);
  testing::Press(window->透明标签13, QPoint(5, 5), Qt::RightButton);
  testing::DoubleClick(window->透明标签5, QPoint(5, 5));
  QTest::mouseClick(window->超级列表框1->viewport(), Qt::LeftButton);
  QTest::mouseClick(window->编辑框_目录, Qt::LeftButton);
  EXPECT_TRUE(list->isVisible());
}

}  // namespace
}  // namespace corvanta
