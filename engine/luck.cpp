#include "engine/luck.h"

#include <algorithm>
#include <cmath>

#include "engine/birth_moment.h"

namespace tavrin {

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

}  // namespace tavrin
