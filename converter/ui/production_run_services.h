#pragma once

#include <cstdint>
#include <string>

#include "engine/run_services.h"

namespace corvanta {

// The real effects of a run: the program folder, the carried encoder, the
// tick clock, the encoder process, the utility library's size texts, file
// removal, the power-off request and the done window with its beep. The
// program makes one at its start and hands it to the main window.
class ProductionRunServices : public RunServices {
 public:
  std::string ProgramFolder() override;
  void EnsureEncoderFile(const std::string& encoderPath) override;
  std::int32_t TickCount() override;
  InputFacts ProbeInput(const std::string& path) override;
  bool RunEncoder(const std::string& encoderPath, const std::string& commandLine,
                  ProgressDisplay& display, const RunState& state,
                  const InputFacts& input) override;
  OutputFacts ProbeOutput(const std::string& path) override;
  std::string FileSizeText(const std::string& path) override;
  void DeleteFile(const std::string& path) override;
  void RequestPowerOff() override;
  void ShowDoneWindow() override;
};

}  // namespace corvanta
