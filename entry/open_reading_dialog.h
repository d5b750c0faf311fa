#pragma once

#include <QString>

class QWidget;

namespace tavrin {

// Asks which saved reading to open through the entry form's open dialog `CD`,
// modal over `parent`: titled "Select the source file", the one filter
// "Tavrin (*.baz)", "baz" added to a name typed without an extension, the
// file name empty at first, and only an existing file accepted. Returns the
// chosen path, or an empty string when the user cancelled.
QString AskReadingFileName(QWidget& parent);

}  // namespace tavrin
