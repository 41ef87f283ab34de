#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/queue_row.h"
#include "engine/run_services.h"
#include "engine/run_window.h"

namespace corvanta::fakes {

// Every effect of a run, in the order it happened, as short texts such as
// "icon 0 1", "cell 0 3 完成", "encoder <command line>", "delete <path>".
using EventLog = std::vector<std::string>;

// Small distinct blocks stand in for the four button pictures.
struct TestFaces {
  std::vector<unsigned char> startNormal{'S', 'N', 0x01, 0x02};
  std::vector<unsigned char> startHover{'S', 'H', 0x01, 0x02, 0x03};
  std::vector<unsigned char> stopNormal{'T', 'N', 0x01, 0x02};
  std::vector<unsigned char> stopHover{'T', 'H', 0x01, 0x02, 0x03};
  ConvertFaces Faces() const { return {startNormal, startHover, stopNormal, stopHover}; }
  std::string NameOf(const std::vector<unsigned char>& picture) const;
};

struct QueueRow {
  std::vector<std::string> cells;
  int icon = kAddedIcon;
};

class FakeRunWindow : public RunWindow {
 public:
  FakeRunWindow(EventLog& log, const TestFaces& faces);

  // Appends a row the way Add does: number, name, size, "等待", no output
  // size, folder; icon 0.
  void AddRow(const std::string& folder, const std::string& fileName);
  const QueueRow& Row(int row) const { return rows.at(static_cast<std::size_t>(row)); }

  std::string SelectedItemText(SettingList list) override { return settings[list]; }
  std::string FormatText() override { return format; }
  std::string OutputFolderText() override { return outputFolder; }
  int RowCount() override { return static_cast<int>(rows.size()); }
  std::string CellText(int row, int column) override;
  void SetCellText(int row, int column, const std::string& text) override;
  void SetRowIcon(int row, int icon) override;
  void SetTimerInterval(int milliseconds) override;
  std::vector<unsigned char> ConvertNormalPicture() override { return normalPicture; }
  std::vector<unsigned char> ConvertHoverPicture() override;
  void SetConvertNormalPicture(PictureBytes picture) override;
  void SetConvertHoverPicture(PictureBytes picture) override;
  void SetAddEnabled(bool enabled) override;
  bool ShutdownTicked() override { return shutdownTicked; }
  void ShowRefusal(const MessageText& message) override;
  void SetBarLeft(int left) override;
  void SetBarWidth(int width) override;
  void SetBarColor(std::uint32_t colorref) override;
  void SetPercentText(const std::string& text) override;

  std::map<SettingList, std::string> settings;
  std::string format = "MP4";
  std::string outputFolder = "/out/";
  std::vector<QueueRow> rows;
  int timerInterval = 0;
  std::vector<unsigned char> normalPicture;
  std::vector<unsigned char> hoverPicture;
  bool shutdownTicked = false;
  std::vector<MessageText> refusals;

 private:
  bool HasRow(int row) const { return row >= 0 && row < static_cast<int>(rows.size()); }
  EventLog& log_;
  const TestFaces& faces_;
};

class FakeRunServices : public RunServices {
 public:
  explicit FakeRunServices(EventLog& log) : log_(log) {}

  std::string ProgramFolder() override { return "/prog"; }
  void EnsureEncoderFile(const std::string& encoderPath) override;
  std::int32_t TickCount() override { return tickCount; }
  InputFacts ProbeInput(const std::string& path) override;
  bool RunEncoder(const std::string& encoderPath, const std::string& commandLine,
                  ProgressDisplay& display, const RunState& state,
                  const InputFacts& input) override;
  OutputFacts ProbeOutput(const std::string& path) override;
  std::string FileSizeText(const std::string& path) override;
  void DeleteFile(const std::string& path) override;
  void RequestPowerOff() override;
  void ShowDoneWindow() override;

  // Runs inside the n-th RunEncoder call (from 1), where the window's
  // handlers would run while the encoder works.
  std::map<int, std::function<void()>> duringEncoder;
  // Size texts by output path; any other path reads as a small file, and a
  // deleted one as the zero-size text.
  std::map<std::string, std::string> sizes;
  // Encoder calls (from 1) that end without finishing: a crash or an error.
  std::set<int> failingCalls;
  // Facts by path; any other input tells nothing, and any other output is a
  // whole AVI with a picture and sound.
  std::map<std::string, InputFacts> inputs;
  std::map<std::string, OutputFacts> outputs;
  std::int32_t tickCount = 100000;
  int encoderCalls = 0;

 private:
  EventLog& log_;
};

// Command lines the run handed to the encoder, in order.
std::vector<std::string> EncoderCommands(const EventLog& log);
// Entries that start with `prefix`, in order.
std::vector<std::string> EventsStartingWith(const EventLog& log, const std::string& prefix);
// Position of the first entry equal to `event` at or after `from`; -1 if none.
int IndexOf(const EventLog& log, const std::string& event, int from = 0);

}  // namespace corvanta::fakes
