#pragma once

#include <cmath>

// The small numeric rules the calendar, the Sun and the cycle share, each
// written once.
namespace tavrin {

// Floor, as the calendar arithmetic uses it.
inline double Int(double value) { return std::floor(value); }

// The remainder of value / divisor in 0 .. divisor - 1, for negative values too.
constexpr int Modulo(long long value, int divisor) {
  const long long r = value % divisor;
  return static_cast<int>(r < 0 ? r + divisor : r);
}

// An angle in degrees brought into [0, 360).
inline double ReduceDegrees(double degrees) {
  degrees -= 360 * std::floor(degrees / 360);
  return degrees >= 360 ? degrees - 360 : degrees;  // floor rounding can leave exactly 360
}

// The Earth turns 15 degrees an hour: a zone's meridian, a longitude's time.
inline constexpr double kDegreesPerHour = 15;

}  // namespace tavrin
