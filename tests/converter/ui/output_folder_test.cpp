#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QUrl>

#include "common/application.h"
#include "common/modal_windows.h"
#include "common/quiet_run_services.h"
#include "ui/main_window.h"

namespace corvanta {
namespace {

// Stands in for the desktop's file manager.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened << url; }
};

class OutputFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApplication();
    ASSERT_TRUE(folder.isValid());
    window = std::make_unique<MainWindow>(services);
    window->show();
  }

  // Clicks the choose-folder button and answers its dialog: in `directory`,
  // types `name` (may be empty) and accepts, or cancels.
  void Choose(const QString& directory, const QString& name, bool accept = true) {
    bool answered = false;
    testing::WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
      answered = true;
      dialog.setDirectory(directory);
      if (accept) {
        testing::TypeNamesAndAccept(dialog, name.toStdString());
      } else {
        dialog.reject();
      }
    });
    window->按钮_目录->click();
    EXPECT_TRUE(answered);
  }

  QString Field() const { return window->编辑框_目录->text(); }

  QTemporaryDir folder;
  testing::QuietRunServices services;
  std::unique_ptr<MainWindow> window;
};

TEST_F(OutputFolder, TheDialogIsTitledListsFilesAndHasANameField) {
  testing::WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("请选择保存目录"));
    EXPECT_FALSE(dialog.testOption(QFileDialog::ShowDirsOnly));
    EXPECT_TRUE(dialog.testOption(QFileDialog::DontUseNativeDialog));
    EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(name, nullptr);
    EXPECT_TRUE(name->isVisible());
    dialog.reject();
  });
  window->按钮_目录->click();
}

TEST_F(OutputFolder, AChosenFolderGetsOneTrailingSeparator) {
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("视频 out")));
  Choose(folder.path(), QString::fromUtf8("视频 out"));
  EXPECT_EQ(Field(), folder.path() + QString::fromUtf8("/视频 out/"));
}

TEST_F(OutputFolder, TheCurrentFolderIsChosenWhenNoNameIsTyped) {
  Choose(folder.path(), QString());
  EXPECT_EQ(Field(), folder.path() + "/");
}

TEST_F(OutputFolder, TheRootFolderKeepsItsOneSeparator) {
  Choose(QStringLiteral("/"), QString());
  EXPECT_EQ(Field(), QStringLiteral("/"));
}

TEST_F(OutputFolder, ACancelKeepsTheEarlierFolder) {
  Choose(folder.path(), QString());
  const QString chosen = Field();
  Choose(QStringLiteral("/"), QString(), false);
  EXPECT_EQ(Field(), chosen);
}

TEST_F(OutputFolder, ACancelBeforeAnyChoiceLeavesTheFieldEmpty) {
  Choose(folder.path(), QString(), false);
  EXPECT_TRUE(Field().isEmpty());
}

TEST_F(OutputFolder, AChosenFileCountsAsAFolder) {
  QFile file(folder.filePath(QStringLiteral("clip.avi")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  Choose(folder.path(), QStringLiteral("clip.avi"));
  EXPECT_EQ(Field(), folder.filePath(QStringLiteral("clip.avi")) + "/");
}

TEST_F(OutputFolder, OpeningShowsTheFolderOnlyOnceOneIsSet) {
  UrlRecorder recorder;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &recorder, "open");
  window->按钮_打开目录->click();
  EXPECT_TRUE(recorder.opened.isEmpty());

  Choose(folder.path(), QString());
  window->按钮_打开目录->click();
  ASSERT_EQ(recorder.opened.size(), 1);
  EXPECT_EQ(recorder.opened.first(), QUrl::fromLocalFile(folder.path() + "/"));
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
}

}  // namespace
}  // namespace corvanta

#include "output_folder_test.moc"
