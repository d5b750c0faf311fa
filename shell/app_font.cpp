#include "shell/app_font.h"

#include <QFontDatabase>
#include <QStringList>

namespace tavrin {

QFont AppFont(double pointSize, bool bold) {
  static const QString family =
      QFontDatabase::families().contains(QStringLiteral("Verdana")) ? QStringLiteral("Verdana") : QStringLiteral("DejaVu Sans");
  QFont font(family);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

}  // namespace tavrin
