#include "entry/open_reading_dialog.h"

#include <QFileDialog>

namespace tavrin {

QString AskReadingFileName(QWidget& parent) {
  // Qt's own dialog rather than the platform's, so that it looks and behaves
  // the same everywhere.
  QFileDialog dialog(&parent, QStringLiteral("Select the source file"));
  dialog.setObjectName(QStringLiteral("CD"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilter(QStringLiteral("Tavrin (*.baz)"));
  dialog.setDefaultSuffix(QStringLiteral("baz"));
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles().value(0);
}

}  // namespace tavrin
