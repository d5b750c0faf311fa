#include "tools/caster.h"
#include "tools/pillar_finder.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <optional>

#include "build_settings.h"
#include "engine/chart.h"
#include "reading/cast_choices.h"
#include "tools/batch.h"
#include "tools/cast_needs.h"
#include "tools/birth_fields.h"
#include "tools/chart_csv.h"
#include "tools/chart_json.h"
#include "tools/chart_text.h"
#include "tools/place_lookup.h"
#include "tools/printable_text.h"
#include "place/place_choices.h"
#include "place/search_fold.h"
#include "tools/command_line.h"
#include "tools/error_line.h"
#include "tools/reading_access.h"
#include "tools/today_option.h"

namespace tavrin::cast {
namespace {

constexpr std::string_view kPlaceCredits =
    "Places: GeoNames (www.geonames.org), licensed under CC-BY 4.0, from Debian's libtimezonemap-data.\n";

// Casts `birth`, saves it when asked and writes the chart; nothing reaches
// `out` when the cast or the save fails.
ExitStatus CastAndShow(const CommandLine& line, const analysis::Today& today, const EnteredBirth& birth,
                       std::ostream& out, std::ostream& err) {
  const Birth cast = BirthOf(birth);
  Chart chart;
  analysis::ChartAnalysis chartAnalysis;
  const CastError error = CastAsNeeded(cast, birth.options, NeedsOf(line), today, line.reading, chart, chartAnalysis);
  if (error != CastError::none) {
    WriteErrorLine(err, DescribeCastError(error));
    return kBadInput;
  }
  if (line.monthsYear != 0) analysis::ReadMonths(line.monthsYear, cast, chartAnalysis);
  if (line.daysYear != 0) analysis::ReadDays(line.daysYear, line.daysMonth, chartAnalysis);
  if (line.savePath) {
    if (auto reason = SaveReading(*line.savePath, birth)) {
      WriteErrorLine(err, "--save " + std::string(*line.savePath) + ": " + *reason);
      return kBadInput;
    }
  }
  const BirthDetails details = DetailsOf(birth);
  const BirthWhere where = WhereOf(birth);
  if (line.format == OutputFormat::json) {
    JsonWriter json;
    WriteChartJson(json, details, chart, chartAnalysis, line.fields, where);
    json.LineBreak();
    out << json.Text();
  } else if (line.format == OutputFormat::csv) {
    CsvText csv;
    AppendCsvHeader(csv, line.fields, CsvFrame::oneChart);
    AppendChartCsv(csv, details, chart, chartAnalysis, line.fields, where);
    out << csv.Text();
  } else {
    std::string text;
    AppendChartText(text, details, chart, chartAnalysis, where);
    out << text;
  }
  return kDone;
}

// The birth fields with what --place, --tz and --fold add; nothing when one of them is wrong.
std::optional<BirthFields> PlaceFields(const CommandLine& line, std::ostream& err) {
  BirthFields fields = line.birth;
  if (line.fold) fields.fold = *line.fold == "earlier" ? place::Fold::earlier : place::Fold::later;
  if (line.place) {
    auto chosen = ChoosePlace(*line.place);
    if (const auto* refusal = std::get_if<PlaceRefusal>(&chosen)) {
      WriteErrorLine(err, "--place " + std::string(*line.place) + ": " + refusal->reason);
      for (const std::string& candidate : refusal->candidates) {
        std::string shown;
        AppendPrintable(shown, candidate);
        err << "  " << shown << '\n';
      }
      return std::nullopt;
    }
    fields.place = std::get<const place::Place*>(chosen);
    if (fields.zone.empty()) {
      fields.zoneField = "place";
      fields.zoneFieldValue = *line.place;
    }
  }
  if (line.timeZone) {
    const std::optional<place::ZoneHistory> zone = ZoneOfTzOption(*line.timeZone, err);
    if (!zone) return std::nullopt;
    fields.zone = zone->Name();
    fields.zoneField = "tz";
    fields.zoneFieldValue = {};
  }
  return fields;
}

ExitStatus CastOne(const CommandLine& line, const analysis::Today& today, std::ostream& out, std::ostream& err) {
  const std::optional<BirthFields> fields = PlaceFields(line, err);
  if (!fields) return kBadInput;
  EnteredBirth birth;
  if (auto error = BirthFromFields(*fields, birth)) {
    std::string message = DescribeFieldError(*error, "--");
    if (error->reason.ends_with(place::kSayWhich)) message += " (--fold earlier or --fold later)";
    WriteErrorLine(err, message);
    return kBadInput;
  }
  // What a --save keeps of the place: the zone named instead of the place's,
  // or the offset given instead of any zone's, and the fold asked for.
  place::PlaceChoices& choices = birth.placeChoices;
  if (fields->place) {
    choices.placeId = fields->place->id;
    choices.placeName = fields->place->asciiName;
  }
  if (line.timeZone) choices.timeZone = std::string(fields->zone);
  if (fields->place && !line.birth.zone.empty()) choices.timeZone = std::string(place::kSavedOffsetStands);
  birth.options = line.OptionsOver({});
  return CastAndShow(line, today, birth, out, err);
}

ExitStatus ListPlacesOf(const CommandLine& line, std::ostream& out, std::ostream& err) {
  const auto listed = ListPlaces(line.placesQuery);
  if (listed.index() == 1) {
    WriteErrorLine(err, "--places " + std::string(line.placesQuery) + ": " + std::get<1>(listed));
    return kBadInput;
  }
  out << std::get<0>(listed);
  return kDone;
}

ExitStatus CastReading(const CommandLine& line, const analysis::Today& today, std::ostream& out, std::ostream& err) {
  EnteredBirth birth;
  if (auto reason = OpenReading(line.readingPath, birth)) {
    WriteErrorLine(err, "--open " + std::string(line.readingPath) + ": " + *reason);
    return kBadInput;
  }
  birth.options = line.OptionsOver(birth.options);
  if (const std::string problem = ProblemWith(birth.options); !problem.empty()) {
    WriteErrorLine(err, "--open " + std::string(line.readingPath) + " with these options: " + problem);
    return kBadInput;
  }
  return CastAndShow(line, today, birth, out, err);
}

ExitStatus CastBatchFrom(const CommandLine& line, const analysis::Today& today, std::istream& in, std::ostream& out,
                         std::ostream& err) {
  if (line.batchPath == "-") return CastBatch(in, line, today, out, err);
  const std::filesystem::path path(line.batchPath);
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) {
    WriteErrorLine(err, "cannot read the batch " + std::string(line.batchPath) + ": it is a directory");
    return kBadInput;
  }
  std::ifstream file(path);
  if (!file) {
    WriteErrorLine(err, "cannot read the batch " + std::string(line.batchPath) + ": " + std::strerror(errno));
    return kBadInput;
  }
  return CastBatch(file, line, today, out, err);
}

ExitStatus Run(const CommandLine& line, std::istream& in, std::ostream& out, std::ostream& err) {
  if (line.action == Action::showHelp) {
    out << HelpText();
    return kDone;
  }
  if (line.action == Action::showVersion) {
    out << "tavrin-cast " << kVersionText << '\n' << kPlaceCredits;
    const std::string zones = place::ZoneDatabaseVersion();
    out << "Time zones: the IANA tz database" << (zones.empty() ? "" : " " + zones) << ", from Debian's tzdata.\n";
    const std::string icu = place::SearchFoldVersion();
    out << "Place search: folded by ICU " << icu << ", from Debian's libicu" << icu.substr(0, icu.find('.')) << ".\n";
    return kDone;
  }
  if (line.action == Action::listPlaces) return ListPlacesOf(line, out, err);
  if (line.action == Action::findPillars) return FindPillars(line, out, err);
  const auto today = ResolveToday(line.today);
  if (const auto* problem = std::get_if<std::string>(&today)) {
    WriteErrorLine(err, *problem);
    return kBadInput;
  }
  const auto& date = std::get<analysis::Today>(today);
  switch (line.action) {
    case Action::castOne: return CastOne(line, date, out, err);
    case Action::castBatch: return CastBatchFrom(line, date, in, out, err);
    case Action::openReading: return CastReading(line, date, out, err);
    default: return kBadInput;  // help and version are answered above
  }
}

}  // namespace

ExitStatus RunCaster(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err) {
  const auto parsed = ParseCommandLine(args);
  if (const auto* usage = std::get_if<UsageError>(&parsed)) {
    WriteErrorLine(err, usage->message);
    err << "Try 'tavrin-cast --help' for more information.\n";
    return kBadInput;
  }
  const ExitStatus status = Run(std::get<CommandLine>(parsed), in, out, err);
  if (!out.flush()) {
    WriteErrorLine(err, "the output could not be written");
    return kBadInput;
  }
  return status;
}

}  // namespace tavrin::cast
