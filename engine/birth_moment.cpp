#include "engine/birth_moment.h"

#include <cmath>
#include <cstdlib>

namespace tavrin {

double LocalHours(int hour, int minute, double zoneHoursEast, double longitudeEast) {
  static constexpr Quotients<60> kMinuteHours(60);
  double h = hour + (minute >= 0 && minute < 60 ? kMinuteHours.of[minute] : minute / 60.0);
  if (longitudeEast > -181 && longitudeEast < 181) h += longitudeEast / kDegreesPerHour - zoneHoursEast;
  return h;
}

double JulianDay0(int year, int month, int day) {
  // Whole numbers throughout, each division rounded down.
  const int y = year;
  const int m = month;
  const int g = year <= kLastJulianCalendarYear ? 0 : 1;
  int j = -FloorDivide(7 * (y + FloorDivide(m + 9, 12)), 4);
  const int s = (m - 9) < 0 ? -1 : 1;
  const int a = std::abs(m - 9);
  int j3 = y + s * FloorDivide(a, 7);
  j3 = -FloorDivide((FloorDivide(j3, 100) + 1) * 3, 4);
  j = j + FloorDivide(275 * m, 9) + day + g * j3;
  return j + 1721027 + 2 * g + 367.0 * y - 0.5;
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
