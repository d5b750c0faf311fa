#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// The time-zone picker: a double-click on a zone writes its hours and minutes
// into the entry form's zone captions and closes the picker. Shown modally,
// created anew at every opening.
class frmTimeZone : public QDialog {
  Q_OBJECT
 public:
  explicit frmTimeZone(QWidget* parent = nullptr);

  QListWidget* lstTimeZone;
  QPushButton* cmdQuit;

  void lstTimeZone_DblClick();
  void cmdQuit_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Form_Load();
};
