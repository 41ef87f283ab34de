#include "ui/message_box.h"

#include <QMessageBox>

namespace corvanta {

void ShowQuestionBox(const MessageText& message, QWidget* owner) {
  QMessageBox box(owner);
  box.setIcon(QMessageBox::Question);
  box.setStandardButtons(QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.setTextFormat(Qt::PlainText);
  box.setWindowTitle(QString::fromStdString(message.caption));
  box.setText(QString::fromStdString(message.text));
  box.exec();
}

}  // namespace corvanta
