#include "astro/civil_time.h"

#include <cmath>
#include <cstdio>

namespace tavrin::astro {

CivilTime CivilTimeOf(double julianDay) {
  const double days = julianDay + 0.5;  // days since the midnight that starts Julian day 0
  long long dayNumber = static_cast<long long>(std::floor(days));
  long long seconds = std::llround((days - static_cast<double>(dayNumber)) * 86400);
  if (seconds >= 86400) {
    ++dayNumber;
    seconds -= 86400;
  }
  // Fliegel and Van Flandern's Julian day number to Gregorian date.
  long long l = dayNumber + 68569;
  const long long n = 4 * l / 146097;
  l -= (146097 * n + 3) / 4;
  const long long i = 4000 * (l + 1) / 1461001;
  l = l - 1461 * i / 4 + 31;
  const long long j = 80 * l / 2447;
  const long long day = l - 2447 * j / 80;
  l = j / 11;
  const long long month = j + 2 - 12 * l;
  const long long year = 100 * (n - 49) + i + l;
  return {static_cast<int>(year), static_cast<int>(month), static_cast<int>(day), static_cast<int>(seconds / 3600),
          static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};
}

std::string IsoInstant(double julianDay) {
  const CivilTime t = CivilTimeOf(julianDay);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.year, t.month, t.day, t.hour, t.minute,
                t.second);
  return text;
}

std::string IsoDate(const CivilTime& date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return text;
}

}  // namespace tavrin::astro
