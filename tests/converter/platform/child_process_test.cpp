#include "platform/child_process.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>

#include "common/files.h"
#include "common/processes.h"
#include "common/temporary_folder.h"
#include "platform/child_activity_wait.h"
#include "platform/output_pipe.h"

namespace corvanta {
namespace {

using namespace std::chrono_literals;
using testing::TemporaryFolder;

struct Finished {
  std::string output;
  std::uint32_t exitCode = 0;
  int wakes = 0;
};

// Collects everything the child writes until it has ended and its output is
// drained.
Finished RunToEnd(ChildProcess& child, OutputPipe& pipe) {
  Finished finished;
  ChildActivityWait wait(pipe.readEnd(), child.exitNotifyFd());
  char buffer[260];
  for (;;) {
    std::uint32_t count = 0;
    pipe.PeekBytesAvailable(count);
    if (count > 0) {
      finished.output.append(buffer, pipe.Read(buffer, sizeof buffer));
      continue;
    }
    if (!child.QueryExitCode(finished.exitCode)) break;
    if (finished.exitCode != kStillActive) break;
    wait.Wait();
    ++finished.wakes;
  }
  while (const std::uint32_t got = pipe.Read(buffer, sizeof buffer))
    finished.output.append(buffer, got);
  return finished;
}

Finished RunShell(const std::string& script, const std::string& workingDirectory = {}) {
  OutputPipe pipe;
  ChildProcess child =
      ChildProcess::Start("/bin/sh", {"sh", "-c", script}, workingDirectory, pipe.writeEnd());
  pipe.CloseWriteEnd();
  EXPECT_TRUE(child.started());
  return RunToEnd(child, pipe);
}

TEST(ChildProcess, OutputAndErrorShareThePipeAndInputIsEmpty) {
  const Finished finished =
      RunShell("echo out; echo err >&2; if read line; then echo got; else echo none; fi");
  EXPECT_EQ(finished.output, "out\nerr\nnone\n");
  EXPECT_EQ(finished.exitCode, 0u);
}

TEST(ChildProcess, ArgumentsArriveExactlyAsGiven) {
  OutputPipe pipe;
  ChildProcess child = ChildProcess::Start(
      "/bin/sh", {"sh", "-c", "printf '[%s]' \"$0\" \"$@\"", "zero", "a b", "c\"d", ""}, "",
      pipe.writeEnd());
  pipe.CloseWriteEnd();
  EXPECT_EQ(RunToEnd(child, pipe).output, "[zero][a b][c\"d][]");
}

TEST(ChildProcess, RunsInTheGivenFolderOrInOurs) {
  TemporaryFolder folder;
  EXPECT_EQ(RunShell("pwd", folder.path() + "/").output, folder.path() + "\n");
  EXPECT_EQ(RunShell("pwd").output, std::filesystem::current_path().string() + "\n");
}

TEST(ChildProcess, RelativeProgramPathIsTakenFromOurFolderNotTheChilds) {
  TemporaryFolder folder;
  std::filesystem::create_directory(folder.File("sub"));
  testing::WriteScript(folder.File("sub/tool"), "pwd\n");
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  OutputPipe pipe;
  ChildProcess child = ChildProcess::Start("sub/tool", {"tool"}, "sub/", pipe.writeEnd());
  pipe.CloseWriteEnd();
  const Finished finished = RunToEnd(child, pipe);
  std::filesystem::current_path(previous);
  EXPECT_EQ(finished.output, folder.File("sub") + "\n");
}

TEST(ChildProcess, ChildSeesNoDescriptorOfOursBeyondTheStandardThree) {
  EXPECT_EQ(RunShell("ls /proc/$$/fd").output, "0\n1\n2\n");
}

TEST(ChildProcess, ExitCodeIsStillActiveWhileRunningThenTheRealOne) {
  OutputPipe pipe;
  ChildProcess child =
      ChildProcess::Start("/bin/sh", {"sh", "-c", "read x; exit 3"}, "", pipe.writeEnd());
  pipe.CloseWriteEnd();
  // stdin is /dev/null, so "read" returns at once; what matters is that the
  // code reads as running before the end and as 3 after it, repeatedly.
  Finished finished = RunToEnd(child, pipe);
  EXPECT_EQ(finished.exitCode, 3u);
  std::uint32_t again = 0;
  EXPECT_TRUE(child.QueryExitCode(again));
  EXPECT_EQ(again, 3u);

  OutputPipe pipe2;
  ChildProcess sleeper = ChildProcess::Start("/bin/sleep", {"sleep", "60"}, "", pipe2.writeEnd());
  std::uint32_t code = 0;
  EXPECT_TRUE(sleeper.QueryExitCode(code));
  EXPECT_EQ(code, kStillActive);
  kill(sleeper.pid(), SIGKILL);
  pipe2.CloseWriteEnd();
  EXPECT_EQ(RunToEnd(sleeper, pipe2).exitCode, 128u + SIGKILL);
}

TEST(ChildProcess, CrashReadsAsSignalExitCode) {
  EXPECT_EQ(RunShell("kill -SEGV $$").exitCode, 128u + SIGSEGV);
}

TEST(ChildProcess, FailedStartsStartNothingAndLeaveTheExitCodeAlone) {
  TemporaryFolder folder;
  testing::WriteFile(folder.File("not-executable"), "#!/bin/sh\necho hi\n", 0644);
  testing::WriteFile(folder.File("no-interpreter"), "just text\n", 0755);
  const int descriptorsBefore = testing::OpenDescriptorCount();
  const struct {
    std::string path;
    std::string folder;
  } cases[] = {{folder.File("missing"), ""},
               {folder.File("not-executable"), ""},
               {folder.File("no-interpreter"), ""},
               {folder.path(), ""},
               {"", ""},
               {"/bin/true", folder.File("no-such-folder/")}};
  for (const auto& start : cases) {
    OutputPipe pipe;
    ChildProcess child = ChildProcess::Start(start.path, {"x"}, start.folder, pipe.writeEnd());
    EXPECT_FALSE(child.started()) << start.path << " in " << start.folder;
    std::uint32_t code = 77;
    EXPECT_FALSE(child.QueryExitCode(code));
    EXPECT_EQ(code, 77u);
    EXPECT_EQ(child.exitNotifyFd(), -1);
  }
  EXPECT_EQ(testing::OpenDescriptorCount(), descriptorsBefore);
  EXPECT_TRUE(testing::OurChildren().empty());
}

TEST(ChildProcess, ChildOutlivingItsOwnerIsStillReaped) {
  const int descriptorsBefore = testing::OpenDescriptorCount();
  {
    OutputPipe pipe;
    ChildProcess child = ChildProcess::Start("/bin/sleep", {"sleep", "0.3"}, "", pipe.writeEnd());
    ASSERT_TRUE(child.started());
  }
  EXPECT_EQ(testing::OpenDescriptorCount(), descriptorsBefore);
  EXPECT_TRUE(testing::NoChildrenWithin(10s));
}

TEST(ChildProcess, MovingHandsOverTheChildOnce) {
  OutputPipe pipe;
  ChildProcess first = ChildProcess::Start("/bin/sh", {"sh", "-c", "exit 4"}, "", pipe.writeEnd());
  pipe.CloseWriteEnd();
  ChildProcess second = std::move(first);
  EXPECT_FALSE(first.started());
  EXPECT_EQ(RunToEnd(second, pipe).exitCode, 4u);
  ChildProcess third;
  third = std::move(second);
  std::uint32_t code = 0;
  EXPECT_TRUE(third.QueryExitCode(code));
  EXPECT_EQ(code, 4u);
}

TEST(OutputPipe, PeekAndReadOnAnIdleAnEndedAndAMissingPipe) {
  OutputPipe pipe;
  ASSERT_GE(pipe.readEnd(), 0);
  std::uint32_t count = 9;
  EXPECT_TRUE(pipe.PeekBytesAvailable(count));
  EXPECT_EQ(count, 0u);
  char buffer[260];
  EXPECT_EQ(pipe.Read(buffer, sizeof buffer), 0u);  // idle: does not block

  ASSERT_EQ(write(pipe.writeEnd(), "hello", 5), 5);
  EXPECT_TRUE(pipe.PeekBytesAvailable(count));
  EXPECT_EQ(count, 5u);
  EXPECT_EQ(pipe.Read(buffer, 3), 3u);
  EXPECT_EQ(std::string(buffer, 3), "hel");

  pipe.CloseWriteEnd();
  EXPECT_EQ(pipe.Read(buffer, sizeof buffer), 2u);
  EXPECT_TRUE(pipe.PeekBytesAvailable(count));
  EXPECT_EQ(count, 0u);  // ended reads the same as idle

  pipe.CloseReadEnd();
  count = 42;
  EXPECT_FALSE(pipe.PeekBytesAvailable(count));
  EXPECT_EQ(count, 42u);
  EXPECT_EQ(pipe.Read(buffer, sizeof buffer), 0u);
  pipe.CloseReadEnd();  // closing twice is harmless
}

TEST(OutputPipe, LargeOutputIsNotLostWhileWeReadSlowly) {
  const Finished finished =
      RunShell("i=0; while [ $i -lt 20000 ]; do echo line$i; i=$((i+1)); done");
  EXPECT_EQ(std::count(finished.output.begin(), finished.output.end(), '\n'), 20000);
  EXPECT_TRUE(finished.output.ends_with("line19999\n"));
}

TEST(ChildActivityWait, OutputThatEndsBeforeTheChildDoesNotKeepWaking) {
  // The child closes its output, then stays for a while: an ended pipe is
  // readable for good and must not turn the wait into a spin.
  const Finished finished = RunShell("echo bye; exec >&- 2>&-; sleep 0.5");
  EXPECT_EQ(finished.output, "bye\n");
  EXPECT_LE(finished.wakes, 4);
}

TEST(ChildActivityWait, SilentChildIsWaitedForWithoutSpinning) {
  const Finished finished = RunShell("sleep 0.5; echo late");
  EXPECT_EQ(finished.output, "late\n");
  EXPECT_LE(finished.wakes, 4);
}

}  // namespace
}  // namespace corvanta
