#include <algorithm>

#include <QComboBox>
#include <QDir>
#include <QFile>

#include "endtoend_support.h"
#include "run_fixture.h"

namespace corvanta::endtoend {
namespace {

constexpr const char* kDone = "完成";
constexpr const char* kZeroSize = "0 字节";

using BadInputTest = EndToEndTest;

TEST_F(BadInputTest, AwkwardFileNamesConvertAndANonVideoFailsWithoutTouchingAnything) {
  const std::vector<std::string> names = {"with blank.mp4", "quote\"d.mp4", "it's.mp4",
                                          "中文视频.mp4", "-leading.mp4"};
  for (const std::string& name : names) QueueClip(name);
  const std::string notVideo = InputPath("not a video.avi");
  {
    QFile text(QString::fromStdString(notVideo));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("just some text, no pictures\n");
  }
  QueueFile(notVideo);
  const std::vector<std::string> inputsBefore = FileNamesIn(inputs_);
  SetOutputFolder(outputs_);

  ClickConvert();

  std::vector<std::string> expectedOutputs;
  for (int row = 0; row < 5; ++row) {
    SCOPED_TRACE(names[row]);
    EXPECT_EQ(Status(row), kDone);
    EXPECT_EQ(Icon(row), 3);
    EXPECT_NE(OutputSize(row), kZeroSize);
    ExpectFullConversion(OutputPath(DefaultOutputName(names[row])));
    expectedOutputs.push_back(DefaultOutputName(names[row]));
  }
  EXPECT_EQ(Status(5), kDone);
  EXPECT_EQ(Icon(5), 2);
  EXPECT_EQ(OutputSize(5), kZeroSize);

  std::sort(expectedOutputs.begin(), expectedOutputs.end());
  EXPECT_EQ(FileNamesIn(outputs_), expectedOutputs);
  EXPECT_EQ(FileNamesIn(inputs_), inputsBefore);
  EXPECT_EQ(ReadWholeFile(notVideo), "just some text, no pictures\n");
}

TEST_F(BadInputTest, AacFailsEveryRowAndWritesNothing) {
  QueueClip("sound.mp4");
  QueueClip("more.mp4");
  window_->组合框_音频编码器->setCurrentIndex(window_->组合框_音频编码器->findText("aac"));
  ASSERT_EQ(window_->组合框_音频编码器->currentText(), "aac");
  SetOutputFolder(outputs_);

  ClickConvert();

  for (int row = 0; row < 2; ++row) {
    EXPECT_EQ(Status(row), kDone);
    EXPECT_EQ(Icon(row), 2);
    EXPECT_EQ(OutputSize(row), kZeroSize);
  }
  EXPECT_TRUE(FileNamesIn(outputs_).empty());
}

TEST_F(BadInputTest, RemovedOutputFolderFailsTheRowAndIsNotRecreated) {
  QueueClip("orphan.mp4");
  const std::string gone = outputs_ + "/gone";
  ASSERT_TRUE(QDir().mkdir(QString::fromStdString(gone)));
  SetOutputFolder(gone);
  ASSERT_TRUE(QDir().rmdir(QString::fromStdString(gone)));

  ClickConvert();

  EXPECT_EQ(Status(0), kDone);
  EXPECT_EQ(Icon(0), 2);
  EXPECT_EQ(OutputSize(0), kZeroSize);
  EXPECT_TRUE(FileNamesIn(outputs_).empty());
}

TEST_F(BadInputTest, OutputFolderThatCannotHoldFilesFailsTheRow) {
  // Tests may run with every permission, so the folder is made unusable by
  // being a plain file.
  QueueClip("blocked.mp4");
  const std::string plainFile = outputs_ + "/plain.txt";
  {
    QFile file(QString::fromStdString(plainFile));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("keep me");
  }
  SetOutputFolder(plainFile);

  ClickConvert();

  EXPECT_EQ(Icon(0), 2);
  EXPECT_EQ(OutputSize(0), kZeroSize);
  EXPECT_EQ(FileNamesIn(outputs_), std::vector<std::string>{"plain.txt"});
  EXPECT_EQ(ReadWholeFile(plainFile), "keep me");
}

TEST_F(BadInputTest, RowThatWouldOverwriteItsOwnInputFailsAndKeepsTheInput) {
  const std::string input = QueueClip("same.mp4");
  // A second row from elsewhere whose output lands in the same folder.
  const std::string elsewhere = OutputPath("other.mp4");
  CopyFile(SourceClip(), elsewhere);
  QueueFile(elsewhere);
  const std::string original = ReadWholeFile(input);
  window_->组合框_格式->setText("mp4");
  SetOutputFolder(inputs_);

  ClickConvert();

  EXPECT_EQ(Status(0), kDone);
  EXPECT_EQ(Icon(0), 2);
  EXPECT_EQ(OutputSize(0), kZeroSize);
  EXPECT_EQ(ReadWholeFile(input), original);
  // The next row is still converted.
  EXPECT_EQ(Icon(1), 3);
  ExpectFullConversion(InputPath("other.mp4"));
  EXPECT_EQ(FileNamesIn(inputs_), (std::vector<std::string>{"other.mp4", "same.mp4"}));
}

}  // namespace
}  // namespace corvanta::endtoend
