#pragma once

namespace tavrin::astro {

// The Moon's apparent geocentric ecliptic longitude of date at an instant in
// TT (Julian Date): ERFA's eraMoon98 (the abridged ELP-2000/82 series, a few
// arcseconds), taken back over the light time (about 1.3 s) and carried into
// the true ecliptic and equinox of date as the Sun is. No aberration: the
// Earth's motion moves the Moon and the Sun alike. About 60 microseconds a call.
struct MoonMotion {
  double longitude;      // degrees in [0, 360)
  double degreesPerDay;  // the rate of the longitude
};
MoonMotion ApparentMoon(double ttJulianDay);
// The same in a frame of date computed for a moment near it: within a day,
// the frame moves the Moon and the Sun alike by less than 0.1".
struct EclipticOfDate;
MoonMotion ApparentMoon(double ttJulianDay, const EclipticOfDate& frame);

// New moons are counted from the one of 6 January 2000 (number 0), one a
// synodic month on.
inline constexpr double kMeanNewMoon0 = 2451550.09766;  // its mean instant, TT
inline constexpr double kSynodicMonth = 29.530588861;   // days

// The instant (Julian Date, TT) of new moon `number` as Meeus published it
// (Astronomical Algorithms, 2nd ed., chapter 49: the mean lunation with its
// 25 periodic and 14 planetary terms), within some 30 seconds of the full
// lunar theory.
double PublishedNewMoon(int number);

// The instant (Julian Date, UT) of new moon `number`: when ApparentMoon's
// longitude equals ApparentSun's (in the abridged frame of date), solved on
// both theories to within a millisecond from the published instant; one
// evaluation of the Sun, about 0.1 ms. For the years delta T covers, 1600 to 2200.
double NewMoon(int number);

// The instant (Julian Date, UT) near `utGuess` (within a few days) when
// ApparentSun's longitude is `longitude`, solved the same way: the calendar's
// principal terms, which need no table of the Sun.
double SunReaches(double longitude, double utGuess);

// The number of the mean new moon at or before a UT instant; the true new
// moon is within a day of it.
int MeanNewMoonNumber(double utJulianDay);

}  // namespace tavrin::astro
