#pragma once

#include <gtest/gtest.h>

#include <QTest>

#include <memory>
#include <string>
#include <vector>

#include "common/application.h"
#include "common/event_loop.h"
#include "common/quiet_run_services.h"
#include "common/temporary_folder.h"
#include "modal_answerer.h"
#include "ui/main_window.h"
#include "ui/queue_rows.h"

namespace corvanta::testing {

// A shown main window, a stand-in user for every modal window, and a
// temporary folder of files to choose. Each window brings its own run state,
// whose run flag starts at 0.
class QueueWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApplication();
    window = std::make_unique<MainWindow>(services);
    window->show();
    user = std::make_unique<ModalAnswerer>();
  }

  void TearDown() override {
    EXPECT_EQ(user->unexpectedFileDialogs(), 0);
    user.reset();
    window.reset();
  }

  QueueListView& list() { return *window->超级列表框1; }
  RunState& state() { return window->runState(); }

  void ClickAdd() { window->按钮_添加->click(); }
  void ClickDelete() { window->按钮_删除->click(); }
  void ClickClear() { window->按钮_清空->click(); }

  // A click on the row's file name, as a pointer would select it.
  void ClickRow(int row) {
    const QRect cell = list().visualItemRect(list().topLevelItem(row));
    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, cell.center());
  }

  // Rows queued without the dialog, for the tests of Delete and Clear.
  void QueueWithoutDialog(const std::vector<std::string>& paths) {
    for (const std::string& path : paths) AppendQueueRow(list(), path, SizeOfPathLength);
  }

  std::vector<std::string> Column(int column) {
    std::vector<std::string> cells;
    for (int row = 0; row < list().rowCount(); ++row) cells.push_back(list().cellText(row, column));
    return cells;
  }

  std::vector<int> Icons() {
    std::vector<int> icons;
    for (int row = 0; row < list().rowCount(); ++row) icons.push_back(list().rowIcon(row));
    return icons;
  }

  std::string InputPath(int row) {
    return list().cellText(row, kQueueFolderColumn) + list().cellText(row, kQueueFileNameColumn);
  }

  static std::string SizeOfPathLength(const std::string& path) {
    return std::to_string(path.size()) + " 字节";
  }

  QuietRunServices services;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<ModalAnswerer> user;
  TemporaryFolder folder;
};

using Texts = std::vector<std::string>;

}  // namespace corvanta::testing
