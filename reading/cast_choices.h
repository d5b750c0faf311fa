#pragma once

#include <string>
#include <variant>

#include "engine/cast_options.h"
#include "reading/reading.h"

namespace tavrin {

// The reading file's choice lines for how a chart is cast: "method=precise",
// "solarTime=true" and "dayStarts=23", each written only when it differs from
// the default, so a reading cast the classic way is saved as it always was.
void SetCastChoices(Reading& reading, const CastOptions& options);

// The options a reading was saved with (the defaults for a file without
// choices), or what is wrong with them: a choice of any kind given twice, an
// unknown value, or solar time or the day's start chosen without the precise method.
std::variant<CastOptions, std::string> CastChoicesOf(const Reading& reading);

// What is wrong with `options`, or "" when nothing is.
std::string ProblemWith(const CastOptions& options);

}  // namespace tavrin
