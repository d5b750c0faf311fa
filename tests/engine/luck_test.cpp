#include "engine/luck.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <tuple>
#include <vector>

#include "engine/chart_texts.h"
#include "engine/number_text.h"
#include "engine/pillars.h"
#include "tests/engine/birth_fixture.h"

namespace tavrin {
namespace {

using testing::Birth;
using testing::Cast;

struct LuckCase {
  const char* what;
  BirthDetails birth;
  int direction;
  double startAge;
  std::vector<std::pair<const char*, const char*>> periods;  // first period first; as many as given
};

TEST(LuckPeriods, MatchWorkedExamples) {
  const LuckCase cases[] = {
      {"2000 man", Birth(2000, 1, 1, 12, 0, "0", 0, 1), -1, 8.46,
       {{"-Wood [Yi]", "Pig [Hai]"},
        {"+Wood [Jia]", "Dog [Xu]"},
        {"-Water [Gui]", "Rooster [You]"},
        {"+Water [Ren]", "Monkey [Shen]"},
        {"-Metal [Xin]", "Goat [Wei]"},
        {"+Metal [Geng]", "Horse [Wu]"},
        {"-Earth [Ji]", "Snake [Si]"},
        {"+Earth [Wu]", "Dragon [Chen]"}}},
      {"2000 woman", Birth(2000, 1, 1, 12, 0, "0", 0, -1), 1, 1.53, {{"-Fire [Ding]", "Ox [Chou]"}}},
      {"1984 man", Birth(1984, 2, 10, 10, 30, "8", 116, 1), 1, 8.17, {{"-Fire [Ding]", "Rabbit [Mao]"}}},
      {"1984 woman", Birth(1984, 2, 10, 10, 30, "8", 116, -1), -1, 1.82, {{"-Wood [Yi]", "Ox [Chou]"}}},
  };
  for (const auto& c : cases) {
    const Chart chart = Cast(c.birth);
    EXPECT_EQ(chart.luckDirection, c.direction) << c.what;
    EXPECT_DOUBLE_EQ(chart.luckStartAge, c.startAge) << c.what;
    for (std::size_t i = 0; i < c.periods.size(); ++i) {
      EXPECT_EQ(StemLabel(chart.luckPeriods[i].pillar.stem), c.periods[i].first) << c.what << " period " << i + 1;
      EXPECT_EQ(BranchLabel(chart.luckPeriods[i].pillar.branch), c.periods[i].second) << c.what << " period " << i + 1;
    }
  }
}

TEST(LuckCaptions, FillTheSlotsLastPeriodFirst) {
  const Chart chart = Cast(Birth(2000, 1, 1, 12, 0, "0", 0, 1));
  const LuckCaptions captions = LuckCaptionsOf(chart);
  EXPECT_EQ(captions[0], "78.46");
  EXPECT_EQ(captions[8], "+Earth [Wu]");
  EXPECT_EQ(captions[16], "Dragon [Chen]");
  EXPECT_EQ(captions[7], "8.46");
  EXPECT_EQ(captions[15], "-Wood [Yi]");
  EXPECT_EQ(captions[23], "Pig [Hai]");
  EXPECT_EQ(LuckCaptionsOf(chart, ",")[7], "8,46");
}

TEST(LuckStartAge, AtAJieAndInTheWrappingSector) {
  struct Case {
    double lambda;
    int direction;
    double age;
  };
  const Case cases[] = {
      {315.0, -1, 0.0},  {345.0, -1, 0.0},  {10.0, 1, 1.66},   {350.0, 1, 8.33},
      {10.0, -1, 8.33},  {350.0, -1, 1.66}, {14.999, 1, 0.0},  {280.387, -1, 8.46},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(LuckStartAge(MonthSectorOf(c.lambda), c.lambda, c.direction), c.age) << c.lambda << " " << c.direction;
}

TEST(LuckPeriods, StepThroughTheCycleWrappingAtBothEnds) {
  LuckPeriods forward, backward;
  WriteLuckPeriods({9, 11}, 1, 0, forward);  // from Gui Pig
  EXPECT_EQ(forward[0].pillar, (Pillar{0, 0}));  // Jia Rat
  WriteLuckPeriods({0, 0}, -1, 0, backward);  // from Jia Rat
  EXPECT_EQ(backward[0].pillar, (Pillar{9, 11}));  // Gui Pig
  EXPECT_EQ(backward[1].pillar, (Pillar{8, 10}));  // Ren Dog
}

TEST(LuckPeriods, AreTheCycleStepsAndTenYearsApartFromEveryMonthPillar) {
  for (int position = 0; position < 60; ++position) {
    const Pillar month = CycleStep({0, 0}, position);
    for (const int direction : {1, -1}) {
      LuckPeriods periods;
      WriteLuckPeriods(month, direction, 3.25, periods);
      for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(periods[i].pillar, CycleStep(month, direction * (i + 1))) << position << " " << direction << " " << i;
        EXPECT_DOUBLE_EQ(periods[i].age, 3.25 + 10 * i);
      }
    }
  }
}

// The luck start date: whole years and thirty-day months after the birth
// date, on the same day of the month (or the month's last), then the days.
TEST(LuckStart, CountsYearsMonthsAndDaysOnFromTheBirthDate) {
  struct Case {
    int year, month, day;
    int lifeDays;
    LuckStart start;
  } const cases[] = {
      {2000, 1, 1, 3045, {8, 5, 15, 2008, 6, 16}},    // the classic 8.46 years
      {1998, 7, 31, 895, {2, 5, 25, 2001, 1, 25}},    // into the next calendar year
      {2001, 1, 31, 32, {0, 1, 2, 2001, 3, 2}},       // 31 January to 28 February, then two days
      {2001, 1, 31, 29, {0, 0, 29, 2001, 3, 1}},      // past all of February
      {2000, 12, 15, 30, {0, 1, 0, 2001, 1, 15}},
      {1500, 2, 20, 9, {0, 0, 9, 1500, 2, 29}},       // a Julian leap year
      {2000, 6, 1, 0, {0, 0, 0, 2000, 6, 1}},
  };
  for (const Case& c : cases) {
    tavrin::Birth birth;
    birth.year = c.year, birth.month = c.month, birth.day = c.day;
    const LuckStart start = LuckStartAfter(birth, c.lifeDays);
    EXPECT_EQ(std::tie(start.years, start.months, start.days, start.year, start.month, start.day),
              std::tie(c.start.years, c.start.months, c.start.days, c.start.year, c.start.month, c.start.day))
        << c.year << "-" << c.month << "-" << c.day << " + " << c.lifeDays;
  }
  EXPECT_EQ(LifeDaysOfAge(8.46), 3045);
  EXPECT_EQ(LifeDaysOfAge(0.3), 108);
}

// Over many births: ages step by exactly ten, captions carry at most two
// decimals, and they read as the fifteen-significant-digit general format.
TEST(LuckCaptions, StepByTenWithAtMostTwoDecimalsOverManyBirths) {
  Chart chart;
  for (int year = 1901; year <= 2050; year += 7) {
    for (int month = 1; month <= 12; ++month) {
      for (int sign : {1, -1}) {
        ASSERT_EQ(ComputeChart(Birth(year, month, 1 + (year + month) % 28, (year * month) % 24, year % 60, "5.5", 82.5, sign), {}, chart),
                  CastError::none);
        const LuckCaptions captions = LuckCaptionsOf(chart);
        for (int slot = 0; slot < 8; ++slot) {
          const LuckPeriod& period = chart.luckPeriods[7 - slot];
          char general[64];
          std::snprintf(general, sizeof general, "%.15g", period.age);
          ASSERT_EQ(captions[slot], general);
          const auto point = captions[slot].find('.');
          if (point != std::string::npos) {
            ASSERT_LE(captions[slot].size() - point - 1, 2u);
          }
          if (slot < 7) {
            ASSERT_NEAR(std::stod(captions[slot]) - std::stod(captions[slot + 1]), 10.0, 1e-9);
          }
        }
        ASSERT_GE(chart.luckStartAge, 0.0);
        ASSERT_LE(chart.luckStartAge, 10.0);
      }
    }
  }
}

TEST(GeneralNumber, AgreesWithFifteenDigitFormatForEveryTwoDecimalAge) {
  for (int hundredths = 0; hundredths <= 1100; ++hundredths) {
    const double start = static_cast<double>(hundredths) / 100;
    for (int i = 0; i < 8; ++i) {
      const double age = start + 10 * i;
      char general[64];
      std::snprintf(general, sizeof general, "%.15g", age);
      ASSERT_EQ(GeneralNumber(age), general) << hundredths << " + " << 10 * i;
    }
  }
  EXPECT_EQ(GeneralNumber(8.5, ","), "8,5");
  EXPECT_EQ(GeneralNumber(10), "10");
}

}  // namespace
}  // namespace tavrin
