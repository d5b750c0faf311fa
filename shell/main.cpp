#include <cstdio>
#include <cstdlib>

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
  const int status = tavrin::StartUp(lock, ShowEntryForm) ? QApplication::exec() : 0;
  // The program ends at once, whatever is still pending: the places still
  // being read are not waited for, and no thread of Qt's is joined. The
  // process's end closes the windows, the lock file and the display
  // connection; nothing is saved on ending, so nothing is lost.
  std::fflush(nullptr);
  std::_Exit(status);
}
