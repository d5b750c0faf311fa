#include "entry/click_label.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace tavrin {

ClickLabel::ClickLabel(const QString& caption, QWidget* parent) : QAbstractButton(parent) { setText(caption); }

void ClickLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOption option;
  option.initFrom(this);
  int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic;
  if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)) flags |= Qt::TextHideMnemonic;
  style()->drawItemText(&painter, rect(), flags, palette(), isEnabled(), text(), QPalette::WindowText);
  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = style()->itemTextRect(fontMetrics(), rect(), flags, isEnabled(), text()).adjusted(-2, 0, 2, 0) & rect();
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
  }
}

// Space is the button's own key; Enter presses it too, as it presses a
// focused push button, once however long it is held.
void ClickLabel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    if (!event->isAutoRepeat()) click();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

}  // namespace tavrin
