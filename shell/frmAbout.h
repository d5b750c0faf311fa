#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace tavrin {
class LinkLabel;
}

// The About box: the program's name and purpose, the holder of its rights
// and two links to the maker's site. Shown modally; OK, Enter, Esc or the
// close box close it.
class frmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit frmAbout(QWidget* parent = nullptr);

 private:
  void cmdOK_Click();

  QLabel* picIcon;
  QLabel* Label2;
  QLabel* Label1;
  tavrin::LinkLabel* lblHomePage;
  QFrame* Line2;
  QLabel* Label3;
  tavrin::LinkLabel* lblCobrand;
  QPushButton* cmdOK;
};
