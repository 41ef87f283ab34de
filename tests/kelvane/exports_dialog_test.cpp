#include <gtest/gtest.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QWidget>

#include <filesystem>
#include <string>

#include "common/application.h"
#include "common/modal_windows.h"
#include "common/temporary_folder.h"
#include "kelvane_library.h"

namespace corvanta::kelvane {
namespace {

using testing::Kelvane;
using testing::TemporaryFolder;
using testing::TypeNamesAndAccept;
using testing::WhenModalOpens;

constexpr const char* kVideoFilter = "视频文件|*.avi;*.mkv;*.mp4|所有文件|*.*";

class DialogExport : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApplication();
    ASSERT_NE(Kelvane().rszckl, nullptr) << dlerror();
    startDirectory_ = std::filesystem::current_path();
  }
  void TearDown() override { std::filesystem::current_path(startDirectory_); }

  std::string Open(const char* title, const char* filter, const char* initialDir,
                   std::int32_t keepCurrentDir = 0, std::uint32_t owner = 0) {
    const char* result = Kelvane().rszckl(owner, title, filter, initialDir, keepCurrentDir);
    return result == nullptr ? "<null>" : result;
  }

  std::filesystem::path startDirectory_;
  TemporaryFolder videos_;
  TemporaryFolder elsewhere_;
};

TEST_F(DialogExport, OneFileGivesItsFullPath) {
  videos_.MakeFile("a.avi", 10);
  WhenModalOpens<QFileDialog>([](QFileDialog& dialog) { TypeNamesAndAccept(dialog, "a.avi"); });
  EXPECT_EQ(Open("添加视频文件", kVideoFilter, videos_.path().c_str()), videos_.File("a.avi"));
}

TEST_F(DialogExport, ThreeFilesGiveThreePathsJoinedByCrLf) {
  for (const char* name : {"a.avi", "b.mkv", "c.mp4"}) videos_.MakeFile(name, 10);
  WhenModalOpens<QFileDialog>(
      [](QFileDialog& dialog) { TypeNamesAndAccept(dialog, "\"a.avi\" \"b.mkv\" \"c.mp4\""); });
  EXPECT_EQ(
      Open("添加视频文件", kVideoFilter, videos_.path().c_str()),
      videos_.File("a.avi") + "\r\n" + videos_.File("b.mkv") + "\r\n" + videos_.File("c.mp4"));
}

TEST_F(DialogExport, DialogGetsOwnerTitleFolderAndFilters) {
  QWidget owner;
  const auto ownerId = static_cast<std::uint32_t>(owner.winId());
  QWidget* seenOwner = nullptr;
  QString seenTitle;
  QString seenFolder;
  QStringList seenFilters;
  QFileDialog::FileMode seenMode = QFileDialog::AnyFile;
  WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
    seenOwner = dialog.parentWidget();
    seenTitle = dialog.windowTitle();
    seenFolder = dialog.directory().absolutePath();
    seenFilters = dialog.nameFilters();
    seenMode = dialog.fileMode();
    dialog.reject();
  });
  EXPECT_EQ(Open("添加视频文件", kVideoFilter, videos_.path().c_str(), 0, ownerId), "");
  EXPECT_EQ(seenOwner, &owner);
  EXPECT_EQ(seenTitle.toStdString(), "添加视频文件");
  EXPECT_EQ(seenFolder.toStdString(), std::filesystem::canonical(videos_.path()).string());
  EXPECT_EQ(seenFilters, QStringList({"视频文件 (*.avi *.mkv *.mp4)", "所有文件 (*)"}));
  EXPECT_EQ(seenMode, QFileDialog::ExistingFiles);
}

TEST_F(DialogExport, NullTextsActAsEmptyTextsAndUnknownOwnerMeansNone) {
  bool answered = false;
  QWidget* seenOwner = nullptr;
  QString seenTitle = "unset";
  WhenModalOpens<QFileDialog>([&](QFileDialog& dialog) {
    answered = true;
    seenOwner = dialog.parentWidget();
    seenTitle = dialog.windowTitle();
    dialog.reject();
  });
  EXPECT_EQ(Open(nullptr, nullptr, nullptr, 0, 0x7FFFFFF0u), "");
  EXPECT_TRUE(answered);
  EXPECT_EQ(seenOwner, nullptr);
  // An empty title leaves the dialog its own default title.
  EXPECT_EQ(seenTitle, QFileDialog(nullptr, QString()).windowTitle());
}

TEST_F(DialogExport, CancelLeavesTheCurrentDirectoryWhereTheDialogLeftIt) {
  for (std::int32_t keep : {0, 1}) {
    std::filesystem::current_path(startDirectory_);
    const std::string moved = elsewhere_.path();
    WhenModalOpens<QFileDialog>([&moved](QFileDialog& dialog) {
      std::filesystem::current_path(moved);  // a dialog may move it
      dialog.reject();
    });
    EXPECT_EQ(Open("t", kVideoFilter, videos_.path().c_str(), keep), "");
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(moved)) << keep;
  }
}

TEST_F(DialogExport, SuccessfulChoicePutsBackTheSavedDirectoryOnlyWhenAskedTo) {
  videos_.MakeFile("a.avi", 10);
  const std::string moved = elsewhere_.path();
  auto chooseAfterMoving = [&moved](QFileDialog& dialog) {
    std::filesystem::current_path(moved);
    TypeNamesAndAccept(dialog, "a.avi");
  };

  WhenModalOpens<QFileDialog>(chooseAfterMoving);
  EXPECT_EQ(Open("t", kVideoFilter, videos_.path().c_str(), 0), videos_.File("a.avi"));
  EXPECT_EQ(std::filesystem::current_path(), startDirectory_);

  WhenModalOpens<QFileDialog>(chooseAfterMoving);
  EXPECT_EQ(Open("t", kVideoFilter, videos_.path().c_str(), 7), videos_.File("a.avi"));
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(moved));
}

TEST_F(DialogExport, SelectionTooLargeForTheBufferIsACancel) {
  // 420 names of 240 bytes: more than the 98,192 bytes the buffer holds.
  std::string typed;
  for (int i = 0; i < 420; ++i) {
    std::string name = std::to_string(i);
    name.resize(236, 'n');
    name += ".avi";
    videos_.MakeFile(name, 1);
    typed += "\"" + name + "\" ";
  }
  WhenModalOpens<QFileDialog>([&typed](QFileDialog& dialog) {
    // The name field holds 32,767 characters unless told otherwise; a user
    // selecting every file in the list is not bound by that.
    if (auto* nameField = dialog.findChild<QLineEdit*>("fileNameEdit"))
      nameField->setMaxLength(1 << 20);
    TypeNamesAndAccept(dialog, typed);
  });
  const std::string result = Open("t", kVideoFilter, videos_.path().c_str());
  EXPECT_TRUE(result.empty()) << result.size() << " bytes of paths";

  // Any one of those names alone still comes back.
  WhenModalOpens<QFileDialog>([](QFileDialog& dialog) {
    TypeNamesAndAccept(dialog, "\"0" + std::string(235, 'n') + ".avi\"");
  });
  EXPECT_EQ(Open("t", kVideoFilter, videos_.path().c_str()),
            videos_.File("0" + std::string(235, 'n') + ".avi"));
}

TEST_F(DialogExport, HolderKeepsTheListAcrossOtherExportsAndMayBeFedBack) {
  videos_.MakeFile("a.avi", 1536);
  WhenModalOpens<QFileDialog>([](QFileDialog& dialog) { TypeNamesAndAccept(dialog, "a.avi"); });
  const char* list = Kelvane().rszckl(0, "t", kVideoFilter, videos_.path().c_str(), 0);
  ASSERT_EQ(std::string(list), videos_.File("a.avi"));

  EXPECT_STREQ(Kelvane().zhaui(list), "1.50 KB");
  Kelvane().FormatKB(5);
  EXPECT_EQ(std::string(list), videos_.File("a.avi"));

  // The last list as the next title: copied before the old list goes.
  QString seenTitle;
  WhenModalOpens<QFileDialog>([&seenTitle](QFileDialog& dialog) {
    seenTitle = dialog.windowTitle();
    dialog.reject();
  });
  EXPECT_STREQ(Kelvane().rszckl(0, list, kVideoFilter, list, 0), "");
  EXPECT_EQ(seenTitle.toStdString(), videos_.File("a.avi"));
}

}  // namespace
}  // namespace corvanta::kelvane
