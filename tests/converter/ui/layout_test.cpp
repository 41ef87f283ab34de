#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include "assets/assets.h"
#include "common/application.h"
#include "common/quiet_run_services.h"
#include "ui/colorref.h"
#include "ui/main_window.h"

namespace corvanta {
namespace {

struct Control {
  const char* name;
  const char* className;
  const char* parent;  // "" for the window itself
  QRect geometry;
  const char* text;  // nullptr where the control shows no text
};

// Every visible control of the window, in layout order.
const Control kControls[] = {
    {"图片框1", "QLabel", "", {0, 0, 620, 35}, nullptr},
    {"按钮_转换4", "corvanta::PictureButton", "", {736, 0, 25, 17}, nullptr},
    {"按钮_转换3", "corvanta::PictureButton", "", {771, 0, 25, 17}, nullptr},
    {"外形框2", "corvanta::ShapeBox", "", {7, 54, 642, 228}, nullptr},
    {"外形框5", "corvanta::ShapeBox", "外形框2", {364, 0, 2, 29}, nullptr},
    {"外形框6", "corvanta::ShapeBox", "外形框2", {470, -1, 2, 29}, nullptr},
    {"外形框7", "corvanta::ShapeBox", "外形框2", {552, 1, 1, 29}, nullptr},
    {"外形框4", "corvanta::ShapeBox", "", {54, 56, 2, 26}, nullptr},
    {"透明标签4", "corvanta::TransparentLabel", "", {16, 63, 40, 16}, "NO"},
    {"透明标签9", "corvanta::TransparentLabel", "", {72, 63, 104, 16}, "   文件名"},
    {"透明标签10", "corvanta::TransparentLabel", "", {378, 63, 95, 16}, "输入大小"},
    {"透明标签14", "corvanta::TransparentLabel", "", {484, 63, 44, 16}, "状态"},
    {"透明标签12", "corvanta::TransparentLabel", "", {566, 63, 82, 16}, "输出大小"},
    {"超级列表框1", "corvanta::QueueListView", "", {8, 81, 640, 200}, nullptr},
    {"按钮_添加", "corvanta::PictureButton", "", {673, 80, 96, 40}, nullptr},
    {"按钮_删除", "corvanta::PictureButton", "", {673, 133, 96, 40}, nullptr},
    {"按钮_清空", "corvanta::PictureButton", "", {673, 189, 96, 40}, nullptr},
    {"按钮_转换", "corvanta::PictureButton", "", {673, 239, 96, 40}, nullptr},
    {"标签5", "QLabel", "", {36, 284, 56, 16}, "视频设置："},
    {"外形框3", "corvanta::ShapeBox", "", {7, 289, 305, 96}, nullptr},
    {"透明标签5", "corvanta::TransparentLabel", "外形框3", {4, 8, 40, 32}, "编码器："},
    {"组合框_编码器", "QComboBox", "外形框3", {49, 14, 81, 22}, nullptr},
    {"透明标签2", "corvanta::TransparentLabel", "外形框3", {137, 9, 66, 32}, "视频比特率："},
    {"组合框_视频比特率", "QComboBox", "外形框3", {208, 14, 89, 22}, nullptr},
    {"透明标签3", "corvanta::TransparentLabel", "外形框3", {14, 50, 30, 32}, "帧数："},
    {"组合框_帧数", "QComboBox", "外形框3", {49, 56, 81, 22}, nullptr},
    {"透明标签_分辨率", "corvanta::TransparentLabel", "外形框3", {139, 49, 64, 32}, "视频分辨率："},
    {"组合框_视频分辨率", "QComboBox", "外形框3", {208, 56, 89, 22}, nullptr},
    {"标签4", "QLabel", "", {332, 283, 56, 16}, "音频设置："},
    {"外形框1", "corvanta::ShapeBox", "", {321, 289, 324, 96}, nullptr},
    {"透明标签8", "corvanta::TransparentLabel", "外形框1", {5, 11, 66, 32}, "音频编码器："},
    {"组合框_音频编码器", "QComboBox", "外形框1", {73, 12, 78, 29}, nullptr},
    {"透明标签6", "corvanta::TransparentLabel", "外形框1", {159, 8, 66, 32}, "音频比特率："},
    {"组合框_音频比特率", "QComboBox", "外形框1", {229, 8, 86, 29}, nullptr},
    {"透明标签7", "corvanta::TransparentLabel", "外形框1", {5, 52, 66, 32}, "音频采样率："},
    {"组合框_音频采样率", "QComboBox", "外形框1", {73, 51, 78, 29}, nullptr},
    {"透明标签11", "corvanta::TransparentLabel", "外形框1", {172, 50, 58, 32}, "输出格式："},
    {"透明标签15", "corvanta::TransparentLabel", "外形框1", {224, 53, 64, 32}, ""},
    {"组合框_格式", "corvanta::EditBox", "外形框1", {229, 54, 67, 24}, "MP4"},
    {"按钮1", "QPushButton", "外形框1", {295, 54, 20, 24}, "▼"},
    {"透明标签13", "corvanta::TransparentLabel", "", {7, 386, 44, 32}, "输出："},
    {"编辑框_目录", "corvanta::EditBox", "", {52, 391, 316, 24}, ""},
    {"按钮_目录", "corvanta::PictureButton", "", {370, 396, 42, 21}, nullptr},
    {"按钮_打开目录", "corvanta::PictureButton", "", {413, 395, 57, 22}, nullptr},
    {"按钮5", "corvanta::PictureButton", "", {466, 395, 53, 22}, nullptr},
    {"选择框1", "QCheckBox", "", {528, 392, 117, 24}, "转换完成关机"},
    {"透明标签1", "corvanta::TransparentLabel", "", {11, 421, 31, 24}, "进度："},
    {"图片框_进度条", "corvanta::ProgressBarLabel", "", {52, 422, 588, 24}, ""},
    {"标签2", "corvanta::TransparentLabel", "", {320, 425, 48, 16}, "0%"},
    {"透明标签16", "QLabel", "", {684, 408, 76, 24}, "00：00：00"},
    {"图片框2", "QLabel", "", {672, 352, 100, 96}, nullptr},
};

QString Utf8(const char* text) { return QString::fromUtf8(text); }

QString TextOf(QWidget* control) {
  if (auto* label = qobject_cast<QLabel*>(control)) return label->text();
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
  if (auto* button = qobject_cast<QAbstractButton*>(control)) return button->text();
  return QString();
}

QStringList ItemsOf(QComboBox* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
  return items;
}

QByteArray Bytes(assets::Bytes bytes) {
  return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                    static_cast<qsizetype>(bytes.size()));
}

class Layout : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    testing::EnsureApplication();
    window = new MainWindow(services);
  }
  static void TearDownTestSuite() {
    delete window;
    window = nullptr;
  }
  static testing::QuietRunServices services;
  static MainWindow* window;
};

testing::QuietRunServices Layout::services;
MainWindow* Layout::window = nullptr;

TEST_F(Layout, EveryControlHasItsNameKindParentPlaceAndText) {
  for (const Control& expected : kControls) {
    SCOPED_TRACE(expected.name);
    auto* control = window->findChild<QWidget*>(Utf8(expected.name));
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), expected.className);
    const QWidget* parent = *expected.parent ? window->findChild<QWidget*>(Utf8(expected.parent))
                                             : static_cast<QWidget*>(window);
    EXPECT_EQ(control->parentWidget(), parent);
    EXPECT_EQ(control->geometry(), expected.geometry);
    if (expected.text) {
      EXPECT_EQ(TextOf(control), Utf8(expected.text));
    }
    EXPECT_FALSE(control->isHidden());
    EXPECT_TRUE(control->isEnabled());
  }
}

TEST_F(Layout, MembersAreTheNamedControls) {
  EXPECT_EQ(window->按钮_转换, window->findChild<PictureButton*>(Utf8("按钮_转换")));
  EXPECT_EQ(window->超级列表框1, window->findChild<QueueListView*>(Utf8("超级列表框1")));
  EXPECT_EQ(window->编辑框_目录, window->findChild<EditBox*>(Utf8("编辑框_目录")));
  EXPECT_EQ(window->时钟1, window->findChild<TimerControl*>(Utf8("时钟1")));
  EXPECT_EQ(window->高级组合框, window->findChild<FormatListView*>(Utf8("高级组合框")));
  EXPECT_EQ(window->通用对话框1, window->findChild<CommonDialog*>(Utf8("通用对话框1")));
}

TEST_F(Layout, TheWindowIsBorderlessCentredAndOfItsSize) {
  EXPECT_EQ(window->size(), QSize(797, 461));
  EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_TRUE(window->windowTitle().isEmpty());
  EXPECT_FALSE(window->windowIcon().isNull());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window->pos(), QPoint(screen.x() + (screen.width() - 797) / 2,
                                  screen.y() + (screen.height() - 461) / 2));
}

TEST_F(Layout, SettingListsOfferTheirChoicesFromTheFirst) {
  const std::pair<const char*, QStringList> lists[] = {
      {"组合框_编码器", {"XVID", "x264", "Divx", "mpeg1"}},
      {"组合框_视频比特率", {"500", "650", "850", "1000", "1400", "1600"}},
      {"组合框_帧数", {"29.97", "30", "32", "34", "35"}},
      {"组合框_视频分辨率", {"320:240", "480:320", "640:480", "720:480", "1280:720"}},
      {"组合框_音频编码器", {"MP3", "aac", "MP2"}},
      {"组合框_音频比特率", {"32", "64", "96", "128", "320"}},
      {"组合框_音频采样率", {"22050", "24000", "32000", "44100", "48000"}},
  };
  for (const auto& [name, items] : lists) {
    SCOPED_TRACE(name);
    auto* list = window->findChild<QComboBox*>(Utf8(name));
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(list->isEditable());
    EXPECT_EQ(ItemsOf(list), items);
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(list->palette().color(QPalette::Button), QColor(36, 151, 206));
    // The list that drops down is a window of its own, coloured apart.
    EXPECT_EQ(list->view()->palette().color(QPalette::Base), QColor(36, 151, 206));
    EXPECT_EQ(list->view()->palette().color(QPalette::Text), QColor(0, 0, 0));
  }
}

TEST_F(Layout, TheFormatListHoldsTwelveFormatsAndStartsHidden) {
  const char* formats[] = {"MP4", "avi", "mpg", "mkv", "rmvb", "wmv",
                           "vob", "flv", "swf", "mov", "f4v",  "dat"};
  FormatListView* list = window->高级组合框;
  ASSERT_EQ(list->count(), 12);
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(list->item(i)->text(), Utf8(formats[i]));
    EXPECT_FALSE(list->item(i)->icon().isNull()) << i;
  }
  EXPECT_TRUE(list->isHidden());
  EXPECT_EQ(list->parentWidget(), window);
  EXPECT_EQ(list->geometry(), QRect(390, 225, 226, 141));
  EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
  EXPECT_EQ(list->font().pixelSize(), 20);
  EXPECT_TRUE(list->font().bold());
}

TEST_F(Layout, StartStateIsIdle) {
  EXPECT_EQ(window->超级列表框1->rowCount(), 0);
  EXPECT_TRUE(window->编辑框_目录->text().isEmpty());
  EXPECT_TRUE(window->编辑框_目录->isReadOnly());
  EXPECT_TRUE(window->组合框_格式->isReadOnly());
  EXPECT_FALSE(window->选择框1->isChecked());
  EXPECT_EQ(window->时钟1->interval(), 0);
  EXPECT_EQ(window->按钮_转换->normalPicture(), Bytes(assets::StartNormal()));
  EXPECT_EQ(window->按钮_转换->hoverPicture(), Bytes(assets::StartHover()));
  EXPECT_EQ(window->按钮_添加->normalPicture(), Bytes(assets::AddNormal()));
  EXPECT_EQ(window->按钮_目录->hoverPicture(), Bytes(assets::FolderHover()));
  EXPECT_EQ(window->通用对话框1->filter(), Utf8("MP3文件|*.mp3"));
  EXPECT_EQ(window->图片框_进度条->left(), 52);
  EXPECT_EQ(window->图片框_进度条->barWidth(), 588);
}

TEST_F(Layout, ColoursAreThoseSetAtCreation) {
  EXPECT_EQ(window->background(), 0xD9942Du);
  EXPECT_EQ(window->超级列表框1->background(), 0xD9942Du);
  EXPECT_EQ(window->超级列表框1->textBackground(), 0xC89123u);
  EXPECT_EQ(window->超级列表框1->textColor(), ColorRef(236, 236, 236));
  EXPECT_EQ(window->外形框2->background(), 0xC89123u);
  EXPECT_EQ(window->外形框2->fillColor(), ColorRef(0, 96, 192));
  EXPECT_EQ(window->外形框2->lineColor(), ColorRef(0, 0, 255));
  EXPECT_EQ(window->外形框3->fillColor(), ColorRef(36, 151, 206));
  EXPECT_EQ(window->图片框_进度条->background(), 0xC89123u);
  EXPECT_EQ(window->编辑框_目录->palette().color(QPalette::Text), QColor(255, 0, 0));
  EXPECT_EQ(window->组合框_格式->palette().color(QPalette::Text), QColor(0, 96, 192));
  EXPECT_EQ(window->透明标签16->palette().color(QPalette::Window), QColor(0, 0, 0));
  EXPECT_EQ(window->透明标签16->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(Layout, FontsHaveTheirHeightsAndWeights) {
  struct Font {
    QWidget* control;
    int pixels;
    bool bold;
  };
  const Font fonts[] = {
      {window->超级列表框1, 16, true},
      {window->透明标签4, 20, true},
      {window->透明标签12, 20, true},
      {window->组合框_编码器, 14, false},
      {window->组合框_音频采样率, 16, false},
      {window->透明标签11, 12, false},
      {window->透明标签15, 19, true},
      {window->组合框_格式, 19, true},
      {window->按钮1, 10, false},
      {window->透明标签13, 16, false},
      {window->编辑框_目录, 14, true},
      {window->选择框1, 16, false},
      {window->标签2, 16, true},
      {window->透明标签16, 12, true},
  };
  for (const Font& font : fonts) {
    SCOPED_TRACE(font.control->objectName().toStdString());
    EXPECT_EQ(font.control->font().pixelSize(), font.pixels);
    EXPECT_EQ(font.control->font().bold(), font.bold);
  }
  // The named face first, a CJK face the system has behind it.
  EXPECT_EQ(window->选择框1->font().families().first(), Utf8("黑体"));
  EXPECT_TRUE(window->选择框1->font().families().contains(Utf8("WenQuanYi Micro Hei")));
}

TEST_F(Layout, TabStopsFollowTheLayout) {
  const std::vector<QWidget*> expected = {
      window->超级列表框1,       window->组合框_编码器,
      window->组合框_视频比特率, window->组合框_帧数,
      window->组合框_视频分辨率, window->组合框_音频编码器,
      window->组合框_音频比特率, window->组合框_音频采样率,
      window->组合框_格式,       window->按钮1,
      window->高级组合框,        window->编辑框_目录,
      window->选择框1,
  };
  // The tab stop after `control` in the window's focus chain.
  auto nextStop = [](QWidget* control) {
    QWidget* next = control->nextInFocusChain();
    while (next != control && !(next->focusPolicy() & Qt::TabFocus))
      next = next->nextInFocusChain();
    return next;
  };
  for (std::size_t i = 0; i + 1 < expected.size(); ++i) {
    EXPECT_EQ(nextStop(expected[i]), expected[i + 1]) << i;
  }
  for (QWidget* button : std::initializer_list<QWidget*>{window->按钮_添加, window->按钮_转换,
                                                         window->按钮5, window->按钮_转换3}) {
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
  }
}

}  // namespace
}  // namespace corvanta
