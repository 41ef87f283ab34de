#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

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

// Writes a fake encoder under the encoder's own name into `folder` and
// returns its full path.
inline std::string WriteFakeEncoder(const TemporaryFolder& folder, const std::string& body,
                                    const std::string& subfolder = {}) {
  const std::string directory = subfolder.empty() ? folder.path() : folder.MakeFolder(subfolder);
  const std::string path = directory + "/quorbel.exe";
  WriteScript(path, body);
  return path;
}

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
