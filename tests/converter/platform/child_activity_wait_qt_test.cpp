#include "platform/child_activity_wait.h"

#include <gtest/gtest.h>

#include "common/application.h"
#include "common/event_loop.h"
#include "common/files.h"
#include "common/temporary_folder.h"
#include "platform/child_process.h"
#include "platform/output_pipe.h"

namespace corvanta {
namespace {

struct WaitCount {
  std::string output;
  int wakes = 0;
};

WaitCount WaitOut(const std::string& script) {
  OutputPipe pipe;
  ChildProcess child = ChildProcess::Start("/bin/sh", {"sh", "-c", script}, "", pipe.writeEnd());
  pipe.CloseWriteEnd();
  ChildActivityWait wait(pipe.readEnd(), child.exitNotifyFd());
  WaitCount result;
  char buffer[260];
  std::uint32_t code = 0;
  for (;;) {
    std::uint32_t count = 0;
    pipe.PeekBytesAvailable(count);
    if (count > 0) {
      result.output.append(buffer, pipe.Read(buffer, sizeof buffer));
      continue;
    }
    if (!child.QueryExitCode(code) || code != kStillActive) break;
    wait.Wait();
    ++result.wakes;
  }
  return result;
}

class ChildActivityWaitInEventLoop : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testing::EnsureCoreApplication(); }
};

TEST_F(ChildActivityWaitInEventLoop, EndedOutputDoesNotKeepWakingTheLoop) {
  // The child stays on without output until window events have been
  // handled for a while, which they must be while the loop waits.
  testing::TemporaryFolder folder;
  const std::string go = folder.File("go");
  testing::TickCounter timer(20);
  testing::WhenThen letGo([&] { return timer.ticks() >= 25; }, [&] { testing::WriteFile(go, ""); });
  const WaitCount result = WaitOut("echo bye; exec >&- 2>&-; i=0; while [ ! -e " + go +
                                   " ] && [ $i -lt 6000 ]; do sleep 0.01; i=$((i+1)); done");
  EXPECT_TRUE(letGo.fired());
  EXPECT_EQ(result.output, "bye\n");
  EXPECT_LE(result.wakes, 4);
}

TEST_F(ChildActivityWaitInEventLoop, WakesForOutputAndForTheExit) {
  const WaitCount result = WaitOut("sleep 0.2; echo one; sleep 0.2; echo two; sleep 0.2");
  EXPECT_EQ(result.output, "one\ntwo\n");
  EXPECT_LE(result.wakes, 6);
}

}  // namespace
}  // namespace corvanta
