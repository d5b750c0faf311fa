#pragma once

#include <QString>

class QWidget;

namespace tavrin {

enum class FileDialogMode {
  Open,  // only an existing file is accepted; the filter is shown as written
  Save,  // asks before an existing file is replaced; the filter's description alone is shown
};

// What the program's file dialog `CD` asks for.
struct FileDialogRequest {
  FileDialogMode mode;
  QString title;
  QString filter;  // one filter in Qt's syntax, for example "PDF Document (*.pdf)"
  QString suffix;  // added to a name typed without one
};

// Asks for a file name through the program's file dialog `CD`, modal over
// `parent`, with the file name empty at first. The dialog opens in the
// folder of the file last chosen in this run, at first in the user's home
// folder; nothing about it is kept between runs. Returns the chosen path, or
// an empty string when the user cancelled.
QString AskFileName(QWidget& parent, const FileDialogRequest& request);

}  // namespace tavrin
