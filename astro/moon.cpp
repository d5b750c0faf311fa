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
double UT(double tt) { return tt - DeltaTSeconds(tt) / 86400; }

EclipticMotion SunIn(const EclipticOfDate& frame, double tt) {
  const SunDirection sun = ApparentSunDirection(tt);
  return EclipticLongitude(frame, sun.position, sun.velocity);
}

}  // namespace

// Meeus's symbols: k the lunation, T Julian centuries from J2000, M, M' and F
// the Sun's and the Moon's mean anomalies and the Moon's argument of latitude.
double PublishedNewMoon(int k) {
  const double T = k / 1236.85, T2 = T * T, T3 = T2 * T, T4 = T3 * T;
  const double r = M_PI / 180;
  const double jde = kMeanNewMoon0 + kSynodicMonth * k + 0.00015437 * T2 - 0.000000150 * T3 + 0.00000000073 * T4;
  const double E = 1 - 0.002516 * T - 0.0000074 * T2;
  const double M = r * (2.5534 + 29.10535670 * k - 0.0000014 * T2 - 0.00000011 * T3);
  const double Mp = r * (201.5643 + 385.81693528 * k + 0.0107582 * T2 + 0.00001238 * T3 - 0.000000058 * T4);
  const double F = r * (160.7108 + 390.67050284 * k - 0.0016118 * T2 - 0.00000227 * T3 + 0.000000011 * T4);
  const double Om = r * (124.7746 - 1.56375588 * k + 0.0020672 * T2 + 0.00000215 * T3);
  double c = -0.40720 * std::sin(Mp) + 0.17241 * E * std::sin(M) + 0.01608 * std::sin(2 * Mp) +
             0.01039 * std::sin(2 * F) + 0.00739 * E * std::sin(Mp - M) - 0.00514 * E * std::sin(Mp + M) +
             0.00208 * E * E * std::sin(2 * M) - 0.00111 * std::sin(Mp - 2 * F) - 0.00057 * std::sin(Mp + 2 * F) +
             0.00056 * E * std::sin(2 * Mp + M) - 0.00042 * std::sin(3 * Mp) + 0.00042 * E * std::sin(M + 2 * F) +
             0.00038 * E * std::sin(M - 2 * F) - 0.00024 * E * std::sin(2 * Mp - M) - 0.00017 * std::sin(Om) -
             0.00007 * std::sin(Mp + 2 * M) + 0.00004 * std::sin(2 * Mp - 2 * F) + 0.00004 * std::sin(3 * M) +
             0.00003 * std::sin(Mp + M - 2 * F) + 0.00003 * std::sin(2 * Mp + 2 * F) -
             0.00003 * std::sin(Mp + M + 2 * F) + 0.00003 * std::sin(Mp - M + 2 * F) -
             0.00002 * std::sin(Mp - M - 2 * F) - 0.00002 * std::sin(3 * Mp + M) + 0.00002 * std::sin(4 * Mp);
  static constexpr double kPlanetary[14][3] = {
      {299.77, 0.107408, 325}, {251.88, 0.016321, 165}, {251.83, 26.651886, 164}, {349.42, 36.412478, 126},
      {84.66, 18.206239, 110}, {141.74, 53.303771, 62},  {207.14, 2.453732, 60},   {154.84, 7.306860, 56},
      {34.52, 27.261239, 47},  {207.19, 0.121824, 42},   {291.34, 1.844379, 40},   {161.72, 24.198154, 37},
      {239.56, 25.513099, 35}, {331.55, 3.592518, 23}};
  for (int i = 0; i < 14; ++i) {
    const double argument = kPlanetary[i][0] + kPlanetary[i][1] * k - (i == 0 ? 0.009173 * T2 : 0);
    c += kPlanetary[i][2] * 1e-6 * std::sin(r * argument);
  }
  return jde + c;
}

// Newton's method on the elongation, from the published instant. A frame of
// date some hours off moves the Moon and the Sun alike, near conjunction, by
// less than 0.01", so one frame serves. The Sun is taken on its rate from
// where it was last computed (its rate changes by less than 0.001 degree a
// day), and computed again at the new moon so found until the two agree:
// the published instant is within a minute and a half of it, so once is enough.
double NewMoon(int number) {
  double t = UT(PublishedNewMoon(number));
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
