#include "engine/luck.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

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
      EXPECT_EQ(chart.luckPeriods[i].stem, c.periods[i].first) << c.what << " period " << i + 1;
      EXPECT_EQ(chart.luckPeriods[i].branch, c.periods[i].second) << c.what << " period " << i + 1;
    }
  }
}

TEST(LuckCaptions, FillTheSlotsLastPeriodFirst) {
  const Chart chart = Cast(Birth(2000, 1, 1, 12, 0, "0", 0, 1));
  EXPECT_EQ(chart.luckCaptions[0], "78.46");
  EXPECT_EQ(chart.luckCaptions[8], "+Earth [Wu]");
  EXPECT_EQ(chart.luckCaptions[16], "Dragon [Chen]");
  EXPECT_EQ(chart.luckCaptions[7], "8.46");
  EXPECT_EQ(chart.luckCaptions[15], "-Wood [Yi]");
  EXPECT_EQ(chart.luckCaptions[23], "Pig [Hai]");
  Chart withComma;
  ASSERT_EQ(ComputeChart(Birth(2000, 1, 1, 12, 0, "0", 0, 1), withComma, ","), CastError::none);
  EXPECT_EQ(withComma.luckCaptions[7], "8,46");
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
  const auto forward = MakeLuckPeriods(10, 12, 1, 0);
  EXPECT_EQ(forward[0].stem, "+Wood [Jia]");
  EXPECT_EQ(forward[0].branch, "Rat [Zi]");
  const auto backward = MakeLuckPeriods(1, 1, -1, 0);
  EXPECT_EQ(backward[0].stem, "-Water [Gui]");
  EXPECT_EQ(backward[0].branch, "Pig [Hai]");
  EXPECT_EQ(backward[1].stem, "+Water [Ren]");
  EXPECT_EQ(backward[1].branch, "Dog [Xu]");
}

// Over many births: ages step by exactly ten, captions carry at most two
// decimals, and they read as the fifteen-significant-digit general format.
TEST(LuckCaptions, StepByTenWithAtMostTwoDecimalsOverManyBirths) {
  Chart chart;
  for (int year = 1901; year <= 2050; year += 7) {
    for (int month = 1; month <= 12; ++month) {
      for (int sign : {1, -1}) {
        ASSERT_EQ(ComputeChart(Birth(year, month, 1 + (year + month) % 28, (year * month) % 24, year % 60, "5.5", 82.5, sign), chart),
                  CastError::none);
        for (int slot = 0; slot < 8; ++slot) {
          const LuckPeriod& period = chart.luckPeriods[7 - slot];
          char general[64];
          std::snprintf(general, sizeof general, "%.15g", period.age);
          ASSERT_EQ(chart.luckCaptions[slot], general);
          const auto point = chart.luckCaptions[slot].find('.');
          if (point != std::string::npos) {
            ASSERT_LE(chart.luckCaptions[slot].size() - point - 1, 2u);
          }
          if (slot < 7) {
            ASSERT_NEAR(std::stod(chart.luckCaptions[slot]) - std::stod(chart.luckCaptions[slot + 1]), 10.0, 1e-9);
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
