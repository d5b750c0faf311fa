#include "engine/pillars.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "engine/birth_moment.h"
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
    const Chart chart = Cast(c.birth);
    for (int block = 0; block < 4; ++block)
      for (int part = 0; part < 2; ++part) {
        const char* want = c.expected[block * 2 + part];
        if (want == nullptr) continue;
        EXPECT_EQ(chart.pillarCells[block * 5 + part], want) << c.what << ", block " << block << ", part " << part;
      }
  }
}

TEST(Pillars, OneHiddenStemBranchesLeaveTheLastTwoCellsEmptyAndSlot20StaysEmpty) {
  for (const char* branch : {"Rat [Zi]", "Rabbit [Mao]", "Rooster [You]"}) {
    const auto& hidden = HiddenStemsOf(branch);
    EXPECT_FALSE(hidden[0].empty()) << branch;
    EXPECT_EQ(hidden[1], "") << branch;
    EXPECT_EQ(hidden[2], "") << branch;
  }
  EXPECT_EQ(Cast(Birth(1984, 2, 10, 10, 30, "8", 116)).pillarCells[20], "");
  // Both Pig slots and both Rat slots carry the same hidden stems.
  EXPECT_EQ(MakePillar(1, 0).cells, MakePillar(1, 12).cells);
  EXPECT_EQ(MakePillar(1, 1).cells, MakePillar(1, 13).cells);
}

TEST(MonthSector, BoundsBelongToTheSectorTheyOpen) {
  const std::pair<double, const char*> cases[] = {
      {315.0, "Tiger [Yin]"},   {344.999, "Tiger [Yin]"}, {345.0, "Rabbit [Mao]"}, {359.999, "Rabbit [Mao]"},
      {0.0, "Rabbit [Mao]"},    {14.999, "Rabbit [Mao]"}, {15.0, "Dragon [Chen]"}, {314.99, "Ox [Chou]"},
      {255.0, "Rat [Zi]"},      {284.999, "Rat [Zi]"},    {285.0, "Ox [Chou]"},    {70.85, "Snake [Si]"},
  };
  for (const auto& [lambda, branch] : cases) EXPECT_EQ(BranchTable[MonthSectorOf(lambda).branchIndex], branch) << lambda;
}

TEST(ChartYear, OnlyJanuaryAndFebruaryBeforeSpringBeginningMoveBack) {
  EXPECT_EQ(ChartYear(1984, 2, 315.0), 1984);
  EXPECT_EQ(ChartYear(1984, 2, 314.99), 1983);
  EXPECT_EQ(ChartYear(1984, 1, 300.0), 1983);
  EXPECT_EQ(ChartYear(1984, 3, 300.0), 1984);
  EXPECT_EQ(ChartYear(1984, 12, 280.0), 1984);
}

TEST(StemIndices, FollowTheirTables) {
  const int firstMonth[] = {0, 3, 5, 7, 9, 1, 3, 5, 7, 9, 1};
  for (int yearStem = 1; yearStem <= 10; ++yearStem)
    EXPECT_EQ(FirstMonthStemIndex(yearStem), firstMonth[yearStem]) << yearStem;
  const int ratHour[] = {9, 1, 3, 5, 7, 9, 1, 3, 5, 7};
  for (int digit = 0; digit <= 9; ++digit) EXPECT_EQ(HourStemBase(digit), ratHour[digit]) << digit;
  EXPECT_EQ(StemTable[YearStemIndex(1984)], "+Wood [Jia]");
  EXPECT_EQ(BranchTable[YearBranchIndex(1984)], "Rat [Zi]");
  // Years before 4 AD stay inside the cycle.
  for (int year : {0, 1, 2, 3}) {
    EXPECT_GE(YearStemIndex(year), 1);
    EXPECT_LE(YearStemIndex(year), 10);
    EXPECT_GE(YearBranchIndex(year), 1);
    EXPECT_LE(YearBranchIndex(year), 12);
  }
  EXPECT_EQ(StemTable[YearStemIndex(3)], "-Water [Gui]");
  EXPECT_EQ(BranchTable[YearBranchIndex(3)], "Pig [Hai]");
}

TEST(HourIndices, OddHoursOpenEachPeriodAndLateRatTakesTheNextDaysStem) {
  struct Case {
    double hours;
    int dayDigit;
    const char* stem;
    const char* branch;
  };
  const Case cases[] = {
      {1.0, 1, "-Wood [Yi]", "Ox [Chou]"},        {0.99, 1, "+Wood [Jia]", "Rat [Zi]"},
      {23.0, 1, "+Fire [Bing]", "Rat [Zi]"},      {23.5, 5, "+Wood [Jia]", "Rat [Zi]"},
      {23.5, 0, "+Wood [Jia]", "Rat [Zi]"},       {-0.25, 1, "+Fire [Bing]", "Rat [Zi]"},
      {22.99, 1, "-Wood [Yi]", "Pig [Hai]"},      {21.0, 1, "-Wood [Yi]", "Pig [Hai]"},
      {10.2333, 1, "-Earth [Ji]", "Snake [Si]"},  {24.5, 1, "+Wood [Jia]", "Rat [Zi]"},
  };
  for (const auto& c : cases) {
    const auto idx = HourIndices(c.hours, c.dayDigit);
    EXPECT_EQ(StemTable[idx.stem], c.stem) << c.hours << " digit " << c.dayDigit;
    EXPECT_EQ(BranchTable[idx.branch], c.branch) << c.hours << " digit " << c.dayDigit;
  }
}

int CyclePosition(std::string_view label, const auto& table, int first, int last) {
  for (int i = first; i <= last; ++i)
    if (table[i] == label) return i;
  return -1;
}

TEST(DayPillar, StepsOnePlaceInTheSixtyCycleEveryDay1901To2050) {
  const double first = JulianDay0(1901, 1, 1);
  const double last = JulianDay0(2050, 12, 31);
  int stem = -1, branch = -1;
  for (double jd = first; jd <= last; ++jd) {
    const auto pillar = MakePillar(static_cast<int>(DayNumber(jd + 0.5) % 10),
                                   2 + static_cast<int>(DayNumber(jd + 0.5) % 12));
    const int s = CyclePosition(pillar.stem(), StemTable, 1, 10);
    const int b = CyclePosition(pillar.branch(), BranchTable, 1, 12);
    if (stem != -1) {
      ASSERT_EQ(s, stem % 10 + 1) << jd;
      ASSERT_EQ(b, branch % 12 + 1) << jd;
    }
    stem = s;
    branch = b;
  }
  // 1 January 2000 (day number 2451545) is a Wu Horse day.
  const auto y2k = MakePillar(2451545 % 10, 2 + 2451545 % 12);
  EXPECT_EQ(y2k.stem(), "+Earth [Wu]");
  EXPECT_EQ(y2k.branch(), "Horse [Wu]");
}

}  // namespace
}  // namespace tavrin
