#include "chart/reading_entries.h"

#include <gtest/gtest.h>

#include <limits>

namespace tavrin {
namespace {

TEST(ReadingEntries, MinuteIsAWholeNumberOfTheList) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"0", 0},   {"59", 59},           {"07", 7},           {"60", std::nullopt}, {"-1", std::nullopt},
      {"", std::nullopt}, {"x", std::nullopt}, {" 7", std::nullopt}, {"7 ", std::nullopt}, {"+7", std::nullopt},
      {"5.0", std::nullopt}, {"99999999999999999999", std::nullopt},
  };
  for (const auto& [slot, minute] : cases) EXPECT_EQ(MinuteFromSlot(slot), minute) << '"' << slot << '"';
}

TEST(ReadingEntries, OnlyTheExactWordMaleIsMale) {
  const std::pair<const char*, bool> cases[] = {
      {"Male", true}, {"male", false}, {"MALE", false}, {"", false}, {"Female", false}, {"Male ", false},
  };
  for (const auto& [slot, male] : cases) EXPECT_EQ(IsMaleSlot(slot), male) << '"' << slot << '"';
}

TEST(ReadingEntries, ZoneAndLongitudeWithinTheirRanges) {
  const std::pair<const char*, std::optional<double>> zones[] = {
      {"8", 8},   {"5.5", 5.5},          {"-3.5", -3.5},        {"14", 14},         {"-14", -14},
      {"0", 0},   {"14.5", std::nullopt}, {"-14.01", std::nullopt}, {"x", std::nullopt}, {"", std::nullopt},
      {"5,5", std::nullopt},
  };
  for (const auto& [slot, hours] : zones) EXPECT_EQ(ZoneFromSlot(slot), hours) << '"' << slot << '"';

  const std::pair<const char*, std::optional<double>> longitudes[] = {
      {"116.4", 116.4},        {"-180", -180},         {"180", 180},          {"0.00001", 0.00001},
      {"180.5", std::nullopt}, {"1e-05", std::nullopt}, {"nan", std::nullopt}, {"inf", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [slot, degrees] : longitudes) EXPECT_EQ(LongitudeFromSlot(slot), degrees) << '"' << slot << '"';
}

TEST(ReadingEntries, ZoneCaptionsCountWestWithTheSameSign) {
  struct Case {
    double hoursEast;
    const char* hours;
    const char* minutes;
  } cases[] = {
      {5.5, "-5", "-30"}, {-3.5, "3", "30"},   {8, "-8", "0"},      {0, "0", "0"},     {-0.0, "0", "0"},
      {10.5, "-10", "-30"}, {-10.5, "10", "30"}, {5.75, "-5", "-45"}, {14, "-14", "0"}, {-14, "14", "0"},
      {5.999, "-6", "0"}, {8.01, "-8", "-1"},  {-0.004, "0", "0"},
  };
  for (const auto& c : cases) {
    const ZoneCaptions captions = ZoneCaptionsFor(c.hoursEast);
    EXPECT_EQ(captions.hours, c.hours) << c.hoursEast;
    EXPECT_EQ(captions.minutes, c.minutes) << c.hoursEast;
  }
  // The entry form turns the captions back into -(hours + minutes / 60).
  for (int quarters = -56; quarters <= 56; ++quarters) {
    const ZoneCaptions captions = ZoneCaptionsFor(quarters / 4.0);
    EXPECT_EQ(-(std::stoi(captions.hours) + std::stoi(captions.minutes) / 60.0), quarters / 4.0) << quarters;
  }
}

}  // namespace
}  // namespace tavrin
