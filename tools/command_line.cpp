#include "tools/command_line.h"

#include <array>
#include <bitset>
#include <algorithm>
#include <charconv>
#include <tuple>

#include "reading/cast_choices.h"

namespace tavrin::cast {
namespace {

// How an option relates to the others: the birth options describe one chart
// (and cannot be mixed with a batch or a reading file, which give the births);
// the required ones must all be there. A one-chart option cannot go with a batch.
enum class Group { requiredBirth, optionalBirth, oneChart, mode };

// Option values that are read only once every argument is known.
struct LaterValues {
  std::string_view format;
  std::string_view fields;
  std::string_view jobs;
  std::string_view method;
  std::string_view solarTime;
  std::string_view dayStarts;
  std::string_view months;
  std::string_view days;
  std::string_view noble;
  std::string_view horseGoat;
  std::string_view calendar;
};

// The words of the reading's school choices, default first.
constexpr std::array<std::string_view, 2> kNobleWords = {"day", "year"};
constexpr std::array<std::string_view, 2> kHorseGoatWords = {"earth", "fire"};

struct OptionSpec {
  std::string_view name;
  std::string_view valueName;  // empty for an option without a value
  Group group;
  std::string_view help;
  void (*apply)(CommandLine&, LaterValues&, std::string_view value);
};

constexpr std::array<OptionSpec, 32> kOptions = {{
    {"--name", "NAME", Group::requiredBirth, "the person's name",
     [](CommandLine& c, LaterValues&, std::string_view v) { c.birth.name = v; }},
    {"--date", "YYYY-MM-DD", Group::requiredBirth,
     "date of birth, years 1 to 9999 (Julian calendar up to 1585)",
     [](CommandLine& c, LaterValues&, std::string_view v) { c.birth.date = v; }},
    {"--time", "HH:MM[:SS]", Group::requiredBirth, "clock time of birth, 24-hour clock",
     [](CommandLine& c, LaterValues&, std::string_view v) { c.birth.time = v; }},
    {"--zone", "HOURS_EAST", Group::requiredBirth,
     "the birth place's standard time, hours east of Greenwich, -14 to 14",
     [](CommandLine& c, LaterValues&, std::string_view v) { c.birth.zone = v; }},
    {"--gender", "male|female", Group::requiredBirth, "gender; it sets the direction of the luck periods",
     [](CommandLine& c, LaterValues&, std::string_view v) { c.birth.gender = v; }},
    {"--longitude", "DEGREES_EAST", Group::optionalBirth,
     "birth-place longitude, -180 to 180; the zone's meridian when left out",
     [](CommandLine& c, LaterValues&, std::string_view v) { c.birth.longitude = v; }},
    {"--calendar", "gregorian|lunar", Group::optionalBirth,
     "the calendar of --date: gregorian (default) or the Chinese lunar calendar,\n"
     "      lunar years 1600 to 2199 (YYYY-MM-DD is the lunar year, month and day)",
     [](CommandLine&, LaterValues& later, std::string_view v) { later.calendar = v; }},
    {"--leap-month", "", Group::optionalBirth, "the lunar date is in the leap month of that number",
     [](CommandLine& c, LaterValues&, std::string_view) { c.birth.calendar = "lunar-leap"; }},
    {"--save", "FILE.baz", Group::oneChart,
     "also save the birth as a reading file; a failed save leaves no part of it",
     [](CommandLine& c, LaterValues&, std::string_view v) { c.savePath = v; }},
    {"--open", "FILE.baz", Group::mode,
     "cast the birth saved in a reading file, with its zone and longitude",
     [](CommandLine& c, LaterValues&, std::string_view v) {
       c.action = Action::openReading;
       c.readingPath = v;
     }},
    {"--batch", "FILE", Group::mode,
     "cast every row of a CSV file (- reads standard input)",
     [](CommandLine& c, LaterValues&, std::string_view v) {
       c.action = Action::castBatch;
       c.batchPath = v;
     }},
    {"--today", "YYYY-MM-DD", Group::mode,
     "the date that marks the current luck period and year; today when left out",
     [](CommandLine& c, LaterValues&, std::string_view v) { c.today = v; }},
    {"--months", "YEAR", Group::oneChart,
     "also the twelve month pillars of YEAR (1600 to 2199) from its Spring\n"
     "      Beginning, each with its Jie's local start in the birth's zone",
     [](CommandLine&, LaterValues& later, std::string_view v) { later.months = v; }},
    {"--days", "YYYY-MM", Group::oneChart, "also the day pillars of that month, today's marked",
     [](CommandLine&, LaterValues& later, std::string_view v) { later.days = v; }},
    {"--noble", "day|year", Group::oneChart,
     "the Heavenly Noble (天乙贵人) read from the day stem (default) or the\n"
     "      year stem",
     [](CommandLine&, LaterValues& later, std::string_view v) { later.noble = v; }},
    {"--wu-wei", "earth|fire", Group::oneChart,
     "the element the combination 午未 forms: earth (default) or fire",
     [](CommandLine&, LaterValues& later, std::string_view v) { later.horseGoat = v; }},
    {"--json", "", Group::mode, "write JSON instead of text (one object per line in a batch)",
     [](CommandLine& c, LaterValues&, std::string_view) { c.format = OutputFormat::json; }},
    {"--format", "text|json|csv", Group::mode,
     "text (default), json (as --json) or csv (a header, then a row per chart)",
     [](CommandLine&, LaterValues& later, std::string_view v) { later.format = v; }},
    {"--fields", "LIST", Group::mode, "write only these JSON members or CSV columns, comma-separated (see below)",
     [](CommandLine&, LaterValues& later, std::string_view v) { later.fields = v; }},
    {"--jobs", "N", Group::mode, "cast a batch on N threads, 1 to 256; one per core when left out",
     [](CommandLine&, LaterValues& later, std::string_view v) { later.jobs = v; }},
    {"--method", "classic|precise", Group::mode,
     "classic (default): the program's own solar theory; precise: the Sun\n"
     "      from the IAU 2006/2000A theory with delta T, births from 1600 to 2199",
     [](CommandLine&, LaterValues& later, std::string_view v) { later.method = v; }},
    {"--solar-time", "mean|true", Group::mode,
     "the day and hour from local mean solar time (default) or true solar time\n"
     "      (mean plus the equation of time); needs --method precise",
     [](CommandLine&, LaterValues& later, std::string_view v) { later.solarTime = v; }},
    {"--day-starts", "midnight|23|own-rat", Group::mode,
     "the day changes at midnight (default; 23:00-24:00 takes the next day's Rat\n"
     "      stem), at 23:00, or at midnight with 23:00-24:00 keeping its own day's\n"
     "      Rat stem (own-rat); needs --method precise",
     [](CommandLine&, LaterValues& later, std::string_view v) { later.dayStarts = v; }},
    {"--place", "TEXT", Group::optionalBirth,
     "the birth place, a city: its longitude and its zone's offset at the birth",
     [](CommandLine& c, LaterValues&, std::string_view v) { c.place = v; }},
    {"--tz", "NAME", Group::optionalBirth,
     "an IANA time zone (Asia/Shanghai): its offset in force at the birth",
     [](CommandLine& c, LaterValues&, std::string_view v) { c.timeZone = v; }},
    {"--fold", "earlier|later", Group::optionalBirth,
     "which of a clock time shown twice, as the clocks went back",
     [](CommandLine& c, LaterValues&, std::string_view v) { c.fold = v; }},
    {"--places", "TEXT", Group::mode, "list the places matching TEXT and stop",
     [](CommandLine& c, LaterValues&, std::string_view v) {
       c.action = Action::listPlaces;
       c.placesQuery = v;
     }},
    {"--find-pillars", "PILLARS", Group::mode,
     "list the spans of clock time whose precise chart has these pillars\n"
     "      (characters, pinyin or labels: \"geng chen wu yin ren chen geng xu\"; three\n"
     "      without the hour), in --zone (8 when left out) or --tz, the day starting\n"
     "      as --day-starts says",
     [](CommandLine& c, LaterValues&, std::string_view v) {
       c.action = Action::findPillars;
       c.pillarsText = v;
     }},
    {"--from", "YEAR", Group::mode, "the first year --find-pillars looks in; 1600 when left out",
     [](CommandLine& c, LaterValues&, std::string_view v) { c.fromYear = v; }},
    {"--to", "YEAR", Group::mode, "the last year --find-pillars looks in; 2199 when left out",
     [](CommandLine& c, LaterValues&, std::string_view v) { c.toYear = v; }},
    {"--help", "", Group::mode, "show this help and stop",
     [](CommandLine& c, LaterValues&, std::string_view) { c.action = Action::showHelp; }},
    {"--version", "", Group::mode, "show the version and stop",
     [](CommandLine& c, LaterValues&, std::string_view) { c.action = Action::showVersion; }},
}};

const OptionSpec* FindOption(std::string_view name) {
  for (const auto& option : kOptions)
    if (option.name == name) return &option;
  return nullptr;
}

std::size_t IndexOf(const OptionSpec& option) { return static_cast<std::size_t>(&option - kOptions.data()); }

constexpr unsigned kMostJobs = 256;  // each thread keeps a chunk of rows and their output

// The names comma-separated, in indented lines of at most 80 bytes.
std::string WrappedNames(std::span<const std::string_view> names) {
  constexpr std::string_view kIndent = "  ";
  constexpr std::size_t kWidth = 80;
  std::string text, line(kIndent);
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string item = std::string(names[i]) + (i + 1 < names.size() ? "," : "");
    if (line.size() > kIndent.size() && line.size() + item.size() > kWidth) {
      text += line + "\n";
      line = kIndent;
    }
    line += item;
  }
  return text + line + "\n";
}

UsageError Usage(std::string message) { return UsageError{std::move(message)}; }

bool IsGiven(std::string_view name, const std::bitset<kOptions.size()>& given) {
  return given[IndexOf(*FindOption(name))];
}

// After all arguments are read: a batch or a reading file takes no birth
// options, a batch no one-chart options either, and one chart from the birth
// options needs every required one.
std::optional<UsageError> CheckCombination(const CommandLine& line, const std::bitset<kOptions.size()>& given) {
  if (IsGiven("--open", given) && IsGiven("--batch", given)) return Usage("--open cannot be combined with --batch");
  if (IsGiven("--places", given)) {
    for (const auto& option : kOptions)
      if (given[IndexOf(option)] && option.name != "--places")
        return Usage(std::string(option.name) + " cannot be combined with --places (it only lists places)");
  }
  if (IsGiven("--find-pillars", given)) {
    for (const auto& option : kOptions)
      if (given[IndexOf(option)] && option.name != "--find-pillars" && option.name != "--zone" && option.name != "--tz" &&
          option.name != "--from" && option.name != "--to" && option.name != "--day-starts" && option.name != "--json")
        return Usage(std::string(option.name) + " cannot be combined with --find-pillars");
  } else if (IsGiven("--from", given) || IsGiven("--to", given)) {
    return Usage(std::string(IsGiven("--from", given) ? "--from" : "--to") + " is for --find-pillars");
  }
  std::string missing;
  for (const auto& option : kOptions) {
    const bool isGiven = given[IndexOf(option)];
    const bool isBirth = option.group == Group::requiredBirth || option.group == Group::optionalBirth;
    if (line.action == Action::castBatch && isGiven && option.group != Group::mode)
      return Usage(std::string(option.name) + " cannot be combined with --batch (" +
                   (isBirth ? "the rows give the births" : "it is for one chart") + ")");
    if (line.action == Action::openReading && isGiven && isBirth)
      return Usage(std::string(option.name) + " cannot be combined with --open (the file gives the birth)");
    // A place or an IANA zone gives the zone.
    const bool zoneGiven = option.name == "--zone" && (IsGiven("--place", given) || IsGiven("--tz", given));
    if (line.action == Action::castOne && option.group == Group::requiredBirth && !isGiven && !zoneGiven)
      missing += (missing.empty() ? "" : ", ") + std::string(option.name);
  }
  if (!missing.empty()) return Usage("missing " + missing);
  if (IsGiven("--tz", given) && IsGiven("--zone", given))
    return Usage("--tz cannot be combined with --zone (both give the zone)");
  if (line.fold && *line.fold != "earlier" && *line.fold != "later")
    return Usage("--fold " + std::string(*line.fold) + ": expected earlier or later");
  if (IsGiven("--jobs", given) && line.action != Action::castBatch) return Usage("--jobs is for --batch");
  return std::nullopt;
}

template <typename Choice, std::size_t Count>
std::optional<UsageError> ReadChoice(std::string_view option, std::string_view value,
                                     const std::array<std::string_view, Count>& words,
                                     const std::bitset<kOptions.size()>& given, std::optional<Choice>& choice) {
  if (!IsGiven(option, given)) return std::nullopt;
  choice = ChoiceOf<Choice>(value, words);
  if (choice) return std::nullopt;
  return Usage(std::string(option) + " " + std::string(value) + ": expected " + ChoiceList(words));
}

// Reads --format, --fields, --jobs and the casting choices into `line`.
std::optional<UsageError> ReadLaterValues(const LaterValues& later, const std::bitset<kOptions.size()>& given,
                                          CommandLine& line) {
  if (IsGiven("--format", given)) {
    if (IsGiven("--json", given)) return Usage("--json cannot be combined with --format (it is --format json)");
    static constexpr std::pair<std::string_view, OutputFormat> kFormats[] = {
        {"text", OutputFormat::text}, {"json", OutputFormat::json}, {"csv", OutputFormat::csv}};
    const auto* found = std::find_if(std::begin(kFormats), std::end(kFormats),
                                     [&](const auto& format) { return format.first == later.format; });
    if (found == std::end(kFormats))
      return Usage("--format " + std::string(later.format) + ": expected text, json or csv");
    line.format = found->second;
  }
  if (IsGiven("--fields", given)) {
    if (line.format == OutputFormat::text) return Usage("--fields needs --format json or --format csv");
    auto parsed = FieldSelection::Parse(later.fields, FieldFormatOf(line.format));
    if (auto* error = std::get_if<std::string>(&parsed)) return Usage(*error);
    line.fields = std::get<FieldSelection>(parsed);
  }
  if (auto error = ReadChoice("--method", later.method, kMethodWords, given, line.method)) return error;
  if (auto error = ReadChoice("--solar-time", later.solarTime, kSolarTimeWords, given, line.solarTime)) return error;
  if (auto error = ReadChoice("--day-starts", later.dayStarts, kDayStartsWords, given, line.dayStarts)) return error;
  // A reading file may hold the method; the other choices are checked with it when it is read.
  if (const std::string problem = ProblemWith(line.OptionsOver({}));
      !problem.empty() && line.action != Action::openReading && line.action != Action::findPillars)
    return Usage(problem.starts_with("true")
                     ? "--solar-time true needs --method precise"
                     : "--day-starts " + std::string(WordOf(*line.dayStarts, kDayStartsWords)) + " needs --method precise");
  for (const auto& [option, value, words, chosen] :
       {std::tuple{"--noble", later.noble, kNobleWords, &line.reading.stars.nobleByYearStem},
        std::tuple{"--wu-wei", later.horseGoat, kHorseGoatWords, &line.reading.interactions.horseGoatFire}}) {
    std::optional<bool> choice;
    if (auto error = ReadChoice(option, value, words, given, choice)) return error;
    if (choice) *chosen = *choice;
  }
  if (IsGiven("--months", given)) {
    const auto [end, error] =
        std::from_chars(later.months.data(), later.months.data() + later.months.size(), line.monthsYear);
    if (error != std::errc() || end != later.months.data() + later.months.size() || line.monthsYear < 1600 ||
        line.monthsYear > 2199)
      return Usage("--months " + std::string(later.months) + ": expected a year from 1600 to 2199");
  }
  if (IsGiven("--days", given)) {
    const std::string_view text = later.days;
    const auto number = [&](std::size_t from, std::size_t length, int& value) {
      const char* first = text.data() + from;
      const auto [end, error] = std::from_chars(first, first + length, value);
      return error == std::errc() && end == first + length;
    };
    if (text.size() != 7 || text[4] != '-' || !number(0, 4, line.daysYear) || !number(5, 2, line.daysMonth) ||
        line.daysYear < 1 || line.daysMonth < 1 || line.daysMonth > 12) {
      line.daysYear = line.daysMonth = 0;
      return Usage("--days " + std::string(text) + ": expected YYYY-MM, a year from 0001 and a month 01 to 12");
    }
  }
  if (IsGiven("--calendar", given)) {
    if (later.calendar != "gregorian" && later.calendar != "lunar")
      return Usage("--calendar " + std::string(later.calendar) + ": expected gregorian or lunar");
    if (!IsGiven("--leap-month", given)) line.birth.calendar = later.calendar;
  }
  if (IsGiven("--leap-month", given) && later.calendar != "lunar") return Usage("--leap-month needs --calendar lunar");
  if (IsGiven("--jobs", given)) {
    unsigned jobs = 0;
    const auto [end, error] = std::from_chars(later.jobs.data(), later.jobs.data() + later.jobs.size(), jobs);
    if (error != std::errc() || end != later.jobs.data() + later.jobs.size() || jobs < 1 || jobs > kMostJobs)
      return Usage("--jobs " + std::string(later.jobs) + ": expected a whole number from 1 to 256");
    line.jobs = jobs;
  }
  return std::nullopt;
}

}  // namespace

std::variant<CommandLine, UsageError> ParseCommandLine(std::span<const std::string> args) {
  CommandLine line;
  LaterValues later;
  std::bitset<kOptions.size()> given;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string_view argument = args[i];
    std::optional<std::string_view> value;
    if (const std::size_t equals = argument.find('='); argument.starts_with("--") && equals != argument.npos) {
      value = argument.substr(equals + 1);
      argument = argument.substr(0, equals);
    }
    const OptionSpec* option = FindOption(argument);
    if (option == nullptr) {
      if (argument.starts_with("-")) return Usage("unknown option " + std::string(argument));
      return Usage("unexpected argument " + std::string(argument));
    }
    if (option->valueName.empty()) {
      if (value) return Usage(std::string(argument) + " takes no value");
    } else if (!value) {
      // "--name --date ..." is a forgotten value, not a name.
      if (i + 1 == args.size() || std::string_view(args[i + 1]).starts_with("--"))
        return Usage(std::string(argument) + " needs a value: " + std::string(option->valueName));
      value = args[++i];
    }
    if (given[IndexOf(*option)]) return Usage(std::string(argument) + " is given more than once");
    given.set(IndexOf(*option));
    option->apply(line, later, value.value_or(""));
    if (line.action == Action::showHelp || line.action == Action::showVersion) return line;
  }
  if (auto error = CheckCombination(line, given)) return *error;
  if (auto error = ReadLaterValues(later, given, line)) return *error;
  return line;
}

CastOptions CommandLine::OptionsOver(CastOptions base) const {
  if (method) base.method = *method;
  if (solarTime) base.solarTime = *solarTime;
  if (dayStarts) base.dayStarts = *dayStarts;
  return base;
}

std::string HelpText() {
  std::string text =
      "Usage: tavrin-cast --name NAME --date YYYY-MM-DD --time HH:MM[:SS]\n"
      "                   --zone HOURS_EAST --gender male|female\n"
      "                   [--longitude DEGREES_EAST] [--save FILE.baz]\n"
      "                   [CASTING] [OUTPUT]\n"
      "       tavrin-cast --name NAME --date YYYY-MM-DD --time HH:MM[:SS]\n"
      "                   --place TEXT | --tz NAME [--fold earlier|later] ...\n"
      "       tavrin-cast --places TEXT\n"
      "       tavrin-cast --find-pillars PILLARS [--from YEAR] [--to YEAR]\n"
      "                   [--zone HOURS_EAST | --tz NAME] [--day-starts ...] [--json]\n"
      "       tavrin-cast --open FILE.baz [--save FILE.baz] [CASTING] [OUTPUT]\n"
      "       tavrin-cast --batch FILE [--jobs N] [CASTING] [OUTPUT]\n"
      "       tavrin-cast --help | --version\n"
      "\n"
      "Casts a Four Pillars (Ba Zi) chart: the year, month, day and hour pillars with\n"
      "their hidden stems, eight luck periods and the interpretation of each pillar.\n"
      "\n"
      "Options:\n";
  for (const auto& option : kOptions) {
    std::string head = "  " + std::string(option.name);
    if (!option.valueName.empty()) head += " " + std::string(option.valueName);
    text += head + "\n      " + std::string(option.help) + "\n";
  }
  text +=
      "\n"
      "Batch rows: name,date,time,zone,gender[,longitude[,place[,calendar]]]. Fields\n"
      "may be quoted (\"Smith, Jo\", with \"\" for a quote); a first row starting with\n"
      "name, is a header. The zone may be an IANA name (Asia/Shanghai); a place gives\n"
      "the longitude and, when the zone is left empty, the zone. The calendar is\n"
      "gregorian (or empty), lunar, or lunar-leap for a date in a leap month.\n"
      "\n"
      "Places are the GeoNames cities of 15,000 people and more (CC-BY 4.0), from\n"
      "Debian's libtimezonemap-data; zone histories are the IANA tz database of\n"
      "Debian's tzdata. Before a zone's first record the clocks kept local mean\n"
      "time: that of the place's longitude with --place, else the zone's own.\n"
      "--place \"Springfield, Illinois, US\" narrows by region and country; an\n"
      "explicit --zone or --longitude wins over the place's.\n"
      "\n"
      "OUTPUT: --json, or --format text|json|csv, with --fields LIST for JSON or CSV.\n"
      "A batch is cast in parallel and written in input order, the same whatever N.\n"
      "CSV is RFC 4180 with CR LF; a batch adds a first column line (the input line)\n"
      "and a last column error (why that row could not be cast; its other cells\n"
      "are empty).\n"
      "\n"
      "CASTING: --method classic|precise, and with precise --solar-time mean|true\n"
      "and --day-starts midnight|23. The precise method finds the Jie (the solar\n"
      "terms that open the months) to the second, takes the year and month from\n"
      "them, counts the luck start in time (three days to a year) and warns of a\n"
      "birth within ten minutes of a Jie, a two-hour period or the day's start. Its\n"
      "JSON adds the members from method on. --open takes a reading's saved choices\n"
      "unless these options are given.\n"
      "\n"
      "JSON members for --fields (all names every one; annualPillars is written\n"
      "only when named, or with all):\n" + WrappedNames(FieldNames(FieldFormat::json)) +
      "CSV columns for --fields:\n" + WrappedNames(FieldNames(FieldFormat::csv)) +
      "\n"
      "A reading file (.baz) holds one birth, byte for byte as Tavrin's Save writes\n"
      "it; its name must end in .baz. With --save the chart is still written out.\n"
      "\n"
      "Exit status: 0 done, 1 some batch rows were wrong (each reported in its\n"
      "place), 2 wrong arguments or input, or a file that cannot be read or saved.\n";
  return text;
}

}  // namespace tavrin::cast
