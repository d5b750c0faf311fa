#include "astro/jie.h"

#include <cmath>

#include "astro/sun_table.h"
#include "engine/arithmetic.h"

namespace tavrin::astro {
namespace {

constexpr double kMeanDegreesPerDay = 360 / 365.2422;
constexpr double kFirstJie = 315;  // Spring Beginning opens sector 0

JieInstant Jie(int sector, double guess) {
  const double longitude = std::fmod(kFirstJie + 30.0 * sector, 360);
  return {sector, longitude, SolveLongitude(longitude, guess)};
}

}  // namespace

double SolveLongitude(double longitude, double guess) {
  double t = guess;
  for (int i = 0; i < 8; ++i) {
    const SunMotion sun = SunAt(t);
    const double step = DegreesAhead(sun.longitude, longitude) / sun.degreesPerDay;
    t -= step;
    if (std::abs(step) < 1e-8) break;  // about a millisecond
  }
  return t;
}

JieAround FindJieAround(double utJulianDay, double longitude, int sector) {
  const double intoSector = ReduceDegrees(longitude - kFirstJie - 30.0 * sector);
  const JieInstant previous = Jie(sector, utJulianDay - intoSector / kMeanDegreesPerDay);
  const JieInstant next = Jie((sector + 1) % 12, utJulianDay + (30 - intoSector) / kMeanDegreesPerDay);
  return {previous, next};
}

}  // namespace tavrin::astro
