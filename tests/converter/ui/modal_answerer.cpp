#include "modal_answerer.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>

namespace corvanta::testing {
namespace {

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

ModalAnswerer::ModalAnswerer() {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
  timer_.start();
}

ModalAnswerer::~ModalAnswerer() { timer_.stop(); }

void ModalAnswerer::ChooseByTyping(const std::string& names, const std::string& folder) {
  Answer([names, folder](QFileDialog& dialog) {
    if (!folder.empty()) dialog.setDirectory(FromUtf8(folder));
    TypeNamesAndAccept(dialog, names);
  });
}

void ModalAnswerer::ChooseBySelecting(std::vector<std::string> fullPaths) {
  Answer([fullPaths = std::move(fullPaths)](QFileDialog& dialog) {
    auto* list = dialog.findChild<QListView*>("listView");
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (list == nullptr || model == nullptr || fullPaths.empty()) {
      RejectLater(dialog);
      return;
    }
    dialog.setDirectory(QFileInfo(FromUtf8(fullPaths.front())).absolutePath());
    // One selection change for all of them, as a sweep or Ctrl+A makes.
    QItemSelection selection;
    for (const std::string& path : fullPaths) {
      const QModelIndex index = model->index(FromUtf8(path));
      selection.select(index, index);
    }
    list->selectionModel()->select(selection,
                                   QItemSelectionModel::Select | QItemSelectionModel::Rows);
    AcceptLater(dialog);
  });
}

void ModalAnswerer::Cancel() {
  Answer([](QFileDialog& dialog) { RejectLater(dialog); });
}

void ModalAnswerer::Answer(FileDialogAnswer answer) { answers_.push_back(std::move(answer)); }

void ModalAnswerer::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return;

  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    boxes_.push_back(Describe(*box));
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      ok->click();
    } else {
      box->done(0);
    }
    // A box over a dialog that was answered already means the dialog
    // refused the answer; give up on that dialog rather than hang.
    if (auto* refused = qobject_cast<QFileDialog*>(answered_.data())) RejectLater(*refused);
    return;
  }

  auto* dialog = qobject_cast<QFileDialog*>(modal);
  if (dialog == nullptr || dialog == answered_.data()) return;
  answered_ = dialog;
  ++fileDialogsSeen_;
  if (answers_.empty()) {
    ++unexpectedFileDialogs_;
    RejectLater(*dialog);
    return;
  }
  FileDialogAnswer answer = std::move(answers_.front());
  answers_.pop_front();
  answer(*dialog);
}

}  // namespace corvanta::testing
