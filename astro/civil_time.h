#pragma once

#include <string>

namespace tavrin::astro {

// A Gregorian date and a time of day to the second.
struct CivilTime {
  int year, month, day;
  int hour = 0, minute = 0, second = 0;
};

// The civil time of a Julian Date, rounded to the nearest second.
CivilTime CivilTimeOf(double julianDay);

// "2000-02-04T12:40:26Z": a Julian Date in UT as ISO 8601, to the second.
std::string IsoInstant(double julianDay);
// "2000-02-04"
std::string IsoDate(const CivilTime& date);

}  // namespace tavrin::astro
