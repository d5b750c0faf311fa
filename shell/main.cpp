#include <QApplication>

#include "entry/frmMain.h"
#include "entry/place_box.h"
#include "shell/instance_lock.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
  // The birth places are read beside the start-up, so that the entry form's
  // first search finds them ready.
  tavrin::StartLoadingPlaces();
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);  // window swaps must not end the program
  tavrin::InstanceLock lock;
  if (!tavrin::StartUp(lock, ShowEntryForm)) return 0;
  return QApplication::exec();
}
