#pragma once

#include <cmath>

// The small numeric rules the calendar, the Sun and the cycle share, each
// written once.
namespace tavrin {

// Floor, as the calendar arithmetic uses it.
inline double Int(double value) { return std::floor(value); }

// The remainder of value / divisor in 0 .. divisor - 1, for negative values too.
constexpr int Modulo(int value, int divisor) {
  const int r = value % divisor;
  return r < 0 ? r + divisor : r;
}

// The quotient value / divisor (divisor above 0) rounded down, for negative values too.
constexpr int FloorDivide(int value, int divisor) {
  const int quotient = value / divisor;
  return value % divisor < 0 ? quotient - 1 : quotient;
}

// An angle in degrees brought into [0, 360): less the whole turns it holds.
// The turns are found by a product and made exact by the remainder they
// leave, which costs less than a division and gives the same turns.
inline double ReduceDegrees(double degrees) {
  double turns = std::floor(degrees * (1.0 / 360));
  if (degrees - 360 * turns >= 360) ++turns;
  if (degrees - 360 * turns < 0) --turns;
  degrees -= 360 * turns;
  return degrees >= 360 ? degrees - 360 : degrees;  // rounding can leave exactly 360
}

// How far longitude a lies ahead of longitude b, in degrees in [-180, 180).
inline double DegreesAhead(double a, double b) {
  double d = std::fmod(a - b, 360);
  if (d >= 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

// n / d for the whole numbers 0 <= n < Count, each as the division rounds it,
// worked out once: a look-up costs less than a division.
template <int Count>
struct Quotients {
  double of[Count];
  constexpr explicit Quotients(double divisor) : of{} {
    for (int n = 0; n < Count; ++n) of[n] = n / divisor;
  }
};

// The Earth turns 15 degrees an hour: a zone's meridian, a longitude's time.
inline constexpr double kDegreesPerHour = 15;

}  // namespace tavrin
