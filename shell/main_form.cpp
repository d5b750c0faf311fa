#include "shell/main_form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "shell/end_program.h"

namespace tavrin {

void MainForm::CloseForSwap() {
  swapping_ = true;
  close();
}

void MainForm::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  if (event->isAccepted() && !swapping_) EndProgram();
}

void FixAndCentre(QWidget& window, QSize clientSize) {
  window.setFixedSize(clientSize);
  if (QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen()) {
    const QRect area = screen->availableGeometry();
    window.move(area.center() - QPoint(clientSize.width() / 2, clientSize.height() / 2));
  }
}

}  // namespace tavrin
