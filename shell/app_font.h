#pragma once

#include <QFont>

namespace tavrin {

// Verdana where the machine has it, otherwise DejaVu Sans, its closest
// stand-in (a little wider, so captions are sized for it).
QFont AppFont(double pointSize = 8.25, bool bold = false);

}  // namespace tavrin
