#pragma once

#include "engine/cycle.h"
#include "engine/vocabulary.h"

namespace tavrin {

// The year of the chart: the previous year for a January or February birth
// before Spring Beginning (the Sun below 315 degrees).
int ChartYear(int birthYear, int birthMonth, double solarLongitude);

// The month sector (of MonthSectorTable) holding a longitude in [0, 360).
int MonthSectorNumber(double solarLongitude);
const MonthSector& MonthSectorOf(double solarLongitude);

// The month's pillar: the year's Tiger month stem moved on by the sector's
// offset, over the sector's branch.
Pillar MonthPillar(int yearStem, const MonthSector& sector);

// Age at which the first luck period starts, truncated to two decimals.
double LuckStartAge(const MonthSector& sector, double solarLongitude, int luckDirection);

// Day number of the local civil day holding the day moment.
long long DayNumber(double dayMoment);

// A local time in hours brought into [0, 24) by whole days.
double HourOfDay(double localHours);

// The two-hour period of a local time on a day of `dayStem`: 23:00 and later
// is the late Rat hour, with the next day's Rat stem.
Pillar HourPillar(double localHours, int dayStem);

}  // namespace tavrin
