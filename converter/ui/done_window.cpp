#include "ui/done_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include "ui/colorref.h"
#include "ui/palette.h"
#include "ui/window_drag.h"

namespace corvanta {
namespace {

constexpr int kWindowWidth = 234;
constexpr int kWindowHeight = 96;
constexpr int kLifetimeMs = 3000;
constexpr int kGapRight = 30;
constexpr int kGapBottom = 50;

constexpr std::uint32_t kWindowBackground = ColorRef(0, 224, 128);
constexpr std::uint32_t kBlack = ColorRef(0, 0, 0);
constexpr std::uint32_t kRed = ColorRef(255, 0, 0);

QPointer<DoneWindow>& CurrentWindow() {
  static QPointer<DoneWindow> window;
  return window;
}

void Colour(QWidget* widget, std::uint32_t text, std::uint32_t background) {
  SetTextColor(widget, text);
  SetBackgroundColor(widget, background);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromUtf8(name));
  label->setTextFormat(Qt::PlainText);  // keeps the leading blanks
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setWordWrap(false);
  label->setFocusPolicy(Qt::NoFocus);
  label->setGeometry(geometry);
  return label;
}

// A brush-script face where the system has one; fontconfig substitutes an
// installed Chinese face glyph by glyph where it has none.
QFont BrushScriptFont() {
  QFont font;
  font.setFamilies({QStringLiteral("华文行楷"), QStringLiteral("STXingkai"),
                    QStringLiteral("AR PL UKai CN"), QStringLiteral("KaiTi"),
                    QStringLiteral("WenQuanYi Micro Hei")});
  font.setPixelSize(12);
  font.setBold(true);
  return font;
}

}  // namespace

DoneWindow::DoneWindow(const Beep& beep) : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("DoneWindow"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QString());
  setFocusPolicy(Qt::NoFocus);
  setFixedSize(kWindowWidth, kWindowHeight);
  Colour(this, kBlack, kWindowBackground);

  // The strip is deliberately 6 pixels wider than the window.
  标签1 = MakeLabel(this, "标签1", QStringLiteral("  转换完成窗口"), QRect(0, 0, 240, 24));
  Colour(标签1, kBlack, kDeepBlue);

  标签2 = MakeLabel(this, "标签2", QStringLiteral("转换完成"), QRect(64, 40, 88, 32));
  标签2->setFont(BrushScriptFont());
  Colour(标签2, kRed, kWindowBackground);

  MakeWindowDragHandle(this, this);
  MakeWindowDragHandle(this, 标签1);
  MakeWindowDragHandle(this, 标签2);

  时钟1 = new QTimer(this);
  时钟1->setObjectName(QStringLiteral("时钟1"));
  // Its three seconds to the millisecond: a coarse timer may fire up to 5%
  // early or late.
  时钟1->setTimerType(Qt::PreciseTimer);
  connect(时钟1, &QTimer::timeout, this, &DoneWindow::OnDoneTimerTick);
  时钟1->start(kLifetimeMs);

  OnDoneWindowCreated(beep);
}

void DoneWindow::OnDoneWindowCreated(const Beep& beep) {
  PlaceDoneWindowBottomRight();
  beep();
}

void DoneWindow::PlaceDoneWindowBottomRight() {
  // The full primary screen; a panel or taskbar is not taken off.
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect full = screen->geometry();
  move(full.width() - width() - kGapRight, full.height() - height() - kGapBottom);
}

void DoneWindow::OnDoneTimerTick() {
  destructionPending_ = true;
  deleteLater();
}

void DoneWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void DoneWindow::closeEvent(QCloseEvent* event) {
  // Closing deletes the window later (WA_DeleteOnClose); until then it counts
  // as going, so the next run opens a fresh one instead of reviving it.
  destructionPending_ = true;
  时钟1->stop();
  event->accept();
}

void ShowDoneWindow(const Beep& beep) {
  QPointer<DoneWindow>& current = CurrentWindow();
  if (current && !current->DestructionPending()) {
    if (current->isMinimized()) {
      current->showNormal();
    } else {
      current->raise();
      current->activateWindow();
    }
    return;
  }
  delete current.data();
  current = new DoneWindow(beep);
  current->show();
}

DoneWindow* CurrentDoneWindow() { return CurrentWindow().data(); }

}  // namespace corvanta
