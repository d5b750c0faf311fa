#pragma once

#include <optional>
#include <string>

#include "reading/reading.h"

class frmMain;

namespace tavrin {

// Puts a saved reading back into the entry form, in the order name, year,
// month, day, hour, minute, second, gender, then the zone and the longitude:
//  - the name slot becomes the name as it is, an empty one included;
//  - a list takes the entry whose text equals its slot and otherwise keeps
//    its entry; the minute list takes the minute the slot holds, if any;
//  - Male is chosen exactly for "Male", Female for anything else;
//  - a valid zone offset goes into the zone captions, so the chart is cast
//    with the zone it was saved with, to the second; otherwise the captions stay;
//  - a tenth line with a valid longitude goes into the longitude field and an
//    invalid one leaves it; a reading without a tenth line, or with an empty
//    one before its choices, was saved with the zone's meridian, so the field
//    is emptied;
//  - the casting choices saved after the tenth line are chosen, and a file
//    without them is cast the classic way.
void RestoreReading(const Reading& reading, frmMain& form);

// Why the entry form cannot take `reading` as it was saved, in the caster's
// words, or nothing:
//  - casting choices that are unknown or do not go together;
//  - a name line that does not decode;
//  - in a reading saved with choices, a year the method's list lacks (a
//    reading of the birth details alone keeps the list's entry instead).
std::optional<std::string> WhyNotRestored(const Reading& reading);

}  // namespace tavrin
