#include "astro/apparent_sun.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "engine/arithmetic.h"

namespace tavrin::astro {
namespace {

// The angle brought into (-pi, pi].
double Centred(double radians) {
  radians = std::fmod(radians, ERFA_D2PI);
  if (radians > ERFA_DPI) radians -= ERFA_D2PI;
  if (radians <= -ERFA_DPI) radians += ERFA_D2PI;
  return radians;
}

}  // namespace

SunPlace ApparentSun(double utJulianDay, double ttJulianDay) {
  constexpr double kJ2000 = 2451545.0;
  const double tt1 = kJ2000, tt2 = ttJulianDay - kJ2000;
  double heliocentric[2][3], barycentric[2][3];
  eraEpv00(tt1, tt2, heliocentric, barycentric);

  double direction[3], distance = 0;
  for (int i = 0; i < 3; ++i) direction[i] = -heliocentric[0][i];
  distance = std::sqrt(direction[0] * direction[0] + direction[1] * direction[1] + direction[2] * direction[2]);
  for (double& component : direction) component /= distance;

  // The Earth's barycentric velocity in units of c.
  double velocity[3], speed2 = 0;
  for (int i = 0; i < 3; ++i) {
    velocity[i] = barycentric[1][i] * ERFA_AULT / ERFA_DAYSEC;
    speed2 += velocity[i] * velocity[i];
  }
  double aberrated[3];
  eraAb(direction, velocity, distance, std::sqrt(1 - speed2), aberrated);

  double dpsi = 0, deps = 0, meanObliquity = 0;
  double rb[3][3], rp[3][3], rbp[3][3], rn[3][3], rbpn[3][3];
  eraNut06a(tt1, tt2, &dpsi, &deps);
  eraPn06(tt1, tt2, dpsi, deps, &meanObliquity, rb, rp, rbp, rn, rbpn);
  double ofDate[3];
  eraRxp(rbpn, aberrated, ofDate);

  const double obliquity = meanObliquity + deps;
  const double y = ofDate[1] * std::cos(obliquity) + ofDate[2] * std::sin(obliquity);
  const double longitude = ReduceDegrees(std::atan2(y, ofDate[0]) * ERFA_DR2D);

  const double rightAscension = std::atan2(ofDate[1], ofDate[0]);
  const double ut1 = std::floor(utJulianDay - 0.5) + 0.5, ut2 = utJulianDay - ut1;  // ut2: the day since 0h UT
  const double siderealTime = eraGst06(ut1, ut2, tt1, tt2, rbpn);
  const double equation = Centred(siderealTime - rightAscension + ERFA_DPI - ERFA_D2PI * ut2);
  return {longitude, equation * 1440 / ERFA_D2PI};
}

}  // namespace tavrin::astro
