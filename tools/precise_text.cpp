#include "tools/precise_text.h"

#include <cstdio>

#include "astro/civil_time.h"
#include "engine/number_text.h"
#include "engine/vocabulary.h"

namespace tavrin::cast {
namespace {

std::string Formatted(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string JieLine(std::string_view which, const astro::JieInstant& jie) {
  return std::string(which) + " Jie: " + std::string(MonthSectorTable[jie.sector].jie) + " (" +
         GeneralNumber(jie.longitude) + " degrees) at " + astro::IsoInstant(jie.ut);
}

std::string Count(int number, std::string_view unit) {
  return std::to_string(number) + " " + std::string(unit) + (number == 1 ? "" : "s");
}

}  // namespace

std::vector<std::string> PreciseLines(const Chart& chart) {
  const PreciseChart& precise = chart.precise;
  std::vector<std::string> lines;
  lines.push_back("Precise method: born at " + astro::IsoInstant(precise.ut) + ", delta T " +
                  Formatted("%.1f", precise.deltaTSeconds) + " s");
  if (precise.options.solarTime == SolarTime::trueSun)
    lines.push_back("True solar time: the equation of time is " +
                    Formatted("%+.1f", precise.equationOfTimeMinutes) + " minutes");
  if (precise.options.dayStarts == DayStarts::at23) lines.push_back("The day starts at 23:00");
  if (precise.options.dayStarts == DayStarts::midnightOwnRat)
    lines.push_back("The late Rat hour keeps its own day's stem");
  lines.push_back(JieLine("Previous", precise.previousJie));
  lines.push_back(JieLine("Next", precise.nextJie));
  const LuckStart& start = precise.luckStart;
  lines.push_back("Luck starts at the age of " + Count(start.years, "year") + ", " + Count(start.months, "month") +
                  " and " + Count(start.days, "day") + ", on " +
                  astro::IsoDate({start.year, start.month, start.day}));
  for (const std::string& warning : precise.warnings) lines.push_back("Warning: " + warning);
  return lines;
}

}  // namespace tavrin::cast
