#pragma once

#include <filesystem>
#include <string>

#include "engine/encoder_run.h"
#include "engine/queue_row.h"
#include "run_fakes.h"

namespace corvanta::testing {

// The real encoder loop, with a stand-in encoder in the program folder and
// real output files; everything else as the recording fakes have it.
class StandInServices : public fakes::FakeRunServices {
 public:
  StandInServices(fakes::EventLog& log, std::string programFolder)
      : FakeRunServices(log), programFolder_(std::move(programFolder)) {}

  std::string ProgramFolder() override { return programFolder_; }
  bool RunEncoder(const std::string& encoderPath, const std::string& commandLine,
                  ProgressDisplay& display, const RunState& state,
                  const InputFacts& input) override {
    return ::corvanta::RunEncoder(encoderPath, commandLine, display, state, input);
  }
  std::string FileSizeText(const std::string& path) override {
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error || size == 0 ? kZeroSizeText : std::to_string(size) + " 字节";
  }
  void DeleteFile(const std::string& path) override {
    FakeRunServices::DeleteFile(path);
    std::filesystem::remove(path);
  }

 private:
  std::string programFolder_;
};

}  // namespace corvanta::testing
