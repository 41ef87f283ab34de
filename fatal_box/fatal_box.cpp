#include "fatal_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace corvanta {

void ShowFatalBoxAndExit(const std::string& caption, const std::string& text) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
  } else {
    std::fputs(text.c_str(), stderr);
  }
  std::fflush(nullptr);
  std::_Exit(-1);
}

}  // namespace corvanta
