#include <gtest/gtest.h>

#include <QCoreApplication>

#include "common/application.h"
#include "platform/child_activity_wait.h"
#include "platform/child_process.h"
#include "platform/output_pipe.h"

namespace corvanta {
namespace {

// Closing the last window during a run asks the application to quit, after
// which every event loop returns at once. The wait must still sleep until
// the encoder has something to say, not spin for the rest of the run.
TEST(ChildActivityWaitWhileQuitting, StillSleepsUntilTheChildActs) {
  testing::EnsureCoreApplication();
  QCoreApplication::exit(0);

  OutputPipe pipe;
  ChildProcess child =
      ChildProcess::Start("/bin/sh", {"sh", "-c", "sleep 0.3"}, "", pipe.writeEnd());
  pipe.CloseWriteEnd();
  ChildActivityWait wait(pipe.readEnd(), child.exitNotifyFd());
  int wakes = 0;
  std::uint32_t code = kStillActive;
  while (child.QueryExitCode(code) && code == kStillActive && wakes < 1000) {
    wait.Wait();
    ++wakes;
  }
  EXPECT_LE(wakes, 4);
}

}  // namespace
}  // namespace corvanta
