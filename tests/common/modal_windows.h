#pragma once

#include <QWidget>

#include <functional>
#include <string>
#include <type_traits>

class QFileDialog;
class QMessageBox;

namespace corvanta::testing {

// Polls for the active modal widget and hands the first one that `take`
// accepts (returns true for) to it, then stops. The poll runs in whatever
// event loop is active, the modal window's own included.
void TakeNextModal(std::function<bool(QWidget&)> take);

// Calls `answer` with the first modal window of type Modal that opens from
// now on; the caller then opens it (for example by a click whose handler
// runs exec()). `answer` must close it.
template <class Modal = QWidget>
void WhenModalOpens(std::type_identity_t<std::function<void(Modal&)>> answer) {
  TakeNextModal([answer = std::move(answer)](QWidget& modal) {
    auto* wanted = qobject_cast<Modal*>(&modal);
    if (wanted != nullptr) answer(*wanted);
    return wanted != nullptr;
  });
}

// What a message box showed.
struct SeenBox {
  std::string caption;
  std::string text;
  int icon = 0;           // QMessageBox::Icon
  bool hasOwner = false;  // a parent widget
  bool applicationModal = false;
  int buttons = 0;  // QMessageBox::StandardButtons
};
SeenBox Describe(const QMessageBox& box);

// Types `names` into the file dialog's name field and presses Open, as a
// user would: one name, one full path, or several as "\"a.avi\" \"b.mkv\"".
void TypeNamesAndAccept(QFileDialog& dialog, const std::string& names);
// QFileDialog hides accept() and reject(); a queued call reaches them from
// the dialog's own event loop, after anything the test still does.
void AcceptLater(QFileDialog& dialog);
void RejectLater(QFileDialog& dialog);

}  // namespace corvanta::testing
