#pragma once

#include <QMainWindow>

namespace tavrin {

// Base of the two main windows. When the user closes one (close box or
// File, Exit) the program ends; when the program swaps one main window for
// the other it closes the old one with CloseForSwap, which does not.
class MainForm : public QMainWindow {
  Q_OBJECT
 public:
  using QMainWindow::QMainWindow;
  void CloseForSwap();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool swapping_ = false;
};

// Gives a window a fixed client size and centres it on its screen.
void FixAndCentre(QWidget& window, QSize clientSize);

}  // namespace tavrin
