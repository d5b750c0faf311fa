#pragma once

namespace tavrin::astro {

// A Jie as it falls: the sector of MonthSectorTable it opens, its longitude
// and its instant (Julian Date, UT).
struct JieInstant {
  int sector;
  double longitude;
  double ut;
};

// The Jie that opened the month a moment lies in and the one that closes it,
// for a moment whose Sun stands at `longitude` (as SunAt gives it), in month
// sector `sector`. Each is solved on SunAt to within a millisecond.
struct JieAround {
  JieInstant previous;
  JieInstant next;
};
JieAround FindJieAround(double utJulianDay, double longitude, int sector);

// The instant near `guess` (within a few days) when SunAt's longitude is
// `longitude`.
double SolveLongitude(double longitude, double guess);

}  // namespace tavrin::astro
