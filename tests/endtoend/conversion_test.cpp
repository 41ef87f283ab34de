#include <sys/stat.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>

#include "carried_encoder/carried_encoder.h"
#include "common/modal_windows.h"
#include "endtoend_support.h"
#include "engine/probe_file.h"
#include "platform/tick_count.h"
#include "run_fixture.h"
#include "text/messages.h"
#include "ui/done_window.h"
#include "ui/queue_rows.h"

namespace corvanta::endtoend {
namespace {

constexpr const char* kConverting = "正在转换";
constexpr const char* kDone = "完成";
constexpr const char* kWaiting = "等待";
constexpr const char* kZeroSize = "0 字节";

using ConversionRunTest = EndToEndTest;

TEST_F(ConversionRunTest, ConvertsEveryRowInOrderAndRestoresTheIdleWindow) {
  const std::vector<std::string> names = {"one.mp4", "two.mp4", "three.mp4"};
  for (const std::string& name : names) QueueClip(name);
  SetOutputFolder(outputs_);

  // Rows are converted one at a time, in list order.
  std::vector<int> convertingOrder;
  QTimer watcher;
  watcher.setInterval(2);
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    for (int row = 0; row < 3; ++row) {
      if (Status(row) == kConverting &&
          (convertingOrder.empty() || convertingOrder.back() != row)) {
        EXPECT_EQ(Icon(row), 1);
        convertingOrder.push_back(row);
      }
    }
  });
  watcher.start();
  ClickConvert();
  watcher.stop();

  EXPECT_EQ(convertingOrder, (std::vector<int>{0, 1, 2}));
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(names[row]);
    EXPECT_EQ(Status(row), kDone);
    EXPECT_EQ(Icon(row), 3);
    EXPECT_NE(OutputSize(row), kZeroSize);
    EXPECT_FALSE(OutputSize(row).empty());
    ExpectFullConversion(OutputPath(DefaultOutputName(names[row])));
  }
  EXPECT_EQ(FileNamesIn(outputs_), (std::vector<std::string>{"one.MP4", "three.MP4", "two.MP4"}));
  ExpectIdleLook();
  EXPECT_EQ(state().StopRequested, 0);
  EXPECT_NE(CurrentDoneWindow(), nullptr);
  EXPECT_EQ(PowerOffRequests(), 0);
}

TEST_F(ConversionRunTest, AviWithAnEmptyVideoChunkConvertsToMovingPictures) {
  const std::string avi = InputPath("camera.avi");
  MakeMpeg4Mp3Avi(avi);
  ASSERT_TRUE(ProbeInputFile(avi).aviEmptyVideoChunk);
  QueueFile(avi);
  SetOutputFolder(outputs_);

  ClickConvert();

  EXPECT_EQ(Icon(0), 3);
  const int inputFrames = DistinctVideoFrames(avi);
  ASSERT_GT(inputFrames, 0);
  const int outputFrames = DistinctVideoFrames(OutputPath("camera.MP4"));
  EXPECT_GE(outputFrames * 10, inputFrames * 9) << outputFrames << " of " << inputFrames;

  // The converter's own AVI holds the pictures it repeats for the new frame
  // rate as pictures, not empty chunks, so it converts again without help.
  const std::string own = InputPath("own.avi");
  CopyFile(OutputPath("camera.MP4"), own);
  ASSERT_FALSE(ProbeInputFile(own).aviEmptyVideoChunk);
  QueueFile(own);
  QTemporaryDir again;
  SetOutputFolder(again.path().toStdString());

  ClickConvert();

  EXPECT_EQ(Icon(1), 3);
  const int againFrames = DistinctVideoFrames(again.path().toStdString() + "/own.MP4");
  EXPECT_GE(againFrames * 10, inputFrames * 9) << againFrames << " of " << inputFrames;
}

// This MEncoder's own program-stream demuxer loses such a file's AC3 sound
// after a fraction of a second and exits 0 all the same.
TEST_F(ConversionRunTest, ADvdCopyConvertsWithAllItsSound) {
  const std::string vob = InputPath("VTS_01_1.VOB");
  MakeDvdStyleVob(vob);
  QueueFile(vob);
  SetOutputFolder(outputs_);

  ClickConvert();

  EXPECT_EQ(Icon(0), 3);
  const OutputFacts output = ProbeOutputFile(OutputPath("VTS_01_1.MP4"));
  ASSERT_TRUE(output.complete);
  EXPECT_NEAR(output.video.seconds.value_or(0), 4, 0.25);
  EXPECT_NEAR(output.audio.seconds.value_or(0), 4, 0.25);
}

TEST_F(ConversionRunTest, AfterAClickOnTheMiddleRowAndTwoDeletesTheOuterRowsAreConverted) {
  for (const char* name : {"one.mp4", "two.mp4", "three.mp4"}) QueueClip(name);
  SetOutputFolder(outputs_);
  QueueListView& list = *window_->超级列表框1;
  ClickRow(1);
  window_->按钮_删除->click();
  window_->按钮_删除->click();
  ClickConvert();
  ASSERT_EQ(list.rowCount(), 2);
  EXPECT_EQ(list.cellText(0, kQueueFileNameColumn), "one.mp4");
  EXPECT_EQ(list.cellText(1, kQueueFileNameColumn), "three.mp4");
  EXPECT_EQ(Status(0), kDone);
  EXPECT_EQ(Status(1), kDone);
  EXPECT_EQ(FileNamesIn(outputs_), (std::vector<std::string>{"one.MP4", "three.MP4"}));
}

TEST_F(ConversionRunTest, StopDuringSecondRowDeletesItsOutputAndLeavesTheRestWaiting) {
  for (int i = 1; i <= 5; ++i) QueueClip("clip" + std::to_string(i) + ".mp4");
  SetOutputFolder(outputs_);
  // The power-off is requested after a stopped run too.
  window_->选择框1->setChecked(true);

  bool startFaceRightAfterStop = false;
  WhenThen stopAtSecondRow([&] { return Status(1) == kConverting; },
                           [&] {
                             ClickConvert();
                             startFaceRightAfterStop = ShowsStartFace() &&
                                                       state().IsConverting == 0 &&
                                                       state().StopRequested == 1;
                           });
  ClickConvert();

  ASSERT_TRUE(stopAtSecondRow.fired());
  EXPECT_TRUE(startFaceRightAfterStop);
  EXPECT_EQ(Status(0), kDone);
  EXPECT_EQ(Icon(0), 3);
  ExpectFullConversion(OutputPath("clip1.MP4"));
  // The stopped row's output is gone, and the row says so.
  EXPECT_EQ(Status(1), kDone);
  EXPECT_EQ(Icon(1), 2);
  EXPECT_EQ(OutputSize(1), "0 字节");
  EXPECT_FALSE(std::filesystem::exists(OutputPath("clip2.MP4")));
  for (int row = 2; row < 5; ++row) {
    EXPECT_EQ(Status(row), kWaiting);
    EXPECT_EQ(Icon(row), 0);
    EXPECT_EQ(OutputSize(row), "");
  }
  EXPECT_EQ(FileNamesIn(outputs_), std::vector<std::string>{"clip1.MP4"});
  ExpectIdleLook();
  EXPECT_EQ(state().StopRequested, 1);
  EXPECT_NE(CurrentDoneWindow(), nullptr);
  EXPECT_EQ(PowerOffRequests(), 1);
}

TEST_F(ConversionRunTest, StartAfterStopRunsANestedRunThatTheFirstRunLeavesAlone) {
  const std::vector<std::string> names = {"a.mp4", "b.mp4", "c.mp4"};
  for (const std::string& name : names) QueueClip(name);
  SetOutputFolder(outputs_);

  int nestedRunsEnded = 0;
  std::vector<std::filesystem::file_time_type> written;
  WhenThen stopThenStart(
      [&] { return Status(1) == kConverting; },
      [&] {
        ClickConvert();  // stop
        ClickConvert();  // start again while the first run finishes
        ++nestedRunsEnded;
        // The nested run has converted the whole queue.
        for (int row = 0; row < 3; ++row) EXPECT_EQ(Icon(row), 3);
        EXPECT_EQ(state().StopRequested, 0);
        for (const std::string& name : names) {
          written.push_back(std::filesystem::last_write_time(OutputPath(DefaultOutputName(name))));
        }
      });
  ClickConvert();

  ASSERT_EQ(nestedRunsEnded, 1);
  for (int row = 0; row < 3; ++row) {
    SCOPED_TRACE(names[row]);
    EXPECT_EQ(Status(row), kDone);
    // The first run's encoder for row 2 was ended by the nested run, whose
    // whole file and verdict stand; no row is converted again.
    EXPECT_EQ(Icon(row), 3);
    const std::string output = OutputPath(DefaultOutputName(names[row]));
    ExpectFullConversion(output);
    EXPECT_EQ(std::filesystem::last_write_time(output), written.at(row));
  }
  ExpectIdleLook();
  EXPECT_EQ(state().StopRequested, 0);
}

TEST_F(ConversionRunTest, DeleteAndClearAreRefusedWhileAStoppedRunFinishes) {
  for (const char* name : {"one.mp4", "two.mp4", "three.mp4"}) QueueClip(name);
  SetOutputFolder(outputs_);
  ClickRow(0);

  std::vector<std::string> refusals;
  const auto noteAndClose = [&](QMessageBox& box) {
    refusals.push_back(box.text().toStdString());
    box.close();
  };
  WhenThen stopThenEdit([&] { return Status(1) == kConverting; },
                        [&] {
                          ClickConvert();
                          testing::WhenModalOpens<QMessageBox>(noteAndClose);
                          window_->按钮_删除->click();
                          testing::WhenModalOpens<QMessageBox>(noteAndClose);
                          window_->按钮_清空->click();
                        });
  ClickConvert();

  ASSERT_TRUE(stopThenEdit.fired());
  EXPECT_EQ(refusals, (std::vector<std::string>{DeleteRefusal().text, ClearRefusal().text}));
  ASSERT_EQ(window_->超级列表框1->rowCount(), 3);
  // Each verdict is on its own row.
  EXPECT_EQ(Icon(0), 3);
  EXPECT_EQ(Status(1), kDone);
  EXPECT_EQ(Icon(1), 2);
  EXPECT_EQ(OutputSize(1), kZeroSize);
  EXPECT_EQ(Status(2), kWaiting);
  EXPECT_EQ(FileNamesIn(outputs_), std::vector<std::string>{"one.MP4"});
  EXPECT_EQ(state().RunsInProgress, 0);
}

TEST_F(ConversionRunTest, EncoderIsWrittenOnceAndASecondRunConvertsEveryRowAgain) {
  const std::string encoder = ProgramFolderPath() + "/quorbel.exe";
  std::remove(encoder.c_str());
  QueueClip("first.mp4");
  QueueClip("second.mp4");
  SetOutputFolder(outputs_);

  ClickConvert();
  struct stat written {};
  ASSERT_EQ(stat(encoder.c_str(), &written), 0);
  EXPECT_EQ(static_cast<std::size_t>(written.st_size), CarriedEncoder().size());
  EXPECT_TRUE(written.st_mode & S_IXUSR);
  for (int row = 0; row < 2; ++row) EXPECT_EQ(Icon(row), 3);

  std::remove(OutputPath("first.MP4").c_str());
  std::remove(OutputPath("second.MP4").c_str());
  ClickConvert();

  struct stat reused {};
  ASSERT_EQ(stat(encoder.c_str(), &reused), 0);
  EXPECT_EQ(reused.st_ino, written.st_ino);
  EXPECT_EQ(reused.st_mtim.tv_sec, written.st_mtim.tv_sec);
  EXPECT_EQ(reused.st_mtim.tv_nsec, written.st_mtim.tv_nsec);
  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(Status(row), kDone);
    EXPECT_EQ(Icon(row), 3);
  }
  ExpectFullConversion(OutputPath("first.MP4"));
  ExpectFullConversion(OutputPath("second.MP4"));
}

TEST_F(ConversionRunTest, RowsAddedDuringARunWaitForTheNextOne) {
  QueueClip("queued.mp4");
  const std::string late = InputPath("late.mp4");
  CopyFile(SourceClip(), late);
  SetOutputFolder(outputs_);

  WhenThen addDuringRun([&] { return Status(0) == kConverting; }, [&] { QueueFile(late); });
  ClickConvert();

  ASSERT_TRUE(addDuringRun.fired());
  ASSERT_EQ(window_->超级列表框1->rowCount(), 2);
  EXPECT_EQ(Icon(0), 3);
  EXPECT_EQ(Status(1), kWaiting);
  EXPECT_EQ(Icon(1), 0);
  EXPECT_EQ(FileNamesIn(outputs_), std::vector<std::string>{"queued.MP4"});
}

TEST_F(ConversionRunTest, OutputFolderChangedDuringARunAppliesFromTheNextRow) {
  QueueClip("early.mp4");
  QueueClip("later.mp4");
  SetOutputFolder(outputs_);
  QTemporaryDir otherFolder;
  const std::string other = otherFolder.path().toStdString();

  WhenThen changeFolder([&] { return Status(0) == kConverting; }, [&] { SetOutputFolder(other); });
  ClickConvert();

  ASSERT_TRUE(changeFolder.fired());
  EXPECT_EQ(FileNamesIn(outputs_), std::vector<std::string>{"early.MP4"});
  EXPECT_EQ(FileNamesIn(other), std::vector<std::string>{"later.MP4"});
  ExpectFullConversion(other + "/later.MP4");
}

TEST_F(ConversionRunTest, TickedShutdownBoxRequestsPowerOffAfterTheRun) {
  QueueClip("only.mp4");
  SetOutputFolder(outputs_);
  window_->选择框1->setChecked(true);

  ClickConvert();

  EXPECT_EQ(PowerOffRequests(), 1);
  EXPECT_EQ(Icon(0), 3);
  EXPECT_NE(CurrentDoneWindow(), nullptr);
}

TEST_F(ConversionRunTest, RefusalsComeAsBoxesOwnedByTheWindowAndChangeNothing) {
  QString shownText;
  QWidget* shownOwner = nullptr;
  QTimer answer;
  answer.setInterval(5);
  QObject::connect(&answer, &QTimer::timeout, [&] {
    if (QWidget* box = QApplication::activeModalWidget()) {
      shownOwner = box->parentWidget();
      if (auto* label = box->findChild<QLabel*>("qt_msgbox_label")) shownText = label->text();
      box->close();
    }
  });
  answer.start();

  ClickConvert();  // empty queue
  EXPECT_TRUE(shownText.startsWith(QString::fromUtf8("请添加要转换的视频文件")));
  EXPECT_EQ(shownOwner, window_.get());

  shownText.clear();
  QueueClip("waiting.mp4");
  ClickConvert();  // no output folder
  EXPECT_TRUE(shownText.startsWith(QString::fromUtf8("请设置输出的目录")));
  EXPECT_EQ(Status(0), kWaiting);
  EXPECT_TRUE(ShowsStartFace());
  EXPECT_EQ(state().IsConverting, 0);
}

TEST_F(ConversionRunTest, TimerTickShowsTheElapsedTimeOnTheLabel) {
  state().RunStartTick =
      static_cast<std::int32_t>(static_cast<std::uint32_t>(TickCount()) - 61500u);
  // The window's own timer, ticking faster than a run sets it: its ticks
  // must reach the handler.
  window_->时钟1->setInterval(10);
  EXPECT_TRUE(
      testing::ProcessEventsUntil([&] { return window_->透明标签16->text() == "00:01:01"; }, 5000))
      << window_->透明标签16->text().toStdString();
  window_->时钟1->setInterval(0);
  EXPECT_GE(state().ElapsedMs, 61500);
}

}  // namespace
}  // namespace corvanta::endtoend
