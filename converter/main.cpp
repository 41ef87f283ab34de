#include <cstdlib>
#include <exception>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "engine/run_state.h"
#include "platform/program_folder.h"
#include "text/messages.h"
#include "ui/main_window.h"

namespace corvanta {
namespace {

constexpr int kStartFailedExitCode = -1;

void ReportStartFailure() {
  const MessageText fatal = FatalError("载入启动窗口失败");
  QMessageBox box(QMessageBox::Critical, QString::fromStdString(fatal.caption),
                  QString::fromStdString(fatal.text), QMessageBox::Ok);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

// Relative file names (the encoder, the utility library) refer to the
// program's own folder. The exit routine releases the setting texts however
// the program ends, by its close button or after its last window closed.
int ProgramEntry(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QDir::setCurrent(QString::fromStdString(ProgramFolder()));
  std::atexit(FreeGlobalTexts);

  std::unique_ptr<MainWindow> window;
  try {
    window = std::make_unique<MainWindow>();
  } catch (const std::exception&) {
    ReportStartFailure();
    return kStartFailedExitCode;
  }
  window->show();
  QApplication::setQuitOnLastWindowClosed(true);
  application.exec();
  return 0;
}

}  // namespace
}  // namespace corvanta

int main(int argc, char* argv[]) { return corvanta::ProgramEntry(argc, argv); }
