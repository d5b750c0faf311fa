#include "engine/birth_moment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "engine/number_text.h"

namespace tavrin {
namespace {

struct DateCase {
  int year, month, day;
  double julianDay0;
};

// Known Julian Dates of 0 h, Julian reckoning up to 1585 and Gregorian after.
TEST(JulianDay0, MatchesReferenceDates) {
  const DateCase cases[] = {
      {2000, 1, 1, 2451544.5},  {1984, 2, 10, 2445740.5}, {2010, 6, 1, 2455348.5},
      {1585, 10, 15, 2300266.5}, {1586, 10, 15, 2300621.5}, {1500, 3, 1, 2268992.5},
      {1900, 1, 1, 2415020.5},  {1970, 1, 1, 2440587.5},  {1000, 1, 1, 2086307.5},
      {1, 1, 1, 1721423.5},     {2050, 12, 31, 2470171.5}, {1582, 10, 4, 2299159.5},
      {9999, 12, 31, 5373483.5},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(JulianDay0(c.year, c.month, c.day), c.julianDay0) << c.year << "-" << c.month << "-" << c.day;
}

// DaysInMonth counts in JulianDay0's reckoning: the day after a month's last
// day is the next month's first.
TEST(JulianDay0, ConsecutiveDaysStepByOneWithinEachReckoning) {
  for (const auto& range : {std::pair{1, 1585}, std::pair{1586, 2400}}) {
    double previous = JulianDay0(range.first, 1, 1) - 1;
    for (int y = range.first; y <= range.second; ++y) {
      for (int m = 1; m <= 12; ++m) {
        const int days = DaysInMonth(y, m);
        ASSERT_GE(days, 28) << y << "-" << m;
        for (int d = 1; d <= days; ++d) {
          const double jd = JulianDay0(y, m, d);
          ASSERT_DOUBLE_EQ(jd, previous + 1) << y << "-" << m << "-" << d;
          previous = jd;
        }
      }
    }
  }
}

struct MomentCase {
  int year, month, day, hour, minute;
  double zone, longitude;
  double localHours, solarLongitude, tolerance;
};

TEST(SolarLongitude, MatchesWorkedExamples) {
  const MomentCase cases[] = {
      {2000, 1, 1, 12, 0, 0, 0, 12.0, 280.3871, 0.0001},
      {1984, 2, 10, 10, 30, 8, 116, 10.2333, 320.473, 0.001},
      {1984, 2, 10, 10, 30, -5, -74, 10.5667, 321.036, 0.001},
      {2010, 6, 1, 12, 0, 0, 0, 12.0, 70.854, 0.001},
      {1984, 2, 4, 12, 0, 0, 0, 12.0, 314.80, 0.005},
  };
  for (const auto& c : cases) {
    const double local = LocalHours(c.hour, c.minute, c.zone, c.longitude);
    EXPECT_NEAR(local, c.localHours, 0.0001);
    const double sunMoment = JulianDay0(c.year, c.month, c.day) + local / 24 - c.zone / 24;
    EXPECT_NEAR(SolarLongitude(sunMoment), c.solarLongitude, c.tolerance) << c.year << "-" << c.month << "-" << c.day;
  }
}

TEST(SolarLongitude, StaysWithinOneTurnOverLongRanges) {
  for (double jd = JulianDay0(1, 1, 1); jd < JulianDay0(9999, 12, 31); jd += 7.37) {
    const double lambda = SolarLongitude(jd);
    ASSERT_GE(lambda, 0.0) << jd;
    ASSERT_LT(lambda, 360.0) << jd;
  }
}

TEST(LocalHours, CorrectionAppliesOnlyInsideTheOpenLongitudeRange) {
  struct Case {
    double longitude;
    double expected;
  };
  const Case cases[] = {
      {181, 10.5}, {-181, 10.5}, {500, 10.5}, {180.99, 10.5 + 180.99 / 15 - 8}, {0, 2.5}, {120, 10.5},
  };
  for (const auto& c : cases) EXPECT_NEAR(LocalHours(10, 30, 8, c.longitude), c.expected, 1e-12) << c.longitude;
}

// The engine reads ZoneOffset as ParseDecimal of its trimmed text.
TEST(ParseDecimal, ReadsDecimalTextAndRejectsAnythingElse) {
  const std::pair<const char*, double> good[] = {{"8", 8},     {"-5", -5},   {"5.5", 5.5}, {"0", 0},
                                                 {" 10.5 ", 10.5}, {"-3.5", -3.5}, {"+3", 3},  {"7.", 7},
                                                 {".5", 0.5},  {"-0", 0},    {"+08.0", 8}};
  for (const auto& [text, value] : good) {
    const auto parsed = ParseDecimal(TrimSpaces(text));
    ASSERT_TRUE(parsed.has_value()) << text;
    EXPECT_EQ(*parsed, value) << text;
    EXPECT_FALSE(*parsed == 0 && std::signbit(*parsed)) << text;  // "-0" is plain zero
  }
  for (const char* bad : {"", " ", "abc", "1e3", "5,5", "--5", "+-5", "-+5", ".", "-", "nan", "inf", "8h", "0x10",
                          "1.2.3", "5 5"})
    EXPECT_FALSE(ParseDecimal(TrimSpaces(bad)).has_value()) << bad;
}

// Whole turns found by a product give the turns a division gives, and an
// angle at or just off a whole turn lands in [0, 360).
TEST(ReduceDegrees, TakesOffTheTurnsADivisionFinds) {
  std::vector<double> angles = {0, 360, -360, 720, 36000, -0.0, 359.99999999999994, 360.00000000000006,
                                -1e-300, 1e-300, 180, -180, 280.46645 + 36000.76983};
  for (int turn = -120; turn <= 120; ++turn)
    for (const double off : {-1e-9, 0.0, 1e-9}) angles.push_back(360.0 * turn + off);
  for (int i = 0; i < 100000; ++i) angles.push_back(-40000 + 0.8000001 * i);
  for (const double angle : angles) {
    const double reduced = ReduceDegrees(angle);
    ASSERT_GE(reduced, 0) << angle;
    ASSERT_LT(reduced, 360) << angle;
    double byDivision = angle - 360 * std::floor(angle / 360);
    if (byDivision >= 360) byDivision -= 360;
    if (byDivision >= 0) {
      ASSERT_EQ(reduced, byDivision) << angle;
    }
  }
}

}  // namespace
}  // namespace tavrin
