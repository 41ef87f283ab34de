#include "engine/encoder_run.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <filesystem>

#include "common/event_loop.h"
#include "fake_encoder.h"
#include "platform/child_process.h"

namespace corvanta {
namespace {

using namespace std::chrono_literals;
using testing::PrintStatusLine;
using testing::RecordingDisplay;
using testing::TemporaryFolder;
using testing::TickCounter;
using testing::WhenThen;
using testing::WriteFakeEncoder;
using Writes = std::vector<std::string>;

const Writes kStart{"left 56", "width 0"};
const Writes kEnd{"color c89123", "text 0%"};

Writes Concat(std::initializer_list<Writes> parts) {
  Writes all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

Writes Shown(int width, const std::string& text) {
  return {"color 35ed1f", "width " + std::to_string(width), "text " + text};
}

class RunEncoderTest : public testing::EncoderRunTest {
 protected:
  // Between lines, keeps each status line in a read of its own (with a
  // ReadHandOver watching).
  static constexpr const char* kPause = "hand_over\n";

  // Whether the display has shown `text` as its percentage.
  bool HasShown(const std::string& text) const {
    return std::find(display_.writes.begin(), display_.writes.end(), "text " + text) !=
           display_.writes.end();
  }
  // Lets an encoder waiting in "await_file NAME" go on.
  void Let(const std::string& name) { testing::WriteFile(folder_.File(name), ""); }
};

TEST_F(RunEncoderTest, StatusLinesDriveTheBarAndTheEndTurnsItBlue) {
  const testing::ReadHandOver handOver(folder_.path());
  const std::string encoder = WriteFakeEncoder(
      folder_, "echo 'MEncoder 1.5 (Debian-12)'\n" + std::string(kPause) + PrintStatusLine(5) +
                   kPause + PrintStatusLine(45) + kPause + PrintStatusLine(100) + kPause +
                   "echo 'Video stream: 800.000 kbit/s'\n");
  EXPECT_TRUE(RunEncoder(encoder, "quorbel.exe \"in.avi\" -o \"out.mp4\"", display_, state_));
  EXPECT_EQ(display_.writes,
            Concat({kStart, Shown(29, " 5%"), Shown(264, "45%"), Shown(588, "100%"), kEnd}));
  EXPECT_EQ(display_.left(), 56);
  EXPECT_EQ(display_.width(), 588);
}

TEST_F(RunEncoderTest, MissingEncoderEndsAtOnceWithAnEmptyBlueBar) {
  EXPECT_FALSE(
      RunEncoder(folder_.File("missing/quorbel.exe"), "quorbel.exe \"a.avi\"", display_, state_));
  EXPECT_EQ(display_.writes, Concat({kStart, kEnd}));

  testing::WriteFile(folder_.File("quorbel.exe"), "#!/bin/sh\necho Pos\n", 0644);
  RecordingDisplay notExecutable;
  EXPECT_FALSE(RunEncoder(folder_.File("quorbel.exe"), "quorbel.exe", notExecutable, state_));
  EXPECT_EQ(notExecutable.writes, Concat({kStart, kEnd}));
}

TEST_F(RunEncoderTest, StatusLineCutByAReadIsSeenOnlyAsFarAsEachChunkGoes) {
  const testing::ReadHandOver handOver(folder_.path());
  const std::string encoder =
      WriteFakeEncoder(folder_, "printf 'Pos:   1.0s     25f ('\n" + std::string(kPause) +
                                    "printf '12%%) 25.00fps\\r'\n" + kPause + PrintStatusLine(13));
  RunEncoder(encoder, "quorbel.exe", display_, state_);
  EXPECT_EQ(display_.writes, Concat({kStart, Shown(0, ""), Shown(76, "13%"), kEnd}));
}

TEST_F(RunEncoderTest, LineFeedReachesTheParserAsCrLfAndNulEndsTheChunk) {
  const testing::ReadHandOver handOver(folder_.path());
  const std::string encoder = WriteFakeEncoder(
      folder_, "printf 'Pos: 3f (7\\n%%) x'\n" + std::string(kPause) +
                   "printf 'junk\\000Pos: 9f (9%%) '\n" + kPause + PrintStatusLine(10));
  RunEncoder(encoder, "quorbel.exe", display_, state_);
  EXPECT_EQ(display_.writes, Concat({kStart, Shown(41, "7\r\n%"), Shown(58, "10%"), kEnd}));
}

TEST_F(RunEncoderTest, SilentEncoderIsWaitedForWhileEventsKeepFlowing) {
  // The encoder stays silent until events have flowed for a while.
  const std::string encoder =
      WriteFakeEncoder(folder_, "await_file ticked\n" + PrintStatusLine(50) + kPause);
  const testing::ReadHandOver handOver(folder_.path());
  TickCounter timer(20);
  WhenThen ticked([&] { return timer.ticks() >= 25; }, [&] { Let("ticked"); });
  RunEncoder(encoder, "quorbel.exe", display_, state_);
  EXPECT_TRUE(ticked.fired());
  EXPECT_EQ(display_.writes, Concat({kStart, Shown(294, "50%"), kEnd}));
}

TEST_F(RunEncoderTest, CrashingEncoderEndsTheLoopCleanlyAndHasNotFinished) {
  const testing::ReadHandOver handOver(folder_.path());
  const std::string encoder =
      WriteFakeEncoder(folder_, PrintStatusLine(20) + kPause + "kill -SEGV $$\necho never\n");
  EXPECT_FALSE(RunEncoder(encoder, "quorbel.exe", display_, state_));
  EXPECT_EQ(display_.writes, Concat({kStart, Shown(117, "20%"), kEnd}));
}

TEST_F(RunEncoderTest, EncoderThatExitsWithAnErrorHasNotFinished) {
  const std::string encoder = WriteFakeEncoder(folder_, PrintStatusLine(100) + "exit 1\n");
  EXPECT_FALSE(RunEncoder(encoder, "quorbel.exe", display_, state_));
}

TEST_F(RunEncoderTest, FloodOfBinaryOutputIsReadToTheEnd) {
  const testing::ReadHandOver handOver(folder_.path());
  // Random bytes may hold "Pos"; only the final state and the survival of
  // the event loop are certain.
  const std::string encoder =
      WriteFakeEncoder(folder_, "head -c 3000000 /dev/urandom\nprintf '\\n'\n" +
                                    std::string(kPause) + PrintStatusLine(77));
  TickCounter timer(0);
  RunEncoder(encoder, "quorbel.exe", display_, state_);
  EXPECT_GT(timer.ticks(), 0);
  const Writes tail(display_.writes.end() - 5, display_.writes.end());
  EXPECT_EQ(tail, Concat({Shown(452, "77%"), kEnd}));
}

// Encoders that write nothing more after their first line: one stopped by a
// signal, one blocked opening a pipe that nobody writes to, one reading
// without end at full speed. A stop must not wait for output that never
// comes; the stopped encoder is ended by name.
TEST_F(RunEncoderTest, StopEndsAnEncoderThatWritesNothingMore) {
  ASSERT_EQ(mkfifo(folder_.File("nobody").c_str(), 0600), 0);
  for (const std::string silence :
       {"kill -STOP $$\n", "read line < nobody\n", "read line < /dev/zero\n"}) {
    SCOPED_TRACE(silence);
    const std::string pidFile = folder_.File("pid");
    std::filesystem::remove(pidFile);
    const std::string encoder =
        WriteFakeEncoder(folder_, PrintStatusLine(5) + "echo $$ > pid\n" + silence);
    state_.StopRequested = 0;
    RecordingDisplay display;
    WhenThen stop([&] { return display.width() == 29; }, [&] { state_.StopRequested = 1; });
    // Only against a hang: a stop that is not taken fails here, not by the
    // test's time limit.
    QTimer stuck;
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout, [&] {
      ADD_FAILURE() << "the stop did not end the encoder";
      const pid_t standIn = std::stoi("0" + testing::ReadWholeFile(pidFile));
      if (standIn > 0) kill(standIn, SIGKILL);
    });
    stuck.start(10000);

    EXPECT_FALSE(RunEncoder(encoder, "quorbel.exe", display, state_));
    EXPECT_EQ(display.writes, Concat({kStart, Shown(29, " 5%"), kEnd}));
    EXPECT_TRUE(testing::NoChildrenWithin(10s));
  }
}

// As the encoder starts, there is nothing to read yet: the stop is taken
// before a second status line, whether the first came in time or not.
TEST_F(RunEncoderTest, StopRequestedBeforeTheRunEndsItBeforeItsSecondLine) {
  const testing::ReadHandOver handOver(folder_.path());
  state_.StopRequested = 1;
  const std::string encoder =
      WriteFakeEncoder(folder_, PrintStatusLine(5) + kPause + PrintStatusLine(45));
  RunEncoder(encoder, "quorbel.exe", display_, state_);
  EXPECT_LE(display_.width(), 29);
  EXPECT_EQ(display_.text(), "0%");
}

TEST_F(RunEncoderTest, OnlyAStopOfExactlyOneIsTaken) {
  const testing::ReadHandOver handOver(folder_.path());
  state_.StopRequested = 2;
  const std::string encoder =
      WriteFakeEncoder(folder_, PrintStatusLine(5) + kPause + PrintStatusLine(45));
  RunEncoder(encoder, "quorbel.exe", display_, state_);
  EXPECT_EQ(display_.writes, Concat({kStart, Shown(29, " 5%"), Shown(264, "45%"), kEnd}));
}

TEST_F(RunEncoderTest, RunningEncoderIsEndedBeforeTheNewOneStarts) {
  TemporaryFolder other;
  const std::string stale = WriteFakeEncoder(other, "await_file never\n");
  ChildProcess running = ChildProcess::Start(stale, {"quorbel.exe"}, "", -1);
  ASSERT_TRUE(running.started());
  // Wait until the kernel calls it by its name.
  ASSERT_TRUE(testing::ProcessEventsUntil([&] {
    return testing::ReadWholeFile("/proc/" + std::to_string(running.pid()) + "/comm") ==
           "quorbel.exe\n";
  }));

  const std::string encoder = WriteFakeEncoder(folder_, PrintStatusLine(1));
  RunEncoder(encoder, "quorbel.exe", display_, state_);
  EXPECT_EQ(display_.writes, Concat({kStart, Shown(5, " 1%"), kEnd}));
  std::uint32_t code = 0;
  testing::ProcessEventsUntil([&] { return !running.QueryExitCode(code) || code != kStillActive; });
  EXPECT_EQ(code, 128u + SIGKILL);
}

TEST_F(RunEncoderTest, EncoderRunsInItsOwnFolderAndGetsTheSplitCommandLine) {
  const std::string body = "pwd > where.txt\nprintf 'Pos: 1f (%s) ' \"$1\"\n";
  const std::string encoder = WriteFakeEncoder(folder_, body, "sub");
  RunEncoder(encoder, "quorbel.exe \"a b\" c", display_, state_);
  EXPECT_EQ(display_.text(), "0%");
  EXPECT_NE(std::find(display_.writes.begin(), display_.writes.end(), "text a b"),
            display_.writes.end());
  EXPECT_EQ(testing::ReadWholeFile(folder_.File("sub/where.txt")), folder_.File("sub") + "\n");
}

TEST_F(RunEncoderTest, EncoderPathWithoutAFolderRunsInOurCurrentFolder) {
  WriteFakeEncoder(folder_, "pwd > where.txt\n");
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder_.path());
  RunEncoder("quorbel.exe", "quorbel.exe", display_, state_);
  std::filesystem::current_path(previous);
  EXPECT_EQ(testing::ReadWholeFile(folder_.File("where.txt")), folder_.path() + "\n");
  EXPECT_EQ(display_.writes, Concat({kStart, kEnd}));
}

TEST_F(RunEncoderTest, EncoderThatClosesItsOutputEarlyIsStillWaitedFor) {
  // Without output, the encoder lives on until events have flowed a while.
  const std::string encoder =
      WriteFakeEncoder(folder_, PrintStatusLine(30) + "exec >&- 2>&-\nawait_file ticked\n");
  TickCounter timer(20);
  WhenThen ticked([&] { return timer.ticks() >= 25; }, [&] { Let("ticked"); });
  RunEncoder(encoder, "quorbel.exe", display_, state_);
  EXPECT_TRUE(ticked.fired());
  EXPECT_EQ(display_.writes, Concat({kStart, Shown(176, "30%"), kEnd}));
}

TEST_F(RunEncoderTest, RunStartedFromAnEventDuringARunEndsTheOuterEncoder) {
  TemporaryFolder inner;
  const std::string outerEncoder =
      WriteFakeEncoder(folder_, PrintStatusLine(10) + "await_file never\n" + PrintStatusLine(90));
  const std::string innerEncoder = WriteFakeEncoder(inner, "sleep 0.2\n" + PrintStatusLine(60));
  RecordingDisplay innerDisplay;
  WhenThen innerRun([&] { return HasShown("10%"); },
                    [&] { RunEncoder(innerEncoder, "quorbel.exe", innerDisplay, state_); });
  RunEncoder(outerEncoder, "quorbel.exe", display_, state_);
  EXPECT_TRUE(innerRun.fired());
  EXPECT_EQ(innerDisplay.writes, Concat({kStart, Shown(352, "60%"), kEnd}));
  EXPECT_EQ(display_.writes, Concat({kStart, Shown(58, "10%"), kEnd}));
}

}  // namespace
}  // namespace corvanta
