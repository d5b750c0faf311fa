#include <QApplication>

#include "entry/frmMain.h"
#include "shell/form_instance.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // window swaps must not end the program
  tavrin::FormInstance<frmMain>::Get().show();
  return QApplication::exec();
}
