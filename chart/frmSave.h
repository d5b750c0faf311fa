#pragma once

#include <QDialog>

class QPushButton;
class QTextEdit;

namespace tavrin {
class ClipboardGuard;
}

// The report window: shows the composed reading in RTB and saves the chart's
// reading file (.baz), prints the reading on the default printer or saves it
// as a PDF file.
class frmSave : public QDialog {
  Q_OBJECT
 public:
  explicit frmSave(QWidget* parent = nullptr);

  QTextEdit* RTB;
  QPushButton* cmdSavePdf;
  QPushButton* cmdSave;
  QPushButton* cmdPrint;

  void Form_Load();
  void cmdSave_Click();
  void cmdPrint_Click();
  void cmdSavePdf_Click();

 private:
  void ShowNotSaved(const QString& what, const QString& reason);

  // Empties the clipboard on each event of RTB, while it holds our copy.
  tavrin::ClipboardGuard* RTBGuard;
};
