#include "run_fixture.h"

#include <QCheckBox>
#include <QTest>

#include "assets/assets.h"
#include "common/application.h"
#include "endtoend_support.h"
#include "platform/kelvane_binding.h"
#include "ui/done_window.h"
#include "ui/queue_rows.h"

namespace corvanta::endtoend {
namespace {

QByteArray PictureOf(assets::Bytes bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

}  // namespace

void EndToEndTest::SetUp() {
  testing::EnsureApplication();
  ASSERT_TRUE(inputFolder_.isValid());
  ASSERT_TRUE(outputFolder_.isValid());
  inputs_ = inputFolder_.path().toStdString();
  outputs_ = outputFolder_.path().toStdString();
  // Each test judges the done window of its own run.
  delete CurrentDoneWindow();
  window_ = std::make_unique<MainWindow>(services_);
  window_->show();
}

void EndToEndTest::TearDown() {
  window_.reset();
  delete CurrentDoneWindow();
}

std::string EndToEndTest::QueueClip(const std::string& name) {
  const std::string path = InputPath(name);
  CopyFile(SourceClip(), path);
  QueueFile(path);
  return path;
}

void EndToEndTest::QueueFile(const std::string& path) {
  AppendQueueRow(*window_->超级列表框1, path, kelvane::FileSizeText);
}

void EndToEndTest::SetOutputFolder(const std::string& folder) {
  window_->编辑框_目录->setText(QString::fromStdString(folder + "/"));
}

void EndToEndTest::ClickRow(int row) {
  QueueListView& list = *window_->超级列表框1;
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                    list.visualItemRect(list.topLevelItem(row)).center());
}

void EndToEndTest::ClickConvert() { window_->按钮_转换->click(); }

std::string EndToEndTest::Status(int row) const {
  return window_->超级列表框1->cellText(row, kQueueStatusColumn);
}

int EndToEndTest::Icon(int row) const { return window_->超级列表框1->rowIcon(row); }

std::string EndToEndTest::OutputSize(int row) const {
  return window_->超级列表框1->cellText(row, kQueueOutputSizeColumn);
}

std::string EndToEndTest::DefaultOutputName(const std::string& inputName) {
  return inputName.substr(0, inputName.rfind('.') + 1) + "MP4";
}

void EndToEndTest::ExpectFullConversion(const std::string& outputPath) {
  static const int inputFrames = DistinctVideoFrames(SourceClip());
  ASSERT_GT(inputFrames, 0);
  const int outputFrames = DistinctVideoFrames(outputPath);
  EXPECT_GE(outputFrames * 10, inputFrames * 9)
      << outputPath << ": " << outputFrames << " of " << inputFrames << " frames";
}

bool EndToEndTest::ShowsStartFace() const {
  return window_->按钮_转换->normalPicture() == PictureOf(assets::StartNormal()) &&
         window_->按钮_转换->hoverPicture() == PictureOf(assets::StartHover());
}

void EndToEndTest::ExpectIdleLook() const {
  EXPECT_TRUE(ShowsStartFace());
  EXPECT_EQ(window_->图片框_进度条->left(), 52);
  EXPECT_EQ(window_->图片框_进度条->barWidth(), 588);
  EXPECT_EQ(window_->时钟1->interval(), 0);
  EXPECT_FALSE(window_->时钟1->isRunning());
  EXPECT_EQ(state().IsConverting, 0);
  EXPECT_EQ(state().ElapsedMs, 0);
}

}  // namespace corvanta::endtoend
