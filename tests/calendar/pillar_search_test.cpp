#include "calendar/pillar_search.h"

#include <gtest/gtest.h>

#include <random>

#include "engine/birth_moment.h"
#include "engine/chart.h"

namespace tavrin::calendar {
namespace {

constexpr long long kDaySeconds = 86400;

// The precise chart of a clock second in a zone at the zone's meridian.
std::array<Pillar, 4> PillarsAt(long long second, double zoneHours, DayStarts dayStarts) {
  const long long dayNumber = (second + kDaySeconds / 2) / kDaySeconds;
  const long long intoDay = second - (dayNumber * kDaySeconds - kDaySeconds / 2);
  int year = 0, month = 0, day = 0;
  for (year = 1599; JulianDay0(year + 1, 1, 1) + 0.5 <= static_cast<double>(dayNumber); ++year) {
  }
  for (month = 1; month < 12 && JulianDay0(year, month + 1, 1) + 0.5 <= static_cast<double>(dayNumber); ++month) {
  }
  day = static_cast<int>(dayNumber - static_cast<long long>(JulianDay0(year, month, 1) + 0.5)) + 1;
  Birth birth;
  birth.year = year;
  birth.month = month;
  birth.day = day;
  birth.hour = static_cast<int>(intoDay / 3600);
  birth.minute = static_cast<int>(intoDay / 60 % 60);
  birth.second = static_cast<int>(intoDay % 60);
  birth.zoneSecondsEast = static_cast<int>(zoneHours * 3600);
  birth.longitude = zoneHours * 15;
  birth.genderSign = 1;
  Chart chart;
  EXPECT_EQ(ComputeChart(birth, {Method::precise, SolarTime::mean, dayStarts}, chart), CastError::none);
  return chart.pillars;
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
    const DayStarts dayStarts = n % 4 == 3 ? DayStarts::at23 : DayStarts::midnight;
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
}

}  // namespace
}  // namespace tavrin::calendar
