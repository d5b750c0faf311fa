#pragma once

namespace tavrin::astro {

struct SunPlace {
  double longitude;              // apparent geocentric ecliptic longitude of date, degrees in [0, 360)
  double equationOfTimeMinutes;  // apparent minus mean solar time
};

// The Sun at an instant given both in UT and in TT (Julian Dates), from the
// IAU 2006/2000A theory as ERFA computes it: the Earth's heliocentric and
// barycentric position and velocity (eraEpv00), the Sun's direction from the
// Earth with annual aberration (eraAb), then bias, precession and nutation to
// the true equator and equinox of date (eraNut06a, eraPn06) and the true
// obliquity to the ecliptic of date. The Sun's own motion during the light
// time (a few kilometres, 0.01") is left out. The equation of time is the
// Greenwich apparent sidereal time (eraGst06) less the Sun's apparent right
// ascension, less the mean solar time. About 50 microseconds a call.
SunPlace ApparentSun(double utJulianDay, double ttJulianDay);

// The Sun's direction from the Earth as ApparentSun finds it, before the
// frame of date: a unit vector in the GCRS, and its rate a day (its
// component across the direction gives the longitude's rate).
struct SunDirection {
  double position[3];
  double velocity[3];
};
SunDirection ApparentSunDirection(double ttJulianDay);

}  // namespace tavrin::astro
