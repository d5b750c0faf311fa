#include "calendar/lunar_calendar.h"

#include <array>
#include <cmath>
#include <memory>
#include <mutex>

#include "astro/moon.h"
#include "engine/birth_moment.h"
#include "engine/cycle.h"
#include "engine/vocabulary.h"

namespace tavrin::calendar {
namespace {

// A sui: the months from the eleventh month holding one winter solstice
// (December of `year`) to the one holding the next, 12 or 13 of them.
constexpr int kFirstSui = kFirstLunarYear - 1;
constexpr int kLastSui = kLastLunarYear;

struct Sui {
  std::once_flag solved;
  std::array<long long, 14> starts{};  // first days of its months and of the next sui's first
  int count = 0;                        // 12 or 13
  int leap = -1;                        // the leap month's place, or -1
};

// The civil day in China's time (UTC+8) holding a UT instant.
long long ChinaDay(double ut) { return static_cast<long long>(std::floor(ut + 8.0 / 24 + 0.5)); }

double WinterSolstice(int year) { return astro::SunReaches(270, JulianDay0(year, 12, 22)); }

void Solve(Sui& sui, int year) {
  const double solstice = WinterSolstice(year);
  const long long solsticeDay = ChinaDay(solstice), nextSolsticeDay = ChinaDay(WinterSolstice(year + 1));

  // The first days of new moons from just before the mean one of the
  // solstice on, each solved when first looked at.
  const int base = astro::MeanNewMoonNumber(solstice) - 1;
  std::array<long long, 18> newMoonDays{};
  int solved = 0;
  const auto newMoonDay = [&](int i) {
    for (; solved <= i; ++solved) newMoonDays[solved] = ChinaDay(astro::NewMoon(base + solved));
    return newMoonDays[i];
  };
  int first = 0;
  while (newMoonDay(first + 1) <= solsticeDay) ++first;
  int last = first;
  while (newMoonDay(last + 1) <= nextSolsticeDay) ++last;
  sui.count = last - first;
  for (int i = 0; i <= sui.count; ++i) sui.starts[i] = newMoonDays[first + i];
  if (sui.count == 12) return;

  // The principal terms after the solstice, to the next solstice.
  std::array<long long, 12> termDays{};
  for (int j = 1; j < 12; ++j)
    termDays[j - 1] = ChinaDay(astro::SunReaches(std::fmod(270 + 30.0 * j, 360), solstice + 30.44 * j));
  termDays[11] = nextSolsticeDay;
  for (int i = 1; i < sui.count && sui.leap < 0; ++i) {
    bool holdsTerm = false;
    for (const long long day : termDays) holdsTerm = holdsTerm || (day >= sui.starts[i] && day < sui.starts[i + 1]);
    if (!holdsTerm) sui.leap = i;
  }
}

const Sui& SuiOf(int year) {
  static const std::unique_ptr<Sui[]> suis(new Sui[kLastSui - kFirstSui + 1]);
  Sui& sui = suis[year - kFirstSui];
  std::call_once(sui.solved, Solve, std::ref(sui), year);
  return sui;
}

LunarMonth MonthAt(const Sui& sui, int place) {
  const bool afterLeap = sui.leap >= 0 && place >= sui.leap;
  return {sui.starts[place], static_cast<int>(sui.starts[place + 1] - sui.starts[place]),
          Modulo(10 + place - (afterLeap ? 1 : 0), 12) + 1, place == sui.leap};
}

// A month numbered 11 or 12 belongs to the lunar year in which its sui begins.
int LunarYearOf(int sui, const LunarMonth& month) { return month.number >= 11 ? sui : sui + 1; }

constexpr std::string_view kDigits[] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
constexpr std::string_view kOrdinals[] = {"",        "first",   "second", "third",    "fourth",
                                          "fifth",   "sixth",   "seventh", "eighth",  "ninth",
                                          "tenth",   "eleventh", "twelfth"};

}  // namespace

std::vector<LunarMonth> MonthsOf(int lunarYear) {
  std::vector<LunarMonth> months;
  if (lunarYear < kFirstLunarYear || lunarYear > kLastLunarYear) return months;
  for (const int sui : {lunarYear - 1, lunarYear}) {
    const Sui& s = SuiOf(sui);
    for (int place = 0; place < s.count; ++place) {
      const LunarMonth month = MonthAt(s, place);
      if (LunarYearOf(sui, month) == lunarYear) months.push_back(month);
    }
  }
  return months;
}

std::optional<int> LeapMonthOf(int lunarYear) {
  for (const LunarMonth& month : MonthsOf(lunarYear))
    if (month.leap) return month.number;
  return std::nullopt;
}

std::optional<LunarDate> LunarDateOf(long long dayNumber) {
  // The sui is the year of the winter solstice before the day, give or take one.
  int sui = static_cast<int>(std::floor((static_cast<double>(dayNumber) - JulianDay0(2000, 1, 1)) / 365.2425)) + 1999;
  if (sui < kFirstSui - 1 || sui > kLastSui + 1) return std::nullopt;
  if (sui >= kFirstSui && sui <= kLastSui && dayNumber < SuiOf(sui).starts[0]) --sui;
  if (sui >= kFirstSui && sui <= kLastSui && dayNumber >= SuiOf(sui).starts[SuiOf(sui).count]) ++sui;
  if (sui < kFirstSui || sui > kLastSui) return std::nullopt;
  const Sui& s = SuiOf(sui);
  if (dayNumber < s.starts[0] || dayNumber >= s.starts[s.count]) return std::nullopt;
  int place = 0;
  while (dayNumber >= s.starts[place + 1]) ++place;
  const LunarMonth month = MonthAt(s, place);
  if (LunarYearOf(sui, month) > kLastLunarYear) return std::nullopt;
  return LunarDate{LunarYearOf(sui, month), month.number, month.leap, static_cast<int>(dayNumber - month.firstDay) + 1};
}

std::optional<LunarDate> LunarDateOf(int year, int month, int day) {
  if (year < kFirstSui || year > kLastSui + 1 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    return std::nullopt;
  return LunarDateOf(static_cast<long long>(JulianDay0(year, month, day) + 0.5));
}

GregorianDay DayOf(const LunarDate& date) {
  if (date.year < kFirstLunarYear || date.year > kLastLunarYear) return {LunarProblem::yearOutside};
  if (date.month < 1 || date.month > 12) return {LunarProblem::monthOutside};
  for (const LunarMonth& month : MonthsOf(date.year)) {
    if (month.number != date.month || month.leap != date.leap) continue;
    if (date.day < 1 || date.day > month.days) return {LunarProblem::dayOutside};
    return {LunarProblem::none, month.firstDay + date.day - 1};
  }
  return {LunarProblem::noSuchLeapMonth};
}

std::string MonthWords(int number, bool leap) {
  return std::string(leap ? "the leap " : "the ") + std::string(kOrdinals[number]) + " month";
}

std::string ProblemText(const LunarDate& date, LunarProblem problem) {
  const std::string year = std::to_string(date.year);
  switch (problem) {
    case LunarProblem::none: return {};
    case LunarProblem::yearOutside:
      return "the lunar calendar covers the years " + std::to_string(kFirstLunarYear) + " to " +
             std::to_string(kLastLunarYear);
    case LunarProblem::monthOutside: return "a lunar month is numbered 1 to 12";
    case LunarProblem::noSuchLeapMonth: {
      const std::optional<int> leap = LeapMonthOf(date.year);
      std::string text = year + " has no leap " + std::string(kOrdinals[date.month]) + " month; ";
      if (!leap) return text + "it has no leap month";
      return text + "its leap month is the " + std::string(kOrdinals[*leap]);
    }
    case LunarProblem::dayOutside:
      for (const LunarMonth& month : MonthsOf(date.year))
        if (month.number == date.month && month.leap == date.leap)
          return MonthWords(date.month, date.leap) + " of " + year + " has " + std::to_string(month.days) + " days";
  }
  return {};
}

std::string MonthHanzi(int number, bool leap) {
  std::string text = leap ? "闰" : "";
  if (number == 1) return text + "正月";
  if (number == 11) return text + "冬月";
  if (number == 12) return text + "腊月";
  return text + std::string(kDigits[number]) + "月";
}

std::string DayHanzi(int day) {
  if (day <= 10) return "初" + std::string(kDigits[day]);
  if (day < 20) return "十" + std::string(kDigits[day - 10]);
  if (day == 20) return "二十";
  if (day < 30) return "廿" + std::string(kDigits[day - 20]);
  return "三十";
}

std::string LunarDateHanzi(const LunarDate& date) {
  const Pillar year = YearPillar(date.year);
  return std::string(StemSymbols[year.stem].hanzi) + std::string(BranchSymbols[year.branch].hanzi) + "年 " +
         MonthHanzi(date.month, date.leap) + " " + DayHanzi(date.day);
}

std::string LunarDateWords(const LunarDate& date) {
  const std::string_view branch = BranchSymbols[YearPillar(date.year).branch].label;
  return std::string(branch.substr(0, branch.find(' '))) + " " + std::to_string(date.year) + (date.leap ? ", leap month " : ", month ") +
         std::to_string(date.month) + ", day " + std::to_string(date.day);
}

}  // namespace tavrin::calendar
