#include "engine/luck.h"

#include <algorithm>
#include <cmath>

#include "engine/birth_moment.h"

namespace tavrin {

int LuckDirection(int genderSign, int yearStem) { return genderSign * (StemSymbols[yearStem].yang ? 1 : -1); }

LuckStart LuckStartAfter(const Birth& birth, int lifeDays) {
  LuckStart start;
  start.years = lifeDays / 360;
  start.months = lifeDays % 360 / 30;
  start.days = lifeDays % 30;
  int year = birth.year + start.years;
  int month = birth.month + start.months;
  if (month > 12) {
    month -= 12;
    ++year;
  }
  // The days after the same day of the month, counted in the birth date's reckoning.
  int length = DaysInMonth(year, month);
  int day = std::min(birth.day, length) + start.days;
  while (day > length) {
    day -= length;
    if (++month > 12) {
      month = 1;
      ++year;
    }
    length = DaysInMonth(year, month);
  }
  start.year = year;
  start.month = month;
  start.day = day;
  return start;
}

int LifeDaysOfAge(double years) { return static_cast<int>(std::lround(years * 100)) * 360 / 100; }

LuckPeriods MakeLuckPeriods(const Pillar& month, int direction, double startAge) {
  LuckPeriods periods{};
  Pillar pillar = month;
  for (int i = 0; i < 8; ++i) {
    // One place on or back in the cycle, as CycleStep(pillar, direction) steps.
    pillar.stem += direction;
    pillar.branch += direction;
    if (pillar.stem < 0) pillar.stem += kStemCount;
    if (pillar.stem >= kStemCount) pillar.stem -= kStemCount;
    if (pillar.branch < 0) pillar.branch += kBranchCount;
    if (pillar.branch >= kBranchCount) pillar.branch -= kBranchCount;
    periods[i] = {startAge + 10 * i, pillar};
  }
  return periods;
}

}  // namespace tavrin
