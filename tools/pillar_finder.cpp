#include "tools/pillar_finder.h"

#include "astro/delta_t.h"
#include "birth/zone.h"
#include "place/zone_history.h"
#include "calendar/pillar_search.h"
#include "engine/number_text.h"
#include "tools/error_line.h"
#include "tools/field_checks.h"
#include "tools/json_writer.h"
#include "tools/place_lookup.h"

namespace tavrin::cast {
namespace {

std::optional<int> YearOf(std::optional<std::string_view> text, int otherwise) {
  if (!text) return otherwise;
  const std::optional<int> year = ParseDigits(*text, 4);
  if (!year || *year < astro::kFirstPreciseYear || *year > astro::kLastPreciseYear) return std::nullopt;
  return year;
}

}  // namespace

ExitStatus FindPillars(const CommandLine& line, std::ostream& out, std::ostream& err) {
  const auto parsed = calendar::ParsePillars(line.pillarsText);
  if (const auto* reason = std::get_if<std::string>(&parsed)) {
    WriteErrorLine(err, "--find-pillars: " + *reason);
    return kBadInput;
  }
  const std::string option = "--find-pillars " + std::string(line.pillarsText);
  const auto& query = std::get<calendar::PillarQuery>(parsed);
  const DayStarts dayStarts = line.dayStarts.value_or(DayStarts::midnight);
  if (const std::string problem = calendar::ProblemWithPillars(query, dayStarts); !problem.empty()) {
    WriteErrorLine(err, option + ": " + problem);
    return kBadInput;
  }
  std::optional<place::ZoneHistory> named;
  std::optional<double> zone;
  const std::string_view zoneText = line.birth.zone.empty() ? "8" : line.birth.zone;
  if (line.timeZone) {
    named = ZoneOfTzOption(*line.timeZone, err);
    if (!named) return kBadInput;
  } else {
    zone = ParseDecimal(zoneText);
    if (!zone || *zone < -kWidestZoneHours || *zone > kWidestZoneHours) {
      WriteErrorLine(err, "--zone " + std::string(zoneText) + ": expected hours east of Greenwich, -14 to 14");
      return kBadInput;
    }
  }
  const std::optional<int> from = YearOf(line.fromYear, astro::kFirstPreciseYear);
  const std::optional<int> to = YearOf(line.toYear, astro::kLastPreciseYear);
  if (!from || !to || *from > *to) {
    WriteErrorLine(err, "--from and --to: expected years from 1600 to 2199, the first not after the last");
    return kBadInput;
  }
  const std::vector<calendar::ClockSpan> spans = named ? calendar::FindSpans(query, *named, dayStarts, *from, *to)
                                                       : calendar::FindSpans(query, *zone, dayStarts, *from, *to);
  if (line.format == OutputFormat::json) {
    JsonWriter json;
    for (const calendar::ClockSpan& span : spans) {
      json.Clear();
      json.BeginObject();
      json.PlainStringMember("from", calendar::IsoClockTime(span.first));
      json.PlainStringMember("to", calendar::IsoClockTime(span.last));
      // A named zone's clocks change; the offset tells a clock time shown twice.
      if (named) json.PlainStringMember("offset", OffsetText(span.offsetSeconds));
      json.EndObject();
      out << json.Text() << '\n';
    }
    return kDone;
  }
  out << spans.size() << (spans.size() == 1 ? " span" : " spans") << " of clock time in ";
  if (named)
    out << named->Name();
  else
    out << "UTC" << (zoneText.starts_with('-') ? "" : "+") << zoneText;
  out << ", " << *from << " to " << *to << ", with these pillars by the precise method (the day starting at "
      << (dayStarts == DayStarts::at23 ? "23:00" : "midnight")
      << (dayStarts == DayStarts::midnightOwnRat ? ", 23:00 keeping its own Rat stem" : "") << "):\n";
  for (const calendar::ClockSpan& span : spans) {
    out << calendar::IsoClockTime(span.first) << " to " << calendar::IsoClockTime(span.last);
    if (named) out << ", " << UtcOffsetText(span.offsetSeconds);
    out << '\n';
  }
  return kDone;
}

}  // namespace tavrin::cast
