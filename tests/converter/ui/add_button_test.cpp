#include <QComboBox>
#include <QFileDialog>
#include <QListView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/kelvane_binding.h"
#include "program_folder.h"
#include "queue_window_fixture.h"
#include "text/text_search.h"

namespace corvanta::testing {
namespace {

class AddButton : public QueueWindow {
 protected:
  void DisableQueueButtons() {
    for (PictureButton* button : QueueButtons()) button->setEnabled(false);
  }

  std::vector<bool> QueueButtonsEnabled() {
    std::vector<bool> enabled;
    for (PictureButton* button : QueueButtons()) enabled.push_back(button->isEnabled());
    return enabled;
  }

  std::vector<PictureButton*> QueueButtons() {
    return {window->按钮_删除, window->按钮_清空, window->按钮_转换};
  }
};

const std::vector<bool> kAllEnabled = {true, true, true};
const std::vector<bool> kAllDisabled = {false, false, false};

TEST_F(AddButton, TheLibraryLiesBesideTheProgram) {
  // Without it the first Add would end the test program.
  EXPECT_TRUE(std::filesystem::is_regular_file(ProgramFolder() + "/kelvane.dll"));
}

// What the dialog's file list shows under the chosen file type, once
// `awaited` has come in (the list fills and filters in the background), as
// "name|name|...".
std::string Listed(QFileDialog& dialog, int fileType, const QString& awaited) {
  dialog.selectNameFilter(dialog.nameFilters().value(fileType));
  auto* view = dialog.findChild<QListView*>("listView");
  auto names = [view] {
    QStringList shown;
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < view->model()->rowCount(root); ++row) {
      const QModelIndex index = view->model()->index(row, 0, root);
      if (!view->isRowHidden(row) && (index.flags() & Qt::ItemIsEnabled))
        shown << index.data().toString();
    }
    shown.sort();
    return shown;
  };
  testing::ProcessEventsUntil([&] { return names().contains(awaited); });
  return names().join('|').toStdString();
}

TEST_F(AddButton, OpensAMultiSelectDialogOwnedByTheWindowOfferingMediaThenEveryFile) {
  for (const char* name : {"clip.mp4", "no-extension", "notes.txt"}) folder.MakeFile(name, 1);
  QString title;
  QWidget* owner = nullptr;
  std::string types;
  std::string media;
  std::string every;
  QFileDialog::FileMode mode = QFileDialog::AnyFile;
  user->Answer([&](QFileDialog& dialog) {
    title = dialog.windowTitle();
    owner = dialog.parentWidget();
    mode = dialog.fileMode();
    if (auto* typeList = dialog.findChild<QComboBox*>("fileTypeCombo")) {
      for (int i = 0; i < typeList->count(); ++i)
        types += typeList->itemText(i).toStdString() + "|";
    }
    dialog.setDirectory(QString::fromStdString(folder.path()));
    media = Listed(dialog, 0, "clip.mp4");
    every = Listed(dialog, 1, "no-extension");
    RejectLater(dialog);
  });
  ClickAdd();

  EXPECT_EQ(user->fileDialogsSeen(), 1);
  EXPECT_EQ(title, QString::fromUtf8("添加视频文件"));
  EXPECT_EQ(owner, window.get());
  EXPECT_EQ(mode, QFileDialog::ExistingFiles);
  // Each description alone, exactly as the filter gives it.
  EXPECT_EQ(
      types,
      "媒体文件(*.mpg,*.mp4,*.avi,*3gp,*.rmvb,*.mkv,*.wmv,*.vob,*.flv,*.swf,*.mov,*.f4v,*.dat)|"
      "所有文件(*.**)|");
  EXPECT_EQ(media, "clip.mp4");
  EXPECT_EQ(every, "clip.mp4|no-extension|notes.txt");
}

TEST_F(AddButton, ACancelAddsNothingShowsNothingAndLeavesTheButtonsAlone) {
  DisableQueueButtons();
  user->Cancel();
  ClickAdd();
  ProcessPendingEvents();
  EXPECT_EQ(user->fileDialogsSeen(), 1);
  EXPECT_EQ(list().rowCount(), 0);
  EXPECT_TRUE(user->boxes().empty());
  EXPECT_EQ(QueueButtonsEnabled(), kAllDisabled);
}

TEST_F(AddButton, ACancelOverAQueuedRowStillEnablesTheButtons) {
  QueueWithoutDialog({"/d/a.avi"});
  DisableQueueButtons();
  user->Cancel();
  ClickAdd();
  EXPECT_EQ(list().rowCount(), 1);
  EXPECT_EQ(QueueButtonsEnabled(), kAllEnabled);
}

TEST_F(AddButton, OneFileIntoAnEmptyQueueGivesOneWaitingRow) {
  const std::string path = folder.MakeFile("clip.avi", 1536);
  DisableQueueButtons();
  user->ChooseByTyping(path);
  ClickAdd();

  ASSERT_EQ(list().rowCount(), 1);
  EXPECT_EQ(list().cellText(0, kQueueNumberColumn), "1");
  EXPECT_EQ(list().rowIcon(0), 0);
  EXPECT_EQ(list().cellText(0, kQueueFileNameColumn), "clip.avi");
  EXPECT_EQ(list().cellText(0, kQueueInputSizeColumn), kelvane::FileSizeText(path));
  EXPECT_NE(list().cellText(0, kQueueInputSizeColumn), "0 字节");
  EXPECT_EQ(list().cellText(0, kQueueStatusColumn), "等待");
  EXPECT_EQ(list().cellText(0, kQueueOutputSizeColumn), "");
  EXPECT_EQ(list().cellText(0, kQueueFolderColumn), folder.path() + "/");
  EXPECT_EQ(QueueButtonsEnabled(), kAllEnabled);
  EXPECT_TRUE(user->boxes().empty());
}

TEST_F(AddButton, ThreeFilesIntoAQueueOfTwoAreNumberedThreeToFive) {
  QueueWithoutDialog({"/v/first.avi", "/v/second.avi"});
  folder.MakeFile("a.avi", 10);
  folder.MakeFile("b.mkv", 0);
  folder.MakeFile("c.mp4", 2048);
  user->ChooseByTyping("\"a.avi\" \"b.mkv\" \"c.mp4\"", folder.path());
  ClickAdd();

  EXPECT_EQ(Column(kQueueNumberColumn), (Texts{"1", "2", "3", "4", "5"}));
  EXPECT_EQ(Column(kQueueFileNameColumn),
            (Texts{"first.avi", "second.avi", "a.avi", "b.mkv", "c.mp4"}));
  const std::string chosenFolder = folder.path() + "/";
  EXPECT_EQ(Column(kQueueFolderColumn),
            (Texts{"/v/", "/v/", chosenFolder, chosenFolder, chosenFolder}));
  // Each row carries its own file's size; an empty file reads as zero.
  EXPECT_EQ(list().cellText(2, kQueueInputSizeColumn), "10 字节");
  EXPECT_EQ(list().cellText(3, kQueueInputSizeColumn), "0 字节");
  EXPECT_EQ(list().cellText(4, kQueueInputSizeColumn),
            kelvane::FileSizeText(folder.path() + "/c.mp4"));
  EXPECT_EQ(Icons(), (std::vector<int>{0, 0, 0, 0, 0}));
}

TEST_F(AddButton, TheSameFileChosenTwiceMakesTwoRows) {
  const std::string path = folder.MakeFile("twice.avi", 5);
  user->ChooseByTyping(path);
  user->ChooseByTyping(path);
  ClickAdd();
  ClickAdd();
  EXPECT_EQ(Column(kQueueNumberColumn), (Texts{"1", "2"}));
  EXPECT_EQ(InputPath(0), path);
  EXPECT_EQ(InputPath(1), path);
}

TEST_F(AddButton, AddIsNotHeldBackByARun) {
  QueueWithoutDialog({"/v/converting.avi"});
  list().setCellText(0, kQueueStatusColumn, "正在转换");
  list().setRowIcon(0, 1);
  state().IsConverting = 1;
  const std::string path = folder.MakeFile("late.avi", 1);
  user->ChooseByTyping(path);
  ClickAdd();
  ProcessPendingEvents();
  EXPECT_TRUE(user->boxes().empty());
  EXPECT_EQ(Column(kQueueNumberColumn), (Texts{"1", "2"}));
  EXPECT_EQ(Column(kQueueStatusColumn), (Texts{"正在转换", "等待"}));
  EXPECT_EQ(Icons(), (std::vector<int>{1, 0}));
}

// Every awkward name comes back whole: the row's folder followed by its name
// is the chosen path, byte for byte.
TEST_F(AddButton, AwkwardNamesComeBackWholeOneAtATime) {
  const std::string awkwardFolder = folder.MakeFolder("我的 视频 (2024)");
  const std::vector<std::string> names = {
      "holiday clip.avi",
      "it's mine.mkv",
      "第一集 高清版.mp4",
      "no-dot-at-all",
      "back\\slash.avi",
      "-starts with a dash.avi",
      "ends with a blank .avi ",
      std::string(150, 'x') + "视频视频视频视频视频视频视频视频视频视频视频视频视频视频视频.avi",
  };
  std::vector<std::string> paths;
  for (const std::string& name : names) {
    paths.push_back(awkwardFolder + "/" + name);
    std::ofstream(paths.back()) << name;
    user->ChooseByTyping(paths.back());
  }
  ASSERT_GT(FileNameOfPath(paths.back()).size(), 200u);
  for (std::size_t i = 0; i < names.size(); ++i) ClickAdd();

  ASSERT_EQ(list().rowCount(), static_cast<int>(paths.size()));
  for (int row = 0; row < list().rowCount(); ++row) {
    const std::string& path = paths[static_cast<std::size_t>(row)];
    EXPECT_EQ(InputPath(row), path) << row;
    EXPECT_EQ(list().cellText(row, kQueueFolderColumn), awkwardFolder + "/") << row;
    EXPECT_EQ(list().cellText(row, kQueueInputSizeColumn),
              std::to_string(names[static_cast<std::size_t>(row)].size()) + " 字节")
        << row;
  }
}

TEST_F(AddButton, AwkwardNamesComeBackWholeTogether) {
  const std::vector<std::string> names = {"a b.avi", "视频.mkv", "no-dot", "it's.mp4"};
  std::string typed;
  Texts expected;
  for (const std::string& name : names) {
    expected.push_back(folder.MakeFile(name, 3));
    typed += "\"" + name + "\" ";
  }
  user->ChooseByTyping(typed, folder.path());
  ClickAdd();
  EXPECT_EQ(Column(kQueueNumberColumn), (Texts{"1", "2", "3", "4"}));
  // The dialog decides the order of a typed selection.
  Texts queued;
  for (int row = 0; row < list().rowCount(); ++row) queued.push_back(InputPath(row));
  std::sort(queued.begin(), queued.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(queued, expected);
}

TEST_F(AddButton, ANameWithDoubleQuotesChosenInTheListComesBackWhole) {
  const std::string path = folder.MakeFile("the \"best\" take.avi", 7);
  user->ChooseBySelecting({path});
  ClickAdd();
  ASSERT_EQ(list().rowCount(), 1);
  EXPECT_EQ(list().cellText(0, kQueueFileNameColumn), "the \"best\" take.avi");
  EXPECT_EQ(InputPath(0), path);
  EXPECT_EQ(list().cellText(0, kQueueInputSizeColumn), "7 字节");
}

TEST_F(AddButton, AThousandFilesSelectedInOneDialogAreAllQueued) {
  constexpr int kFiles = 1000;
  std::vector<std::string> paths;
  for (int i = 1; i <= kFiles; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "clip-%04d.avi", i);
    paths.push_back(folder.MakeFile(name, static_cast<std::size_t>(i % 3)));
  }
  QueueWithoutDialog({"/v/already.avi"});
  const QRect windowBefore = window->geometry();
  const QRect listBefore = list().geometry();
  user->ChooseBySelecting(paths);
  ClickAdd();

  // A long queue scrolls inside the list; nothing around it moves.
  EXPECT_EQ(window->geometry(), windowBefore);
  EXPECT_EQ(list().geometry(), listBefore);
  EXPECT_TRUE(window->isVisible());
  ASSERT_EQ(list().rowCount(), kFiles + 1);
  EXPECT_EQ(InputPath(0), "/v/already.avi");
  const std::string chosenFolder = folder.path() + "/";
  Texts queued;
  for (int row = 1; row <= kFiles; ++row) {
    ASSERT_EQ(list().cellText(row, kQueueNumberColumn), std::to_string(row + 1)) << row;
    ASSERT_EQ(list().cellText(row, kQueueFolderColumn), chosenFolder) << row;
    ASSERT_EQ(list().cellText(row, kQueueStatusColumn), "等待") << row;
    ASSERT_EQ(list().rowIcon(row), 0) << row;
    // clip-NNNN.avi holds NNNN % 3 bytes.
    const std::string name = list().cellText(row, kQueueFileNameColumn);
    const int number = std::atoi(name.substr(5, 4).c_str());
    ASSERT_EQ(list().cellText(row, kQueueInputSizeColumn), std::to_string(number % 3) + " 字节")
        << name;
    queued.push_back(InputPath(row));
  }
  std::sort(queued.begin(), queued.end());
  EXPECT_EQ(queued, paths);
}

}  // namespace
}  // namespace corvanta::testing
