#pragma once

#include <optional>

#include "calendar/lunar_calendar.h"
#include "reading/reading.h"

namespace tavrin {

// A birth entered as a lunar date keeps it as the choice line
// "lunarDate=1988-05-17" ("lunarDate=2033-11-15 leap" in a leap month), so
// that it opens again as entered; the date lines hold its Gregorian day.
void SetLunarEntry(Reading& reading, const calendar::LunarDate& date);

// The lunar date a reading was entered as: none when the file has no such
// line, or when the line is not a lunar date of the Gregorian day the date
// lines hold (a file edited since), for the date lines are the birth.
std::optional<calendar::LunarDate> LunarEntryOf(const Reading& reading, int year, int month, int day);

// "1988-05-17", "2033-11-15 leap".
std::string LunarEntryText(const calendar::LunarDate& date);

}  // namespace tavrin
