#include "birth/zone.h"

#include <cmath>

#include "engine/number_text.h"

namespace tavrin {

double ZoneHoursEast(int hoursWest, int minutesWest) {
  const double east = -(hoursWest + minutesWest / 60.0);
  return east == 0 ? 0.0 : east;  // no "-0"
}

std::string ZoneOffsetText(double hoursEast) { return DecimalText(hoursEast); }

double ZoneMeridian(double hoursEast) { return 15 * hoursEast; }

ZoneCaptions ZoneCaptionsFor(double hoursEast) {
  const long long minutesWest = std::llround(-hoursEast * 60);
  return {std::to_string(minutesWest / 60), std::to_string(minutesWest % 60)};
}

}  // namespace tavrin
