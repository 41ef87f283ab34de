#pragma once

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "common/application.h"
#include "common/files.h"
#include "common/processes.h"
#include "common/temporary_folder.h"
#include "engine/run_state.h"
#include "recording_display.h"

namespace corvanta::testing {

// A shell command that prints one MEncoder status line at `percent`, with
// the blank MEncoder puts before a one-digit value.
inline std::string PrintStatusLine(int percent) {
  char line[160];
  std::snprintf(line, sizeof line,
                "printf 'Pos:   1.0s     25f (%2d%%%%) 25.00fps Trem:   0min   0mb  "
                "A-V:0.000 [0:0]\\r'\n",
                percent);
  return line;
}

// Two commands a fake encoder's body may use, both waiting a minute at most.
// "await_file NAME": waits until the test makes NAME in the encoder's folder.
// "hand_over": says that what the encoder wrote is out, then waits until the
// test has seen it read (a ReadHandOver must watch the folder).
inline constexpr const char* kFakeEncoderCommands =
    "await_file() { i=0; while [ ! -e \"$1\" ] && [ $i -lt 6000 ]; do sleep 0.01; "
    "i=$((i+1)); done; }\n"
    "handed=0\n"
    "hand_over() { handed=$((handed+1)); echo $$ > .written; mv .written written$handed; "
    "await_file read$handed; }\n";

// Writes a fake encoder under the encoder's own name into `folder` and
// returns its full path.
inline std::string WriteFakeEncoder(const TemporaryFolder& folder, const std::string& body,
                                    const std::string& subfolder = {}) {
  const std::string directory = subfolder.empty() ? folder.path() : folder.MakeFolder(subfolder);
  const std::string path = directory + "/quorbel.exe";
  WriteScript(path, kFakeEncoderCommands + body);
  return path;
}

// Lets each "hand_over" of the fake encoders in `folder` go on once the
// encoder's pipe to us has been read empty, so that what it wrote before
// comes to the loop as a read of its own, however slow the machine. Watches
// from a thread of its own, so a loop without events is served too.
class ReadHandOver {
 public:
  explicit ReadHandOver(std::string folder);
  ~ReadHandOver();
  ReadHandOver(const ReadHandOver&) = delete;
  ReadHandOver& operator=(const ReadHandOver&) = delete;

 private:
  void Watch();

  std::string folder_;
  std::atomic<bool> stopping_{false};
  std::thread watcher_;
};

// A run of the encoder inside an event loop. Every test must leave no child,
// zombie or descriptor behind.
class EncoderRunTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureCoreApplication(); }

  void SetUp() override { descriptorsBefore_ = OpenDescriptorCount(); }

  void TearDown() override {
    if (IsSkipped()) return;
    EXPECT_TRUE(NoChildrenWithin(std::chrono::seconds(10)));
    EXPECT_EQ(OpenDescriptorCount(), descriptorsBefore_);
  }

  TemporaryFolder folder_;
  RecordingDisplay display_;
  RunState state_;

 private:
  int descriptorsBefore_ = 0;
};

}  // namespace corvanta::testing
