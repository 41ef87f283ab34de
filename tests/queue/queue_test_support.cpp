#include "queue_test_support.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace corvanta::testing {
namespace {

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// QFileDialog hides accept() and reject(); a queued call reaches them
// through QDialog from the dialog's own event loop.
void PressLater(QFileDialog& dialog, const char* slot) {
  QMetaObject::invokeMethod(&dialog, slot, Qt::QueuedConnection);
}

}  // namespace

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "queue_test";
  static char* argv[] = {name, nullptr};
  if (QCoreApplication::instance() == nullptr) new QApplication(argc, argv);
}

TemporaryFolder::TemporaryFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "corvanta-queue-XXXXXX").string();
  if (::mkdtemp(pattern.data()) != nullptr) path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
}

std::string TemporaryFolder::MakeFile(const std::string& name, std::size_t size) const {
  const std::string path = path_ + "/" + name;
  std::ofstream(path, std::ios::binary) << std::string(size, 'v');
  return path;
}

std::string TemporaryFolder::MakeFolder(const std::string& name) const {
  const std::string path = path_ + "/" + name;
  std::filesystem::create_directories(path);
  return path;
}

ModalAnswerer::ModalAnswerer() {
  timer_.setInterval(10);
  QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
  timer_.start();
}

ModalAnswerer::~ModalAnswerer() { timer_.stop(); }

void ModalAnswerer::ChooseByTyping(const std::string& names, const std::string& folder) {
  Answer([names, folder](QFileDialog& dialog) {
    if (!folder.empty()) dialog.setDirectory(FromUtf8(folder));
    auto* nameField = dialog.findChild<QLineEdit*>("fileNameEdit");
    if (nameField != nullptr) nameField->setText(FromUtf8(names));
    PressLater(dialog, "accept");
  });
}

void ModalAnswerer::ChooseBySelecting(std::vector<std::string> fullPaths) {
  Answer([fullPaths = std::move(fullPaths)](QFileDialog& dialog) {
    auto* list = dialog.findChild<QListView*>("listView");
    auto* model = dialog.findChild<QFileSystemModel*>();
    if (list == nullptr || model == nullptr || fullPaths.empty()) {
      PressLater(dialog, "reject");
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
    PressLater(dialog, "accept");
  });
}

void ModalAnswerer::Cancel() {
  Answer([](QFileDialog& dialog) { PressLater(dialog, "reject"); });
}

void ModalAnswerer::Answer(FileDialogAnswer answer) { answers_.push_back(std::move(answer)); }

void ModalAnswerer::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) return;

  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    boxes_.push_back({box->windowTitle().toStdString(), box->text().toStdString(),
                      static_cast<int>(box->icon()), box->parentWidget() != nullptr,
                      box->windowModality() == Qt::ApplicationModal,
                      static_cast<int>(box->standardButtons())});
    if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
      ok->click();
    } else {
      box->done(0);
    }
    // A box over a dialog that was answered already means the dialog
    // refused the answer; give up on that dialog rather than hang.
    if (auto* refused = qobject_cast<QFileDialog*>(answered_.data())) PressLater(*refused, "reject");
    return;
  }

  auto* dialog = qobject_cast<QFileDialog*>(modal);
  if (dialog == nullptr || dialog == answered_.data()) return;
  answered_ = dialog;
  ++fileDialogsSeen_;
  if (answers_.empty()) {
    ++unexpectedFileDialogs_;
    PressLater(*dialog, "reject");
    return;
  }
  FileDialogAnswer answer = std::move(answers_.front());
  answers_.pop_front();
  answer(*dialog);
}

}  // namespace corvanta::testing
