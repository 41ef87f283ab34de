#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>

namespace corvanta::kelvane::testing {

// Answers the next file dialog that opens: `answer` receives it and accepts
// or rejects it. The timer keeps looking until a dialog is the active modal
// widget, so it also works while the dialog's own event loop runs.
inline void AnswerNextFileDialog(std::function<void(QFileDialog&)> answer) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, answer = std::move(answer)] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    timer->stop();
    timer->deleteLater();
    answer(*dialog);
  });
  timer->start(10);
}

// Types `names` (e.g. "\"a.avi\" \"b.mkv\"") into the dialog's name field and
// accepts, as a user pressing Open would.
inline void TypeNamesAndAccept(QFileDialog& dialog, const std::string& names) {
  auto* nameField = dialog.findChild<QLineEdit*>("fileNameEdit");
  if (nameField != nullptr) nameField->setText(QString::fromStdString(names));
  static_cast<QDialog&>(dialog).accept();  // QFileDialog hides accept()
}

// One QApplication for the whole test program.
inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "kelvane_test";
  static char* argv[] = {name, nullptr};
  if (QCoreApplication::instance() == nullptr) new QApplication(argc, argv);
}

}  // namespace corvanta::kelvane::testing
