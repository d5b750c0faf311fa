#include "birth/zone.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrin {
namespace {

TEST(ZoneCaptions, CountWestWithTheSameSignAndReadBackAsTheZone) {
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
  for (int quarters = -56; quarters <= 56; ++quarters) {
    const ZoneCaptions captions = ZoneCaptionsFor(quarters / 4.0);
    EXPECT_EQ(ZoneHoursEast(std::stoi(captions.hours), std::stoi(captions.minutes)), quarters / 4.0) << quarters;
  }
}

TEST(Zone, OffsetTexts) {
  const std::pair<int, std::string_view> cases[] = {
      {0, "0"}, {28800, "+8"}, {-12600, "-3:30"}, {29143, "+8:05:43"}, {-24, "-0:00:24"}, {50400, "+14"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(OffsetText(seconds), text) << seconds;
}

}  // namespace
}  // namespace tavrin
