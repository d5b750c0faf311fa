#include "engine/pillars.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/birth_moment.h"
#include "engine/chart_texts.h"
#include "tests/engine/birth_fixture.h"

namespace tavrin {
namespace {

using testing::Birth;
using testing::Cast;

struct PillarCase {
  const char* what;
  BirthDetails birth;
  // stem, branch of year, month, day, hour; nullptr = not checked
  const char* expected[8];
};

TEST(Pillars, MatchWorkedExamples) {
  const PillarCase cases[] = {
      {"2000-01-01 noon Greenwich", Birth(2000, 1, 1, 12, 0, "0", 0),
       {"-Earth [Ji]", "Rabbit [Mao]", "+Fire [Bing]", "Rat [Zi]", "+Earth [Wu]", "Horse [Wu]", "+Earth [Wu]",
        "Horse [Wu]"}},
      {"1984-02-10 10:30 zone 8", Birth(1984, 2, 10, 10, 30, "8", 116),
       {"+Wood [Jia]", "Rat [Zi]", "+Fire [Bing]", "Tiger [Yin]", "+Wood [Jia]", nullptr, "-Earth [Ji]",
        "Snake [Si]"}},
      {"before Spring Beginning", Birth(1984, 2, 4, 12, 0, "0", 0),
       {"-Water [Gui]", "Pig [Hai]", "-Wood [Yi]", "Ox [Chou]", nullptr, nullptr, nullptr, nullptr}},
      {"June 2010", Birth(2010, 6, 1, 12, 0, "0", 0),
       {nullptr, nullptr, "-Metal [Xin]", "Snake [Si]", nullptr, nullptr, nullptr, nullptr}},
      {"00:10 falls back to the previous day", Birth(1984, 2, 10, 0, 10, "8", 116),
       {nullptr, nullptr, nullptr, nullptr, "-Water [Gui]", "Rooster [You]", "+Wood [Jia]", "Rat [Zi]"}},
      {"00:30 stays on the day", Birth(1984, 2, 10, 0, 30, "8", 116),
       {nullptr, nullptr, nullptr, nullptr, "+Wood [Jia]", "Dog [Xu]", "+Wood [Jia]", "Rat [Zi]"}},
  };
  for (const auto& c : cases) {
    const PillarCells cells = PillarCellsOf(Cast(c.birth));
    for (int block = 0; block < 4; ++block)
      for (int part = 0; part < 2; ++part) {
        const char* want = c.expected[block * 2 + part];
        if (want == nullptr) continue;
        EXPECT_EQ(cells[block * 5 + part], want) << c.what << ", block " << block << ", part " << part;
      }
  }
}

TEST(Pillars, OneHiddenStemBranchesLeaveTheLastTwoCellsEmptyAndSlot20StaysEmpty) {
  for (const int branch : {0, 3, 9}) {  // Rat, Rabbit, Rooster
    const auto cells = CellsOf({0, branch});
    EXPECT_FALSE(cells[2].empty()) << branch;
    EXPECT_EQ(cells[3], "") << branch;
    EXPECT_EQ(cells[4], "") << branch;
  }
  EXPECT_EQ(PillarCellsOf(Cast(Birth(1984, 2, 10, 10, 30, "8", 116)))[20], "");
}

TEST(MonthSector, BoundsBelongToTheSectorTheyOpen) {
  const std::pair<double, const char*> cases[] = {
      {315.0, "Tiger [Yin]"},   {344.999, "Tiger [Yin]"}, {345.0, "Rabbit [Mao]"}, {359.999, "Rabbit [Mao]"},
      {0.0, "Rabbit [Mao]"},    {14.999, "Rabbit [Mao]"}, {15.0, "Dragon [Chen]"}, {314.99, "Ox [Chou]"},
      {255.0, "Rat [Zi]"},      {284.999, "Rat [Zi]"},    {285.0, "Ox [Chou]"},    {70.85, "Snake [Si]"},
  };
  for (const auto& [lambda, branch] : cases) EXPECT_EQ(BranchLabel(MonthSectorOf(lambda).branch), branch) << lambda;
}

TEST(ChartYear, OnlyJanuaryAndFebruaryBeforeSpringBeginningMoveBack) {
  EXPECT_EQ(ChartYear(1984, 2, 315.0), 1984);
  EXPECT_EQ(ChartYear(1984, 2, 314.99), 1983);
  EXPECT_EQ(ChartYear(1984, 1, 300.0), 1983);
  EXPECT_EQ(ChartYear(1984, 3, 300.0), 1984);
  EXPECT_EQ(ChartYear(1984, 12, 280.0), 1984);
}

TEST(StemRules, FollowTheirTables) {
  // Bing, Wu, Geng, Ren, Jia for the Tiger month of a Jia, Yi, Bing, Ding, Wu year, and again.
  const int tigerMonth[] = {2, 4, 6, 8, 0, 2, 4, 6, 8, 0};
  const int ratHour[] = {0, 2, 4, 6, 8, 0, 2, 4, 6, 8};
  for (int stem = 0; stem < kStemCount; ++stem) {
    EXPECT_EQ(TigerMonthStem(stem), tigerMonth[stem]) << stem;
    EXPECT_EQ(RatHourStem(stem), ratHour[stem]) << stem;
  }
  EXPECT_EQ(YearPillar(1984), (Pillar{0, 0}));
  // Years before 4 AD stay inside the cycle.
  EXPECT_EQ(YearPillar(3), (Pillar{9, 11}));
  EXPECT_EQ(YearPillar(-57), (Pillar{9, 11}));
}

TEST(HourIndices, OddHoursOpenEachPeriodAndLateRatTakesTheNextDaysStem) {
  struct Case {
    double hours;
    int dayStem;
    const char* stem;
    const char* branch;
  };
  const Case cases[] = {
      {1.0, 0, "-Wood [Yi]", "Ox [Chou]"},        {0.99, 0, "+Wood [Jia]", "Rat [Zi]"},
      {23.0, 0, "+Fire [Bing]", "Rat [Zi]"},      {23.5, 4, "+Wood [Jia]", "Rat [Zi]"},
      {23.5, 9, "+Wood [Jia]", "Rat [Zi]"},       {-0.25, 0, "+Fire [Bing]", "Rat [Zi]"},
      {22.99, 0, "-Wood [Yi]", "Pig [Hai]"},      {21.0, 0, "-Wood [Yi]", "Pig [Hai]"},
      {10.2333, 0, "-Earth [Ji]", "Snake [Si]"},  {24.5, 0, "+Wood [Jia]", "Rat [Zi]"},
  };
  for (const auto& c : cases) {
    const Pillar hour = HourPillar(c.hours, c.dayStem);
    EXPECT_EQ(StemLabel(hour.stem), c.stem) << c.hours << " day stem " << c.dayStem;
    EXPECT_EQ(BranchLabel(hour.branch), c.branch) << c.hours << " day stem " << c.dayStem;
  }
}

TEST(DayPillar, StepsOnePlaceInTheSixtyCycleEveryDay1901To2050) {
  const double first = JulianDay0(1901, 1, 1);
  const double last = JulianDay0(2050, 12, 31);
  Pillar previous = DayPillar(DayNumber(first - 0.5));
  for (double jd = first; jd <= last; ++jd) {
    const Pillar day = DayPillar(DayNumber(jd + 0.5));
    ASSERT_EQ(day, CycleStep(previous, 1)) << jd;
    previous = day;
  }
  // 1 January 2000 (day number 2451545) is a Wu Horse day.
  EXPECT_EQ(CellsOf(DayPillar(2451545))[0], "+Earth [Wu]");
  EXPECT_EQ(CellsOf(DayPillar(2451545))[1], "Horse [Wu]");
}

}  // namespace
}  // namespace tavrin
