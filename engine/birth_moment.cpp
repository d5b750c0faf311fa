#include "engine/birth_moment.h"

#include <cmath>
#include <cstdlib>

namespace tavrin {

double LocalHours(int hour, int minute, double zoneHoursEast, double longitudeEast) {
  double h = hour + minute / 60.0;
  if (longitudeEast > -181 && longitudeEast < 181) h += longitudeEast / kDegreesPerHour - zoneHoursEast;
  return h;
}

double JulianDay0(int year, int month, int day) {
  const double y = year;
  const double m = month;
  const double g = year <= kLastJulianCalendarYear ? 0 : 1;
  double j = -Int(7 * (y + Int((m + 9) / 12)) / 4);
  const double s = (m - 9) < 0 ? -1 : 1;
  const double a = std::abs(m - 9);
  double j3 = Int(y + s * Int(a / 7));
  j3 = -Int((Int(j3 / 100) + 1) * 3 / 4);
  j = j + Int(275 * m / 9) + day + g * j3;
  return j + 1721027 + 2 * g + 367 * y - 0.5;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool julianLeap = year % 4 == 0;
  const bool leap = year <= kLastJulianCalendarYear ? julianLeap : julianLeap && (year % 100 != 0 || year % 400 == 0);
  return month == 2 && leap ? 29 : kDays[month - 1];
}

double SolarLongitude(double sunMoment) {
  const double t = (sunMoment - kEpochJ2000) / kDaysPerJulianCentury;
  const double meanAnomaly = 357.5291 + 35999.0503 * t - 0.0001559 * t * t - 0.00000048 * t * t * t;
  const double meanLongitude = 280.46645 + 36000.76983 * t + 0.0003032 * t * t;
  const double r = kDegreesToRadians;
  const double centre = (1.9146 - 0.004817 * t - 0.000014 * t * t) * std::sin(meanAnomaly * r) +
                        (0.019993 - 0.000101 * t) * std::sin(2 * meanAnomaly * r) +
                        0.00029 * std::sin(3 * meanAnomaly * r);
  return ReduceDegrees(meanLongitude + centre);
}

}  // namespace tavrin
