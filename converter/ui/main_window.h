#pragma once

#include <QWidget>

namespace corvanta {

class MainWindow : public QWidget {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace corvanta
