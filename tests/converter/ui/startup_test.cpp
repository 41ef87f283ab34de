#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <unistd.h>

#include "common/modal_windows.h"
#include "fatal_box.h"
#include "platform/fatal_error.h"
#include "program_folder.h"
#include "ui/main_window.h"
#include "ui/program_entry.h"

namespace corvanta {
namespace {

// Runs inside the program as soon as its application object exists: waits
// for the main window, tells what the start-up left behind, then closes the
// window as a user would. A message loop that outlives the close ends the
// process with 3.
void CloseTheMainWindowOnceShown() {
  auto* poll = new QTimer(QCoreApplication::instance());
  QObject::connect(poll, &QTimer::timeout, [poll] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      auto* window = qobject_cast<MainWindow*>(top);
      if (window == nullptr || !window->isVisible()) continue;
      poll->stop();
      // Qt titles an untitled window with the application's name.
      std::fprintf(stderr, "%s folder, %s, name '%s'\n",
                   QDir::currentPath().toStdString() == ProgramFolder() ? "own" : "other",
                   qPrintable(QCoreApplication::translate("QFileDialog", "Look in:")),
                   qPrintable(QCoreApplication::applicationName()));
      window->close();
      QTimer::singleShot(3000, [] { std::_Exit(3); });
      return;
    }
  });
  poll->start(10);
}

// The program as started from a Chinese desktop, ending the (forked) test
// process with the program's exit code.
[[noreturn]] void RunTheProgram() {
  setenv("LANG", "zh_CN.UTF-8", 1);
  unsetenv("LC_ALL");
  unsetenv("LC_MESSAGES");
  qAddPreRoutine(CloseTheMainWindowOnceShown);
  char name[] = "converter";
  char* argv[] = {name, nullptr};
  int argc = 1;
  std::exit(ProgramEntry(argc, argv));
}

TEST(StartUp, RunsInItsOwnFolderSpeaksTheDesktopsLanguageHasNoNameAndEndsWithZeroOnClose) {
  ASSERT_EQ(chdir("/"), 0);
  EXPECT_EXIT(RunTheProgram(), ::testing::ExitedWithCode(0), "own folder, 查找范围.*, name ''");
}

// A start window that cannot be made: the fatal box, installed as the
// program installs it, names the start-up failure, and the process ends
// with -1.
[[noreturn]] void StartWithAFailingWindow() {
  SetFatalErrorPresenter(ShowFatalBox);
  int argc = 1;
  char name[] = "converter";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  testing::WhenModalOpens<QMessageBox>([](QMessageBox& box) {
    std::fprintf(stderr, "box: %s\n", qPrintable(box.text()));
    box.accept();
  });
  MakeStartWindow([]() -> std::unique_ptr<MainWindow> { throw std::runtime_error("no window"); });
  std::exit(0);
}

TEST(StartUp, AStartWindowThatCannotBeMadeStopsWithTheFailureBox) {
  EXPECT_EXIT(StartWithAFailingWindow(), ::testing::ExitedWithCode(255),
              "box: .*错误信息：载入启动窗口失败");
}

}  // namespace
}  // namespace corvanta
