#pragma once

#include <QString>

class QWidget;

namespace tavrin {

// Asks where to save through the program's save dialog `CD`, modal over
// `parent`: titled with the application title, one filter in Qt's syntax
// (for example "PDF Document (*.pdf)"; the dialog shows its description
// alone), `suffix` added to a name typed without one, the file name empty
// at first, and a question before an existing file is replaced. Returns the
// chosen path, or an empty string when the user cancelled.
QString AskSaveFileName(QWidget& parent, const QString& filter, const QString& suffix);

}  // namespace tavrin
