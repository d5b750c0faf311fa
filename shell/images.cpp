#include "shell/images.h"

#include <QPixmap>

// The pictures are compiled into the desktop library, a static library whose
// resource registration the linker would drop unless something calls it.
static void RegisterShellResources() {
  static const bool registered = [] {
    Q_INIT_RESOURCE(shell);
    return true;
  }();
  (void)registered;
}

namespace tavrin {

QIcon AppIcon() {
  RegisterShellResources();
  // Only the small picture: an X server is sent every size of a window's
  // icon each time a window is created, and the main windows are created at
  // every swap. The large picture is installed for the desktop's launchers.
  QIcon icon;
  icon.addFile(QStringLiteral(":/shell/tavrin-48.png"), QSize(48, 48));
  return icon;
}

QCursor LinkCursor() {
  RegisterShellResources();
  // The hot spot is the arrow's tip.
  return QCursor(QPixmap(QStringLiteral(":/shell/link_pointer.png")), 1, 1);
}

}  // namespace tavrin
