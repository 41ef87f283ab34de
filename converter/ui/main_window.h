#pragma once

#include <cstdint>
#include <string>

#include <QWidget>

#include "engine/progress_display.h"
#include "ui/controls/common_dialog.h"
#include "ui/controls/edit_box.h"
#include "ui/controls/format_list_view.h"
#include "ui/controls/picture_button.h"
#include "ui/controls/progress_bar_label.h"
#include "ui/controls/queue_list_view.h"
#include "ui/controls/shape_box.h"
#include "ui/controls/timer_control.h"
#include "ui/controls/transparent_label.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace corvanta {

// The converter's one main window: a borderless 797 x 461 window, centred on
// the screen, that is moved by dragging its background. Every control is a
// public member named by its control name (the same text is its
// objectName), so the handlers of each concern reach what they read and
// write. This file only lays the controls out and binds their events.
class MainWindow : public QWidget, public ProgressDisplay {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // ProgressDisplay: the encoder loop's writes on the progress bar and the
  // percentage label.
  void SetBarLeft(int left) override;
  void SetBarWidth(int width) override;
  void SetBarColor(std::uint32_t colorref) override;
  void SetPercentText(const std::string& text) override;

  // COLORREF (0x00BBGGRR) of the window's own background.
  std::uint32_t background() const;

  // Title bar.
  QLabel* 图片框1;
  PictureButton* 按钮_转换4;
  PictureButton* 按钮_转换3;

  // The queue, its frame and headings.
  ShapeBox* 外形框2;
  ShapeBox* 外形框5;
  ShapeBox* 外形框6;
  ShapeBox* 外形框7;
  ShapeBox* 外形框4;
  TransparentLabel* 透明标签4;
  TransparentLabel* 透明标签9;
  TransparentLabel* 透明标签10;
  TransparentLabel* 透明标签14;
  TransparentLabel* 透明标签12;
  QueueListView* 超级列表框1;
  PictureButton* 按钮_添加;
  PictureButton* 按钮_删除;
  PictureButton* 按钮_清空;
  PictureButton* 按钮_转换;

  // Video settings.
  QLabel* 标签5;
  ShapeBox* 外形框3;
  TransparentLabel* 透明标签5;
  QComboBox* 组合框_编码器;
  TransparentLabel* 透明标签2;
  QComboBox* 组合框_视频比特率;
  TransparentLabel* 透明标签3;
  QComboBox* 组合框_帧数;
  TransparentLabel* 透明标签_分辨率;
  QComboBox* 组合框_视频分辨率;

  // Audio settings and the output format.
  QLabel* 标签4;
  ShapeBox* 外形框1;
  TransparentLabel* 透明标签8;
  QComboBox* 组合框_音频编码器;
  TransparentLabel* 透明标签6;
  QComboBox* 组合框_音频比特率;
  TransparentLabel* 透明标签7;
  QComboBox* 组合框_音频采样率;
  TransparentLabel* 透明标签11;
  TransparentLabel* 透明标签15;
  EditBox* 组合框_格式;
  QPushButton* 按钮1;
  FormatListView* 高级组合框;

  // Output folder, help and shutdown.
  TransparentLabel* 透明标签13;
  EditBox* 编辑框_目录;
  PictureButton* 按钮_目录;
  PictureButton* 按钮_打开目录;
  PictureButton* 按钮5;
  QCheckBox* 选择框1;

  // Progress and elapsed time.
  TransparentLabel* 透明标签1;
  ProgressBarLabel* 图片框_进度条;
  TransparentLabel* 标签2;
  QLabel* 透明标签16;
  QLabel* 图片框2;
  TimerControl* 时钟1;
  CommonDialog* 通用对话框1;

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
};

}  // namespace corvanta
