#include <QApplication>

#include "entry/frmMain.h"
#include "shell/instance_lock.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // window swaps must not end the program
  tavrin::InstanceLock lock;
  if (!tavrin::StartUp(lock, ShowEntryForm)) return 0;
  return QApplication::exec();
}
