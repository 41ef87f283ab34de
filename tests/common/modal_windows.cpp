#include "common/modal_windows.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

namespace corvanta::testing {

void TakeNextModal(std::function<bool(QWidget&)> take) {
  auto* poll = new QTimer();
  poll->setInterval(10);
  QObject::connect(poll, &QTimer::timeout, [poll, take = std::move(take)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr) return;
    // Stopped before the answer runs: an answer may open a nested event loop.
    poll->stop();
    if (take(*modal)) {
      poll->deleteLater();
    } else {
      poll->start();
    }
  });
  poll->start();
}

SeenBox Describe(const QMessageBox& box) {
  return {box.windowTitle().toStdString(),
          box.text().toStdString(),
          static_cast<int>(box.icon()),
          box.parentWidget() != nullptr,
          box.windowModality() == Qt::ApplicationModal,
          static_cast<int>(box.standardButtons())};
}

void AcceptLater(QFileDialog& dialog) {
  QMetaObject::invokeMethod(&dialog, "accept", Qt::QueuedConnection);
}

void TypeNamesAndAccept(QFileDialog& dialog, const std::string& names) {
  if (auto* nameField = dialog.findChild<QLineEdit*>("fileNameEdit")) {
    nameField->setText(QString::fromStdString(names));
  }
  AcceptLater(dialog);
}

void RejectLater(QFileDialog& dialog) {
  QMetaObject::invokeMethod(&dialog, "reject", Qt::QueuedConnection);
}

}  // namespace corvanta::testing
