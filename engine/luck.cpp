#include "engine/luck.h"

#include <algorithm>
#include <cmath>

#include "engine/birth_moment.h"

namespace tavrin {

int LuckDirection(int genderSign, int yearStem) { return genderSign * (StemSymbols[yearStem].yang ? 1 : -1); }

LuckStart LuckStartAfter(const Birth& birth, long long lifeDays) {
  LuckStart start;
  start.years = static_cast<int>(lifeDays / 360);
  start.months = static_cast<int>(lifeDays % 360 / 30);
  start.days = static_cast<int>(lifeDays % 30);
  int year = birth.year + start.years;
  int month = birth.month + start.months;
  if (month > 12) {
    month -= 12;
    ++year;
  }
  // The days after the same day of the month, counted in the birth date's reckoning.
  int day = std::min(birth.day, DaysInMonth(year, month)) + start.days;
  while (day > DaysInMonth(year, month)) {
    day -= DaysInMonth(year, month);
    if (++month > 12) {
      month = 1;
      ++year;
    }
  }
  start.year = year;
  start.month = month;
  start.day = day;
  return start;
}

long long LifeDaysOfAge(double years) { return std::llround(years * 100) * 360 / 100; }

LuckPeriods MakeLuckPeriods(const Pillar& month, int direction, double startAge) {
  LuckPeriods periods{};
  for (int i = 0; i < 8; ++i) periods[i] = {startAge + 10 * i, CycleStep(month, direction * (i + 1))};
  return periods;
}

}  // namespace tavrin
