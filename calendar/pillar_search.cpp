#include "calendar/pillar_search.h"

#include <algorithm>
#include <cmath>

#include "astro/civil_time.h"
#include "astro/jie.h"
#include "birth/zone.h"
#include "engine/birth_moment.h"
#include "engine/pillars.h"
#include "engine/vocabulary.h"

namespace tavrin::calendar {
namespace {

constexpr long long kDaySeconds = 86400;

// The words of a stem or branch the text may use: its characters, its pinyin
// and its label.
template <typename Symbol>
int MatchSymbol(std::string_view text, const Symbol& symbols, std::size_t& length) {
  int found = -1;
  length = 0;
  const auto consider = [&](std::string_view word, int index) {
    if (word.empty() || word.size() <= length || text.size() < word.size()) return;
    for (std::size_t i = 0; i < word.size(); ++i) {
      const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
      if (lower(text[i]) != lower(word[i])) return;
    }
    found = index;
    length = word.size();
  };
  for (int i = 0; i < static_cast<int>(symbols.size()); ++i) {
    consider(symbols[i].hanzi, i);
    consider(symbols[i].label, i);
    consider(symbols[i].pinyin, i);
    // The pinyin without its tone mark: the marked vowel is two bytes in UTF-8.
    std::string plain;
    for (std::size_t k = 0; k < symbols[i].pinyin.size(); ++k) {
      const std::string_view rest = symbols[i].pinyin.substr(k);
      static constexpr std::pair<std::string_view, char> kMarked[] = {
          {"ā", 'a'}, {"á", 'a'}, {"ǎ", 'a'}, {"à", 'a'}, {"ē", 'e'}, {"é", 'e'}, {"ě", 'e'}, {"è", 'e'},
          {"ī", 'i'}, {"í", 'i'}, {"ǐ", 'i'}, {"ì", 'i'}, {"ō", 'o'}, {"ó", 'o'}, {"ǒ", 'o'}, {"ò", 'o'},
          {"ū", 'u'}, {"ú", 'u'}, {"ǔ", 'u'}, {"ù", 'u'}};
      bool marked = false;
      for (const auto& [mark, vowel] : kMarked)
        if (rest.starts_with(mark)) {
          plain += vowel;
          k += mark.size() - 1;
          marked = true;
          break;
        }
      if (!marked) plain += symbols[i].pinyin[k];
    }
    consider(plain, i);
  }
  return found;
}

std::string PillarHanzi(const Pillar& pillar) {
  return std::string(StemSymbols[pillar.stem].hanzi) + std::string(BranchSymbols[pillar.branch].hanzi);
}

// Local clock time (a Julian Date on the zone's clock) to whole seconds,
// rounded up: the first whole second at or after it.
long long SecondAtOrAfter(double clockJulianDay) {
  return static_cast<long long>(std::ceil(clockJulianDay * kDaySeconds - 1e-6));
}

// The first second of the local civil day with this day number.
long long DayStart(long long dayNumber) { return dayNumber * kDaySeconds - kDaySeconds / 2; }

// The two-hour period (0 early Rat ... 11 Pig, 12 late Rat) an hour pillar
// names on a day of `dayStem`, or -1 when it names none.
int PeriodOf(const Pillar& hour, int dayStem) {
  for (int period = 0; period <= 12; ++period)
    if (HourPillar(period == 0 ? 0 : 2 * period - 1, dayStem) == hour) return period;
  return -1;
}

// The first second of 1 January of a civil year.
long long FirstSecondOf(int year) { return DayStart(static_cast<long long>(JulianDay0(year, 1, 1) + 0.5)); }

int CivilYearOf(long long second) { return astro::CivilTimeOf(static_cast<double>(second) / kDaySeconds).year; }

// Clock seconds over which the clocks kept one offset, and the offset of the
// mean time the day and hour are read in.
struct Stretch {
  long long first, last;
  int offsetSeconds, meanSeconds;
};

// Adds the spans of `query`'s pillars within `stretch`, in the order found.
// The search runs in the mean time: the clock time less any summer time.
// The year and month change at the Jie's instants, the day and hour with the
// mean time.
void AddSpans(const PillarQuery& query, DayStarts dayStarts, const Stretch& stretch, std::vector<ClockSpan>& spans) {
  const long long summer = stretch.offsetSeconds - stretch.meanSeconds;
  const long long meanFirst = stretch.first - summer, meanLast = stretch.last - summer;
  const double meridian = stretch.meanSeconds / static_cast<double>(kDaySeconds);
  const int sector = Modulo(query.month.branch - 2, kBranchCount);
  const int hourPeriod = query.hour ? PeriodOf(*query.hour, query.day.stem) : -1;
  const auto add = [&](long long first, long long last, long long monthFirst, long long monthLast) {
    first = std::max(first, monthFirst);
    last = std::min(last, monthLast);
    if (first <= last) spans.push_back({first + summer, last + summer, stretch.offsetSeconds, stretch.meanSeconds});
  };
  // The chart year counts from Spring Beginning, so its last two months fall in the next civil year.
  for (int year = CivilYearOf(meanFirst) - 1, lastYear = CivilYearOf(meanLast); year <= lastYear; ++year) {
    if (YearPillar(year) != query.year) continue;
    const double guess = JulianDay0(year, 2, 4) + 30.44 * sector;
    if ((guess + 35) * kDaySeconds < meanFirst || (guess - 35) * kDaySeconds > meanLast) continue;
    const double opens = astro::SolveLongitude(MonthSectorTable[sector].lower, guess);
    const double closes = astro::SolveLongitude(MonthSectorTable[(sector + 1) % 12].lower, opens + 30.4);
    const long long monthFirst = std::max(SecondAtOrAfter(opens + meridian), meanFirst);
    const long long monthLast = std::min(SecondAtOrAfter(closes + meridian) - 1, meanLast);
    if (monthFirst > monthLast) continue;
    // The civil days the month touches, and the one after (whose late Rat hour of the day before may count).
    for (long long dayNumber = DayNumber(monthFirst / static_cast<double>(kDaySeconds)) - 1;
         DayStart(dayNumber) - 3600 <= monthLast; ++dayNumber) {
      if (DayPillar(dayNumber) != query.day) continue;
      const long long midnight = DayStart(dayNumber), nextMidnight = DayStart(dayNumber + 1);
      // The seconds of the day pillar: the civil day, or 23:00 to 23:00 when the day starts at 23:00.
      const long long shift = dayStarts == DayStarts::at23 ? -3600 : 0;
      if (hourPeriod < 0) {
        add(midnight + shift, nextMidnight + shift - 1, monthFirst, monthLast);
      } else if (hourPeriod == 0) {
        // The early Rat hour from midnight, or from 23:00 with the day; a day
        // that keeps its own Rat stem has it again from 23:00.
        add(midnight + shift, midnight + 3600 - 1, monthFirst, monthLast);
        if (dayStarts == DayStarts::midnightOwnRat) add(nextMidnight - 3600, nextMidnight - 1, monthFirst, monthLast);
      } else {
        const long long periodStart = midnight + (2 * hourPeriod - 1) * 3600LL;
        add(periodStart, std::min(periodStart + 7200, nextMidnight + shift) - 1, monthFirst, monthLast);
      }
    }
  }
}

}  // namespace

std::variant<PillarQuery, std::string> ParsePillars(std::string_view text) {
  std::vector<Pillar> pillars;
  int stem = -1;  // the stem read of a pillar whose branch is still to come
  while (true) {
    while (!text.empty() && (text.front() == ' ' || text.front() == ',' || text.front() == '\t'))
      text.remove_prefix(1);
    if (text.empty()) break;
    std::size_t length = 0;
    const bool branchNext = stem >= 0;
    const int found = branchNext ? MatchSymbol(text, BranchSymbols, length) : MatchSymbol(text, StemSymbols, length);
    if (found < 0) {
      // The word shown is cut to 40 bytes, at the start of a UTF-8 character.
      std::size_t end = std::min(text.find(' '), text.size());
      const bool cut = end > 40;
      if (cut)
        for (end = 40; end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80; --end) {
        }
      return "\"" + std::string(text.substr(0, end)) + (cut ? "..." : "") + "\" is no " + (branchNext ? "branch" : "stem") +
             " (pillars are written 庚辰, geng chen or +Metal [Geng] Dragon [Chen])";
    }
    text.remove_prefix(length);
    if (!branchNext) {
      stem = found;
      continue;
    }
    pillars.push_back({stem, found});
    stem = -1;
  }
  if (stem >= 0) return "the last pillar has a stem and no branch";
  if (pillars.size() != 3 && pillars.size() != 4)
    return "expected four pillars (year, month, day, hour) or three without the hour, found " +
           std::to_string(pillars.size());
  PillarQuery query{pillars[0], pillars[1], pillars[2], std::nullopt};
  if (pillars.size() == 4) query.hour = pillars[3];
  return query;
}

std::string ProblemWithPillars(const PillarQuery& query, DayStarts dayStarts) {
  const Pillar* all[4] = {&query.year, &query.month, &query.day, query.hour ? &*query.hour : nullptr};
  for (const Pillar* pillar : all)
    if (pillar && pillar->stem % 2 != pillar->branch % 2)
      return PillarHanzi(*pillar) + " is none of the sixty pillars: a " + (pillar->stem % 2 == 0 ? "yang" : "yin") +
             " stem stands only over a " + (pillar->stem % 2 == 0 ? "yang" : "yin") + " branch";
  const MonthSector& sector = MonthSectorTable[Modulo(query.month.branch - 2, kBranchCount)];
  const Pillar month = MonthPillar(query.year.stem, sector);
  if (month != query.month)
    return "a " + std::string(StemSymbols[query.year.stem].hanzi) + " year's " +
           std::string(BranchSymbols[query.month.branch].hanzi) + " month is " + PillarHanzi(month) + ", not " +
           PillarHanzi(query.month);
  if (query.hour) {
    const int period = PeriodOf(*query.hour, query.day.stem);
    // At 23:00 the late Rat hour opens the next day, whose early Rat hour it
    // is; a day that keeps its own Rat stem has no other.
    if (period < 0 || (period == 12 && dayStarts != DayStarts::midnight)) {
      const Pillar hour = HourPillar(query.hour->branch == 0 ? 0 : 2 * query.hour->branch - 1, query.day.stem);
      return "on a " + std::string(StemSymbols[query.day.stem].hanzi) + " day the " +
             std::string(BranchSymbols[query.hour->branch].hanzi) + " hour is " + PillarHanzi(hour) + ", not " +
             PillarHanzi(*query.hour);
    }
  }
  return "";
}

std::vector<ClockSpan> FindSpans(const PillarQuery& query, double zoneHoursEast, DayStarts dayStarts, int fromYear,
                                 int toYear) {
  const int zone = SecondsOfOffset(zoneHoursEast);
  std::vector<ClockSpan> spans;
  AddSpans(query, dayStarts, {FirstSecondOf(fromYear), FirstSecondOf(toYear + 1) - 1, zone, zone}, spans);
  return spans;
}

std::vector<ClockSpan> FindSpans(const PillarQuery& query, const place::ZoneHistory& zone, DayStarts dayStarts,
                                 int fromYear, int toYear) {
  const long long first = FirstSecondOf(fromYear), last = FirstSecondOf(toYear + 1) - 1;
  std::vector<ClockSpan> spans;
  // No clock is a day away from Greenwich.
  for (const place::ZoneStretch& stretch : zone.StretchesOver(first - kDaySeconds, last + kDaySeconds)) {
    const int offset = stretch.offset.seconds;
    // No birth is cast on a clock this far from Greenwich (Manila's before 1845).
    if (std::abs(offset) > SecondsOfOffset(kWidestZoneHours)) continue;
    const long long clockFirst = std::max(stretch.firstSecond + offset, first);
    const long long clockLast = std::min(stretch.lastSecond + offset, last);
    // The mean time at the longitude a birth in the zone is cast at.
    const double meanHours = LocalHours(0, 0, HoursOfOffset(offset), stretch.offset.StandardMeridian());
    const int mean = offset + static_cast<int>(std::lround(meanHours * 3600));
    if (clockFirst <= clockLast) AddSpans(query, dayStarts, {clockFirst, clockLast, offset, mean}, spans);
  }
  std::stable_sort(spans.begin(), spans.end(), [](const ClockSpan& a, const ClockSpan& b) {
    return a.first - a.offsetSeconds < b.first - b.offsetSeconds;
  });
  // Where only the clocks' record changed, not their time, a span goes on.
  std::vector<ClockSpan> joined;
  for (const ClockSpan& span : spans) {
    if (!joined.empty() && joined.back().offsetSeconds == span.offsetSeconds &&
        joined.back().meanSeconds == span.meanSeconds && joined.back().last + 1 == span.first)
      joined.back().last = span.last;
    else
      joined.push_back(span);
  }
  return joined;
}

astro::CivilTime ClockTimeOf(long long second) {
  const long long dayNumber = (second + kDaySeconds / 2) / kDaySeconds;
  const long long intoDay = second - DayStart(dayNumber);
  astro::CivilTime time = astro::CivilTimeOf(static_cast<double>(dayNumber) - 0.5);
  time.hour = static_cast<int>(intoDay / 3600);
  time.minute = static_cast<int>(intoDay / 60 % 60);
  time.second = static_cast<int>(intoDay % 60);
  return time;
}

std::string IsoClockTime(long long second) {
  const astro::CivilTime time = ClockTimeOf(second);
  char text[32];
  std::snprintf(text, sizeof text, "%sT%02d:%02d:%02d", astro::IsoDate(time).c_str(), time.hour, time.minute,
                time.second);
  return text;
}

}  // namespace tavrin::calendar
