#include "ui/production_run_services.h"

#include <QApplication>

#include "carried_encoder/carried_encoder.h"
#include "engine/encoder_run.h"
#include "engine/probe_file.h"
#include "platform/kelvane_binding.h"
#include "platform/power_off.h"
#include "platform/remove_file.h"
#include "platform/tick_count.h"
#include "program_folder.h"
#include "ui/done_window.h"

namespace corvanta {

std::string ProductionRunServices::ProgramFolder() { return ::corvanta::ProgramFolder(); }

void ProductionRunServices::EnsureEncoderFile(const std::string& encoderPath) {
  ::corvanta::EnsureEncoderFile(encoderPath);
}

std::int32_t ProductionRunServices::TickCount() { return ::corvanta::TickCount(); }

InputFacts ProductionRunServices::ProbeInput(const std::string& path) {
  return ProbeInputFile(path);
}

bool ProductionRunServices::RunEncoder(const std::string& encoderPath,
                                       const std::string& commandLine, ProgressDisplay& display,
                                       const RunState& state, const InputFacts& input) {
  return ::corvanta::RunEncoder(encoderPath, commandLine, display, state, input);
}

OutputFacts ProductionRunServices::ProbeOutput(const std::string& path) {
  return ProbeOutputFile(path);
}

std::string ProductionRunServices::FileSizeText(const std::string& path) {
  return kelvane::FileSizeText(path);
}

void ProductionRunServices::DeleteFile(const std::string& path) { RemoveFile(path); }

void ProductionRunServices::RequestPowerOff() { ::corvanta::RequestPowerOff(); }

void ProductionRunServices::ShowDoneWindow() { ::corvanta::ShowDoneWindow(QApplication::beep); }

}  // namespace corvanta
