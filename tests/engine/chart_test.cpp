#include "engine/chart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/vocabulary.h"
#include "tests/engine/birth_fixture.h"

namespace tavrin {
namespace {

using testing::Birth;
using testing::Box;
using testing::Cast;

std::string Description(std::string_view stem) {
  for (int number = 0; number < kStemCount; ++number)
    if (StemLabel(number) == stem) return std::string(DayMasterTable[number]);
  ADD_FAILURE() << "no description for " << stem;
  return {};
}

std::string Pair(std::string_view stem, const char* ending = "\r\n") {
  return std::string(stem) + "\r\n" + Description(stem) + ending;
}

TEST(Interpretation, YearBoxOfTheSampleChart) {
  const Chart chart = Cast(Birth(1984, 2, 10, 10, 30, "8", 116));
  EXPECT_EQ(Box(chart, 0),
            "+Wood [Jia]\r\nIt is like a tree which is upward growing and is tall, sturdy and stubborn by natures.\r\n"
            "-Water [Gui]\r\nContrarily, Yin water is the lake water which is deep yet calm with strong undercurrents.\r\n");
}

TEST(Interpretation, EveryStemCellInCellOrderWithRepeatsAndTheHourBoxDoubleBreaks) {
  const Pillar bingTiger{2, 2};
  struct Case {
    PillarBlock block;
    const char* ending;
  };
  for (const auto& c : {Case{PillarBlock::month, "\r\n"}, Case{PillarBlock::hour, "\r\n\r\n"}})
    EXPECT_EQ(InterpretationOf(bingTiger, c.block), Pair("+Fire [Bing]", c.ending) + Pair("+Wood [Jia]", c.ending) +
                                                        Pair("+Fire [Bing]", c.ending) + Pair("+Earth [Wu]", c.ending));
  EXPECT_EQ(InterpretationOf({1, 0}, PillarBlock::day), Pair("-Wood [Yi]") + Pair("-Water [Gui]"));
}

// Worked examples: the stems each box describes, in cell order, for pillars
// known by hand (the stem, then the branch's hidden stems).
TEST(Chart, BoxesHoldOnePairPerStemCellOfTheirPillar) {
  struct Case {
    const char* label;
    BirthDetails birth;
    std::vector<std::string_view> stems[4];  // year, month, day, hour
  } const cases[] = {
      {"1 January 2000, 12:00, zone 0: Ji Rabbit, Bing Rat, Wu Horse, Wu Horse",
       Birth(2000, 1, 1, 12, 0, "0", 0),
       {{"-Earth [Ji]", "-Wood [Yi]"},
        {"+Fire [Bing]", "-Water [Gui]"},
        {"+Earth [Wu]", "-Fire [Ding]", "-Earth [Ji]"},
        {"+Earth [Wu]", "-Fire [Ding]", "-Earth [Ji]"}}},
      {"10 February 1984, 10:30, zone 8, 116 E: Jia Rat, Bing Tiger, Jia Dog, Ji Snake",
       Birth(1984, 2, 10, 10, 30, "8", 116),
       {{"+Wood [Jia]", "-Water [Gui]"},
        {"+Fire [Bing]", "+Wood [Jia]", "+Fire [Bing]", "+Earth [Wu]"},
        {"+Wood [Jia]", "+Earth [Wu]", "-Metal [Xin]", "-Fire [Ding]"},
        {"-Earth [Ji]", "+Fire [Bing]", "+Earth [Wu]", "+Metal [Geng]"}}},
      {"10 February 1984, 00:10, zone 8, 116 E: the day before, Gui Rooster, and a Jia Rat hour",
       Birth(1984, 2, 10, 0, 10, "8", 116),
       {{"+Wood [Jia]", "-Water [Gui]"},
        {"+Fire [Bing]", "+Wood [Jia]", "+Fire [Bing]", "+Earth [Wu]"},
        {"-Water [Gui]", "-Metal [Xin]"},
        {"+Wood [Jia]", "-Water [Gui]"}}},
  };
  for (const Case& c : cases) {
    const Chart chart = Cast(c.birth);
    for (int block = 0; block < 4; ++block) {
      std::string expected;
      for (const std::string_view stem : c.stems[block]) expected += Pair(stem, block == 3 ? "\r\n\r\n" : "\r\n");
      EXPECT_EQ(Box(chart, block), expected) << c.label << ", block " << block;
    }
  }
}

TEST(Chart, ZoneOffsetThatIsNotANumberIsAnError) {
  for (const char* zone : {"", "eight", "8,5"}) {
    Chart chart;
    EXPECT_EQ(ComputeChart(Birth(1984, 2, 10, 10, 30, zone, 116), {}, chart), CastError::zoneOffsetNotANumber) << zone;
  }
}

TEST(Chart, ZoneMeridianLongitudeKeepsTheClockTime) {
  for (const char* zone : {"8", "-5", "5.5", "-3.5", "10.5", "0", "-14", "14"}) {
    const double hours = std::stod(zone);
    const Chart chart = Cast(Birth(1984, 2, 10, 10, 30, zone, 15 * hours));
    EXPECT_DOUBLE_EQ(chart.localHours, 10.5) << zone;
  }
}

}  // namespace
}  // namespace tavrin
