#include "ui/program_entry.h"

#include <cstdlib>
#include <exception>
#include <memory>

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QTranslator>

#include "assets/assets.h"
#include "engine/run_state.h"
#include "fatal_box.h"
#include "pictures/picture_decoder.h"
#include "platform/fatal_error.h"
#include "program_folder.h"
#include "text/messages.h"
#include "ui/main_window.h"
#include "ui/production_run_services.h"

namespace corvanta {
namespace {

// Qt's own dialogs (the open and folder dialogs, the buttons of every box)
// speak the desktop's language, as the system's dialogs do. Without a
// translation for it they stay English.
void LoadQtTranslations(QApplication& application) {
  auto* translator = new QTranslator(&application);
  if (translator->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

// The run state whose setting texts the exit routine releases. The close
// button ends the process by exit(), which skips the window's destruction;
// after a normal end the window is gone and has released them itself.
RunState* runStateAtExit = nullptr;

// Qt titles a window whose own title is empty with the application's name,
// which it takes from the program's file name. Both windows are untitled,
// so Qt is handed a program without a name.
char emptyProgramName[] = "";

void FreeGlobalTexts() {
  if (runStateAtExit) runStateAtExit->FreeGlobalTexts();
}

}  // namespace

std::unique_ptr<MainWindow> MakeStartWindow(
    const std::function<std::unique_ptr<MainWindow>()>& make) {
  try {
    return make();
  } catch (const std::exception&) {
    StopWithFatalError(kStartWindowFailure);
  }
}

// A fatal error shows the fatal box from the first line on. Relative file
// names (the encoder, the utility library) refer to the program's own
// folder. The exit routine releases the setting texts however the program
// ends, by its close button or after its last window closed. The run
// services are made once, here, and the main window's runs share them.
int ProgramEntry(int argc, char* argv[]) {
  SetFatalErrorPresenter(ShowFatalBox);
  if (argc > 0) argv[0] = emptyProgramName;
  QApplication application(argc, argv);
  LoadQtTranslations(application);
  // Windows without an icon of their own (the done window) show this one.
  QApplication::setWindowIcon(QIcon(QPixmap::fromImage(DecodePicture(assets::WindowIcon()))));
  QDir::setCurrent(QString::fromStdString(ProgramFolder()));
  std::atexit(FreeGlobalTexts);

  ProductionRunServices services;
  const std::unique_ptr<MainWindow> window =
      MakeStartWindow([&services] { return std::make_unique<MainWindow>(services); });
  runStateAtExit = &window->runState();
  window->show();
  QApplication::setQuitOnLastWindowClosed(true);
  application.exec();
  runStateAtExit = nullptr;
  return 0;
}

}  // namespace corvanta
