#pragma once

#include <cstdint>
#include <string>

#include <QWidget>

#include "engine/progress_display.h"
#include "engine/run_services.h"
#include "engine/run_state.h"
#include "ui/controls/common_dialog.h"
#include "ui/controls/edit_box.h"
#include "ui/controls/format_list_view.h"
#include "ui/controls/picture_button.h"
#include "ui/controls/progress_bar_label.h"
#include "ui/controls/queue_list_view.h"
#include "ui/controls/shape_box.h"
#include "ui/controls/timer_control.h"
#include "ui/controls/transparent_label.h"
#include "ui/main_window_run_adapter.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace corvanta {

// The converter's one main window: a borderless 797 x 461 window, centred on
// the screen, that is moved by dragging its background. Every control is a
// public member named by its control name (the same text is its
// objectName). This file only lays the controls out and binds their events,
// handing each handler just the controls it reads and writes.
class MainWindow : public QWidget, public ProgressDisplay {
  Q_OBJECT

 public:
  // Every run started in this window has its effects outside the window
  // through `services`, which must outlive the window.
  explicit MainWindow(RunServices& services, QWidget* parent = nullptr);

  // ProgressDisplay: the encoder loop's writes on the progress bar and the
  // percentage label.
  void SetBarLeft(int left) override;
  void SetBarWidth(int width) override;
  void SetBarColor(std::uint32_t colorref) override;
  void SetPercentText(const std::string& text) override;

  // COLORREF (0x00BBGGRR) of the window's own background.
  std::uint32_t background() const;

  // Shared by every run started in this window and by the handlers nested
  // inside one.
  RunState& runState() { return runState_; }

  // On the window: the title bar.
  QLabel* 图片框1;            // banner picture
  PictureButton* 按钮_转换4;  // minimise button
  PictureButton* 按钮_转换3;  // close button

  // On the window: the queue, its headings and buttons.
  ShapeBox* 外形框2;             // queue frame, behind the headings and the list
  ShapeBox* 外形框4;             // separator between the "NO" and file-name headings
  TransparentLabel* 透明标签4;   // "NO" heading
  TransparentLabel* 透明标签9;   // file-name heading
  TransparentLabel* 透明标签10;  // input-size heading
  TransparentLabel* 透明标签14;  // status heading
  TransparentLabel* 透明标签12;  // output-size heading
  QueueListView* 超级列表框1;    // queue list
  PictureButton* 按钮_添加;      // Add button
  PictureButton* 按钮_删除;      // Delete button
  PictureButton* 按钮_清空;      // Clear button
  PictureButton* 按钮_转换;      // Convert button (start and stop faces)

  // Held by the queue frame 外形框2.
  ShapeBox* 外形框5;  // separator between the file-name and input-size headings
  ShapeBox* 外形框6;  // separator between the input-size and status headings
  ShapeBox* 外形框7;  // separator between the status and output-size headings

  // On the window: the video-settings frame and its title.
  QLabel* 标签5;      // video-settings title
  ShapeBox* 外形框3;  // video-settings frame

  // Held by the video-settings frame 外形框3.
  TransparentLabel* 透明标签5;        // video-codec label
  QComboBox* 组合框_编码器;           // video-codec list
  TransparentLabel* 透明标签2;        // video-bitrate label
  QComboBox* 组合框_视频比特率;       // video-bitrate list
  TransparentLabel* 透明标签3;        // frame-rate label
  QComboBox* 组合框_帧数;             // frame-rate list
  TransparentLabel* 透明标签_分辨率;  // resolution label
  QComboBox* 组合框_视频分辨率;       // resolution list

  // On the window: the audio-settings frame, its title and the format list.
  QLabel* 标签4;               // audio-settings title
  ShapeBox* 外形框1;           // audio-settings frame
  FormatListView* 高级组合框;  // drop-down list of output formats, hidden until dropped

  // Held by the audio-settings frame 外形框1.
  TransparentLabel* 透明标签8;   // audio-codec label
  QComboBox* 组合框_音频编码器;  // audio-codec list
  TransparentLabel* 透明标签6;   // audio-bitrate label
  QComboBox* 组合框_音频比特率;  // audio-bitrate list
  TransparentLabel* 透明标签7;   // sample-rate label
  QComboBox* 组合框_音频采样率;  // sample-rate list
  TransparentLabel* 透明标签11;  // output-format label
  TransparentLabel* 透明标签15;  // empty label behind the output-format field
  EditBox* 组合框_格式;          // output-format field (read-only)
  QPushButton* 按钮1;            // output-format drop button

  // On the window: the output folder, help and shutdown.
  TransparentLabel* 透明标签13;  // output-folder label
  EditBox* 编辑框_目录;          // output-folder field (read-only)
  PictureButton* 按钮_目录;      // choose-folder button
  PictureButton* 按钮_打开目录;  // open-folder button
  PictureButton* 按钮5;          // help button
  QCheckBox* 选择框1;            // shut-down-when-done check box

  // On the window: progress and elapsed time.
  TransparentLabel* 透明标签1;      // progress label
  ProgressBarLabel* 图片框_进度条;  // progress bar
  TransparentLabel* 标签2;          // percentage label
  QLabel* 透明标签16;               // elapsed-time label
  QLabel* 图片框2;                  // decoration picture

  // Not shown.
  TimerControl* 时钟1;        // elapsed-time timer
  CommonDialog* 通用对话框1;  // file dialog, never opened

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateTitleBar();
  void CreateQueue();
  void CreateVideoSettings();
  void CreateAudioSettings();
  void CreateOutputRow();
  void CreateProgressRow();
  void StackAndOrder();
  void BindEvents();
  void CentreOnScreen();
  void OnMainWindowCreated();

  RunServices& services_;
  RunState runState_;
  MainWindowRunAdapter runWindow_;
};

}  // namespace corvanta
