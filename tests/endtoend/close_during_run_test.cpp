#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <optional>
#include <string>
#include <thread>

#include "common/processes.h"
#include "common/temporary_folder.h"
#include "endtoend_support.h"
#include "platform/kelvane_binding.h"
#include "ui/main_window.h"
#include "ui/queue_rows.h"
#include "ui/title_buttons.h"

namespace corvanta::endtoend {
namespace {

constexpr int kRunEndedBeforeClose = 3;

// The converter in a child process: queue one long clip, start the run and
// press the close button once the encoder reports progress.
[[noreturn]] void RunConverterAndCloseIt(const std::string& clip, const std::string& outputs) {
  InstallRecorders();
  int argc = 1;
  char name[] = "converter";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  MainWindow window;
  window.show();
  AppendQueueRow(*window.超级列表框1, clip, kelvane::FileSizeText);
  window.编辑框_目录->setText(QString::fromStdString(outputs + "/"));
  WhenThen closeWhileEncoding(
      [&] {
        const QString percent = window.标签2->text();
        return !percent.isEmpty() && percent != "0%";
      },
      [] { OnCloseButtonClick(); });
  window.按钮_转换->click();
  _exit(kRunEndedBeforeClose);
}

// A "quorbel.exe" whose parent is this process, running or ended but not yet
// collected: an encoder orphaned by a child of ours, adopted because we are a
// subreaper. Only an encoder that outlived the converter gets here.
std::optional<pid_t> AdoptedEncoder() {
  for (const pid_t pid : testing::OurChildren()) {
    const auto status = testing::StatusOf(pid);
    if (status && status->command == "quorbel.exe") return pid;
  }
  return std::nullopt;
}

std::optional<int> WaitForExit(pid_t child, std::chrono::seconds limit) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (std::chrono::steady_clock::now() < deadline) {
    int status = 0;
    if (waitpid(child, &status, WNOHANG) == child) return status;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return std::nullopt;
}

TEST(CloseDuringRunTest, EndsTheProgramWithCodeZeroAndDoesNotEndTheEncoder) {
  const testing::TemporaryFolder temporary;
  const std::string& folder = temporary.path();
  ASSERT_FALSE(folder.empty());
  const std::string clip = folder + "/long.mp4";
  const std::string make =
      "ffmpeg -v error -y -f lavfi -i testsrc=duration=60:size=320x240:rate=25 -f lavfi -i "
      "sine=duration=60 -c:v mpeg4 -c:a aac -shortest " +
      clip;
  ASSERT_EQ(std::system(make.c_str()), 0);

  ASSERT_EQ(prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
  std::fflush(nullptr);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) RunConverterAndCloseIt(clip, folder);

  const std::optional<int> status = WaitForExit(child, std::chrono::seconds(60));
  if (!status) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  const std::optional<pid_t> encoder = AdoptedEncoder();
  // The encoder writes a status line many times a second; half a second
  // after the close it must still be converting, its output read by the
  // drain the converter left behind.
  bool encoderRanOn = false;
  if (encoder) {
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    int encoderStatus = 0;
    encoderRanOn = waitpid(*encoder, &encoderStatus, WNOHANG) == 0;
    if (encoderRanOn) {
      // We started it, through the child: end it now that it has been seen.
      kill(*encoder, SIGKILL);
      waitpid(*encoder, nullptr, 0);
    }
  }
  // The drain ends at the end of the encoder's output; collect it too.
  for (const pid_t pid : testing::OurChildren()) WaitForExit(pid, std::chrono::seconds(5));

  ASSERT_TRUE(status.has_value()) << "the converter did not end";
  ASSERT_TRUE(WIFEXITED(*status));
  EXPECT_EQ(WEXITSTATUS(*status), 0);
  ASSERT_TRUE(encoder.has_value()) << "the encoder did not outlive the converter";
  EXPECT_TRUE(encoderRanOn) << "the encoder ended soon after the converter";
}

}  // namespace
}  // namespace corvanta::endtoend
