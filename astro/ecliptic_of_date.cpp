#include "astro/ecliptic_of_date.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "engine/arithmetic.h"

namespace tavrin::astro {

namespace {

constexpr double kJ2000 = 2451545.0;

EclipticOfDate WithNutation(double ttJulianDay, double dpsi, double deps) {
  const double tt1 = kJ2000, tt2 = ttJulianDay - kJ2000;
  double meanObliquity = 0;
  double rb[3][3], rp[3][3], rbp[3][3], rn[3][3];
  EclipticOfDate frame{};
  eraPn06(tt1, tt2, dpsi, deps, &meanObliquity, rb, rp, rbp, rn, frame.rbpn);
  frame.obliquity = meanObliquity + deps;
  return frame;
}

}  // namespace

EclipticOfDate EclipticOfDateAt(double ttJulianDay) {
  double dpsi = 0, deps = 0;
  eraNut06a(kJ2000, ttJulianDay - kJ2000, &dpsi, &deps);
  return WithNutation(ttJulianDay, dpsi, deps);
}

EclipticOfDate AbridgedEclipticOfDateAt(double ttJulianDay) {
  double dpsi = 0, deps = 0;
  eraNut00b(kJ2000, ttJulianDay - kJ2000, &dpsi, &deps);
  return WithNutation(ttJulianDay, dpsi, deps);
}

EclipticMotion EclipticLongitude(EclipticOfDate frame, const double position[3], const double* velocity) {
  const double c = std::cos(frame.obliquity), s = std::sin(frame.obliquity);
  double gcrs[3] = {position[0], position[1], position[2]}, p[3];
  eraRxp(frame.rbpn, gcrs, p);
  const double x = p[0], y = p[1] * c + p[2] * s;
  EclipticMotion motion{ReduceDegrees(std::atan2(y, x) * ERFA_DR2D), 0};
  if (velocity != nullptr) {
    double rate[3] = {velocity[0], velocity[1], velocity[2]}, v[3];
    eraRxp(frame.rbpn, rate, v);
    const double vx = v[0], vy = v[1] * c + v[2] * s;
    motion.degreesPerDay = (x * vy - y * vx) / (x * x + y * y) * ERFA_DR2D;
  }
  return motion;
}

}  // namespace tavrin::astro
