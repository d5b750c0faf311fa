#include "astro/apparent_sun.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "astro/ecliptic_of_date.h"

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

SunDirection ApparentSunDirection(double ttJulianDay) {
  constexpr double kJ2000 = 2451545.0;
  double heliocentric[2][3], barycentric[2][3];
  eraEpv00(kJ2000, ttJulianDay - kJ2000, heliocentric, barycentric);

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
  SunDirection sun;
  eraAb(direction, velocity, distance, std::sqrt(1 - speed2), sun.position);
  for (int i = 0; i < 3; ++i) sun.velocity[i] = -heliocentric[1][i] / distance;
  return sun;
}

SunPlace ApparentSun(double utJulianDay, double ttJulianDay) {
  constexpr double kJ2000 = 2451545.0;
  const double tt1 = kJ2000, tt2 = ttJulianDay - kJ2000;
  SunDirection sun = ApparentSunDirection(ttJulianDay);
  double* aberrated = sun.position;

  EclipticOfDate frame = EclipticOfDateAt(ttJulianDay);
  const double longitude = EclipticLongitude(frame, aberrated).longitude;
  double ofDate[3];
  eraRxp(frame.rbpn, aberrated, ofDate);

  const double rightAscension = std::atan2(ofDate[1], ofDate[0]);
  const double ut1 = std::floor(utJulianDay - 0.5) + 0.5, ut2 = utJulianDay - ut1;  // ut2: the day since 0h UT
  const double siderealTime = eraGst06(ut1, ut2, tt1, tt2, frame.rbpn);
  const double equation = Centred(siderealTime - rightAscension + ERFA_DPI - ERFA_D2PI * ut2);
  return {longitude, equation * 1440 / ERFA_D2PI};
}

}  // namespace tavrin::astro
