#include "shell/end_program.h"

#include <QApplication>
#include <QWidget>

namespace tavrin {

void EndProgram() {
  static bool ending = false;
  if (ending) return;
  ending = true;
  // Every event loop, modal ones included, stops; windows go without asking.
  for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
  QCoreApplication::exit(0);
}

}  // namespace tavrin
