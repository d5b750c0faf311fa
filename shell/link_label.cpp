#include "shell/link_label.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QStyleHints>

#include "shell/app_font.h"
#include "shell/images.h"
#include "shell/web_page.h"

namespace tavrin {

LinkLabel::LinkLabel(const QString& objectName, const QString& caption, std::string pageKey, QWidget* parent)
    : QLabel(parent), pageKey_(std::move(pageKey)) {
  setObjectName(objectName);
  // A label shows its text as it is, so the doubled ampersand is undone here.
  setText(QString(caption).replace(QStringLiteral("&&"), QStringLiteral("&")));
  setTextFormat(Qt::PlainText);
  setWordWrap(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setFont(AppFont());
  setCursor(LinkCursor());
  SetLinkColour(kLinkBlue);
}

void LinkLabel::SetLinkColour(const QColor& colour) {
  QPalette colours = palette();
  colours.setColor(QPalette::WindowText, colour);
  setPalette(colours);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  const auto interval = static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
  const bool sameSequence = doubleClickTime_ && event->timestamp() - *doubleClickTime_ < interval;
  pressed_ = event->button() == Qt::LeftButton && !sameSequence;
  QLabel::mousePressEvent(event);
}

// A click is a press and a release of the left button on the label.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  pressed_ = false;
  QLabel::mouseReleaseEvent(event);
  if (click) OpenWebPage(pageKey_);
}

// The second press of a double-click belongs to the click that has already
// opened the page; it does not start a click of its own.
void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  doubleClickTime_ = event->timestamp();
  event->accept();
}

}  // namespace tavrin
