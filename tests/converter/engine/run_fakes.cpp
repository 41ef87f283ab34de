#include "run_fakes.h"

#include <algorithm>

namespace corvanta::fakes {

std::string TestFaces::NameOf(const std::vector<unsigned char>& picture) const {
  if (picture == startNormal) return "START-normal";
  if (picture == startHover) return "START-hover";
  if (picture == stopNormal) return "STOP-normal";
  if (picture == stopHover) return "STOP-hover";
  return "other";
}

FakeRunWindow::FakeRunWindow(EventLog& log, const TestFaces& faces)
    : settings{{SettingList::AudioCodec, "MP3"},   {SettingList::AudioBitrate, "32"},
               {SettingList::SampleRate, "22050"}, {SettingList::VideoBitrate, "500"},
               {SettingList::FrameRate, "29.97"},  {SettingList::Resolution, "320:240"},
               {SettingList::VideoCodec, "XVID"}},
      normalPicture(faces.startNormal),
      hoverPicture(faces.startHover),
      log_(log),
      faces_(faces) {}

void FakeRunWindow::AddRow(const std::string& folder, const std::string& fileName) {
  rows.push_back(
      {{std::to_string(rows.size() + 1), fileName, "1 MB", "等待", "", folder}, kAddedIcon});
}

std::string FakeRunWindow::CellText(int row, int column) {
  if (!HasRow(row)) return {};
  return rows[static_cast<std::size_t>(row)].cells.at(static_cast<std::size_t>(column));
}

void FakeRunWindow::SetCellText(int row, int column, const std::string& text) {
  log_.push_back("cell " + std::to_string(row) + " " + std::to_string(column) + " " + text);
  if (!HasRow(row)) return;
  rows[static_cast<std::size_t>(row)].cells.at(static_cast<std::size_t>(column)) = text;
}

void FakeRunWindow::SetRowIcon(int row, int icon) {
  log_.push_back("icon " + std::to_string(row) + " " + std::to_string(icon));
  if (HasRow(row)) rows[static_cast<std::size_t>(row)].icon = icon;
}

void FakeRunWindow::SetTimerInterval(int milliseconds) {
  log_.push_back("timer " + std::to_string(milliseconds));
  timerInterval = milliseconds;
}

std::vector<unsigned char> FakeRunWindow::ConvertHoverPicture() {
  log_.push_back("read hover");
  return hoverPicture;
}

void FakeRunWindow::SetConvertNormalPicture(PictureBytes picture) {
  normalPicture.assign(picture.begin(), picture.end());
  log_.push_back("normal " + faces_.NameOf(normalPicture));
}

void FakeRunWindow::SetConvertHoverPicture(PictureBytes picture) {
  hoverPicture.assign(picture.begin(), picture.end());
  log_.push_back("hover " + faces_.NameOf(hoverPicture));
}

void FakeRunWindow::SetAddEnabled(bool enabled) {
  log_.push_back(enabled ? "add enabled" : "add disabled");
}

void FakeRunWindow::ShowRefusal(const MessageText& message) {
  log_.push_back("refusal");
  refusals.push_back(message);
}

void FakeRunWindow::SetBarLeft(int left) { log_.push_back("bar left " + std::to_string(left)); }

void FakeRunWindow::SetBarWidth(int width) { log_.push_back("bar width " + std::to_string(width)); }

void FakeRunWindow::SetBarColor(std::uint32_t colorref) {
  log_.push_back("bar color " + std::to_string(colorref));
}

void FakeRunWindow::SetPercentText(const std::string& text) { log_.push_back("percent " + text); }

void FakeRunServices::EnsureEncoderFile(const std::string& encoderPath) {
  log_.push_back("ensure " + encoderPath);
}

InputFacts FakeRunServices::ProbeInput(const std::string& path) {
  const auto facts = inputs.find(path);
  return facts == inputs.end() ? InputFacts{} : facts->second;
}

OutputFacts FakeRunServices::ProbeOutput(const std::string& path) {
  if (const auto facts = outputs.find(path); facts != outputs.end()) return facts->second;
  OutputFacts whole;
  whole.avi = true;
  whole.complete = true;
  whole.video.present = true;
  whole.audio.present = true;
  return whole;
}

bool FakeRunServices::RunEncoder(const std::string& encoderPath, const std::string& commandLine,
                                 ProgressDisplay& display, const RunState&, const InputFacts&) {
  log_.push_back("encoder " + commandLine);
  if (encoderPath != "/prog/quorbel.exe") log_.push_back("wrong encoder path " + encoderPath);
  display.SetBarLeft(56);
  display.SetBarWidth(0);
  const int call = ++encoderCalls;
  if (auto hook = duringEncoder.find(call); hook != duringEncoder.end()) hook->second();
  log_.push_back("encoder ended " + std::to_string(call));
  return failingCalls.count(call) == 0;
}

std::string FakeRunServices::FileSizeText(const std::string& path) {
  log_.push_back("size " + path);
  auto size = sizes.find(path);
  return size == sizes.end() ? "12.5 KB" : size->second;
}

void FakeRunServices::DeleteFile(const std::string& path) {
  log_.push_back("delete " + path);
  sizes[path] = kZeroSizeText;
}

void FakeRunServices::RequestPowerOff() { log_.push_back("power off"); }

void FakeRunServices::ShowDoneWindow() { log_.push_back("done window"); }

std::vector<std::string> EventsStartingWith(const EventLog& log, const std::string& prefix) {
  std::vector<std::string> found;
  for (const auto& event : log) {
    if (event.starts_with(prefix)) found.push_back(event);
  }
  return found;
}

std::vector<std::string> EncoderCommands(const EventLog& log) {
  std::vector<std::string> commands;
  for (const auto& event : EventsStartingWith(log, "encoder quorbel")) {
    commands.push_back(event.substr(std::string("encoder ").size()));
  }
  return commands;
}

int IndexOf(const EventLog& log, const std::string& event, int from) {
  for (int i = std::max(from, 0); i < static_cast<int>(log.size()); ++i) {
    if (log[static_cast<std::size_t>(i)] == event) return i;
  }
  return -1;
}

}  // namespace corvanta::fakes
