#include "shell/update_reminder.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>

#include "shell/settings_store.h"
#include "tests/shell/shell_test_support.h"

namespace tavrin {
namespace {

using test::IsolatedConfig;

const QDate kToday(2026, 3, 14);

// The reminder with a fixed today, a question that answers as told and a
// page opener that only counts.
struct ReminderRun {
  bool answer = false;
  int asked = 0;
  int opened = 0;

  void Run() {
    UpdateReminder({[] { return kToday; },
                    [this] {
                      ++asked;
                      return answer;
                    },
                    [this] { ++opened; }});
  }
};

std::optional<QString> Stored() { return ReadSetting(QStringLiteral("Duration")); }

void Store(const QString& value) { ASSERT_TRUE(WriteSetting(QStringLiteral("Duration"), value)); }

class ScopedLocale {
 public:
  explicit ScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
  ~ScopedLocale() { QLocale::setDefault(old_); }

 private:
  QLocale old_;
};

TEST(UpdateReminder, FirstStartStoresTodayAndAsksNothing) {
  IsolatedConfig config;
  ReminderRun run;
  run.Run();
  EXPECT_EQ(run.asked, 0);
  EXPECT_EQ(Stored(), std::optional<QString>(QStringLiteral("2026-03-14")));
}

TEST(UpdateReminder, AsksOnlyWhenTheStoredDayIsMoreThanFourteenDaysAway) {
  struct Case {
    int daysFromToday;
    bool asks;
  };
  const Case cases[] = {{-14, false}, {-15, true}, {14, false}, {15, true}, {0, false}, {-400, true}, {1, false}};
  for (const Case& c : cases) {
    IsolatedConfig config;
    const QString stored = kToday.addDays(c.daysFromToday).toString(Qt::ISODate);
    Store(stored);
    ReminderRun run;
    run.Run();
    EXPECT_EQ(run.asked, c.asks ? 1 : 0) << c.daysFromToday;
    // Today is stored after a question; otherwise nothing is written.
    EXPECT_EQ(Stored(), std::optional<QString>(c.asks ? QStringLiteral("2026-03-14") : stored)) << c.daysFromToday;
  }
}

TEST(UpdateReminder, AnswerDecidesWhetherTheDownloadPageOpensButTodayIsStoredEitherWay) {
  for (const bool yes : {true, false}) {
    IsolatedConfig config;
    Store(QStringLiteral("2026-01-01"));
    ReminderRun run;
    run.answer = yes;
    run.Run();
    EXPECT_EQ(run.asked, 1);
    EXPECT_EQ(run.opened, yes ? 1 : 0);
    EXPECT_EQ(Stored(), std::optional<QString>(QStringLiteral("2026-03-14")));
    // The next start, the same day, asks nothing.
    ReminderRun next;
    next.Run();
    EXPECT_EQ(next.asked, 0);
  }
}

TEST(UpdateReminder, UnreadableDateStaysUnchangedAndNothingIsAsked) {
  for (const char* stored : {"garbage", "2026-02-30", "13/45/26", "  ", "Monday, March 14, 2026"}) {
    IsolatedConfig config;
    Store(QString::fromLatin1(stored));
    ReminderRun run;
    run.Run();
    EXPECT_EQ(run.asked, 0) << stored;
    EXPECT_EQ(Stored(), std::optional<QString>(QString::fromLatin1(stored))) << stored;
  }
}

TEST(UpdateReminder, ReadsTheLocalesShortDateWithTwoOrFourDigitYears) {
  struct Case {
    QLocale locale;
    const char* stored;
    bool asks;
  };
  const Case cases[] = {
      {QLocale(QLocale::English, QLocale::UnitedStates), "2/28/26", false},  // 14 days ago
      {QLocale(QLocale::English, QLocale::UnitedStates), "2/27/26", true},   // 15 days ago
      {QLocale(QLocale::English, QLocale::UnitedStates), "3/28/26", false},  // 14 days ahead
      {QLocale(QLocale::German, QLocale::Germany), "28.02.26", false},
      {QLocale(QLocale::German, QLocale::Germany), "27.02.26", true},
      {QLocale(QLocale::English, QLocale::UnitedKingdom), "28/02/2026", false},
      {QLocale(QLocale::English, QLocale::UnitedKingdom), "27/02/2026", true},
      // Four-digit years, with and without leading zeros (the long numeric form).
      {QLocale(QLocale::English, QLocale::UnitedStates), "2/28/2026", false},
      {QLocale(QLocale::English, QLocale::UnitedStates), "2/27/2026", true},
      {QLocale(QLocale::English, QLocale::UnitedStates), "02/27/2026", true},
      {QLocale(QLocale::German, QLocale::Germany), "28.02.2026", false},
      {QLocale(QLocale::German, QLocale::Germany), "27.02.2026", true},
      {QLocale(QLocale::German, QLocale::Germany), "27.2.2026", true},
      {QLocale(QLocale::English, QLocale::UnitedKingdom), "27/02/26", true},
      {QLocale(QLocale::Japanese, QLocale::Japan), "2026/02/27", true},
  };
  for (const Case& c : cases) {
    ScopedLocale locale(c.locale);
    IsolatedConfig config;
    Store(QString::fromLatin1(c.stored));
    ReminderRun run;
    run.Run();
    EXPECT_EQ(run.asked, c.asks ? 1 : 0) << c.locale.name().toStdString() << " " << c.stored;
  }
}

TEST(UpdateReminder, StoredDayReadsBackTheSameInEveryLocale) {
  IsolatedConfig config;
  {
    ScopedLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
    ReminderRun first;
    first.Run();
  }
  for (const QLocale& other : {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::Japanese, QLocale::Japan),
                               QLocale(QLocale::English, QLocale::UnitedKingdom)}) {
    ScopedLocale locale(other);
    EXPECT_EQ(ParseReminderDate(*Stored(), kToday), kToday) << other.name().toStdString();
  }
}

TEST(UpdateReminder, TwoDigitYearIsTheNearestSuchYear) {
  ScopedLocale locale(QLocale(QLocale::English, QLocale::UnitedStates));
  struct Case {
    const char* text;
    QDate expected;
  };
  const Case cases[] = {
      {"3/14/26", QDate(2026, 3, 14)}, {"1/1/99", QDate(1999, 1, 1)},   {"1/1/00", QDate(2000, 1, 1)},
      {"1/1/75", QDate(2075, 1, 1)},   {"1/1/77", QDate(1977, 1, 1)},   {"2026-03-14", QDate(2026, 3, 14)},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseReminderDate(QString::fromLatin1(c.text), kToday), c.expected) << c.text;
}

TEST(UpdateReminder, StoreFailureAbandonsTheReminderSilently) {
  IsolatedConfig config;
  QFile blocker(config.Path() + QStringLiteral("/Tavrin"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  ReminderRun run;
  run.answer = true;
  run.Run();
  EXPECT_EQ(run.asked, 0);
  EXPECT_EQ(run.opened, 0);
}

TEST(UpdateReminder, QuestionBoxAsksWithInformationIconAndYesNo) {
  for (const bool yes : {true, false}) {
    bool seen = false;
    QTimer::singleShot(0, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      seen = true;
      EXPECT_EQ(box->windowTitle(), QStringLiteral("Tavrin"));
      EXPECT_EQ(box->text(), QStringLiteral("There maybe an update to this software available\r"
                                            "Do you want to check for an update?"));
      EXPECT_EQ(box->icon(), QMessageBox::Information);
      EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
      box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    EXPECT_EQ(AskToCheckForUpdate(), yes);
    EXPECT_TRUE(seen);
  }
}

}  // namespace
}  // namespace tavrin
