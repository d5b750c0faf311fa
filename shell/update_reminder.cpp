#include "shell/update_reminder.h"

#include <QLocale>
#include <QMessageBox>
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
  const QLocale locale;
  const QString format = locale.dateFormat(QLocale::ShortFormat);
  QDate local = locale.toDate(trimmed, format);
  if (local.isValid() && !format.contains(QStringLiteral("yyyy")))
    local.setDate(NearestYear(local.year(), today.year()), local.month(), local.day());
  return local;
}

void UpdateReminder(const ReminderHooks& hooks) {
  const std::optional<QString> stored = ReadSetting(QString::fromLatin1(kReminderKey));
  if (!stored) return;
  const QDate today = hooks.today();
  const QString todayText = today.toString(Qt::ISODate);
  const QDate last = stored->isEmpty() ? QDate() : ParseReminderDate(*stored, today);
  if (!last.isValid()) {
    // First start, or a stored text that is no date: count from today. A
    // store that cannot be written leaves nothing else to do.
    (void)WriteSetting(QString::fromLatin1(kReminderKey), todayText);
    return;
  }
  if (std::abs(today.daysTo(last)) <= kReminderQuietDays) return;
  const bool check = hooks.askToCheck();
  if (!WriteSetting(QString::fromLatin1(kReminderKey), todayText)) return;
  if (check) hooks.openDownloadPage();
}

}  // namespace tavrin
