#include "astro/delta_t.h"

#include <erfa.h>

namespace tavrin::astro {
namespace {

// Julian Dates (UT) of 1972-01-01 and 2026-01-01: the leap-second table is
// used between them. No leap second was inserted after 2016-12-31 up to the
// end of 2025; later ones are not known yet, so the polynomials take over.
constexpr double kLeapTableStart = 2441317.5;
constexpr double kLeapTableEnd = 2461041.5;
constexpr double kTtMinusTai = 32.184;
constexpr double kTaiMinusUtcAtTableEnd = 37;
constexpr double kJ2000Year = 2451544.5;  // 2000-01-01 0h, decimal year 2000.0

double DecimalYear(double utJulianDay) { return 2000 + (utJulianDay - kJ2000Year) / 365.2425; }

// Espenak and Meeus, "Five Millennium Canon of Solar Eclipses" (NASA TP-2006-214141),
// the polynomials for 1600 to 2200, by decimal year.
double Polynomial(double y) {
  if (y < 1700) {
    const double t = y - 1600;
    return 120 - 0.9808 * t - 0.01532 * t * t + t * t * t / 7129;
  }
  if (y < 1800) {
    const double t = y - 1700;
    return 8.83 + 0.1603 * t - 0.0059285 * t * t + 0.00013336 * t * t * t - t * t * t * t / 1174000;
  }
  if (y < 1860) {
    const double t = y - 1800;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t, t5 = t4 * t, t6 = t5 * t, t7 = t6 * t;
    return 13.72 - 0.332447 * t + 0.0068612 * t2 + 0.0041116 * t3 - 0.00037436 * t4 + 0.0000121272 * t5 -
           0.0000001699 * t6 + 0.000000000875 * t7;
  }
  if (y < 1900) {
    const double t = y - 1860;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t, t5 = t4 * t;
    return 7.62 + 0.5737 * t - 0.251754 * t2 + 0.01680668 * t3 - 0.0004473624 * t4 + t5 / 233174;
  }
  if (y < 1920) {
    const double t = y - 1900;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t - 0.000197 * t * t * t * t;
  }
  if (y < 1941) {
    const double t = y - 1920;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
  }
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + t * t * t / 2547;
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - t * t * t / 718;
  }
  if (y < 2005) {
    const double t = y - 2000;
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t, t5 = t4 * t;
    return 63.86 + 0.3345 * t - 0.060374 * t2 + 0.0017275 * t3 + 0.000651814 * t4 + 0.00002373599 * t5;
  }
  if (y < 2050) {
    const double t = y - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  const double u = (y - 1820) / 100;
  if (y < 2150) return -20 + 32 * u * u - 0.5628 * (2150 - y);
  return -20 + 32 * u * u;
}

}  // namespace

double DeltaTSeconds(double utJulianDay) {
  if (utJulianDay >= kLeapTableStart && utJulianDay < kLeapTableEnd) {
    int year = 0, month = 0, day = 0;
    double fraction = 0, taiMinusUtc = 0;
    if (eraJd2cal(utJulianDay, 0, &year, &month, &day, &fraction) == 0 &&
        eraDat(year, month, day, fraction, &taiMinusUtc) >= 0)
      return taiMinusUtc + kTtMinusTai;
  }
  // After the table the polynomial's growth is added to the table's last
  // value: the polynomial alone stands about 6 s above the measured delta T
  // of 2026, and would open a step there.
  if (utJulianDay >= kLeapTableEnd)
    return kTaiMinusUtcAtTableEnd + kTtMinusTai + Polynomial(DecimalYear(utJulianDay)) -
           Polynomial(DecimalYear(kLeapTableEnd));
  return Polynomial(DecimalYear(utJulianDay));
}

}  // namespace tavrin::astro
