#pragma once

#include <QLabel>

namespace tavrin {

// A caption that answers a click of the left button (pressed and released on
// it), as link captions on the forms do.
class ClickLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace tavrin
