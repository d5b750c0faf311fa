#include "entry/time_zone_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

namespace tavrin {
namespace {

struct RowCase {
  int position;
  std::string_view text;
  int hours;
  int minutes;
};

// Rows whose text would mislead a parser, and repeated names and abbreviations.
const RowCase kRows[] = {
    {0, "Alaska/Hawaii Daylight Time,AHDT,9.0", 9, 0},
    {5, "Australian Central Daylight Time,ACDT,-10.30", -10, -30},
    {11, "Azores Time, AT, 2#", 2, 0},
    {12, "Baghdad Time, BAT, -3#", -3, 0},
    {29, "Greenwich Mean Time,GMT,0.0", 0, 0},
    {32, "Hawaiian Standard Time,HST,10.30", 10, 30},
    {34, "Indian Time, IST, -5.3", -5, -30},
    {50, "Newfoundland Standard Time,NST,3.30", 3, 30},
    {51, "Nome Time, NT, 11#", 11, 0},
    {52, "North Sumatra Time,NST,-6.30", -6, -30},
    {56, "South Australia Daylight Time,SAD,-10.30", -10, -30},
    {57, "South Australia Daylight Time,SDT,-10.30", -10, -30},
    {58, "South Australia Standard Time,SAST,-9.30", -9, -30},
    {59, "South Australia Standard Time,SAT,-9.30", -9, -30},
    {61, "Universal Time, UT, 0#", 0, 0},
    {62, "USSR Zone 10,UZ10,-11.0", -11, 0},
    {63, "USSR Zone 3,USZ3,-4.0", -4, 0},
    {70, "Yukon War Time,YWT,8.0", 8, 0},
};

TEST(TimeZoneCatalogue, RowsKeepTheirTextAndValuesByPosition) {
  for (const RowCase& c : kRows) {
    SCOPED_TRACE(c.position);
    const TimeZoneRow& row = TimeZoneCatalogue.at(c.position);
    EXPECT_EQ(row.text, c.text);
    EXPECT_EQ(row.hours, c.hours);
    EXPECT_EQ(row.minutes, c.minutes);
  }
}

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
