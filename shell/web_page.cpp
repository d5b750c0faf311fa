#include "shell/web_page.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QUrl>

#include "shell/page_address.h"

namespace tavrin {

void OpenWebPage(std::string_view pageKey) {
  const QString address = QString::fromStdString(PageAddress(pageKey));
  // xdg-open finds the user's browser on every desktop, and on none through
  // $BROWSER; it runs detached so the program never waits for the browser.
  // Without it, the platform's own URL service is the next best thing.
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (!opener.isEmpty() && QProcess::startDetached(opener, {address})) return;
  QDesktopServices::openUrl(QUrl(address));
}

}  // namespace tavrin
