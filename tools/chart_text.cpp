#include "tools/chart_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "calendar/lunar_calendar.h"
#include "engine/birth_moment.h"
#include "engine/chart_texts.h"
#include "engine/number_text.h"
#include "engine/vocabulary.h"
#include "place/place_search.h"
#include "tools/analysis_text.h"
#include "tools/precise_text.h"
#include "tools/printable_text.h"

namespace tavrin::cast {
namespace {

constexpr std::size_t kLineWidth = 78;
constexpr std::size_t kLabelWidth = 14;
constexpr std::size_t kColumnWidth = 16;  // the longest label, "+Metal [Geng]", is 13

void AppendPadded(std::string& out, std::string_view text, std::size_t width) {
  out += text;
  if (text.size() < width) out.append(width - text.size(), ' ');
}

void EndLine(std::string& out) {
  while (!out.empty() && out.back() == ' ') out.pop_back();
  out += '\n';
}

void AppendFormatted(std::string& out, const char* format, double value) {
  char buffer[64];
  const int length = std::snprintf(buffer, sizeof buffer, format, value);
  out.append(buffer, static_cast<std::size_t>(length));
}

// One line of text, broken at spaces so that no line passes kLineWidth
// (a single longer word stays whole).
void AppendWrapped(std::string& out, std::string_view line) {
  while (line.size() > kLineWidth) {
    std::size_t cut = line.rfind(' ', kLineWidth);
    if (cut == line.npos || cut == 0) cut = line.find(' ', kLineWidth);
    if (cut == line.npos) break;
    out += line.substr(0, cut);
    out += '\n';
    line.remove_prefix(cut + 1);
  }
  out += line;
  out += '\n';
}

void AppendBirth(std::string& out, const BirthDetails& birth) {
  std::string line;
  AppendPrintable(line, birth.Name);
  AppendWrapped(out, line);
  line = "Born " + std::to_string(birth.BirthDay) + ' ' + birth.MonthName + ' ' + std::to_string(birth.BirthYear);
  if (birth.BirthYear <= kLastJulianCalendarYear) line += " (Julian calendar)";
  char clock[32];
  std::snprintf(clock, sizeof clock, " at %02d:%02d:%02d, UTC", birth.BirthHour, birth.BirthMinute, birth.BirthSecond);
  line += clock;
  if (!birth.ZoneOffset.starts_with('-')) line += '+';
  line += birth.ZoneOffset + ", " + birth.GenderText;
  AppendWrapped(out, line);
}

// The birth's day in the lunar calendar, where it covers that day.
void AppendLunarDate(std::string& out, const BirthDetails& birth) {
  const std::optional<calendar::LunarDate> date =
      calendar::LunarDateOf(birth.BirthYear, birth.BirthMonth, birth.BirthDay);
  if (date)
    AppendWrapped(out, "Lunar date " + calendar::LunarDateHanzi(*date) + " (" + calendar::LunarDateWords(*date) + ")");
}

void AppendWhere(std::string& out, const BirthWhere& where) {
  if (where.place) {
    std::string line = "Place ";
    AppendPrintable(line, place::PlaceTitle(*where.place));
    line += ", " + GeneralNumber(std::abs(where.place->latitude)) + (where.place->latitude < 0 ? " S " : " N ") +
            GeneralNumber(std::abs(where.place->longitude)) + (where.place->longitude < 0 ? " W" : " E");
    AppendWrapped(out, line);
  }
  if (where.zone) {
    std::string line = "Time zone ";
    AppendPrintable(line, where.zone->name);
    line += ", " + place::DescribeOffset(where.zone->offset);
    AppendWrapped(out, line);
  }
}

// Where the chart's day and hour come from: the clock time moved to the birth
// place's meridian, and where the Sun stood.
void AppendSolarTime(std::string& out, const BirthDetails& birth, const Chart& chart) {
  const long long minutes = std::llround(chart.localHours * 60);
  const long long ofDay = ((minutes % 1440) + 1440) % 1440;
  char clock[32];
  std::snprintf(clock, sizeof clock, "%02lld:%02lld", ofDay / 60, ofDay % 60);
  std::string line = "Longitude " + GeneralNumber(std::abs(birth.Longitude)) + (birth.Longitude < 0 ? " W" : " E") +
                     (chart.isPrecise && chart.precise.options.solarTime == SolarTime::trueSun
                          ? ", true solar time "
                          : ", local mean solar time ") +
                     clock;
  if (chart.localHours < 0) line += " of the day before";
  if (chart.localHours >= 24) line += " of the day after";
  AppendWrapped(out, line);
  // The precise Sun is cut, not rounded, so that it never reads as a Jie's longitude before the Jie.
  AppendFormatted(out, "Sun at %.2f degrees of ecliptic longitude\n",
                  chart.isPrecise ? Int(100 * chart.solarLongitude) / 100 : chart.solarLongitude);
  if (chart.isPrecise)
    for (const std::string& precise : PreciseLines(chart)) AppendWrapped(out, precise);
}

void AppendPillars(std::string& out, const Chart& chart) {
  const PillarCells cells = PillarCellsOf(chart);
  static constexpr std::string_view kColumns[4] = {"Year", "Month", "Day", "Hour"};
  static constexpr std::string_view kRows[5] = {"Stem", "Branch", "Hidden stems", "", ""};
  out.append(kLabelWidth, ' ');
  for (auto column : kColumns) AppendPadded(out, column, kColumnWidth);
  EndLine(out);
  for (int row = 0; row < 5; ++row) {
    bool any = false;
    for (int block = 0; block < 4; ++block) any = any || !cells[block * 5 + row].empty();
    if (!any) continue;
    AppendPadded(out, kRows[row], kLabelWidth);
    for (int block = 0; block < 4; ++block) AppendPadded(out, cells[block * 5 + row], kColumnWidth);
    EndLine(out);
  }
}

// The captions hold the periods last first: period i (0 = first) is at 7 - i.
void AppendLuck(std::string& out, const Chart& chart) {
  const LuckCaptions captions = LuckCaptionsOf(chart);
  out += chart.luckDirection > 0 ? "Luck periods, forward\n" : "Luck periods, backward\n";
  out += "  From age  Stem            Branch\n";
  for (int i = 0; i < 8; ++i) {
    out += "  ";
    AppendPadded(out, captions[7 - i], 10);
    AppendPadded(out, captions[15 - i], kColumnWidth);
    out += captions[23 - i];
    out += '\n';
  }
}

// The box text with its CR LF breaks as plain lines; its trailing empty lines dropped.
void AppendInterpretationBox(std::string& out, std::string_view heading, std::string_view box) {
  out += heading;
  out += '\n';
  out.append(heading.size(), '-');
  out += '\n';
  while (box.ends_with("\r\n")) box.remove_suffix(2);
  while (!box.empty()) {
    const std::size_t end = std::min(box.find("\r\n"), box.size());
    AppendWrapped(out, box.substr(0, end));
    box.remove_prefix(std::min(end + 2, box.size()));
  }
}

}  // namespace

void AppendChartText(std::string& out, const BirthDetails& birth, const Chart& chart,
                     const analysis::ChartAnalysis& chartAnalysis, const BirthWhere& where) {
  AppendBirth(out, birth);
  AppendLunarDate(out, birth);
  AppendWhere(out, where);
  AppendSolarTime(out, birth, chart);
  out += '\n';
  AppendPillars(out, chart);
  out += '\n';
  AppendAnalysisText(out, chartAnalysis);
  out += '\n';
  AppendLuck(out, chart);
  for (int block = 0; block < 4; ++block) {
    out += '\n';
    AppendInterpretationBox(out, PillarHeadings[block], InterpretationOf(chart.pillars[block], static_cast<PillarBlock>(block)));
  }
}

}  // namespace tavrin::cast
