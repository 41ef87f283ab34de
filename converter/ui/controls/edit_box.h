#pragma once

#include <QLineEdit>

namespace corvanta {

// A single-line edit box that also reports a left-button press before the
// press has its usual effect (focus, caret, selection).
class EditBox : public QLineEdit {
  Q_OBJECT

 public:
  explicit EditBox(QWidget* parent = nullptr);

 signals:
  void leftButtonPressed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace corvanta
