#include "fatal_error.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace corvanta::kelvane {

std::string AllocationFailureDetail(std::size_t bytes) {
  return "分配 " + std::to_string(bytes) + " 字节内存失败!";
}

std::string FatalErrorText(const std::string& detail) {
  return "运行时出错!\r\n\r\n错误信息：" + detail + "\r\n";
}

void ExitWithFatalError(const std::string& detail) {
  const std::string text = FatalErrorText(detail);
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr) {
    QMessageBox box(QMessageBox::Critical, QString::fromUtf8("错误"), QString::fromStdString(text),
                    QMessageBox::Ok);
    box.exec();
  } else {
    std::fputs(text.c_str(), stderr);
  }
  std::fflush(nullptr);
  std::_Exit(-1);
}

}  // namespace corvanta::kelvane
