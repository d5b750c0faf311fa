#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/civil_time.h"
#include "astro/delta_t.h"
#include "astro/jie.h"
#include "engine/birth_moment.h"
#include "engine/chart_texts.h"
#include "engine/vocabulary.h"
#include "tests/engine/birth_fixture.h"

namespace tavrin {
namespace {

using testing::Birth;

Chart CastPrecise(const BirthDetails& birth, SolarTime solarTime = SolarTime::mean,
                  DayStarts dayStarts = DayStarts::midnight) {
  Chart chart;
  EXPECT_EQ(ComputeChart(birth, {Method::precise, solarTime, dayStarts}, chart), CastError::none);
  return chart;
}

std::string PillarText(const Chart& chart, int block) {
  return std::string(StemLabel(chart.pillars[block].stem)) + " " + std::string(BranchLabel(chart.pillars[block].branch));
}

// Published instants, UT to the minute: the Spring Beginning of the Hong Kong
// Observatory's almanac, the equinoxes and solstices of the US Naval
// Observatory and the June solstice of 1962 worked in Meeus's Astronomical
// Algorithms (21:25:08 TD, 34 s of delta T).
TEST(PreciseSun, SolvesPublishedSolarTermsToTheMinute) {
  const struct {
    double longitude;
    int year, month, day, hour, minute;
  } terms[] = {
      {90, 1962, 6, 21, 21, 25},  {315, 2000, 2, 4, 12, 40},  {0, 2000, 3, 20, 7, 35},
      {90, 2000, 6, 21, 1, 48},   {180, 2000, 9, 22, 17, 27}, {270, 2000, 12, 21, 13, 37},
      {0, 2012, 3, 20, 5, 14},    {270, 2012, 12, 21, 11, 12}, {315, 2024, 2, 4, 8, 27},
  };
  for (const auto& t : terms) {
    const double published = JulianDay0(t.year, t.month, t.day) + (t.hour + t.minute / 60.0) / 24;
    const double solved = astro::SolveLongitude(t.longitude, published + 1.5);
    EXPECT_LT(std::abs(solved - published) * 1440, 1.0) << t.year << " " << t.longitude << ": "
                                                        << astro::IsoInstant(solved);
  }
}

// Beijing, 4 February 2000: Spring Beginning fell at 20:40 local time.
// Delta T is pieced together from polynomials and the leap-second table; a
// wrong coefficient or a badly joined piece shows as a step where they meet.
TEST(PreciseSun, DeltaTHasNoStepWhereItsPiecesMeet) {
  const auto year = [](double y) { return 2451544.5 + (y - 2000) * 365.2425; };  // the polynomials' years
  struct Case {
    const char* join;
    double julianDay;  // UT
  } cases[] = {
      {"1700", year(1700)}, {"1800", year(1800)}, {"1860", year(1860)},     {"1900", year(1900)},
      {"1920", year(1920)}, {"1941", year(1941)}, {"1961", year(1961)},     {"1972 table", 2441317.5},
      {"2026 table end", 2461041.5},              {"2050", year(2050)},     {"2150", year(2150)},
  };
  for (const auto& c : cases) {
    const double before = astro::DeltaTSeconds(c.julianDay - 1e-6);
    const double after = astro::DeltaTSeconds(c.julianDay + 1e-6);
    EXPECT_LT(std::abs(after - before), 0.2) << c.join << ": " << before << " then " << after;
  }
  // The leap-second table: TT - UTC is 42.184 s in 1972 and 69.184 s from 2017 on.
  EXPECT_DOUBLE_EQ(astro::DeltaTSeconds(2441317.5 + 10), 42.184);
  EXPECT_DOUBLE_EQ(astro::DeltaTSeconds(2457754.5 + 10), 69.184);
}

TEST(PreciseChart, YearAndMonthChangeAtTheJieInstantWithTheLuckStartCountedInTime) {
  const struct {
    int hour, minute;
    const char *year, *month;
    int direction;
    double age;
    LuckStart start;
  } cases[] = {
      {20, 20, "-Earth [Ji] Rabbit [Mao]", "-Fire [Ding] Ox [Chou]", -1, 9.82, {9, 9, 26, 2009, 11, 30}},
      {21, 0, "+Metal [Geng] Dragon [Chen]", "+Earth [Wu] Tiger [Yin]", 1, 9.91, {9, 10, 28, 2010, 1, 1}},
  };
  for (const auto& c : cases) {
    const Chart chart = CastPrecise(Birth(2000, 2, 4, c.hour, c.minute, "8", 120));
    EXPECT_EQ(PillarText(chart, 0), c.year) << c.hour;
    EXPECT_EQ(PillarText(chart, 1), c.month) << c.hour;
    EXPECT_EQ(chart.luckDirection, c.direction);
    EXPECT_DOUBLE_EQ(chart.luckStartAge, c.age);
    EXPECT_DOUBLE_EQ(chart.luckPeriods[7].age, c.age + 70);
    const LuckStart& s = chart.precise.luckStart;
    EXPECT_EQ(std::tie(s.years, s.months, s.days, s.year, s.month, s.day),
              std::tie(c.start.years, c.start.months, c.start.days, c.start.year, c.start.month, c.start.day));
  }
  // The classic Sun puts Spring Beginning after 21:00 that day.
  EXPECT_EQ(PillarText(testing::Cast(Birth(2000, 2, 4, 20, 20, "8", 120)), 1), "+Earth [Wu] Tiger [Yin]");
  const Chart chart = CastPrecise(Birth(2000, 2, 4, 21, 0, "8", 120));
  EXPECT_EQ(astro::IsoInstant(chart.precise.ut), "2000-02-04T13:00:00Z");
  EXPECT_EQ(astro::IsoInstant(chart.precise.previousJie.ut), "2000-02-04T12:40:23Z");
  EXPECT_EQ(MonthSectorTable[chart.precise.nextJie.sector].jie, "Insects Awakening.");
}

TEST(PreciseChart, SolarTimeAndTheDaysStartMoveOnlyTheDayAndHour) {
  // 4 February 2000 at 21:05 in Beijing (zone meridian): the equation of time is about -13.9 minutes.
  const BirthDetails evening = Birth(2000, 2, 4, 21, 5, "8", 120);
  const Chart mean = CastPrecise(evening), trueSun = CastPrecise(evening, SolarTime::trueSun);
  EXPECT_NEAR(trueSun.precise.equationOfTimeMinutes, -13.87, 0.01);
  EXPECT_DOUBLE_EQ(trueSun.localHours, mean.localHours + trueSun.precise.equationOfTimeMinutes / 60);
  EXPECT_EQ(PillarText(mean, 3), "-Metal [Xin] Pig [Hai]");
  EXPECT_EQ(PillarText(trueSun, 3), "+Metal [Geng] Dog [Xu]");
  for (int block = 0; block < 3; ++block) EXPECT_EQ(PillarText(mean, block), PillarText(trueSun, block));

  // 23:30: the late Rat hour keeps its day, or from 23:00 takes the next day's, as 00:30 has it.
  const BirthDetails late = Birth(2000, 2, 4, 23, 30, "8", 120);
  const Chart midnight = CastPrecise(late), at23 = CastPrecise(late, SolarTime::mean, DayStarts::at23);
  const Chart nextDay = CastPrecise(Birth(2000, 2, 5, 0, 30, "8", 120));
  EXPECT_EQ(PillarText(midnight, 2), "+Water [Ren] Dragon [Chen]");
  EXPECT_EQ(PillarText(at23, 2), PillarText(nextDay, 2));
  EXPECT_EQ(PillarText(midnight, 3), PillarText(nextDay, 3));
  EXPECT_EQ(PillarText(at23, 3), PillarText(nextDay, 3));
  // Or it keeps its day and its own day's Rat stem: 壬 day, 庚子 hour (00:30 of that day is 庚子 too).
  const Chart ownRat = CastPrecise(late, SolarTime::mean, DayStarts::midnightOwnRat);
  EXPECT_EQ(PillarText(ownRat, 2), "+Water [Ren] Dragon [Chen]");
  EXPECT_EQ(PillarText(ownRat, 3), "+Metal [Geng] Rat [Zi]");
}

TEST(PreciseChart, WarnsOfABirthNearABoundaryWithThePillarsBeyondIt) {
  const struct {
    int hour, minute;
    DayStarts dayStarts;
    const char* warning;  // "" for none
  } cases[] = {
      {20, 35, DayStarts::midnight,
       "Born 5 min 23 s before Spring Beginning, at 20:40:23 UTC+8 (2000-02-04T12:40:23Z); after it the year pillar "
       "would be "
       "+Metal [Geng] Dragon [Chen] and the month pillar +Earth [Wu] Tiger [Yin]."},
      {20, 15, DayStarts::midnight, ""},
      {22, 52, DayStarts::midnight,
       "Born 8 min 0 s before 23:00 local mean solar time, where the two-hour period changes; after it the hour "
       "pillar would be +Water [Ren] Rat [Zi]."},
      {22, 52, DayStarts::at23,
       "Born 8 min 0 s before 23:00 local mean solar time, where the day and the two-hour period change; after it "
       "the day pillar would be -Water [Gui] Snake [Si] and the hour pillar +Water [Ren] Rat [Zi]."},
      {23, 55, DayStarts::midnight,
       "Born 5 min 0 s before 00:00 local mean solar time, where the day changes; after it the day pillar would be "
       "-Water [Gui] Snake [Si]."},
      {23, 55, DayStarts::at23, ""},
  };
  for (const auto& c : cases) {
    const Chart chart = CastPrecise(Birth(2000, 2, 4, c.hour, c.minute, "8", 120), SolarTime::mean, c.dayStarts);
    if (*c.warning == '\0') {
      EXPECT_TRUE(chart.precise.warnings.empty()) << c.hour << ":" << c.minute << " " << chart.precise.warnings[0];
    } else {
      ASSERT_EQ(chart.precise.warnings.size(), 1u) << c.hour << ":" << c.minute;
      EXPECT_EQ(chart.precise.warnings[0], c.warning);
    }
  }
}

// Every tenth day of the method's first and last years and round the table's
// 32-day blocks: the birth lies between its two Jie, which are consecutive and
// about a month apart, and the Sun between their longitudes.
TEST(PreciseChart, EveryBirthLiesBetweenItsTwoJieUpToTheEndsOfTheYearsCovered) {
  for (const int year : {1600, 2199}) {
    for (int day = 0; day < 366; day += 10) {
      const double jd0 = JulianDay0(year, 1, 1) + day;
      const astro::CivilTime date = astro::CivilTimeOf(jd0);
      for (const char* zone : {"14", "-14"}) {
        BirthDetails birth = Birth(date.year, date.month, date.day, day % 24, 59, zone, 0);
        const Chart chart = CastPrecise(birth);
        const PreciseChart& p = chart.precise;
        EXPECT_LE(p.previousJie.ut, p.ut);
        EXPECT_GT(p.nextJie.ut, p.ut);
        EXPECT_EQ(p.nextJie.sector, (p.previousJie.sector + 1) % 12);
        EXPECT_GT(p.nextJie.ut - p.previousJie.ut, 29.0);
        EXPECT_LT(p.nextJie.ut - p.previousJie.ut, 32.0);
        EXPECT_GE(std::fmod(chart.solarLongitude - p.previousJie.longitude + 360, 360), 0);
        EXPECT_LT(std::fmod(chart.solarLongitude - p.previousJie.longitude + 360, 360), 30);
      }
    }
  }
  Chart chart;
  for (const int year : {1599, 2200})
    EXPECT_EQ(ComputeChart(Birth(year, 6, 1, 12, 0, "0", 0), {Method::precise}, chart),
              CastError::outsidePreciseYears);
  EXPECT_EQ(ComputeChart(Birth(2000, 6, 1, 12, 0, "1e3", 0), {Method::precise}, chart),
            CastError::zoneOffsetNotANumber);
  EXPECT_EQ(ComputeChart(Birth(2199, 12, 31, 12, 0, "-9000", 0), {Method::precise}, chart),
            CastError::outsidePreciseYears);
}

}  // namespace
}  // namespace tavrin
