#include "birth/zone.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/arithmetic.h"
#include "engine/number_text.h"

namespace tavrin {

double ZoneHoursEast(int hoursWest, int minutesWest) {
  const double east = -(hoursWest + minutesWest / 60.0);
  return east == 0 ? 0.0 : east;  // no "-0"
}

std::string ZoneOffsetText(double hoursEast) { return DecimalText(hoursEast); }

double ZoneMeridian(double hoursEast) { return kDegreesPerHour * hoursEast; }

std::string OffsetText(int secondsEast) {
  if (secondsEast == 0) return "0";
  const int whole = std::abs(secondsEast);
  std::string text = (secondsEast < 0 ? "-" : "+") + std::to_string(whole / 3600);
  char part[8];
  if (whole % 3600 != 0) text.append(part, std::snprintf(part, sizeof part, ":%02d", whole / 60 % 60));
  if (whole % 60 != 0) text.append(part, std::snprintf(part, sizeof part, ":%02d", whole % 60));
  return text;
}

std::string UtcOffsetText(int secondsEast) { return secondsEast == 0 ? "UTC" : "UTC" + OffsetText(secondsEast); }

ZoneCaptions ZoneCaptionsFor(double hoursEast) {
  const long long minutesWest = std::llround(-hoursEast * 60);
  return {std::to_string(minutesWest / 60), std::to_string(minutesWest % 60)};
}

}  // namespace tavrin
