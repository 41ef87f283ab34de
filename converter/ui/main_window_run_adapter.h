#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/run_window.h"

namespace corvanta {

class MainWindow;

// Lets a conversion run and the Convert button read and write the main
// window's controls. Holds no state of its own, so the runs nested inside
// one another share the window's one adapter.
class MainWindowRunAdapter : public RunWindow {
 public:
  explicit MainWindowRunAdapter(MainWindow& window) : window_(window) {}

  std::string SelectedItemText(SettingList list) override;
  std::string FormatText() override;
  std::string OutputFolderText() override;

  int RowCount() override;
  std::string CellText(int row, int column) override;
  void SetCellText(int row, int column, const std::string& text) override;
  void SetRowIcon(int row, int icon) override;

  void SetTimerInterval(int milliseconds) override;

  std::vector<unsigned char> ConvertNormalPicture() override;
  std::vector<unsigned char> ConvertHoverPicture() override;
  void SetConvertNormalPicture(PictureBytes picture) override;
  void SetConvertHoverPicture(PictureBytes picture) override;

  void SetAddEnabled(bool enabled) override;
  bool ShutdownTicked() override;
  void ShowRefusal(const MessageText& message) override;

  // The progress writes go to the window's own display.
  void SetBarLeft(int left) override;
  void SetBarWidth(int width) override;
  void SetBarColor(std::uint32_t colorref) override;
  void SetPercentText(const std::string& text) override;

 private:
  MainWindow& window_;
};

}  // namespace corvanta
