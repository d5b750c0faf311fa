#pragma once

#include <cmath>
#include <string>

namespace tavrin {

// The widest standard time offset a birth place has, in hours either side of Greenwich.
inline constexpr double kWidestZoneHours = 14;

// Hours east of Greenwich from the entry form's zone captions, which hold
// hours west of Greenwich and minutes with the same sign: -(hours + minutes / 60).
double ZoneHoursEast(int hoursWest, int minutesWest);

// ZoneOffset as the birth details keep it: the shortest decimal text of the
// hours east ("10.5", "-3.5", "8", "0"; zero never carries a sign).
std::string ZoneOffsetText(double hoursEast);

// An offset of the clocks in seconds east as hours east, and hours east to
// the nearest second.
inline double HoursOfOffset(int secondsEast) { return secondsEast / 3600.0; }
inline int SecondsOfOffset(double hoursEast) { return static_cast<int>(std::lround(hoursEast * 3600)); }

// An offset as people write it: "+8", "-3:30", "+8:05:43", "0".
std::string OffsetText(int secondsEast);
// The same after "UTC": "UTC+8", "UTC-4:56:02", "UTC".
std::string UtcOffsetText(int secondsEast);

// The zone's standard meridian, degrees east: the longitude a birth is cast
// at when none was given, where local mean time is the clock time.
double ZoneMeridian(double hoursEast);

// The entry form's two zone captions for hours east: whole hours west of
// Greenwich and the remaining minutes with the same sign, rounded to the
// nearest minute (5.5 east gives "-5" and "-30"). `hoursEast` must be finite.
struct ZoneCaptions {
  std::string hours;
  std::string minutes;
};
ZoneCaptions ZoneCaptionsFor(double hoursEast);

}  // namespace tavrin
