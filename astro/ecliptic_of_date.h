#pragma once

namespace tavrin::astro {

// The true equator and equinox of date at an instant in TT (Julian Date):
// ERFA's bias, precession and nutation (eraNut06a, eraPn06) and the true
// obliquity, the frame the Sun's and the Moon's apparent longitudes are
// measured in.
struct EclipticOfDate {
  double rbpn[3][3];  // GCRS to the true equator and equinox of date
  double obliquity;   // radians
};
EclipticOfDate EclipticOfDateAt(double ttJulianDay);
// The same frame with the abridged nutation (eraNut00b, within a
// milliarcsecond of the full one) at a tenth of the cost: for the calendar's
// instants, where a milliarcsecond is a few hundredths of a second.
EclipticOfDate AbridgedEclipticOfDateAt(double ttJulianDay);

// The ecliptic longitude of date, degrees in [0, 360), of a direction given in
// the GCRS; with a velocity, also its rate in degrees a day (else 0).
struct EclipticMotion {
  double longitude;
  double degreesPerDay;
};
EclipticMotion EclipticLongitude(EclipticOfDate frame, const double position[3], const double* velocity = nullptr);

}  // namespace tavrin::astro
