#pragma once

#include <QAbstractButton>

namespace tavrin {

// A caption that works as a button, as the link captions on the forms do. It
// answers a click of the left button (pressed and released on it), its access
// key (the letter after "&" in its caption, shown underlined), and Space or
// Enter while it has the keyboard focus, which it shows by a frame round its
// text. Clicks, access key and keys all emit clicked().
class ClickLabel : public QAbstractButton {
  Q_OBJECT
 public:
  ClickLabel(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace tavrin
