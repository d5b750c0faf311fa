#pragma once

#include <functional>
#include <type_traits>

#include <QObject>
#include <QTextCursor>

class QEvent;
class QTextEdit;
class QWidget;

namespace tavrin {

// Keeps text copied out of a text box from staying on the system clipboard.
// Each event of the box (Change, Click, MouseDown, MouseMove, MouseUp) empties
// the clipboard, but only while it holds something this program put there:
// what the user copied in another program is left alone. The primary
// selection (X11) is emptied alike while this program owns it, and as soon as
// text selected in the box arrives there. Copying from the box with the
// keyboard goes through the guard, which marks the copy as ours so it is
// recognised on platforms that cannot say who owns the clipboard.
class ClipboardGuard : public QObject {
  Q_OBJECT
 public:
  // For a QPlainTextEdit or a QTextEdit; a rich one's copies keep their formatting.
  template <typename Box>
  explicit ClipboardGuard(Box& box)
      : ClipboardGuard(box, *box.viewport(), [&box] { return box.textCursor(); }, std::is_base_of_v<QTextEdit, Box>) {
    connect(&box, &Box::textChanged, this, &ClipboardGuard::Change);
  }

  // The box's events; each empties the clipboard if it holds our data.
  void Change();
  void Click();
  void MouseDown();
  void MouseMove();
  void MouseUp();

  // True while the clipboard holds data this program put there.
  static bool HoldsOwnData();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  ClipboardGuard(QWidget& box, QWidget& viewport, std::function<QTextCursor()> cursor, bool rich);
  void CopySelection();
  static void EmptyIfOwn();
  static void EmptySelectionIfOwn();

  QWidget& box_;
  QWidget& viewport_;
  std::function<QTextCursor()> cursor_;  // the box's, with its selection
  bool rich_;
};

}  // namespace tavrin
