#include "birth/longitude.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace tavrin {
namespace {

struct LongitudeCase {
  const char* text;
  std::optional<double> degreesEast;
};

TEST(ParseLongitude, ReadsDegreesEastOrWest) {
  const LongitudeCase cases[] = {
      {"116 E", 116},      {"116E", 116},     {" 116.4 e ", 116.4}, {"74 W", -74},   {"74w", -74},
      {"-74", -74},        {"74", 74},        {"0", 0},             {"0 W", 0},      {"180 W", -180},
      {"180 E", 180},      {"-180", -180},    {"12,5 E", 12.5},     {"116\xC2\xB0 E", 116},
      {"5.", 5},           {".5 W", -0.5},    {"180.01 E", std::nullopt},
      {"181", std::nullopt}, {"-180.5", std::nullopt}, {"", std::nullopt}, {"E", std::nullopt},
      {"-74 W", std::nullopt}, {"+74", 74},   {"+74 E", std::nullopt}, {"74 N", std::nullopt}, {"7 4", std::nullopt},
      {"1.2.3", std::nullopt}, {"74 EW", std::nullopt}, {"abc", std::nullopt}, {"-", std::nullopt},
  };
  for (const LongitudeCase& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<double> parsed = ParseLongitude(c.text);
    ASSERT_EQ(parsed.has_value(), c.degreesEast.has_value());
    if (parsed) {
      EXPECT_DOUBLE_EQ(*parsed, *c.degreesEast);
      EXPECT_FALSE(std::signbit(*parsed) && *parsed == 0);
      // What the entry form shows for a saved longitude reads back as the same degrees.
      EXPECT_EQ(ParseLongitude(LongitudeFieldText(*parsed)), *parsed);
    }
  }
}

}  // namespace
}  // namespace tavrin
