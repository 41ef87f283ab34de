#include <cstdlib>
#include <exception>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QPixmap>

#include "assets/assets.h"
#include "engine/run_state.h"
#include "platform/fatal_error.h"
#include "pictures/picture_decoder.h"
#include "platform/program_folder.h"
#include "ui/main_window.h"

namespace corvanta {
namespace {

// Relative file names (the encoder, the utility library) refer to the
// program's own folder. The exit routine releases the setting texts however
// the program ends, by its close button or after its last window closed.
int ProgramEntry(int argc, char* argv[]) {
  QApplication application(argc, argv);
  // Windows without an icon of their own (the done window) show this one.
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(DecodePicture(assets::WindowIcon()))));
  QDir::setCurrent(QString::fromStdString(ProgramFolder()));
  std::atexit(FreeGlobalTexts);

  std::unique_ptr<MainWindow> window;
  try {
    window = std::make_unique<MainWindow>();
  } catch (const std::exception&) {
    StopWithFatalError("载入启动窗口失败");
  }
  window->show();
  QApplication::setQuitOnLastWindowClosed(true);
  application.exec();
  return 0;
}

}  // namespace
}  // namespace corvanta

int main(int argc, char* argv[]) { return corvanta::ProgramEntry(argc, argv); }
