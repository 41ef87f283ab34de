#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTest>

#include "common/application.h"
#include "common/modal_windows.h"
#include "common/quiet_run_services.h"
#include "engine/run_state.h"
#include "text/messages.h"
#include "ui/main_window.h"
#include "ui/title_buttons.h"

namespace corvanta {
namespace {

class TitleButtons : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureApplication();
    window = std::make_unique<MainWindow>(services);
    window->show();
  }
  testing::QuietRunServices services;
  std::unique_ptr<MainWindow> window;
};

TEST_F(TitleButtons, HelpShowsTheWelcomeBoxOwnedByTheWindow) {
  bool shown = false;
  testing::WhenModalOpens<QMessageBox>([&](QMessageBox& box) {
    shown = true;
    const MessageText welcome = WelcomeMessage();
    EXPECT_EQ(box.windowTitle().toStdString(), welcome.caption);
    EXPECT_EQ(box.text().toStdString(), welcome.text);
    EXPECT_TRUE(box.windowTitle().endsWith(QStringLiteral("     ")));
    EXPECT_EQ(box.icon(), QMessageBox::Question);
    EXPECT_EQ(box.standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(box.textFormat(), Qt::PlainText);
    EXPECT_EQ(box.parentWidget(), window.get());
    // The box is as wide as its text: one line.
    int textLabels = 0;
    for (const QLabel* label : box.findChildren<QLabel*>()) {
      if (label->text() != box.text()) continue;
      ++textLabels;
      EXPECT_FALSE(label->wordWrap());
      EXPECT_GE(label->contentsRect().width(),
                label->fontMetrics().horizontalAdvance(label->text()));
    }
    EXPECT_EQ(textLabels, 1);
    box.button(QMessageBox::Ok)->click();
  });
  window->按钮5->click();
  EXPECT_TRUE(shown);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(TitleButtons, MinimiseMinimisesTheWindow) {
  window->按钮_转换4->click();
  EXPECT_TRUE(window->isMinimized());
}

TEST(CloseButton, EndsTheProcessWithCodeZeroAfterTheExitRoutines) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        static RunState state;
        state.AudioCodecText = "mp3lame";
        std::atexit(
            +[] { std::fputs(state.AudioCodecText ? "texts kept" : "texts freed", stderr); });
        std::atexit(+[] { state.FreeGlobalTexts(); });
        OnCloseButtonClick();
      },
      ::testing::ExitedWithCode(0), "texts freed");
}

// Where the child of the death test leaves the pid of the process it started.
QString PidFileOf(pid_t testProcess) {
  return QDir::tempPath() + QStringLiteral("/corvanta-close-test-") + QString::number(testProcess);
}

TEST(CloseButton, LeavesARunningChildProcessRunning) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const QString pidFile = PidFileOf(getpid());
  QFile::remove(pidFile);
  EXPECT_EXIT(
      {
        testing::EnsureApplication();
        QProcess child;
        child.setProgram(QStringLiteral("sleep"));
        child.setArguments({QStringLiteral("30")});
        // The sleeper must not hold the death test's pipe open, or the test
        // would wait for it.
        child.setChildProcessModifier([] { close_range(3, ~0U, 0); });
        child.setStandardOutputFile(QProcess::nullDevice());
        child.setStandardErrorFile(QProcess::nullDevice());
        child.start();
        child.waitForStarted();
        QFile out(PidFileOf(getppid()));
        out.open(QIODevice::WriteOnly);
        out.write(QByteArray::number(child.processId()));
        out.close();
        OnCloseButtonClick();
      },
      ::testing::ExitedWithCode(0), "");
  QFile in(pidFile);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  const pid_t pid = static_cast<pid_t>(in.readAll().toLongLong());
  in.remove();
  ASSERT_GT(pid, 0);
  EXPECT_EQ(kill(pid, 0), 0);
  kill(pid, SIGKILL);
}

}  // namespace
}  // namespace corvanta
