#include "astro/moon.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "astro/delta_t.h"
#include "astro/ecliptic_of_date.h"
#include "astro/apparent_sun.h"
#include "engine/arithmetic.h"

namespace tavrin::astro {

MoonMotion ApparentMoon(double ttJulianDay) { return ApparentMoon(ttJulianDay, EclipticOfDateAt(ttJulianDay)); }

MoonMotion ApparentMoon(double ttJulianDay, const EclipticOfDate& frame) {
  constexpr double kJ2000 = 2451545.0;
  double pv[2][3];
  eraMoon98(kJ2000, ttJulianDay - kJ2000, pv);
  const double distance = std::sqrt(pv[0][0] * pv[0][0] + pv[0][1] * pv[0][1] + pv[0][2] * pv[0][2]);
  const double lightDays = distance * ERFA_AULT / ERFA_DAYSEC;
  double seen[3];
  for (int i = 0; i < 3; ++i) seen[i] = pv[0][i] - pv[1][i] * lightDays;
  const EclipticMotion motion = EclipticLongitude(frame, seen, pv[1]);
  return {motion.longitude, motion.degreesPerDay};
}

namespace {

double TT(double ut) { return ut + DeltaTSeconds(ut) / 86400; }

EclipticMotion SunIn(const EclipticOfDate& frame, double tt) {
  const SunDirection sun = ApparentSunDirection(tt);
  return EclipticLongitude(frame, sun.position, sun.velocity);
}

}  // namespace

// Newton's method on the elongation. A frame of date some hours off moves the
// Moon and the Sun alike, near conjunction, by less than 0.01", so one frame
// serves. The Sun is taken on its rate from where it was last computed (its
// rate changes by less than 0.001 degree a day), and computed again at the
// new moon so found until the two agree.
double NewMoon(int number) {
  double t = kMeanNewMoon0 + kSynodicMonth * number;
  const EclipticOfDate frame = AbridgedEclipticOfDateAt(TT(t));
  double sunTime = t;
  EclipticMotion sun = SunIn(frame, TT(t));
  for (int i = 0; i < 24; ++i) {
    const MoonMotion moon = ApparentMoon(TT(t), frame);
    const double sunLongitude = sun.longitude + sun.degreesPerDay * (t - sunTime);
    const double step = DegreesAhead(moon.longitude, sunLongitude) / (moon.degreesPerDay - sun.degreesPerDay);
    t -= step;
    if (std::abs(step) >= 1e-8) continue;
    if (std::abs(t - sunTime) < 1e-3) break;
    sunTime = t;
    sun = SunIn(frame, TT(t));
  }
  return t;
}

// Newton's method on the Sun alone, the frame computed again once the step is
// within ten seconds.
double SunReaches(double longitude, double utGuess) {
  double t = utGuess;
  EclipticOfDate frame = AbridgedEclipticOfDateAt(TT(t));
  bool frameRenewed = false;
  for (int i = 0; i < 12; ++i) {
    const EclipticMotion sun = SunIn(frame, TT(t));
    const double step = DegreesAhead(sun.longitude, longitude) / sun.degreesPerDay;
    t -= step;
    if (std::abs(step) < 1e-4 && !frameRenewed) {
      frame = AbridgedEclipticOfDateAt(TT(t));
      frameRenewed = true;
    } else if (std::abs(step) < 1e-8) {
      break;
    }
  }
  return t;
}

int MeanNewMoonNumber(double utJulianDay) {
  return static_cast<int>(std::floor((utJulianDay - kMeanNewMoon0) / kSynodicMonth));
}

}  // namespace tavrin::astro
