#pragma once

#include <QDate>
#include <QString>
#include <functional>

class QWidget;

namespace tavrin {

// The setting that holds the day of the last reminder (or of the first start).
inline constexpr const char* kReminderKey = "Duration";
// Within this many days of the stored day, before or after it, nothing is asked.
inline constexpr int kReminderQuietDays = 14;
// The question, with a lone carriage return between its two lines.
inline constexpr const char* kUpdateQuestion =
    "There maybe an update to this software available\rDo you want to check for an update?";

// What the reminder needs from the outside world.
struct ReminderHooks {
  std::function<QDate()> today;
  std::function<bool()> askToCheck;  // true when the user answers Yes
  std::function<void()> openDownloadPage;
};

// The clock, the question box and the browser.
ReminderHooks DefaultReminderHooks();

// Asks the update question in a Yes/No box with the information icon,
// titled with the application title. True on Yes.
bool AskToCheckForUpdate(QWidget* parent = nullptr);

// Reads a stored reminder day: the ISO form the program writes (yyyy-MM-dd),
// or the short-date form of the user's locale that older settings may hold,
// with a two- or four-digit year. A two-digit year is taken as the year
// nearest to `today` ending in those digits. An invalid QDate when the text
// is none of these.
QDate ParseReminderDate(const QString& text, QDate today);

// Runs at every start. The first start stores today and asks nothing.
// Afterwards, when the stored day is more than the quiet days before or
// after today, the user is asked whether to check for an update, today is
// stored whatever the answer, and Yes opens the download page without
// waiting. A stored text that is no date is left as it is and nothing is
// asked. When the settings store cannot be read or written the reminder
// gives up silently.
void UpdateReminder(const ReminderHooks& hooks = DefaultReminderHooks());

}  // namespace tavrin
