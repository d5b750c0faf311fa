#include "reading/reading_lines.h"

#include <gtest/gtest.h>

#include "birth/gender.h"

namespace tavrin {
namespace {

TEST(ReadingLines, MinuteIsAWholeNumberOfTheList) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"0", 0},   {"59", 59},           {"07", 7},           {"60", std::nullopt}, {"-1", std::nullopt},
      {"", std::nullopt}, {"x", std::nullopt}, {" 7", std::nullopt}, {"7 ", std::nullopt}, {"+7", std::nullopt},
      {"5.0", std::nullopt}, {"99999999999999999999", std::nullopt},
  };
  for (const auto& [line, minute] : cases) EXPECT_EQ(MinuteFromLine(line), minute) << '"' << line << '"';
}

TEST(ReadingLines, OnlyTheExactWordMaleIsMale) {
  const std::pair<const char*, bool> cases[] = {
      {"Male", true}, {"male", false}, {"MALE", false}, {"", false}, {"Female", false}, {"Male ", false},
  };
  for (const auto& [line, male] : cases) EXPECT_EQ(IsMaleText(line), male) << '"' << line << '"';
}

TEST(ReadingLines, ZoneAndLongitudeWithinTheirRanges) {
  const std::pair<const char*, std::optional<double>> zones[] = {
      {"8", 8},   {"5.5", 5.5},          {"-3.5", -3.5},        {"14", 14},         {"-14", -14},
      {"0", 0},   {"14.5", std::nullopt}, {"-14.01", std::nullopt}, {"x", std::nullopt}, {"", std::nullopt},
      {"5,5", std::nullopt},
  };
  for (const auto& [line, hours] : zones) EXPECT_EQ(ZoneFromLine(line), hours) << '"' << line << '"';

  const std::pair<const char*, std::optional<double>> longitudes[] = {
      {"116.4", 116.4},        {"-180", -180},         {"180", 180},          {"0.00001", 0.00001},
      {"180.5", std::nullopt}, {"1e-05", std::nullopt}, {"nan", std::nullopt}, {"inf", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& [line, degrees] : longitudes) EXPECT_EQ(LongitudeFromLine(line), degrees) << '"' << line << '"';
}

}  // namespace
}  // namespace tavrin
