#pragma once

#include <optional>
#include <string>
#include <vector>

// The Chinese lunisolar calendar computed from the Sun and the Moon: a month
// starts on the civil day in China's time (UTC+8) that holds a new moon; the
// month holding the winter solstice is the eleventh; when thirteen months run
// from one eleventh month to the next, the first of them that holds no
// principal term (a solar longitude that is a multiple of 30 degrees) is the
// leap month, numbered as the month before it.
namespace tavrin::calendar {

// The lunar years whose every month the calendar knows. It also knows the
// eleventh and twelfth months of 1599 (December 1599 and January 1600).
inline constexpr int kFirstLunarYear = 1600;
inline constexpr int kLastLunarYear = 2199;

struct LunarDate {
  int year = 0;  // the Gregorian year in which the lunar year begins
  int month = 0;  // 1 to 12
  bool leap = false;
  int day = 0;  // 1 to 30
  bool operator==(const LunarDate&) const = default;
};

struct LunarMonth {
  long long firstDay;  // Julian day number of its first civil day
  int days;            // 29 or 30
  int number;          // 1 to 12
  bool leap;
};

// The months of a lunar year, 12 or 13, in order; empty outside
// kFirstLunarYear to kLastLunarYear. Each year's new moons and principal
// terms are solved on first use (a few milliseconds) and kept for the whole
// program; threads may share them.
std::vector<LunarMonth> MonthsOf(int lunarYear);

// The number of the leap month of a lunar year, if it has one.
std::optional<int> LeapMonthOf(int lunarYear);

// The lunar date of a civil day (a Julian day number), from the eleventh
// month of 1599 to the last day of the lunar year 2199 (early in 2200); none
// outside.
std::optional<LunarDate> LunarDateOf(long long dayNumber);
std::optional<LunarDate> LunarDateOf(int year, int month, int day);

// Why a lunar date names no day, or none.
enum class LunarProblem { none, yearOutside, monthOutside, noSuchLeapMonth, dayOutside };

struct GregorianDay {
  LunarProblem problem = LunarProblem::none;
  long long dayNumber = 0;  // Julian day number, when there is no problem
};
GregorianDay DayOf(const LunarDate& date);

// The sentence that says why, e.g. "1987 has no leap fifth month; its leap
// month is the sixth" or "the fifth month of 1988 has 29 days".
std::string ProblemText(const LunarDate& date, LunarProblem problem);

// "戊辰年 五月 十七", "甲申年 闰二月 初一": the year's stem and branch, the
// month (正月 to 腊月, with 闰 for a leap month) and the day (初一 to 三十).
std::string LunarDateHanzi(const LunarDate& date);
// "Dragon 1988, month 5, day 17", "Ox 2033, leap month 11, day 1": the
// year's animal and number, the month's number and the day's.
std::string LunarDateWords(const LunarDate& date);
// "the fifth month", "the leap fifth month".
std::string MonthWords(int number, bool leap);
// "五月", "闰五月", "正月", "腊月"; "初一" to "三十".
std::string MonthHanzi(int number, bool leap);
std::string DayHanzi(int day);

}  // namespace tavrin::calendar
