#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "astro/civil_time.h"
#include "engine/cast_options.h"
#include "engine/cycle.h"
#include "place/zone_history.h"

// The births whose precise chart has given pillars: from an old chart's four
// pillars (or three, without the hour) back to the spans of clock time they
// stand for.
namespace tavrin::calendar {

struct PillarQuery {
  Pillar year, month, day;
  std::optional<Pillar> hour;
};

// Three or four pillars, each a stem and a branch, as characters (庚辰),
// pinyin with or without tone marks (gēngchén, geng chen, Gengchen) or the
// program's labels (+Metal [Geng] Dragon [Chen]), spaces and commas between
// them as one likes; or why the text is not that.
std::variant<PillarQuery, std::string> ParsePillars(std::string_view text);

// Why the pillars cannot stand together in a chart, or "" when they can: a
// stem over a branch of the other polarity, a month the year's stem does not
// give, an hour the day's stem does not give (on the day's start `dayStarts`:
// only a day from midnight gives its 23:00 hour the next day's Rat stem).
std::string ProblemWithPillars(const PillarQuery& query, DayStarts dayStarts);

// A span of clock time, whole seconds counted from Julian Date 0 in the
// zone's clock: every second from `first` to `last`, both included, all
// while the clocks kept `offsetSeconds` (east of Greenwich) and the day and
// hour were read in the mean time of `meanSeconds` east: its meridian is the
// longitude the span's births are cast at.
struct ClockSpan {
  long long first;
  long long last;
  int offsetSeconds;
  int meanSeconds;
};

// Every span of clock time in a zone (hours east, its meridian taken as the
// longitude) within the civil years `fromYear` to `toYear` (in 1600 to 2199)
// whose precise chart, the day starting as `dayStarts` says, has the pillars
// of `query`, earliest first. The pillars are assumed legal.
std::vector<ClockSpan> FindSpans(const PillarQuery& query, double zoneHoursEast, DayStarts dayStarts, int fromYear,
                                 int toYear);

// The same in a named zone, cast as a birth with no longitude is: at the
// meridian of the standard time in force (the clock time as it is where
// that meridian lies past 180 degrees). A span ends where the clocks
// change; clock times skipped are in none, and those shown twice may be in
// two, told apart by their offsets. Earliest first, by the instant.
std::vector<ClockSpan> FindSpans(const PillarQuery& query, const place::ZoneHistory& zone, DayStarts dayStarts,
                                 int fromYear, int toYear);

// A clock second's date and time on that clock.
astro::CivilTime ClockTimeOf(long long second);

// "2000-02-04T20:40:24": a clock second as ISO 8601 local time.
std::string IsoClockTime(long long second);

}  // namespace tavrin::calendar
