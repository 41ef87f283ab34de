#include "open_file_dialog.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QString>
#include <QStringList>

#include <memory>
#include <span>
#include <vector>

#include "current_directory.h"
#include "filter_list.h"
#include "library_text.h"
#include "selection_buffer.h"

namespace corvanta::kelvane {
namespace {

struct BlockRelease {
  void operator()(char* block) const { ReleaseText(block); }
};
using FileBuffer = std::unique_ptr<char, BlockRelease>;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Runs the dialog and fills `buffer` with the choice. False for a cancel and
// for every way the dialog can fail.
bool RunDialog(std::uint32_t hwndOwner, std::string_view title, std::string_view filterList,
               std::string_view initialDir, std::span<char> buffer) {
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return false;
  QWidget* owner = hwndOwner == 0 ? nullptr : QWidget::find(static_cast<WId>(hwndOwner));

  QFileDialog dialog(owner, FromUtf8(title), FromUtf8(initialDir));
  dialog.setFileMode(QFileDialog::ExistingFiles);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  // The type list shows each description as the caller wrote it, without
  // the patterns appended a second time.
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  QStringList nameFilters;
  for (const std::string& nameFilter : NameFiltersFromList(filterList)) {
    nameFilters << FromUtf8(nameFilter);
  }
  if (!nameFilters.isEmpty()) dialog.setNameFilters(nameFilters);
  if (dialog.exec() != QDialog::Accepted) return false;

  std::vector<std::string> paths;
  for (const QString& path : dialog.selectedFiles()) {
    paths.push_back(QFile::encodeName(path).toStdString());
  }
  return WriteSelectionBuffer(paths, buffer);
}

}  // namespace

std::string ShowOpenFileDialog(std::uint32_t hwndOwner, std::string_view title,
                               std::string_view filter, std::string_view initialDir,
                               std::int32_t keepCurrentDir) {
  const std::string savedDirectory = SaveCurrentDirectory();
  const std::string filterList = FilterListFromText(filter);
  const FileBuffer fileBuffer(AllocateBlock(kFileBufferSize));
  const std::span<char> buffer(fileBuffer.get(), kFileBufferSize);

  if (!RunDialog(hwndOwner, title, filterList, initialDir, buffer)) return {};

  std::string pathList = PathListFromBuffer(buffer);
  if (keepCurrentDir == 0) RestoreCurrentDirectory(savedDirectory);
  return pathList;
}

}  // namespace corvanta::kelvane
