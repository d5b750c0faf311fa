#include "engine/chart.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/vocabulary.h"
#include "tests/engine/birth_fixture.h"

namespace tavrin {
namespace {

using testing::Birth;
using testing::Cast;

std::string Description(std::string_view stem) {
  for (const auto& row : DayMasterTable)
    if (row.key == stem) return std::string(row.description);
  ADD_FAILURE() << "no description for " << stem;
  return {};
}

std::string Pair(std::string_view stem, const char* ending = "\r\n") {
  return std::string(stem) + "\r\n" + Description(stem) + ending;
}

TEST(Interpretation, YearBoxOfTheSampleChart) {
  const Chart chart = Cast(Birth(1984, 2, 10, 10, 30, "8", 116));
  EXPECT_EQ(chart.interpretation[0],
            "+Wood [Jia]\r\nIt is like a tree which is upward growing and is tall, sturdy and stubborn by natures.\r\n"
            "-Water [Gui]\r\nContrarily, Yin water is the lake water which is deep yet calm with strong undercurrents.\r\n");
}

TEST(Interpretation, EveryStemCellInCellOrderWithRepeatsAndTheHourBoxDoubleBreaks) {
  const std::string_view bingTiger[5] = {"+Fire [Bing]", "Tiger [Yin]", "+Wood [Jia]", "+Fire [Bing]", "+Earth [Wu]"};
  struct Case {
    PillarBlock block;
    const char* ending;
  };
  for (const auto& c : {Case{PillarBlock::month, "\r\n"}, Case{PillarBlock::hour, "\r\n\r\n"}}) {
    std::string box = "kept in front|";
    AppendInterpretation(box, bingTiger, c.block);
    EXPECT_EQ(box, "kept in front|" + Pair("+Fire [Bing]", c.ending) + Pair("+Wood [Jia]", c.ending) +
                       Pair("+Fire [Bing]", c.ending) + Pair("+Earth [Wu]", c.ending));
  }
  const std::string_view ratOnly[5] = {"-Wood [Yi]", "Rat [Zi]", "-Water [Gui]", "", ""};
  std::string box;
  AppendInterpretation(box, ratOnly, PillarBlock::day);
  EXPECT_EQ(box, Pair("-Wood [Yi]") + Pair("-Water [Gui]"));
}

TEST(Chart, BoxesHoldOnePairPerStemCellOfTheirPillar) {
  Chart chart;
  for (int month = 1; month <= 12; ++month) {
    ASSERT_EQ(ComputeChart(Birth(1990 + month, month, 15, 2 * month - 1, 5, "-3.5", -52.5), chart), CastError::none);
    for (int block = 0; block < 4; ++block) {
      std::string expected;
      for (int i = 0; i < 5; ++i) {
        const auto cell = chart.pillarCells[block * 5 + i];
        if (i == 1 || cell.empty()) continue;
        expected += Pair(cell, block == 3 ? "\r\n\r\n" : "\r\n");
      }
      EXPECT_EQ(chart.interpretation[block], expected) << month << " block " << block;
    }
  }
}

TEST(Chart, ReusedResultStartsEachCastFromEmptyBoxes) {
  Chart chart;
  ASSERT_EQ(ComputeChart(Birth(1984, 2, 10, 10, 30, "8", 116), chart), CastError::none);
  const auto first = chart.interpretation;
  ASSERT_EQ(ComputeChart(Birth(1984, 2, 10, 10, 30, "8", 116), chart), CastError::none);
  EXPECT_EQ(chart.interpretation, first);
}

TEST(Chart, ZoneOffsetThatIsNotANumberIsAnError) {
  for (const char* zone : {"", "eight", "8,5"}) {
    Chart chart;
    EXPECT_EQ(ComputeChart(Birth(1984, 2, 10, 10, 30, zone, 116), chart), CastError::zoneOffsetNotANumber) << zone;
    EXPECT_EQ(chart.pillarCells[0], "") << zone;
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
