// Calls one export through the converter's binding inside a QApplication
// that shows fatal errors in the fatal box, as the program does, and reports
// on standard output: the fatal box, if one shows ("BOX <caption>
// <icon> <owned> <text>"), then "RETURNED <result>" if the call comes back.

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <string>

#include "common/modal_windows.h"
#include "fatal_box.h"
#include "platform/fatal_error.h"
#include "platform/kelvane_binding.h"

int main(int argc, char** argv) {
  corvanta::SetFatalErrorPresenter(corvanta::ShowFatalBox);
  QApplication application(argc, argv);
  const std::string exportName = argc > 1 ? argv[1] : "zhaui";

  corvanta::testing::WhenModalOpens<QMessageBox>([](QMessageBox& box) {
    std::printf("BOX %s %d %d %s", box.windowTitle().toStdString().c_str(),
                static_cast<int>(box.icon()), box.parentWidget() != nullptr,
                box.text().toStdString().c_str());
    std::fflush(stdout);
    box.accept();
  });

  const std::string result = exportName == "rszckl"
                                 ? corvanta::kelvane::OpenFiles(0, "t", "", "", 0)
                                 : corvanta::kelvane::FileSizeText("/nonexistent");
  std::printf("RETURNED %s", result.c_str());
  return 0;
}
