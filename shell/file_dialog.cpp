#include "shell/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace tavrin {
namespace {

// Qt's file dialog reads and writes its history, side bar and last folder in
// the per-user Qt settings (~/.config/QtProject.conf): a second settings file,
// and a record of where readings live. This program keeps no such file, so
// the per-user Qt settings are sent to a folder that can never be made under
// a device node: nothing is read from it and nothing written to it.
void KeepNoDialogState() {
  static const bool redirected = [] {
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
      QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
    return true;
  }();
  (void)redirected;
}

// The folder of the file last chosen in this run; the home folder is used
// until then, and again should that folder be gone.
QString& LastFolder() {
  static QString folder;
  return folder;
}

}  // namespace

QString AskFileName(QWidget& parent, const FileDialogRequest& request) {
  KeepNoDialogState();
  const bool saving = request.mode == FileDialogMode::Save;
  // Qt's own dialog rather than the platform's, so that it looks and behaves
  // the same everywhere; the overwrite question is on by default.
  QFileDialog dialog(&parent, request.title);
  dialog.setObjectName(QStringLiteral("CD"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::HideNameFilterDetails, saving);
  dialog.setNameFilter(request.filter);
  dialog.setDefaultSuffix(request.suffix);
  const bool lastFolderIsThere = !LastFolder().isEmpty() && QFileInfo(LastFolder()).isDir();
  dialog.setDirectory(lastFolderIsThere ? LastFolder() : QDir::homePath());
  if (dialog.exec() != QDialog::Accepted) return {};
  const QString chosen = dialog.selectedFiles().value(0);
  if (!chosen.isEmpty()) LastFolder() = QFileInfo(chosen).absolutePath();
  return chosen;
}

}  // namespace tavrin
