#include "chart/clipboard_guard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextDocumentFragment>
#include <QWidget>

namespace tavrin {
namespace {

// Carried by every copy the guard makes, so the program knows the data for
// its own where the platform cannot tell who owns the clipboard.
QString OwnDataFormat() { return QStringLiteral("application/x-tavrin-own-copy"); }

bool IsCopyKey(QEvent* event) { return static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy); }

}  // namespace

ClipboardGuard::ClipboardGuard(QWidget& box, QWidget& viewport, std::function<QTextCursor()> cursor, bool rich)
    : QObject(&box), box_(box), viewport_(viewport), cursor_(std::move(cursor)), rich_(rich) {
  // Pointer moves over the box count even with no button held.
  viewport_.setMouseTracking(true);
  viewport_.installEventFilter(this);
  box_.installEventFilter(this);
  // Text selected in the box, by the mouse or by Select All, also becomes
  // the primary selection (X11), which a middle click pastes anywhere. The
  // box puts it there after its own events have run, so the guard empties
  // it when it arrives.
  connect(QGuiApplication::clipboard(), &QClipboard::selectionChanged, this, [this] {
    if (cursor_().hasSelection()) EmptySelectionIfOwn();
  }, Qt::QueuedConnection);
}

void ClipboardGuard::Change() { EmptyIfOwn(); }
void ClipboardGuard::Click() { EmptyIfOwn(); }
void ClipboardGuard::MouseDown() { EmptyIfOwn(); }
void ClipboardGuard::MouseMove() { EmptyIfOwn(); }
void ClipboardGuard::MouseUp() { EmptyIfOwn(); }

bool ClipboardGuard::HoldsOwnData() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard->ownsClipboard()) return true;
  const QMimeData* data = clipboard->mimeData();
  return data != nullptr && data->hasFormat(OwnDataFormat());
}

void ClipboardGuard::EmptyIfOwn() {
  // Emptying cannot be refused in a way worth reporting: a clipboard held by
  // another program simply stays as it is.
  if (HoldsOwnData()) QGuiApplication::clipboard()->clear();
  EmptySelectionIfOwn();
}

void ClipboardGuard::EmptySelectionIfOwn() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard->ownsSelection()) clipboard->clear(QClipboard::Selection);
}

bool ClipboardGuard::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &box_) {
    if (event->type() == QEvent::ShortcutOverride && IsCopyKey(event)) {
      event->accept();  // the copy key belongs to the box, not to a window shortcut
      return true;
    }
    if (event->type() == QEvent::KeyPress && IsCopyKey(event)) {
      CopySelection();
      return true;
    }
    return false;
  }
  if (watched != &viewport_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress: MouseDown(); break;
    case QEvent::MouseMove: MouseMove(); break;
    case QEvent::MouseButtonRelease:
      MouseUp();
      if (viewport_.rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) Click();
      break;
    default: break;
  }
  return false;
}

void ClipboardGuard::CopySelection() {
  const QTextDocumentFragment selection = cursor_().selection();
  if (selection.isEmpty()) return;
  auto* data = new QMimeData;
  data->setText(selection.toPlainText());
  if (rich_) data->setHtml(selection.toHtml());
  data->setData(OwnDataFormat(), QByteArray());
  QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace tavrin
