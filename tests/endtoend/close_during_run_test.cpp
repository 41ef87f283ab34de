#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

#include "common/event_loop.h"
#include "common/processes.h"
#include "common/quiet_run_services.h"
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
  int argc = 1;
  char name[] = "converter";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  testing::QuietRunServices services;
  MainWindow window(services);
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

// How `child` ended, once it has; nothing when it is still running after
// `limitMs`, which fails the test.
std::optional<int> WaitForExit(pid_t child, int limitMs) {
  int status = 0;
  if (!testing::ProcessEventsUntil([&] { return waitpid(child, &status, WNOHANG) == child; },
                                   limitMs)) {
    return std::nullopt;
  }
  return status;
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

  const std::optional<int> status = WaitForExit(child, 60000);
  if (!status) {
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
  }
  const std::optional<pid_t> encoder = AdoptedEncoder();
  // The encoder goes on to the end of its conversion, its output read by
  // the drain the converter left behind (a full pipe would stall it).
  std::optional<int> encoderStatus;
  if (encoder) {
    encoderStatus = WaitForExit(*encoder, 60000);
    if (!encoderStatus) {
      // We started it, through the child: end it now that it has been seen.
      kill(*encoder, SIGKILL);
      waitpid(*encoder, nullptr, 0);
    }
  }
  // The drain ends at the end of the encoder's output; collect it too.
  for (const pid_t pid : testing::OurChildren()) WaitForExit(pid, 5000);

  ASSERT_TRUE(status.has_value()) << "the converter did not end";
  ASSERT_TRUE(WIFEXITED(*status));
  EXPECT_EQ(WEXITSTATUS(*status), 0);
  ASSERT_TRUE(encoder.has_value()) << "the encoder did not outlive the converter";
  ASSERT_TRUE(encoderStatus.has_value());
  EXPECT_TRUE(WIFEXITED(*encoderStatus) && WEXITSTATUS(*encoderStatus) == 0)
      << "the encoder did not finish its conversion: status " << *encoderStatus;
  EXPECT_GT(std::filesystem::file_size(folder + "/long.MP4"), 100000u);
}

}  // namespace
}  // namespace corvanta::endtoend
