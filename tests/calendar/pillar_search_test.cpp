#include "calendar/pillar_search.h"

#include <gtest/gtest.h>

#include <random>

#include "birth/entered_birth.h"
#include "engine/birth_moment.h"
#include "engine/chart.h"
#include "place/zone_history.h"

namespace tavrin::calendar {
namespace {

constexpr long long kDaySeconds = 86400;

// A birth at a clock second, cast by the precise method.
BirthEntry EntryAt(long long second, DayStarts dayStarts) {
  const astro::CivilTime clock = ClockTimeOf(second);
  BirthEntry entry;
  entry.name = "A";
  entry.year = clock.year;
  entry.month = clock.month;
  entry.day = clock.day;
  entry.hour = clock.hour;
  entry.minute = clock.minute;
  entry.second = clock.second;
  entry.options = {Method::precise, SolarTime::mean, dayStarts};
  return entry;
}

std::array<Pillar, 4> PillarsOf(const EnteredBirth& birth) {
  Chart chart;
  EXPECT_EQ(ComputeChart(BirthOf(birth), birth.options, chart), CastError::none);
  return chart.pillars;
}

// The precise chart of a clock second in a zone at the zone's meridian.
std::array<Pillar, 4> PillarsAt(long long second, double zoneHours, DayStarts dayStarts) {
  BirthEntry entry = EntryAt(second, dayStarts);
  entry.zoneHoursEast = zoneHours;
  return PillarsOf(std::get<EnteredBirth>(BuildBirth(entry)));
}

// The precise chart of a clock second in a named zone, cast as a birth with
// no longitude is, and the clocks' offset then: the one given, of a clock
// time shown twice. Nothing for a clock time skipped.
std::optional<std::pair<std::array<Pillar, 4>, int>> PillarsIn(const place::ZoneHistory& zone, long long second,
                                                               DayStarts dayStarts,
                                                               std::optional<int> offsetSeconds = {}) {
  BirthEntry entry = EntryAt(second, dayStarts);
  entry.zone = &zone;
  for (const place::Fold fold : {place::Fold::earlier, place::Fold::later}) {
    entry.placeChoices.fold = fold;
    const auto built = BuildBirth(entry);
    if (built.index() != 0) return std::nullopt;
    const EnteredBirth& birth = std::get<EnteredBirth>(built);
    if (fold == place::Fold::earlier && offsetSeconds && birth.zone->offset.seconds != *offsetSeconds) continue;
    return std::pair{PillarsOf(birth), birth.zone->offset.seconds};
  }
  return std::nullopt;
}

// Random precise charts in several zones and both day starts: a span of
// their pillars holds each birth, and every span found casts those pillars
// at its first second, its middle and its last.
TEST(PillarSearchTest, TheSpansOfARandomChartsPillarsHoldItsBirthAndCastThosePillars) {
  std::mt19937_64 random(19);
  const double kZones[] = {8, -5, 5.75, 0, 9.5};
  const long long first = static_cast<long long>(JulianDay0(1600, 1, 1) + 0.5) * kDaySeconds;
  const long long last = static_cast<long long>(JulianDay0(2199, 12, 31) + 0.5) * kDaySeconds;
  for (int n = 0; n < 1000; ++n) {
    const double zone = kZones[n % 5];
    const DayStarts dayStarts = n % 4 == 3 ? DayStarts::at23 : n % 4 == 2 ? DayStarts::midnightOwnRat : DayStarts::midnight;
    const long long birth = std::uniform_int_distribution<long long>(first, last)(random);
    const std::array<Pillar, 4> pillars = PillarsAt(birth, zone, dayStarts);
    PillarQuery query{pillars[0], pillars[1], pillars[2], pillars[3]};
    if (n % 10 == 9) query.hour.reset();
    ASSERT_EQ(ProblemWithPillars(query, dayStarts), "") << IsoClockTime(birth);
    const std::vector<ClockSpan> spans = FindSpans(query, zone, dayStarts, 1600, 2199);
    bool held = false;
    for (const ClockSpan& span : spans) {
      held = held || (span.first <= birth && birth <= span.last);
      for (const long long second : {span.first, (span.first + span.last) / 2, span.last}) {
        const std::array<Pillar, 4> at = PillarsAt(second, zone, dayStarts);
        ASSERT_TRUE(at[0] == query.year && at[1] == query.month && at[2] == query.day &&
                    (!query.hour || at[3] == *query.hour))
            << IsoClockTime(second) << " in a span for the birth " << IsoClockTime(birth) << " zone " << zone;
      }
    }
    EXPECT_TRUE(held) << IsoClockTime(birth) << " zone " << zone << ", " << spans.size() << " spans";
  }
}

// Random births in named zones, half of them within three hours of a change
// of the clocks, on each day start (Manila's clocks kept a day behind until
// 1845, beyond the widest zone a birth is cast in; Samoa's summer time of
// +14 has the meridian of +13 past 180 degrees): a span of their pillars holds each birth
// at its offset, and every span found casts those pillars at its first
// second, its middle and its last.
TEST(PillarSearchTest, InANamedZoneTheSpansFollowEachChangeOfTheClocks) {
  const char* const kZones[] = {"Asia/Shanghai", "America/New_York", "Europe/London", "Australia/Sydney",
                                "Europe/Dublin",  "Asia/Kolkata",     "Asia/Manila",   "Pacific/Apia"};
  const DayStarts kDayStarts[] = {DayStarts::midnight, DayStarts::at23, DayStarts::midnightOwnRat};
  std::mt19937_64 random(1988);
  const long long first = static_cast<long long>(JulianDay0(1600, 1, 1) + 0.5) * kDaySeconds;
  const long long last = static_cast<long long>(JulianDay0(2199, 12, 31) + 0.5) * kDaySeconds;
  const long long changesFrom = static_cast<long long>(JulianDay0(1850, 1, 1) + 0.5) * kDaySeconds;
  const long long changesTo = static_cast<long long>(JulianDay0(2040, 1, 1) + 0.5) * kDaySeconds;
  for (int n = 0; n < 320; ++n) {
    const std::optional<place::ZoneHistory> zone = place::ZoneHistory::Find(kZones[n % 8]);
    ASSERT_TRUE(zone) << kZones[n % 8];
    const DayStarts dayStarts = kDayStarts[n / 8 % 3];
    long long birth = std::uniform_int_distribution<long long>(first, last)(random);
    if (n % 2 == 0) {
      const std::vector<place::ZoneStretch> stretches = zone->StretchesOver(changesFrom, changesTo);
      const place::ZoneStretch& change =
          stretches[std::uniform_int_distribution<std::size_t>(1, stretches.size() - 1)(random)];
      birth = change.firstSecond + change.offset.seconds +
              std::uniform_int_distribution<long long>(-3 * 3600, 3 * 3600)(random);
    }
    const auto cast = PillarsIn(*zone, birth, dayStarts);
    if (!cast) continue;  // the clocks skipped it
    const auto& [pillars, offset] = *cast;
    PillarQuery query{pillars[0], pillars[1], pillars[2], pillars[3]};
    if (n % 10 == 9) query.hour.reset();
    ASSERT_EQ(ProblemWithPillars(query, dayStarts), "") << IsoClockTime(birth);
    bool held = false;
    for (const ClockSpan& span : FindSpans(query, *zone, dayStarts, 1600, 2199)) {
      held = held || (span.first <= birth && birth <= span.last && span.offsetSeconds == offset);
      for (const long long second : {span.first, (span.first + span.last) / 2, span.last}) {
        const auto at = PillarsIn(*zone, second, dayStarts, span.offsetSeconds);
        ASSERT_TRUE(at && at->second == span.offsetSeconds) << IsoClockTime(second) << " in " << zone->Name();
        ASSERT_TRUE(at->first[0] == query.year && at->first[1] == query.month && at->first[2] == query.day &&
                    (!query.hour || at->first[3] == *query.hour))
            << IsoClockTime(second) << " in a span for the birth " << IsoClockTime(birth) << " in " << zone->Name();
      }
    }
    EXPECT_TRUE(held) << IsoClockTime(birth) << " in " << zone->Name();
  }
}

TEST(PillarSearchTest, PillarsAreReadInEveryWritingAndRefusedWithTheReason) {
  const struct {
    std::string text;
    std::string problem;  // "" for pillars that stand together
  } kCases[] = {
      {"庚辰 戊寅 壬辰 庚戌", ""},
      {"gēngchén wùyín rénchén gēngxū", ""},
      {"Geng Chen, Wu Yin, Ren Chen", ""},
      {"+Metal [Geng] Dragon [Chen] +Earth [Wu] Tiger [Yin] +Water [Ren] Dragon [Chen]", ""},
      {"jiazi bingyin jiawu jiazi", ""},
      {"庚辰 丙寅 壬辰 庚戌", "a 庚 year's 寅 month is 戊寅, not 丙寅"},
      {"庚辰 戊寅 壬辰 甲戌", "on a 壬 day the 戌 hour is 庚戌, not 甲戌"},
      {"庚丑 戊寅 壬辰", "庚丑 is none of the sixty pillars: a yang stem stands only over a yang branch"},
  };
  for (const auto& c : kCases) {
    const auto parsed = ParsePillars(c.text);
    ASSERT_EQ(parsed.index(), 0u) << c.text;
    EXPECT_EQ(ProblemWithPillars(std::get<PillarQuery>(parsed), DayStarts::midnight), c.problem) << c.text;
  }
  for (const std::string text : {"", "庚辰 戊寅", "庚辰 戊", "xx yy zz", "庚辰 戊寅 壬辰 庚戌 甲子"})
    EXPECT_EQ(ParsePillars(text).index(), 1u) << text;
  // The late Rat hour: a day's next Rat stem names 23:00-24:00 when the day starts at midnight, nothing at 23:00.
  const PillarQuery lateRat = std::get<PillarQuery>(ParsePillars("甲子 丙寅 甲子 丙子"));
  EXPECT_EQ(ProblemWithPillars(lateRat, DayStarts::midnight), "");
  EXPECT_NE(ProblemWithPillars(lateRat, DayStarts::at23), "");
  EXPECT_NE(ProblemWithPillars(lateRat, DayStarts::midnightOwnRat), "");
}

}  // namespace
}  // namespace tavrin::calendar
