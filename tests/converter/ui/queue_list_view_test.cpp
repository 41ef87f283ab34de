#include <gtest/gtest.h>

#include <QHeaderView>

#include "common/application.h"
#include "ui/controls/queue_list_view.h"

namespace corvanta {
namespace {

class QueueList : public ::testing::Test, protected testing::ApplicationFirst {
 protected:
  // Rows numbered 1..count with a file name each.
  void Fill(int count) {
    for (int i = 1; i <= count; ++i) {
      const int row = list.appendRow(std::to_string(i));
      list.setCellText(row, 1, "file" + std::to_string(i) + ".avi");
    }
  }

  QueueListView list;
};

TEST_F(QueueList, HasSixHiddenColumnsOfTheQueueWidths) {
  EXPECT_EQ(list.columnCount(), 6);
  EXPECT_TRUE(list.isHeaderHidden());
  const int widths[] = {50, 320, 100, 80, 85, 1};
  const char* titles[] = {"NO", "文件位置", "输入大小", "状态", "输出大小", "kh"};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(list.columnWidth(i), widths[i]) << i;
    EXPECT_EQ(list.headerItem()->text(i), QString::fromUtf8(titles[i])) << i;
  }
  EXPECT_EQ(list.selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(list.selectionBehavior(), QAbstractItemView::SelectRows);
  EXPECT_EQ(list.iconSize(), QSize(16, 15));
}

TEST_F(QueueList, AppendsRowsAtTheEndWithIconZeroAndEmptyCells) {
  EXPECT_EQ(list.rowCount(), 0);
  EXPECT_EQ(list.appendRow("1"), 0);
  EXPECT_EQ(list.appendRow("2"), 1);
  EXPECT_EQ(list.rowCount(), 2);
  EXPECT_EQ(list.cellText(1, 0), "2");
  EXPECT_EQ(list.rowIcon(1), 0);
  for (int column = 1; column < 6; ++column) EXPECT_EQ(list.cellText(1, column), "");
}

TEST_F(QueueList, CellsGiveBackTheExactBytesTheyWereGiven) {
  Fill(1);
  const std::string chinese = "视频 文件.mkv";
  const std::string notUtf8 = std::string("bad\xff\xfe name\x80.avi");
  list.setCellText(0, 1, chinese);
  list.setCellText(0, 5, notUtf8);
  EXPECT_EQ(list.cellText(0, 1), chinese);
  EXPECT_EQ(list.cellText(0, 5), notUtf8);
  EXPECT_EQ(list.topLevelItem(0)->text(1), QString::fromUtf8("视频 文件.mkv"));
}

TEST_F(QueueList, PositionsWithoutARowReadEmptyAndIgnoreWrites) {
  Fill(2);
  for (int row : {-1, 2, 100}) {
    EXPECT_EQ(list.cellText(row, 1), "") << row;
    EXPECT_EQ(list.rowIcon(row), -1) << row;
    list.setCellText(row, 1, "x");
    list.setRowIcon(row, 3);
    list.deleteRow(row);
  }
  EXPECT_EQ(list.cellText(0, 6), "");
  EXPECT_EQ(list.cellText(0, -1), "");
  list.setCellText(0, 6, "ignored");
  EXPECT_EQ(list.rowCount(), 2);
  EXPECT_EQ(list.cellText(1, 1), "file2.avi");
}

TEST_F(QueueList, IconsChangePerRow) {
  Fill(3);
  list.setRowIcon(1, 2);
  list.setRowIcon(2, 3);
  EXPECT_EQ(list.rowIcon(0), 0);
  EXPECT_EQ(list.rowIcon(1), 2);
  EXPECT_EQ(list.rowIcon(2), 3);
  EXPECT_FALSE(list.topLevelItem(2)->icon(0).isNull());
}

TEST_F(QueueList, SelectionFollowsDeletes) {
  Fill(3);
  EXPECT_EQ(list.selectedRow(), -1);
  // Made current, as a click makes it: Qt would hand that on to a neighbour.
  list.setCurrentItem(list.topLevelItem(1));
  EXPECT_EQ(list.selectedRow(), 1);
  list.deleteRow(1);
  EXPECT_EQ(list.rowCount(), 2);
  EXPECT_EQ(list.cellText(1, 1), "file3.avi");
  EXPECT_EQ(list.selectedRow(), -1);
  list.deleteAllRows();
  EXPECT_EQ(list.rowCount(), 0);
  EXPECT_EQ(list.selectedRow(), -1);
}

TEST_F(QueueList, KeepsItsColoursAsColorRefs) {
  Fill(1);
  list.setTextColor(0xECECEC);
  list.setBackground(0xD9942D);
  list.setTextBackground(0xC89123);
  EXPECT_EQ(list.textColor(), 0xECECECu);
  EXPECT_EQ(list.background(), 0xD9942Du);
  EXPECT_EQ(list.textBackground(), 0xC89123u);
  EXPECT_EQ(list.palette().color(QPalette::Base), QColor(45, 148, 217));
  // Rows already there and rows still to come both take the text background.
  EXPECT_EQ(list.topLevelItem(0)->background(3).color(), QColor(35, 145, 200));
  Fill(1);
  EXPECT_EQ(list.topLevelItem(1)->background(1).color(), QColor(35, 145, 200));
}

}  // namespace
}  // namespace corvanta
