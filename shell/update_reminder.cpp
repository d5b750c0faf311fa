#include "shell/update_reminder.h"

#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>
#include <cstdlib>

#include "shell/app_text.h"
#include "shell/page_address.h"
#include "shell/settings_store.h"
#include "shell/web_page.h"

namespace tavrin {
namespace {

// The year nearest to `near` that ends in the two digits of `year`.
int NearestYear(int year, int near) {
  int candidate = near - near % 100 + year % 100;
  if (candidate > near + 50) candidate -= 100;
  if (candidate <= near - 50) candidate += 100;
  return candidate;
}

}  // namespace

ReminderHooks DefaultReminderHooks() {
  return {
      [] { return QDate::currentDate(); },
      [] { return AskToCheckForUpdate(); },
      [] { OpenWebPage(kDownloadPage); },
  };
}

bool AskToCheckForUpdate(QWidget* parent) {
  QMessageBox box(QMessageBox::Information, QString::fromLatin1(kApplicationTitle),
                  QString::fromLatin1(kUpdateQuestion), QMessageBox::Yes | QMessageBox::No, parent);
  box.setObjectName(QStringLiteral("msgUpdateReminder"));
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

QDate ParseReminderDate(const QString& text, QDate today) {
  const QString trimmed = text.trimmed();
  const QDate iso = QDate::fromString(trimmed, Qt::ISODate);
  if (iso.isValid()) return iso;
  // The locale's short form, with a two- or a four-digit year (the latter is
  // also its long numeric form), and day and month with or without a leading
  // zero ("d" and "M" read both).
  const QLocale locale;
  static const QRegularExpression day(QStringLiteral("(?<!d)dd(?!d)"));
  static const QRegularExpression month(QStringLiteral("(?<!M)MM(?!M)"));
  static const QRegularExpression year(QStringLiteral("y+"));
  const QString format = locale.dateFormat(QLocale::ShortFormat)
                             .replace(day, QStringLiteral("d"))
                             .replace(month, QStringLiteral("M"));
  QDate local = locale.toDate(trimmed, QString(format).replace(year, QStringLiteral("yy")));
  if (local.isValid()) {
    local.setDate(NearestYear(local.year(), today.year()), local.month(), local.day());
    return local;
  }
  return locale.toDate(trimmed, QString(format).replace(year, QStringLiteral("yyyy")));
}

void UpdateReminder(const ReminderHooks& hooks) {
  const std::optional<QString> stored = ReadSetting(QString::fromLatin1(kReminderKey));
  if (!stored) return;
  const QDate today = hooks.today();
  const QString todayText = today.toString(Qt::ISODate);
  if (stored->isEmpty()) {
    // First start: count from today. A store that cannot be written leaves
    // nothing else to do.
    (void)WriteSetting(QString::fromLatin1(kReminderKey), todayText);
    return;
  }
  const QDate last = ParseReminderDate(*stored, today);
  if (!last.isValid()) return;
  if (std::abs(today.daysTo(last)) <= kReminderQuietDays) return;
  const bool check = hooks.askToCheck();
  if (!WriteSetting(QString::fromLatin1(kReminderKey), todayText)) return;
  if (check) hooks.openDownloadPage();
}

}  // namespace tavrin
