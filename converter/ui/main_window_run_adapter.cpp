#include "ui/main_window_run_adapter.h"

#include <QByteArray>
#include <QCheckBox>
#include <QComboBox>

#include "ui/byte_array.h"
#include "ui/main_window.h"
#include "ui/message_box.h"

namespace corvanta {
namespace {

QComboBox* SettingListOf(MainWindow& window, RunWindow::SettingList list) {
  using SettingList = RunWindow::SettingList;
  switch (list) {
    case SettingList::AudioCodec:
      return window.组合框_音频编码器;
    case SettingList::AudioBitrate:
      return window.组合框_音频比特率;
    case SettingList::SampleRate:
      return window.组合框_音频采样率;
    case SettingList::VideoBitrate:
      return window.组合框_视频比特率;
    case SettingList::FrameRate:
      return window.组合框_帧数;
    case SettingList::Resolution:
      return window.组合框_视频分辨率;
    case SettingList::VideoCodec:
      return window.组合框_编码器;
  }
  return nullptr;
}

std::vector<unsigned char> BytesOf(const QByteArray& picture) {
  return std::vector<unsigned char>(picture.begin(), picture.end());
}

}  // namespace

std::string MainWindowRunAdapter::SelectedItemText(SettingList list) {
  const QComboBox* box = SettingListOf(window_, list);
  if (box == nullptr) return {};
  const int index = box->currentIndex();
  if (index < 0 || index >= box->count()) return {};
  return box->itemText(index).toStdString();
}

std::string MainWindowRunAdapter::FormatText() { return window_.组合框_格式->text().toStdString(); }

std::string MainWindowRunAdapter::OutputFolderText() {
  return window_.编辑框_目录->text().toStdString();
}

int MainWindowRunAdapter::RowCount() { return window_.超级列表框1->rowCount(); }

std::string MainWindowRunAdapter::CellText(int row, int column) {
  return window_.超级列表框1->cellText(row, column);
}

void MainWindowRunAdapter::SetCellText(int row, int column, const std::string& text) {
  window_.超级列表框1->setCellText(row, column, text);
}

void MainWindowRunAdapter::SetRowIcon(int row, int icon) {
  window_.超级列表框1->setRowIcon(row, icon);
}

void MainWindowRunAdapter::SetTimerInterval(int milliseconds) {
  window_.时钟1->setInterval(milliseconds);
}

std::vector<unsigned char> MainWindowRunAdapter::ConvertNormalPicture() {
  return BytesOf(window_.按钮_转换->normalPicture());
}

std::vector<unsigned char> MainWindowRunAdapter::ConvertHoverPicture() {
  return BytesOf(window_.按钮_转换->hoverPicture());
}

void MainWindowRunAdapter::SetConvertNormalPicture(PictureBytes picture) {
  window_.按钮_转换->setNormalPicture(ToByteArray(picture));
}

void MainWindowRunAdapter::SetConvertHoverPicture(PictureBytes picture) {
  window_.按钮_转换->setHoverPicture(ToByteArray(picture));
}

void MainWindowRunAdapter::SetAddEnabled(bool enabled) { window_.按钮_添加->setEnabled(enabled); }

bool MainWindowRunAdapter::ShutdownTicked() { return window_.选择框1->isChecked(); }

void MainWindowRunAdapter::ShowRefusal(const MessageText& message) {
  ShowQuestionBox(message, &window_);
}

void MainWindowRunAdapter::SetBarLeft(int left) { window_.SetBarLeft(left); }

void MainWindowRunAdapter::SetBarWidth(int width) { window_.SetBarWidth(width); }

void MainWindowRunAdapter::SetBarColor(std::uint32_t colorref) { window_.SetBarColor(colorref); }

void MainWindowRunAdapter::SetPercentText(const std::string& text) { window_.SetPercentText(text); }

}  // namespace corvanta
