#pragma once

#include <QPointer>
#include <QTimer>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "common/modal_windows.h"

class QFileDialog;
class QWidget;

namespace corvanta::testing {

// Stands in for the user at every modal window that opens while it lives:
// file dialogs get the scripted answers in order, message boxes are noted
// and closed with OK. Answers are queued to the dialog's own event loop so
// that a box the dialog opens in turn is seen too.
class ModalAnswerer {
 public:
  using FileDialogAnswer = std::function<void(QFileDialog&)>;

  ModalAnswerer();
  ~ModalAnswerer();

  // Type `names` into the name field (`"a.avi" "b.mkv"` for several, or one
  // full path) and press Open, after switching to `folder` when one is given.
  void ChooseByTyping(const std::string& names, const std::string& folder = {});
  // Select `fullPaths` in the dialog's file list, as a pointer would, then
  // press Open. Reaches names that cannot be typed (a double quote).
  void ChooseBySelecting(std::vector<std::string> fullPaths);
  void Cancel();
  // Anything else the test wants to do with the next dialog; it must close it.
  void Answer(FileDialogAnswer answer);

  const std::vector<SeenBox>& boxes() const { return boxes_; }
  int fileDialogsSeen() const { return fileDialogsSeen_; }
  // File dialogs that opened with no answer left (they were cancelled).
  int unexpectedFileDialogs() const { return unexpectedFileDialogs_; }

 private:
  void Poll();

  QTimer timer_;
  std::deque<FileDialogAnswer> answers_;
  std::vector<SeenBox> boxes_;
  QPointer<QWidget> answered_;
  int fileDialogsSeen_ = 0;
  int unexpectedFileDialogs_ = 0;
};

}  // namespace corvanta::testing
