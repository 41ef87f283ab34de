#include "ui/message_box.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QShowEvent>

namespace corvanta {
namespace {

// Qt wraps a box's text once the box would grow wider than half the screen,
// whenever it lays the box out. A Windows message box grows with its text
// instead and breaks only lines that the screen cannot hold, so the text
// keeps the lines it was given.
class QuestionBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  bool event(QEvent* event) override {
    const bool handled = QMessageBox::event(event);
    if (event->type() == QEvent::LayoutRequest) Unwrap();
    return handled;
  }

  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);
    const QPoint centre = geometry().center();
    if (Unwrap()) move(centre - QPoint(width() / 2, height() / 2));
  }

 private:
  // Whether the box changed its size to hold its text unwrapped.
  bool Unwrap() {
    QLabel* label = TextLabel();
    if (label == nullptr || !label->wordWrap()) return false;
    label->setWordWrap(false);
    const QSize unwrapped = minimumSizeHint();
    const bool fits = unwrapped.width() <= screen()->availableGeometry().width();
    if (fits) {
      setFixedSize(unwrapped);
    } else {
      label->setWordWrap(true);
    }
    // The change of the label asks for a layout, which would wrap it again.
    QCoreApplication::removePostedEvents(this, QEvent::LayoutRequest);
    return fits;
  }

  QLabel* TextLabel() const {
    for (QLabel* label : findChildren<QLabel*>()) {
      if (label->text() == text()) return label;
    }
    return nullptr;
  }
};

}  // namespace

void ShowQuestionBox(const MessageText& message, QWidget* owner) {
  QuestionBox box(owner);
  box.setIcon(QMessageBox::Question);
  box.setStandardButtons(QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.setTextFormat(Qt::PlainText);
  box.setWindowTitle(QString::fromStdString(message.caption));
  box.setText(QString::fromStdString(message.text));
  box.exec();
}

}  // namespace corvanta
