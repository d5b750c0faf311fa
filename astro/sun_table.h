#pragma once

namespace tavrin::astro {

// The Sun of ApparentSun sampled once a day (in UT) and interpolated, so that
// a chart needs no series evaluation of its own: the samples of 32 days are
// computed together on first use, once for the whole program (threads may
// share it), and kept. Cubic interpolation between daily samples stays within
// a few microdegrees of the direct evaluation.
struct SunMotion {
  double longitude;              // degrees in [0, 360)
  double degreesPerDay;          // the rate of the longitude
  double equationOfTimeMinutes;
};

// Julian Dates (UT) the table covers: 1599-11-01 to 2200-03-01, the precise
// years with room for the Jie around them.
inline constexpr double kSunTableFirstDay = 2305386.5;
inline constexpr double kSunTableLastDay = 2524652.5;

// The Sun at a UT Julian Date within [kSunTableFirstDay, kSunTableLastDay).
SunMotion SunAt(double utJulianDay);

}  // namespace tavrin::astro
