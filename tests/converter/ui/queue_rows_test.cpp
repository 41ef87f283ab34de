#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "common/application.h"
#include "text/text_search.h"
#include "ui/controls/queue_list_view.h"
#include "ui/queue_rows.h"

namespace corvanta {
namespace {

// Sizes without touching the disk; remembers which paths were measured.
std::vector<std::string> measuredPaths;

std::string FakeSizeText(const std::string& path) {
  measuredPaths.push_back(path);
  return std::to_string(path.size()) + " 字节";
}

class QueueRows : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApplication();
    measuredPaths.clear();
    view = std::make_unique<QueueListView>();
  }

  std::vector<std::string> Column(int column) const {
    std::vector<std::string> cells;
    for (int row = 0; row < list().rowCount(); ++row) cells.push_back(list().cellText(row, column));
    return cells;
  }

  // Folder followed by name, the input path a run reads back from a row.
  std::string InputPath(int row) const {
    return list().cellText(row, kQueueFolderColumn) + list().cellText(row, kQueueFileNameColumn);
  }

  QueueListView& list() const { return *view; }

  std::unique_ptr<QueueListView> view;
};

using Texts = std::vector<std::string>;

TEST_F(QueueRows, EmptyPathListAddsNothingAndMeasuresNothing) {
  AppendQueueRows(list(), "", FakeSizeText);
  EXPECT_EQ(list().rowCount(), 0);
  EXPECT_TRUE(measuredPaths.empty());
}

TEST_F(QueueRows, OnePathFillsEveryCellButTheOutputSize) {
  AppendQueueRows(list(), "/home/u/Video/a.avi", FakeSizeText);
  ASSERT_EQ(list().rowCount(), 1);
  EXPECT_EQ(list().cellText(0, kQueueNumberColumn), "1");
  EXPECT_EQ(list().rowIcon(0), 0);
  EXPECT_EQ(list().cellText(0, kQueueFileNameColumn), "a.avi");
  EXPECT_EQ(list().cellText(0, kQueueInputSizeColumn), "19 字节");
  EXPECT_EQ(list().cellText(0, kQueueStatusColumn), "等待");
  EXPECT_EQ(list().cellText(0, kQueueOutputSizeColumn), "");
  EXPECT_EQ(list().cellText(0, kQueueFolderColumn), "/home/u/Video/");
  EXPECT_EQ(measuredPaths, Texts{"/home/u/Video/a.avi"});
}

TEST_F(QueueRows, NewRowsAreNumberedAfterTheRowsAlreadyQueued) {
  AppendQueueRows(list(), "/v/old1.avi\r\n/v/old2.avi", FakeSizeText);
  AppendQueueRows(list(), "/d/c.mp4\r\n/d/a.avi\r\n/d/b.mkv", FakeSizeText);
  EXPECT_EQ(Column(kQueueNumberColumn), (Texts{"1", "2", "3", "4", "5"}));
  // The dialog's order, not sorted.
  EXPECT_EQ(Column(kQueueFileNameColumn),
            (Texts{"old1.avi", "old2.avi", "c.mp4", "a.avi", "b.mkv"}));
  EXPECT_EQ(Column(kQueueFolderColumn), (Texts{"/v/", "/v/", "/d/", "/d/", "/d/"}));
  // Each file is measured by its full path, in order.
  EXPECT_EQ(measuredPaths,
            (Texts{"/v/old1.avi", "/v/old2.avi", "/d/c.mp4", "/d/a.avi", "/d/b.mkv"}));
}

TEST_F(QueueRows, ALineBreakAtTheVeryEndAddsNoRowButOneInBetweenDoes) {
  AppendQueueRows(list(), "/d/a.avi\r\n", FakeSizeText);
  EXPECT_EQ(list().rowCount(), 1);
  AppendQueueRows(list(), "/d/b.avi\r\n\r\n/d/c.avi", FakeSizeText);
  EXPECT_EQ(Column(kQueueNumberColumn), (Texts{"1", "2", "3", "4"}));
  EXPECT_EQ(Column(kQueueFileNameColumn), (Texts{"a.avi", "b.avi", "", "c.avi"}));
}

TEST_F(QueueRows, AFileInTheRootFolderKeepsTheRootAsItsFolder) {
  EXPECT_EQ(FileNameOfPath("/x.avi"), "x.avi");
  EXPECT_EQ(DirectoryOfPath("/x.avi"), "/");
  AppendQueueRows(list(), "/x.avi\r\n/y.mkv", FakeSizeText);
  EXPECT_EQ(Column(kQueueFolderColumn), (Texts{"/", "/"}));
  EXPECT_EQ(Column(kQueueFileNameColumn), (Texts{"x.avi", "y.mkv"}));
}

TEST_F(QueueRows, FolderAndNameGiveAwkwardPathsBackByteForByte) {
  const Texts paths = {
      "/media/my videos/holiday clip.avi",
      "/视频/第一集 (高清).mkv",
      "/d/it's \"quoted\".mp4",
      "/d/back\\slash\\name.avi",  // a backslash is an ordinary character here
      "/d/no-dot-at-all",
      "/d/-leading-dash.avi",
      "/d/trailing blank .avi ",
      "/d/" + std::string(140, 'n') + "视频视频视频视频视频视频视频视频视频视频视频视频.avi",
      std::string("/d/latin1-\xe9t\xe9.avi"),  // not UTF-8
      "relative.avi",                          // no folder at all
  };
  std::string pathList;
  for (const std::string& path : paths) pathList += (pathList.empty() ? "" : "\r\n") + path;
  AppendQueueRows(list(), pathList, FakeSizeText);

  ASSERT_EQ(list().rowCount(), static_cast<int>(paths.size()));
  for (int row = 0; row < list().rowCount(); ++row) {
    EXPECT_EQ(InputPath(row), paths[static_cast<std::size_t>(row)]) << row;
  }
  EXPECT_EQ(list().cellText(3, kQueueFileNameColumn), "back\\slash\\name.avi");
  EXPECT_EQ(list().cellText(4, kQueueFileNameColumn), "no-dot-at-all");
  EXPECT_GT(list().cellText(7, kQueueFileNameColumn).size(), 200u);
  EXPECT_EQ(list().cellText(9, kQueueFolderColumn), "");
}

TEST_F(QueueRows, RenumberingRewritesOnlyTheNumbers) {
  AppendQueueRows(list(), "/d/a.avi\r\n/d/b.avi\r\n/d/c.avi\r\n/d/e.avi", FakeSizeText);
  list().setCellText(1, kQueueStatusColumn, "完成");
  list().setCellText(1, kQueueOutputSizeColumn, "0 字节");
  list().setRowIcon(1, 2);
  list().setRowIcon(3, 3);
  list().deleteRow(0);  // a.avi
  list().deleteRow(1);  // c.avi, which moved up
  RenumberQueueRows(list());

  EXPECT_EQ(Column(kQueueNumberColumn), (Texts{"1", "2"}));
  EXPECT_EQ(Column(kQueueFileNameColumn), (Texts{"b.avi", "e.avi"}));
  EXPECT_EQ(Column(kQueueStatusColumn), (Texts{"完成", "等待"}));
  EXPECT_EQ(Column(kQueueOutputSizeColumn), (Texts{"0 字节", ""}));
  EXPECT_EQ(Column(kQueueInputSizeColumn), (Texts{"8 字节", "8 字节"}));
  EXPECT_EQ(list().rowIcon(0), 2);
  EXPECT_EQ(list().rowIcon(1), 3);
  EXPECT_EQ(Column(kQueueFolderColumn), (Texts{"/d/", "/d/"}));
}

TEST_F(QueueRows, RenumberingAnEmptyQueueDoesNothing) {
  RenumberQueueRows(list());
  EXPECT_EQ(list().rowCount(), 0);
}

}  // namespace
}  // namespace corvanta
