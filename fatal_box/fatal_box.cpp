#include "fatal_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace corvanta {

bool ShowFatalBox(const std::string& caption, const std::string& text) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return false;
  QMessageBox box(QMessageBox::Critical, QString::fromStdString(caption),
                  QString::fromStdString(text), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.exec();
  return true;
}

}  // namespace corvanta
