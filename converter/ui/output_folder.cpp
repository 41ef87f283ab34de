#include "ui/output_folder.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPointer>
#include <QUrl>

#include "ui/controls/edit_box.h"
#include "ui/folder_text.h"

namespace corvanta {
namespace {

// A folder chooser that lists files too and takes a file for an answer as
// readily as a folder.
class OutputFolderDialog : public QFileDialog {
 public:
  explicit OutputFolderDialog(QWidget* owner)
      : QFileDialog(owner, QStringLiteral("请选择保存目录")) {
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::Directory);
    setAcceptMode(QFileDialog::AcceptOpen);
    setWindowModality(Qt::ApplicationModal);
  }

  void accept() override {
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty() && QFileInfo(chosen.first()).isFile()) {
      QDialog::accept();
      return;
    }
    QFileDialog::accept();
  }
};

}  // namespace

void OnChooseOutputDirClick(EditBox& folderField) {
  // The dialog blocks every window of the program while it is open; the
  // window that was active gets the focus back afterwards.
  const QPointer<QWidget> active = QApplication::activeWindow();
  std::string chosen;
  {
    OutputFolderDialog dialog(active);
    if (dialog.exec() == QDialog::Accepted) {
      const QStringList files = dialog.selectedFiles();
      if (!files.isEmpty()) chosen = QFile::encodeName(files.first()).toStdString();
    }
  }
  if (active) active->activateWindow();
  if (const auto text = OutputFolderFieldText(chosen)) {
    folderField.setText(QFile::decodeName(QByteArray::fromStdString(*text)));
  }
}

void OnOpenOutputDirClick(const EditBox& folderField) {
  const QString folder = folderField.text();
  if (folder.isEmpty()) return;
  QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}

}  // namespace corvanta
