#include "ui/main_window.h"

#include <initializer_list>

#include <QAbstractItemView>
#include <QAnyStringView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QUtf8StringView>

#include "assets/assets.h"
#include "engine/convert_button.h"
#include "pictures/picture_decoder.h"
#include "ui/byte_array.h"
#include "ui/colorref.h"
#include "ui/fonts.h"
#include "ui/format_chooser.h"
#include "ui/output_folder.h"
#include "ui/palette.h"
#include "ui/queue_handlers.h"
#include "ui/run_handlers.h"
#include "ui/title_buttons.h"
#include "ui/window_drag.h"

namespace corvanta {
namespace {

constexpr int kWindowWidth = 797;
constexpr int kWindowHeight = 461;
constexpr int kDesignLeft = 50;
constexpr int kDesignTop = 50;

constexpr std::uint32_t kBlack = ColorRef(0, 0, 0);
constexpr std::uint32_t kRed = ColorRef(255, 0, 0);
constexpr std::uint32_t kBlue = ColorRef(0, 0, 255);
constexpr std::uint32_t kSettingsBlue = ColorRef(36, 151, 206);
constexpr std::uint32_t kWindowBlue = ColorRef(45, 148, 217);
// The list's text, the queue frame and the idle progress bar take the blue
// the bar turns after each encoder run.
constexpr std::uint32_t kTextBackgroundBlue = kProgressBlue;
constexpr std::uint32_t kListGrey = ColorRef(236, 236, 236);

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QPixmap Picture(assets::Bytes bytes) { return QPixmap::fromImage(DecodePicture(bytes)); }

// One style for every control of the program, the one that honours every
// colour the layout gives its controls. It is switched on before the first
// control is made, since the layout measures with it.
void EnableVisualStyle() {
  QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
  if (!fusion) return;
  if (QApplication::style()->name() == fusion->name()) {
    delete fusion;
    return;
  }
  QApplication::setStyle(fusion);
}

template <class Control>
Control* Place(Control* control, const char* name, int x, int y, int width, int height) {
  control->setObjectName(Text(name));
  control->setGeometry(x, y, width, height);
  return control;
}

// The plain label that names a settings frame, drawn on the frame's colour.
QLabel* MakeFrameTitle(QWidget* parent, const char* name, const char* text, int x, int y, int width,
                       int height) {
  auto* label = Place(new QLabel(Text(text), parent), name, x, y, width, height);
  label->setFont(DefaultControlFont());
  SetTextColor(label, kBlack);
  SetBackgroundColor(label, kSettingsBlue);
  return label;
}

TransparentLabel* MakeTransparentLabel(QWidget* parent, const char* name, const char* text, int x,
                                       int y, int width, int height) {
  auto* label = Place(new TransparentLabel(Text(text), parent), name, x, y, width, height);
  label->setFont(DefaultControlFont());
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  SetTextColor(label, kBlack);
  return label;
}

QComboBox* MakeSettingList(QWidget* parent, const char* name, int x, int y, int width, int height,
                           std::initializer_list<const char*> items, const QFont& font) {
  auto* list = Place(new QComboBox(parent), name, x, y, width, height);
  list->setEditable(false);
  for (const char* item : items) list->addItem(Text(item));
  list->setCurrentIndex(0);
  list->setFont(font);
  // The list that drops down is a window of its own, which takes the style's
  // menu colours rather than the box's; it is coloured like the box.
  QWidget* const parts[] = {list, list->view()};
  for (QWidget* part : parts) {
    SetBackgroundColor(part, kSettingsBlue);
    SetTextColor(part, kBlack);
  }
  return list;
}

// A framed one-line field on the settings blue that only the program writes,
// its text at the left.
EditBox* MakeReadOnlyField(QWidget* parent, const char* name, int x, int y, int width, int height,
                           const QFont& font, std::uint32_t textColor) {
  auto* field = Place(new EditBox(parent), name, x, y, width, height);
  field->setReadOnly(true);
  field->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  field->setFrame(true);
  field->setFont(font);
  SetTextColor(field, textColor);
  SetBackgroundColor(field, kSettingsBlue);
  return field;
}

PictureButton* MakePictureButton(QWidget* parent, const char* name, int x, int y, int width,
                                 int height, assets::Bytes normal, assets::Bytes hover) {
  auto* button = Place(new PictureButton(parent), name, x, y, width, height);
  button->setNormalPicture(ToByteArray(normal));
  button->setHoverPicture(ToByteArray(hover));
  return button;
}

ShapeBox* MakeShapeBox(QWidget* parent, const char* name, int x, int y, int width, int height,
                       std::uint32_t line, std::uint32_t fill) {
  auto* box = Place(new ShapeBox(parent), name, x, y, width, height);
  box->setLineColor(line);
  box->setLineWidth(1);
  box->setFillColor(fill);
  return box;
}

QLabel* MakePictureBox(QWidget* parent, const char* name, int x, int y, int width, int height,
                       assets::Bytes picture) {
  auto* box = Place(new QLabel(parent), name, x, y, width, height);
  box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  box->setPixmap(Picture(picture));
  return box;
}

}  // namespace

MainWindow::MainWindow(RunServices& services, QWidget* parent)
    : QWidget(parent), services_(services), runWindow_(*this) {
  EnableVisualStyle();
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
  setWindowTitle(QString());
  setWindowIcon(QIcon(Picture(assets::WindowIcon())));
  setFixedSize(kWindowWidth, kWindowHeight);
  move(kDesignLeft, kDesignTop);

  CreateTitleBar();
  CreateQueue();
  CreateVideoSettings();
  CreateAudioSettings();
  CreateOutputRow();
  CreateProgressRow();
  StackAndOrder();
  BindEvents();
  CentreOnScreen();
  OnMainWindowCreated();
}

void MainWindow::CreateTitleBar() {
  图片框1 = MakePictureBox(this, "图片框1", 0, 0, 620, 35, assets::Banner());
  按钮_转换4 = MakePictureButton(this, "按钮_转换4", 736, 0, 25, 17, assets::MinimizeNormal(),
                                 assets::MinimizeHover());
  按钮_转换3 = MakePictureButton(this, "按钮_转换3", 771, 0, 25, 17, assets::CloseNormal(),
                                 assets::CloseHover());
}

void MainWindow::CreateQueue() {
  外形框2 = MakeShapeBox(this, "外形框2", 7, 54, 642, 228, kBlue, kDeepBlue);
  外形框5 = MakeShapeBox(外形框2, "外形框5", 364, 0, 2, 29, kBlue, kBlue);
  外形框6 = MakeShapeBox(外形框2, "外形框6", 470, -1, 2, 29, kBlue, kBlue);
  外形框7 = MakeShapeBox(外形框2, "外形框7", 552, 1, 1, 29, kBlue, kBlue);
  外形框4 = MakeShapeBox(this, "外形框4", 54, 56, 2, 26, kBlue, kBlue);

  const QFont headingFont = FaceFont("华文仿宋", 20, true);
  auto heading = [&](const char* name, const char* text, int x, int width) {
    TransparentLabel* label = MakeTransparentLabel(this, name, text, x, 63, width, 16);
    label->setFont(headingFont);
    label->setAlignment(Qt::AlignCenter);
    SetTextColor(label, kRed);
    return label;
  };
  透明标签4 = heading("透明标签4", "NO", 16, 40);
  透明标签9 = heading("透明标签9", "   文件名", 72, 104);
  透明标签10 = heading("透明标签10", "输入大小", 378, 95);
  透明标签14 = heading("透明标签14", "状态", 484, 44);
  透明标签12 = heading("透明标签12", "输出大小", 566, 82);

  超级列表框1 = Place(new QueueListView(this), "超级列表框1", 8, 81, 640, 200);
  超级列表框1->setFont(FaceFont("微软雅黑", 16, true));
  超级列表框1->setTextColor(ColorRef(236, 236, 236));
  超级列表框1->setTextBackground(ColorRef(192, 192, 192));
  超级列表框1->setBackground(kListGrey);

  按钮_添加 = MakePictureButton(this, "按钮_添加", 673, 80, 96, 40, assets::AddNormal(),
                                assets::AddHover());
  按钮_删除 = MakePictureButton(this, "按钮_删除", 673, 133, 96, 40, assets::DeleteNormal(),
                                assets::DeleteHover());
  按钮_清空 = MakePictureButton(this, "按钮_清空", 673, 189, 96, 40, assets::ClearNormal(),
                                assets::ClearHover());
  按钮_转换 = MakePictureButton(this, "按钮_转换", 673, 239, 96, 40, assets::StartNormal(),
                                assets::StartHover());
}

void MainWindow::CreateVideoSettings() {
  标签5 = MakeFrameTitle(this, "标签5", "视频设置：", 36, 284, 56, 16);

  外形框3 = MakeShapeBox(this, "外形框3", 7, 289, 305, 96, kBlue, kSettingsBlue);
  const QFont listFont = DefaultFaceFont(14, false);
  透明标签5 = MakeTransparentLabel(外形框3, "透明标签5", "编码器：", 4, 8, 40, 32);
  组合框_编码器 = MakeSettingList(外形框3, "组合框_编码器", 49, 14, 81, 22,
                                  {"XVID", "x264", "Divx", "mpeg1"}, listFont);
  透明标签2 = MakeTransparentLabel(外形框3, "透明标签2", "视频比特率：", 137, 9, 66, 32);
  组合框_视频比特率 = MakeSettingList(外形框3, "组合框_视频比特率", 208, 14, 89, 22,
                                      {"500", "650", "850", "1000", "1400", "1600"}, listFont);
  透明标签3 = MakeTransparentLabel(外形框3, "透明标签3", "帧数：", 14, 50, 30, 32);
  组合框_帧数 = MakeSettingList(外形框3, "组合框_帧数", 49, 56, 81, 22,
                                {"29.97", "30", "32", "34", "35"}, listFont);
  透明标签_分辨率 =
      MakeTransparentLabel(外形框3, "透明标签_分辨率", "视频分辨率：", 139, 49, 64, 32);
  组合框_视频分辨率 =
      MakeSettingList(外形框3, "组合框_视频分辨率", 208, 56, 89, 22,
                      {"320:240", "480:320", "640:480", "720:480", "1280:720"}, listFont);
}

void MainWindow::CreateAudioSettings() {
  标签4 = MakeFrameTitle(this, "标签4", "音频设置：", 332, 283, 56, 16);

  外形框1 = MakeShapeBox(this, "外形框1", 321, 289, 324, 96, kBlue, kSettingsBlue);
  const QFont listFont = FaceFont("微软雅黑", 16, false);
  透明标签8 = MakeTransparentLabel(外形框1, "透明标签8", "音频编码器：", 5, 11, 66, 32);
  组合框_音频编码器 = MakeSettingList(外形框1, "组合框_音频编码器", 73, 12, 78, 29,
                                      {"MP3", "aac", "MP2"}, listFont);
  透明标签6 = MakeTransparentLabel(外形框1, "透明标签6", "音频比特率：", 159, 8, 66, 32);
  组合框_音频比特率 = MakeSettingList(外形框1, "组合框_音频比特率", 229, 8, 86, 29,
                                      {"32", "64", "96", "128", "320"}, listFont);
  透明标签7 = MakeTransparentLabel(外形框1, "透明标签7", "音频采样率：", 5, 52, 66, 32);
  组合框_音频采样率 = MakeSettingList(外形框1, "组合框_音频采样率", 73, 51, 78, 29,
                                      {"22050", "24000", "32000", "44100", "48000"}, listFont);
  透明标签11 = MakeTransparentLabel(外形框1, "透明标签11", "输出格式：", 172, 50, 58, 32);
  透明标签11->setFont(DefaultFaceFont(12, false));
  SetTextColor(透明标签11, kRed);
  透明标签15 = MakeTransparentLabel(外形框1, "透明标签15", "", 224, 53, 64, 32);
  透明标签15->setFont(DefaultFaceFont(19, true));

  组合框_格式 = MakeReadOnlyField(外形框1, "组合框_格式", 229, 54, 67, 24,
                                  FaceFont("宋体", 19, true), kDeepBlue);

  按钮1 = Place(new QPushButton(Text("▼"), 外形框1), "按钮1", 295, 54, 20, 24);
  按钮1->setFont(FaceFont("宋体", 10, false));
  按钮1->setAutoDefault(false);

  高级组合框 = Place(new FormatListView(this), "高级组合框", 390, 225, 226, 141);
  const char* const formats[] = {"MP4", "avi", "mpg", "mkv", "rmvb", "wmv",
                                 "vob", "flv", "swf", "mov", "f4v",  "dat"};
  int icon = 0;
  for (const char* format : formats) {
    高级组合框->addItem(
        new QListWidgetItem(QIcon(Picture(assets::FormatIcon(icon++))), Text(format)));
  }
  高级组合框->setFont(FaceFont("宋体", 20, true));
  // One format per row, like the list of a drop-down box: the widest cell
  // that fits beside the scroll bar (a cell exactly as wide as the row would
  // already wrap).
  高级组合框->setColumnWidth(
      高级组合框->width() - 2 * 高级组合框->frameWidth() -
      高级组合框->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, 高级组合框) - 1);
  高级组合框->setTextColor(kDeepBlue);
  高级组合框->setTextBackground(ColorRef(255, 255, 255));
  高级组合框->setBackground(kListGrey);
  高级组合框->hide();
}

void MainWindow::CreateOutputRow() {
  透明标签13 = MakeTransparentLabel(this, "透明标签13", "输出：", 7, 386, 44, 32);
  透明标签13->setFont(DefaultFaceFont(16, false));
  SetTextColor(透明标签13, kBlue);

  编辑框_目录 = MakeReadOnlyField(this, "编辑框_目录", 52, 391, 316, 24,
                                  FaceFont("微软雅黑", 14, true), kRed);

  按钮_目录 = MakePictureButton(this, "按钮_目录", 370, 396, 42, 21, assets::FolderNormal(),
                                assets::FolderHover());
  按钮_打开目录 = MakePictureButton(this, "按钮_打开目录", 413, 395, 57, 22,
                                    assets::OpenFolderNormal(), assets::OpenFolderHover());
  按钮5 =
      MakePictureButton(this, "按钮5", 466, 395, 53, 22, assets::HelpNormal(), assets::HelpHover());

  选择框1 = Place(new QCheckBox(Text("转换完成关机"), this), "选择框1", 528, 392, 117, 24);
  选择框1->setFont(FaceFont("黑体", 16, false));
  选择框1->setChecked(false);
  SetTextColor(选择框1, kRed);
  SetBackgroundColor(选择框1, kSettingsBlue);
  // A press beside the box's text must not fall through to the window and
  // start moving it.
  选择框1->setAttribute(Qt::WA_NoMousePropagation);
}

void MainWindow::CreateProgressRow() {
  透明标签1 = MakeTransparentLabel(this, "透明标签1", "进度：", 11, 421, 31, 24);

  图片框_进度条 = Place(new ProgressBarLabel(this), "图片框_进度条", kBarDesignLeft, 422,
                         kBarDesignWidth, 24);
  图片框_进度条->setBackground(ColorRef(0, 255, 255));

  标签2 = MakeTransparentLabel(this, "标签2", "0%", 320, 425, 48, 16);
  标签2->setFont(FaceFont("微软雅黑", 16, true));
  SetTextColor(标签2, kDeepBlue);

  透明标签16 = Place(new QLabel(Text("00：00：00"), this), "透明标签16", 684, 408, 76, 24);
  透明标签16->setFont(DefaultFaceFont(12, true));
  透明标签16->setAlignment(Qt::AlignCenter);
  SetTextColor(透明标签16, kRed);
  SetBackgroundColor(透明标签16, kBlack);

  图片框2 = MakePictureBox(this, "图片框2", 672, 352, 100, 96, assets::Decoration());

  时钟1 = new TimerControl(this);
  时钟1->setObjectName(Text("时钟1"));
  通用对话框1 = new CommonDialog(this);
  通用对话框1->setObjectName(Text("通用对话框1"));
  通用对话框1->setFilter(Text("MP3文件|*.mp3"));
}

void MainWindow::StackAndOrder() {
  // Frames and the decoration lie beneath the controls drawn over them.
  for (QWidget* below : std::initializer_list<QWidget*>{图片框2, 外形框1, 外形框3, 外形框2}) {
    below->lower();
  }

  QWidget* const tabStops[] = {
      超级列表框1,       组合框_编码器,     组合框_视频比特率, 组合框_帧数, 组合框_视频分辨率,
      组合框_音频编码器, 组合框_音频比特率, 组合框_音频采样率, 组合框_格式, 按钮1,
      高级组合框,        编辑框_目录,       选择框1,
  };
  for (std::size_t i = 0; i + 1 < std::size(tabStops); ++i) {
    setTabOrder(tabStops[i], tabStops[i + 1]);
  }
  // Enter moves on to the next control, as Tab does.
  for (QWidget* stop : tabStops) stop->installEventFilter(this);
}

void MainWindow::BindEvents() {
  // Only the background, plain labels, picture boxes and shape boxes move
  // the window.
  for (QWidget* handle : std::initializer_list<QWidget*>{
           this, 图片框1, 外形框2, 外形框5, 外形框6, 外形框7, 外形框4, 标签5, 外形框3, 标签4,
           外形框1, 图片框_进度条, 透明标签16, 图片框2}) {
    MakeWindowDragHandle(this, handle);
  }

  connect(按钮_转换4, &QAbstractButton::clicked, this, [this] { OnMinimizeButtonClick(*this); });
  connect(按钮_转换3, &QAbstractButton::clicked, this, [] { OnCloseButtonClick(); });
  connect(按钮_添加, &QAbstractButton::clicked, this, [this] {
    OnAddButtonClick({*this, *超级列表框1, *按钮_删除, *按钮_清空, *按钮_转换});
  });
  connect(按钮_删除, &QAbstractButton::clicked, this,
          [this] { OnDeleteButtonClick(*超级列表框1, runState_); });
  connect(按钮_清空, &QAbstractButton::clicked, this,
          [this] { OnClearButtonClick(*超级列表框1, runState_); });
  // The whole run happens inside this click; a stop or a nested start
  // arrives as another click while the encoder is being waited for.
  connect(按钮_转换, &QAbstractButton::clicked, this, [this] {
    OnConvertButtonClick(runWindow_, services_, runState_, CarriedConvertFaces());
  });
  connect(按钮_目录, &QAbstractButton::clicked, this,
          [this] { OnChooseOutputDirClick(*编辑框_目录); });
  connect(按钮_打开目录, &QAbstractButton::clicked, this,
          [this] { OnOpenOutputDirClick(*编辑框_目录); });
  connect(按钮5, &QAbstractButton::clicked, this, [this] { OnHelpButtonClick(*this); });
  connect(按钮1, &QAbstractButton::clicked, this, [this] { OnFormatDropButtonClick(*高级组合框); });
  connect(高级组合框, &FormatListView::itemChosen, this,
          [this] { OnFormatListItemChosen(*高级组合框, *组合框_格式); });
  for (ShapeBox* frame : {外形框3, 外形框1}) {
    connect(frame, &ShapeBox::leftButtonPressed, this, [this] { HideFormatList(*高级组合框); });
    connect(frame, &ShapeBox::doubleClicked, this, [this] { HideFormatList(*高级组合框); });
  }
  connect(组合框_格式, &EditBox::leftButtonPressed, this, [this] { HideFormatList(*高级组合框); });
  // The run's clock, so that the shown time counts from the run's own start.
  connect(时钟1, &TimerControl::ticked, this,
          [this] { OnElapsedTimerTick(services_.TickCount(), *透明标签16, runState_); });
}

void MainWindow::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void MainWindow::OnMainWindowCreated() {
  SetUpFormatChooser(*组合框_格式, *高级组合框, runState_);

  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, ColorFromRef(kWindowBlue));
  setPalette(colours);
  超级列表框1->setBackground(kWindowBlue);
  超级列表框1->setTextBackground(kTextBackgroundBlue);
  外形框2->setBackground(kTextBackgroundBlue);
  图片框_进度条->setBackground(kTextBackgroundBlue);
}

std::uint32_t MainWindow::background() const {
  return RefFromColor(palette().color(QPalette::Window));
}

void MainWindow::SetBarLeft(int left) { 图片框_进度条->setLeft(left); }

void MainWindow::SetBarWidth(int width) { 图片框_进度条->setBarWidth(width); }

void MainWindow::SetBarColor(std::uint32_t colorref) { 图片框_进度条->setBackground(colorref); }

void MainWindow::SetPercentText(const std::string& text) {
  // Written after every status line; the same text again costs no copy.
  const QUtf8StringView utf8(text.data(), static_cast<qsizetype>(text.size()));
  if (QAnyStringView::compare(标签2->text(), utf8) == 0) return;
  标签2->setText(utf8.toString());
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
  // Only presses on the window's own background count, not those a child
  // let through.
  const bool onBackground = childAt(event->position().toPoint()) == nullptr;
  if (onBackground && (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)) {
    HideFormatList(*高级组合框);
  }
  QWidget::mousePressEvent(event);
}

void MainWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  const bool onBackground = childAt(event->position().toPoint()) == nullptr;
  if (onBackground && event->button() == Qt::LeftButton) {
    HideFormatList(*高级组合框);
    return;
  }
  QWidget::mouseDoubleClickEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      focusNextChild();
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace corvanta
