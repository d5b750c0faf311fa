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

QFont HanziFont(double pointSize, bool bold) {
  QFont font = AppFont(pointSize, bold);
  font.setFamilies({font.family(), QString::fromLatin1(kHanziFamily)});
  return font;
}

}  // namespace tavrin
