#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "analysis/chart_analysis.h"
#include "engine/cast_options.h"
#include "tools/birth_fields.h"
#include "tools/field_selection.h"

namespace tavrin::cast {

enum class Action { castOne, castBatch, openReading, showHelp, showVersion, listPlaces, findPillars };
enum class OutputFormat { text, json, csv };

// What the caster was asked to do. The texts are views into the arguments.
struct CommandLine {
  Action action = Action::castOne;
  BirthFields birth;
  OutputFormat format = OutputFormat::text;
  FieldSelection fields;  // of the format's fields
  unsigned jobs = 0;      // threads casting a batch; 0 for one per core
  std::string_view batchPath;  // "-" reads standard input
  std::string_view readingPath;
  std::optional<std::string_view> savePath;
  std::optional<std::string_view> today;  // the date "current" refers to
  // How to cast, as far as given; with --open they take the place of the file's choices.
  std::optional<Method> method;
  std::optional<SolarTime> solarTime;
  std::optional<DayStarts> dayStarts;
  int monthsYear = 0;  // --months: the year whose month pillars are written, 0 for none
  int daysYear = 0;    // --days: the month whose day pillars are written, 0 for none
  int daysMonth = 0;
  analysis::ReadingChoices reading;  // the school choices of the reading

  // `base` with the choices given here in place of its own.
  CastOptions OptionsOver(CastOptions base) const;
  std::optional<std::string_view> place;  // the birth place, as typed for the place search
  std::optional<std::string_view> timeZone;  // an IANA zone name
  std::optional<std::string_view> fold;      // "earlier" or "later"
  std::string_view placesQuery;              // what --places lists
  std::string_view pillarsText;              // what --find-pillars looks for
  std::optional<std::string_view> fromYear, toYear;  // the years it looks in
};

// The fields of JSON or CSV output.
inline FieldFormat FieldFormatOf(OutputFormat format) {
  return format == OutputFormat::json ? FieldFormat::json : FieldFormat::csv;
}

struct UsageError {
  std::string message;
};

// Reads the arguments after the program name. Options take their value as the
// next argument or after "=" (--zone=-5). --help and --version win at once.
std::variant<CommandLine, UsageError> ParseCommandLine(std::span<const std::string> args);

std::string HelpText();

}  // namespace tavrin::cast
