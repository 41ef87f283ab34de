#include "ui/main_window.h"

namespace corvanta {

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) { resize(797, 461); }

}  // namespace corvanta
