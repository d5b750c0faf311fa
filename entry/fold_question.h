#pragma once

#include <optional>

#include "place/zone_history.h"

class QWidget;

namespace tavrin {

// Asks which of the two moments a clock time names when the clocks went back
// over it: a question box with "Earlier" and "Later" buttons, each naming its
// offset, and Cancel. Gives the answer, or nothing when the user cancelled.
std::optional<place::Fold> AskWhichFold(QWidget& parent, const place::ZoneTimeProblem& problem);

}  // namespace tavrin
