#include <gtest/gtest.h>

#include <QCoreApplication>
#include <chrono>

#include "engine/encoder_run.h"
#include "fake_encoder.h"

namespace corvanta {
namespace {

using namespace std::chrono_literals;
using testing::PrintStatusLine;
using testing::RecordingDisplay;
using testing::TemporaryFolder;
using testing::WriteFakeEncoder;
using Writes = std::vector<std::string>;

// The loop must work where no Qt application exists: it then sleeps in a
// plain poll and has no events to handle.
TEST(RunEncoderWithoutApplication, ReadsTheStatusLinesAndWaitsOutSilence) {
  ASSERT_EQ(QCoreApplication::instance(), nullptr);
  const int descriptorsBefore = testing::OpenDescriptorCount();
  TemporaryFolder folder;
  const std::string encoder =
      WriteFakeEncoder(folder, PrintStatusLine(5) + "hand_over\n" + PrintStatusLine(99) +
                                   "exec >&- 2>&-\nsleep 0.5\n");
  RecordingDisplay display;
  {
    const testing::ReadHandOver handOver(folder.path());
    RunEncoder(encoder, "quorbel.exe", display, RunState{});
  }
  EXPECT_EQ(display.writes,
            (Writes{"left 56", "width 0", "color 35ed1f", "width 29", "text  5%", "color 35ed1f",
                    "width 582", "text 99%", "color c89123", "text 0%"}));
  EXPECT_TRUE(testing::NoChildrenWithin(10s));
  EXPECT_EQ(testing::OpenDescriptorCount(), descriptorsBefore);
}

TEST(RunEncoderWithoutApplication, StopIsTakenBeforeTheNextLine) {
  RunState stopped;
  stopped.StopRequested = 1;
  TemporaryFolder folder;
  const std::string encoder =
      WriteFakeEncoder(folder, PrintStatusLine(5) + "hand_over\n" + PrintStatusLine(45));
  RecordingDisplay display;
  const testing::ReadHandOver handOver(folder.path());
  RunEncoder(encoder, "quorbel.exe", display, stopped);
  EXPECT_EQ(display.text(), "0%");
  EXPECT_LE(display.width(), 29);
  EXPECT_TRUE(testing::NoChildrenWithin(10s));
}

}  // namespace
}  // namespace corvanta
