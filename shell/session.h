#pragma once

#include <string>

#include "birth/entered_birth.h"

namespace tavrin {

class MainForm;

// One person as the entry form's analysis leaves them: the birth as entered,
// with the chosen birth place's full name for the chart details ("" when
// none was chosen).
struct AnalysedBirth {
  EnteredBirth birth;
  std::string placeTitle;
};

// The program's swaps between its two main windows, so that neither knows
// the other.
// After an analysis: stores `analysed` as the shared birth details, casts its
// chart, shows the chart window (even when the cast stopped early: it then
// shows what was written before the stop) with a birth near a boundary told
// over it, and closes `entryForm` without ending the program.
void ShowChartInPlaceOf(MainForm& entryForm, const AnalysedBirth& analysed);
// Back: shows a freshly loaded entry form and closes `chartWindow`.
void ShowEntryFormInPlaceOf(MainForm& chartWindow);

}  // namespace tavrin
