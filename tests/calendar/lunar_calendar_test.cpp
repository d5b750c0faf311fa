#include "calendar/lunar_calendar.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "astro/civil_time.h"
#include "engine/birth_moment.h"
#include "tests/test_paths.h"

namespace tavrin::calendar {
namespace {

long long DayNumber(int year, int month, int day) { return static_cast<long long>(JulianDay0(year, month, day) + 0.5); }

std::string IsoDay(long long dayNumber) { return astro::IsoDate(astro::CivilTimeOf(static_cast<double>(dayNumber) - 0.5)); }

// published_lunar_years_1900_2100.csv holds the lunar years 1900-2100 as an
// independent calendar library gives them: each New Year, and the leap
// month's number, first day and length. They agree but for one New Year:
// the new moon of 1916-02-03 at 16:05 UT falls at 00:05 on 4 February in
// UTC+8, 23:51 on 3 February on Beijing's local mean time, which the
// almanacs kept until 1929 and which the table follows there.
TEST(LunarCalendarTest, NewYearsAndLeapMonthsOf1900To2100AreThePublishedOnes) {
  const std::map<std::string, std::string> kOtherNewYears = {{"1916", "1916-02-04"}};
  std::ifstream file(testing::SourceDir() + "/tests/calendar/published_lunar_years_1900_2100.csv");
  ASSERT_TRUE(file) << "the published lunar years are missing";
  std::string line;
  std::getline(file, line);
  int rows = 0, leapYears = 0;
  while (std::getline(file, line)) {
    std::stringstream cells(line);
    std::string year, newYear, leapMonth, leapFirstDay, leapDays;
    std::getline(cells, year, ',');
    std::getline(cells, newYear, ',');
    std::getline(cells, leapMonth, ',');
    std::getline(cells, leapFirstDay, ',');
    std::getline(cells, leapDays, ',');
    const std::vector<LunarMonth> months = MonthsOf(std::stoi(year));
    ASSERT_FALSE(months.empty()) << year;
    ++rows;
    EXPECT_EQ(IsoDay(months.front().firstDay), kOtherNewYears.contains(year) ? kOtherNewYears.at(year) : newYear)
        << year;
    EXPECT_EQ(months.size(), leapMonth.empty() ? 12u : 13u) << year;
    const std::optional<int> leap = LeapMonthOf(std::stoi(year));
    EXPECT_EQ(leap.has_value(), !leapMonth.empty()) << year;
    if (leapMonth.empty() || !leap) continue;
    ++leapYears;
    EXPECT_EQ(*leap, std::stoi(leapMonth)) << year;
    for (const LunarMonth& month : months) {
      if (!month.leap) continue;
      EXPECT_EQ(IsoDay(month.firstDay), leapFirstDay) << year;
      EXPECT_EQ(month.days, std::stoi(leapDays)) << year;
    }
  }
  EXPECT_EQ(rows, 201);
  EXPECT_EQ(leapYears, 74);
}

// Every civil day of 1600-2199 to its lunar date and back, and each day's
// date one on from the day before's: the next day of the month, or day 1 of
// the month that follows it (a leap month follows the month of its number).
TEST(LunarCalendarTest, EveryDayOf1600To2199GoesToItsLunarDateAndBack) {
  const long long first = DayNumber(1600, 1, 1), last = DayNumber(2199, 12, 31);
  ASSERT_LT(last, MonthsOf(kLastLunarYear).back().firstDay);
  std::optional<LunarDate> previous;
  int lastDayOfMonth = 0;
  for (long long day = first; day <= last; ++day) {
    const std::optional<LunarDate> date = LunarDateOf(day);
    ASSERT_TRUE(date) << IsoDay(day);
    if (date->year >= kFirstLunarYear) {
      const GregorianDay back = DayOf(*date);
      ASSERT_EQ(back.problem, LunarProblem::none) << IsoDay(day);
      ASSERT_EQ(back.dayNumber, day) << IsoDay(day);
    }
    if (previous) {
      if (date->day == 1) {
        ASSERT_TRUE(lastDayOfMonth == 29 || lastDayOfMonth == 30) << IsoDay(day);
        const bool leapFollows = date->leap && date->month == previous->month && !previous->leap;
        ASSERT_TRUE(leapFollows || (!date->leap && date->month == previous->month % 12 + 1)) << IsoDay(day);
        ASSERT_EQ(date->year, previous->year + (date->month == 1 && !date->leap ? 1 : 0)) << IsoDay(day);
      } else {
        ASSERT_EQ(*date, (LunarDate{previous->year, previous->month, previous->leap, previous->day + 1}))
            << IsoDay(day);
      }
    }
    lastDayOfMonth = date->day;
    previous = date;
  }
  const std::vector<LunarMonth> lastYear = MonthsOf(kLastLunarYear);
  const long long end = lastYear.back().firstDay + lastYear.back().days;
  EXPECT_EQ(LunarDateOf(end - 1), (LunarDate{kLastLunarYear, 12, false, lastYear.back().days}));
  EXPECT_FALSE(LunarDateOf(end));
  EXPECT_FALSE(LunarDateOf(DayNumber(1599, 10, 1)));
}

TEST(LunarCalendarTest, ALunarDateThatIsNoDaySaysWhy) {
  const struct {
    LunarDate date;
    LunarProblem problem;
    std::string text;
  } kCases[] = {
      {{1987, 5, true, 1}, LunarProblem::noSuchLeapMonth, "1987 has no leap fifth month; its leap month is the sixth"},
      {{1988, 5, true, 17}, LunarProblem::noSuchLeapMonth, "1988 has no leap fifth month; it has no leap month"},
      {{2033, 11, true, 30}, LunarProblem::dayOutside, "the leap eleventh month of 2033 has 29 days"},
      {{1599, 12, false, 1}, LunarProblem::yearOutside, "the lunar calendar covers the years 1600 to 2199"},
      {{2200, 1, false, 1}, LunarProblem::yearOutside, "the lunar calendar covers the years 1600 to 2199"},
      {{2000, 13, false, 1}, LunarProblem::monthOutside, "a lunar month is numbered 1 to 12"},
      {{2000, 1, false, 0}, LunarProblem::dayOutside, ""},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(DayOf(c.date).problem, c.problem) << c.date.year << "-" << c.date.month;
    if (!c.text.empty()) {
      EXPECT_EQ(ProblemText(c.date, c.problem), c.text);
    }
  }
}

TEST(LunarCalendarTest, TheLunarDateOfAKnownDayIsWrittenInCharacters) {
  const struct {
    int year, month, day;
    std::string hanzi;
  } kCases[] = {
      {1984, 2, 2, "甲子年 正月 初一"},   {2000, 2, 5, "庚辰年 正月 初一"},   {2034, 1, 19, "癸丑年 闰冬月 廿九"},
      {2033, 12, 22, "癸丑年 闰冬月 初一"}, {2001, 6, 20, "辛巳年 闰四月 廿九"}, {2023, 1, 21, "壬寅年 腊月 三十"},
      {1988, 6, 30, "戊辰年 五月 十七"},   {2020, 5, 23, "庚子年 闰四月 初一"}, {2017, 8, 10, "丁酉年 闰六月 十九"},
  };
  for (const auto& c : kCases) {
    const std::optional<LunarDate> date = LunarDateOf(c.year, c.month, c.day);
    ASSERT_TRUE(date) << c.year;
    EXPECT_EQ(LunarDateHanzi(*date), c.hanzi) << c.year << "-" << c.month << "-" << c.day;
  }
  EXPECT_EQ(DayHanzi(10), "初十");
  EXPECT_EQ(DayHanzi(20), "二十");
}

}  // namespace
}  // namespace tavrin::calendar
