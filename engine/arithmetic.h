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

// An angle in degrees brought into [0, 360).
inline double ReduceDegrees(double degrees) {
  degrees -= 360 * std::floor(degrees / 360);
  return degrees >= 360 ? degrees - 360 : degrees;  // floor rounding can leave exactly 360
}

// The Earth turns 15 degrees an hour: a zone's meridian, a longitude's time.
inline constexpr double kDegreesPerHour = 15;

}  // namespace tavrin
