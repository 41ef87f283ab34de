#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <memory>
#include <string>

#include "common/quiet_run_services.h"
#include "ui/main_window.h"

namespace corvanta::endtoend {

// A fresh main window with an input folder of clips and an output folder,
// the program's own run services but quiet ones, driven the way a user
// drives it: rows queued, the folder field set, the
// Convert button clicked.
class EndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Copies the source clip into the input folder as `name` and queues it.
  std::string QueueClip(const std::string& name);
  // Queues a file that already exists, as Add would.
  void QueueFile(const std::string& path);
  void SetOutputFolder(const std::string& folder);
  // Selects the row with a click, as a user does.
  void ClickRow(int row);
  // Clicks Convert; returns when the run (and any run nested in it) is over.
  void ClickConvert();

  std::string Status(int row) const;
  int Icon(int row) const;
  std::string OutputSize(int row) const;

  std::string InputPath(const std::string& name) const { return inputs_ + "/" + name; }
  std::string OutputPath(const std::string& name) const { return outputs_ + "/" + name; }

  // The outputs of the default settings keep the name and take "MP4".
  static std::string DefaultOutputName(const std::string& inputName);
  // The output decodes to (nearly) every distinct frame of the input clip.
  static void ExpectFullConversion(const std::string& outputPath);
  bool ShowsStartFace() const;
  // The window's own run state.
  RunState& state() const { return window_->runState(); }
  // The window is back at rest after a run.
  void ExpectIdleLook() const;
  // Counted instead of sent, since the test's window has quiet services.
  int PowerOffRequests() const { return services_.powerOffRequests; }

  testing::QuietRunServices services_;
  std::unique_ptr<MainWindow> window_;
  QTemporaryDir inputFolder_;
  QTemporaryDir outputFolder_;
  std::string inputs_;
  std::string outputs_;
};

}  // namespace corvanta::endtoend
