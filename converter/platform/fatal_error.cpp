#include "platform/fatal_error.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cstdio>
#include <cstdlib>

#include "text/messages.h"

namespace corvanta {

void StopWithFatalError(const std::string& detail) {
  const MessageText message = FatalError(detail);
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(message.caption),
                    QString::fromStdString(message.text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
  } else {
    std::fputs(message.text.c_str(), stderr);
  }
  std::fflush(nullptr);
  std::_Exit(-1);
}

}  // namespace corvanta
