#pragma once

#include <QColor>
#include <QLabel>
#include <optional>
#include <string>

namespace tavrin {

inline const QColor kLinkBlue(0, 0, 255);
inline const QColor kAboutLinkGreen(0, 128, 0);

// A label that links to a page of the maker's site: blue text that wraps,
// the program's link pointer while the mouse rests on it, and a single
// click opens its page in the browser, once for a double or triple click.
// It does nothing else.
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  // `caption` as the link tables keep it: "&&" stands for one shown "&".
  LinkLabel(const QString& objectName, const QString& caption, std::string pageKey, QWidget* parent);

  void SetLinkColour(const QColor& colour);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  std::string pageKey_;
  bool pressed_ = false;
  // When the last double-click arrived: a press soon after it is the third
  // click of the same sequence, not a click of its own.
  std::optional<quint64> doubleClickTime_;
};

}  // namespace tavrin
