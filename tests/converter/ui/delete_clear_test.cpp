#include <QMessageBox>

#include "queue_window_fixture.h"
#include "text/messages.h"

namespace corvanta::testing {
namespace {

class DeleteAndClear : public QueueWindow {
 protected:
  // Three rows in the states a finished run leaves them, so that the tests
  // see whether anything besides the numbers moved.
  void QueueThreeRows() {
    QueueWithoutDialog({"/v/one.avi", "/v/two.mkv", "/w/three.mp4"});
    list().setCellText(0, kQueueStatusColumn, "完成");
    list().setCellText(0, kQueueOutputSizeColumn, "1.50 KB");
    list().setRowIcon(0, 3);
    list().setCellText(1, kQueueStatusColumn, "完成");
    list().setCellText(1, kQueueOutputSizeColumn, "0 字节");
    list().setRowIcon(1, 2);
  }

  void ExpectRefusal(const MessageText& refusal) {
    ASSERT_EQ(user->boxes().size(), 1u);
    const SeenBox& box = user->boxes().front();
    EXPECT_EQ(box.caption, refusal.caption);
    EXPECT_EQ(box.text, refusal.text);
    EXPECT_EQ(box.icon, static_cast<int>(QMessageBox::Question));
    EXPECT_EQ(box.buttons, static_cast<int>(QMessageBox::Ok));
    EXPECT_FALSE(box.hasOwner);
    EXPECT_TRUE(box.applicationModal);
  }

  // The caption: its head, the support contact in brackets, then 22 blanks.
  void ExpectCaptionShape(const std::string& head) {
    ASSERT_FALSE(user->boxes().empty());
    const std::string& caption = user->boxes().front().caption;
    const std::string tail = "】" + std::string(22, ' ');
    EXPECT_EQ(caption.substr(0, head.size()), head);
    ASSERT_GE(caption.size(), head.size() + tail.size());
    EXPECT_EQ(caption.substr(caption.size() - tail.size()), tail);
    EXPECT_EQ(caption.find(' ', head.size()), caption.size() - 22);
  }
};

// A deleted row leaves no selection behind: the second Delete finds none
// and removes nothing.
TEST_F(DeleteAndClear, AClickedMiddleRowAndTwoDeletesLeaveTheOtherRowsRenumbered) {
  QueueThreeRows();
  ClickRow(1);
  ASSERT_EQ(list().selectedRow(), 1);
  ClickDelete();
  EXPECT_EQ(list().selectedRow(), -1);
  ClickDelete();
  EXPECT_EQ(Column(kQueueNumberColumn), (Texts{"1", "2"}));
  EXPECT_EQ(Column(kQueueFileNameColumn), (Texts{"one.avi", "three.mp4"}));
  EXPECT_EQ(Column(kQueueStatusColumn), (Texts{"完成", "等待"}));
  EXPECT_EQ(Column(kQueueInputSizeColumn), (Texts{"10 字节", "12 字节"}));
  EXPECT_EQ(Column(kQueueOutputSizeColumn), (Texts{"1.50 KB", ""}));
  EXPECT_EQ(Column(kQueueFolderColumn), (Texts{"/v/", "/w/"}));
  EXPECT_EQ(Icons(), (std::vector<int>{3, 0}));
  EXPECT_TRUE(user->boxes().empty());
}

TEST_F(DeleteAndClear, DeletingTheTopRowRenumbersEveryRow) {
  QueueThreeRows();
  ClickRow(0);
  ClickDelete();
  EXPECT_EQ(Column(kQueueNumberColumn), (Texts{"1", "2"}));
  EXPECT_EQ(Column(kQueueFileNameColumn), (Texts{"two.mkv", "three.mp4"}));
  EXPECT_EQ(Icons(), (std::vector<int>{2, 0}));
}

TEST_F(DeleteAndClear, DeletingTheLastRowsOneByOneEmptiesTheQueue) {
  QueueThreeRows();
  for (int remaining = 3; remaining > 0; --remaining) {
    ClickRow(remaining - 1);
    ClickDelete();
    EXPECT_EQ(list().rowCount(), remaining - 1);
  }
  // With nothing left there is nothing to select, and Delete stays quiet.
  ClickDelete();
  EXPECT_EQ(list().rowCount(), 0);
  EXPECT_TRUE(user->boxes().empty());
}

TEST_F(DeleteAndClear, DeleteWithoutASelectionDoesNothingInOrOutOfARun) {
  QueueThreeRows();
  for (int flag : {0, 1}) {
    state().IsConverting = flag;
    ClickDelete();
    ProcessPendingEvents();
    EXPECT_EQ(list().rowCount(), 3) << flag;
    EXPECT_TRUE(user->boxes().empty()) << flag;
  }
}

TEST_F(DeleteAndClear, DeleteDuringARunIsRefusedAndChangesNothing) {
  QueueThreeRows();
  ClickRow(2);
  state().IsConverting = 1;
  ClickDelete();
  ExpectRefusal(DeleteRefusal());
  ExpectCaptionShape("系统提示 【");
  EXPECT_EQ(user->boxes().front().text, "正在转换，不可以删除，请暂停，再操作！");
  EXPECT_EQ(Column(kQueueNumberColumn), (Texts{"1", "2", "3"}));
  EXPECT_EQ(list().selectedRow(), 2);
  EXPECT_EQ(state().IsConverting, 1);
}

TEST_F(DeleteAndClear, ClearEmptiesTheQueueAndLeavesTheButtonsEnabled) {
  QueueThreeRows();
  ClickRow(1);
  ClickClear();
  EXPECT_EQ(list().rowCount(), 0);
  EXPECT_TRUE(window->按钮_删除->isEnabled());
  EXPECT_TRUE(window->按钮_清空->isEnabled());
  EXPECT_TRUE(window->按钮_转换->isEnabled());
  EXPECT_TRUE(user->boxes().empty());
  // New rows start again at 1.
  QueueWithoutDialog({"/v/again.avi"});
  EXPECT_EQ(list().cellText(0, kQueueNumberColumn), "1");
}

TEST_F(DeleteAndClear, ClearDuringARunIsRefusedWithOrWithoutASelection) {
  QueueThreeRows();
  state().IsConverting = 1;
  ClickClear();
  ExpectRefusal(ClearRefusal());
  ExpectCaptionShape("系统提示  【");
  EXPECT_EQ(user->boxes().front().text, "正在转换，不可以清空，请暂停，再操作！");
  EXPECT_EQ(list().rowCount(), 3);
}

TEST_F(DeleteAndClear, ClearOfAnEmptyQueueOutsideARunIsQuiet) {
  ClickClear();
  ProcessPendingEvents();
  EXPECT_EQ(list().rowCount(), 0);
  EXPECT_TRUE(user->boxes().empty());
}

// Outside a run, only a flag of exactly 1 means a run holds the queue.
TEST_F(DeleteAndClear, OnlyARunFlagOfExactlyOneRefuses) {
  QueueThreeRows();
  for (int flag : {0, 2, -1}) {
    state().IsConverting = flag;
    ClickRow(0);
    ClickDelete();
  }
  EXPECT_EQ(list().rowCount(), 0);
  QueueThreeRows();
  state().IsConverting = 2;
  ClickClear();
  EXPECT_EQ(list().rowCount(), 0);
  EXPECT_TRUE(user->boxes().empty());
}

}  // namespace
}  // namespace corvanta::testing
