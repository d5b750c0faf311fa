#pragma once

#include <QDialog>

class QGroupBox;
class QPushButton;
class QTextEdit;

namespace tavrin {
class ClipboardGuard;
class LinkLabel;
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
  tavrin::LinkLabel* Label14;
  tavrin::LinkLabel* Label1;
  QGroupBox* fraFullBrand;
  tavrin::LinkLabel* lblCobrand;
  tavrin::LinkLabel* lblFullBrand;

  void Form_Load();
  void cmdSave_Click();
  void cmdPrint_Click();
  void cmdSavePdf_Click();

 private:
  void BuildLinks();

  // Empties the clipboard on each event of RTB, while it holds our copy.
  tavrin::ClipboardGuard* RTBGuard;
};
