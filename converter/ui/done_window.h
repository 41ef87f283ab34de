#pragma once

#include <QWidget>
#include <functional>

class QCloseEvent;
class QKeyEvent;
class QLabel;
class QTimer;

namespace corvanta {

// What a done window sounds when it is created.
using Beep = std::function<void()>;

// The small notice that ends every run: "转换完成" near the bottom-right corner
// of the screen. It sounds `beep` when it is created and asks to be destroyed
// at the first tick of its timer, three seconds later. Top-level, never modal.
class DoneWindow : public QWidget {
  Q_OBJECT

 public:
  explicit DoneWindow(const Beep& beep);

  // Destruction has been requested (by the timer, Esc or a close) and will be
  // carried out when the event loop next runs.
  bool DestructionPending() const { return destructionPending_; }

  QLabel* 标签1;
  QLabel* 标签2;
  QTimer* 时钟1;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void OnDoneWindowCreated(const Beep& beep);
  void PlaceDoneWindowBottomRight();
  void OnDoneTimerTick();

  bool destructionPending_ = false;
};

// Opens the done window: an open one is restored or activated (no second
// window, no second beep, its timer left running); one whose destruction is
// pending is destroyed at once and replaced by a new one, which sounds
// `beep`.
void ShowDoneWindow(const Beep& beep);

// The done window that exists now, destruction pending or not; null if none.
DoneWindow* CurrentDoneWindow();

}  // namespace corvanta
