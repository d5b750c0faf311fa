#include "chart/save_file_dialog.h"

#include <QFileDialog>

#include "shell/app_text.h"

namespace tavrin {

QString AskSaveFileName(QWidget& parent, const QString& filter, const QString& suffix) {
  // Qt's own dialog rather than the platform's, so that it looks and behaves
  // the same everywhere; the overwrite question is on by default.
  QFileDialog dialog(&parent, QString::fromLatin1(kApplicationTitle));
  dialog.setObjectName(QStringLiteral("CD"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  // The list of types shows the filter's description alone ("Rich Text
  // Format", not "Rich Text Format (*.baz)").
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(suffix);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

}  // namespace tavrin
