#include "entry/time_zone_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace tavrin {
namespace {

std::string Folded(std::string_view text) {
  std::string folded(text);
  std::transform(folded.begin(), folded.end(), folded.begin(), [](unsigned char c) { return std::tolower(c); });
  return folded;
}

TEST(TimeZoneCatalogue, ListsEveryZoneInCaseBlindOrder) {
  for (std::size_t i = 1; i < TimeZoneCatalogue.size(); ++i) {
    EXPECT_LE(Folded(TimeZoneCatalogue[i - 1].text), Folded(TimeZoneCatalogue[i].text)) << i;
  }
}

TEST(TimeZoneCatalogue, MinutesAreWholeHalfHoursSignedLikeTheHours) {
  for (const TimeZoneRow& row : TimeZoneCatalogue) {
    SCOPED_TRACE(row.text);
    EXPECT_TRUE(row.minutes == 0 || row.minutes == 30 || row.minutes == -30);
    if (row.minutes != 0) {
      EXPECT_EQ(row.minutes > 0, row.hours > 0);
    }
    EXPECT_GE(row.hours, -13);
    EXPECT_LE(row.hours, 12);
  }
}

}  // namespace
}  // namespace tavrin
