#pragma once

#include <QCursor>
#include <QIcon>

namespace tavrin {

// The program's icon (windows, About box, desktop entry).
QIcon AppIcon();

// The mouse pointer shown while it rests on a link label.
QCursor LinkCursor();

}  // namespace tavrin
