#include "tools/command_line.h"

#include <array>
#include <bitset>

namespace tavrin::cast {
namespace {

// How an option relates to the others: the birth options describe one chart
// (and cannot be mixed with a batch or a reading file, which give the births);
// the required ones must all be there. A one-chart option cannot go with a batch.
enum class Group { requiredBirth, optionalBirth, oneChart, mode };

struct OptionSpec {
  std::string_view name;
  std::string_view valueName;  // empty for an option without a value
  Group group;
  std::string_view help;
  void (*apply)(CommandLine&, std::string_view value);
};

constexpr std::array<OptionSpec, 13> kOptions = {{
    {"--name", "NAME", Group::requiredBirth, "the person's name",
     [](CommandLine& c, std::string_view v) { c.birth.name = v; }},
    {"--date", "YYYY-MM-DD", Group::requiredBirth,
     "date of birth, years 1 to 9999 (Julian calendar up to 1585)",
     [](CommandLine& c, std::string_view v) { c.birth.date = v; }},
    {"--time", "HH:MM[:SS]", Group::requiredBirth, "clock time of birth, 24-hour clock",
     [](CommandLine& c, std::string_view v) { c.birth.time = v; }},
    {"--zone", "HOURS_EAST", Group::requiredBirth,
     "the birth place's standard time, hours east of Greenwich, -14 to 14",
     [](CommandLine& c, std::string_view v) { c.birth.zone = v; }},
    {"--gender", "male|female", Group::requiredBirth, "gender; it sets the direction of the luck periods",
     [](CommandLine& c, std::string_view v) { c.birth.gender = v; }},
    {"--longitude", "DEGREES_EAST", Group::optionalBirth,
     "birth-place longitude, -180 to 180; the zone's meridian when left out",
     [](CommandLine& c, std::string_view v) { c.birth.longitude = v; }},
    {"--save", "FILE.baz", Group::oneChart,
     "also save the birth as a reading file; a failed save leaves no part of it",
     [](CommandLine& c, std::string_view v) { c.savePath = v; }},
    {"--open", "FILE.baz", Group::mode,
     "cast the birth saved in a reading file, with its zone and longitude",
     [](CommandLine& c, std::string_view v) {
       c.action = Action::openReading;
       c.readingPath = v;
     }},
    {"--batch", "FILE", Group::mode,
     "cast every row of a CSV file (- reads standard input)",
     [](CommandLine& c, std::string_view v) {
       c.action = Action::castBatch;
       c.batchPath = v;
     }},
    {"--today", "YYYY-MM-DD", Group::mode,
     "the date that marks the current luck period and year; today when left out",
     [](CommandLine& c, std::string_view v) { c.today = v; }},
    {"--json", "", Group::mode, "write JSON instead of text (one object per line in a batch)",
     [](CommandLine& c, std::string_view) { c.format = OutputFormat::json; }},
    {"--help", "", Group::mode, "show this help and stop",
     [](CommandLine& c, std::string_view) { c.action = Action::showHelp; }},
    {"--version", "", Group::mode, "show the version and stop",
     [](CommandLine& c, std::string_view) { c.action = Action::showVersion; }},
}};

const OptionSpec* FindOption(std::string_view name) {
  for (const auto& option : kOptions)
    if (option.name == name) return &option;
  return nullptr;
}

std::size_t IndexOf(const OptionSpec& option) { return static_cast<std::size_t>(&option - kOptions.data()); }

UsageError Usage(std::string message) { return UsageError{std::move(message)}; }

bool IsGiven(std::string_view name, const std::bitset<kOptions.size()>& given) {
  return given[IndexOf(*FindOption(name))];
}

// After all arguments are read: a batch or a reading file takes no birth
// options, a batch no one-chart options either, and one chart from the birth
// options needs every required one.
std::optional<UsageError> CheckCombination(const CommandLine& line, const std::bitset<kOptions.size()>& given) {
  if (IsGiven("--open", given) && IsGiven("--batch", given)) return Usage("--open cannot be combined with --batch");
  std::string missing;
  for (const auto& option : kOptions) {
    const bool isGiven = given[IndexOf(option)];
    const bool isBirth = option.group == Group::requiredBirth || option.group == Group::optionalBirth;
    if (line.action == Action::castBatch && isGiven && option.group != Group::mode)
      return Usage(std::string(option.name) + " cannot be combined with --batch (" +
                   (isBirth ? "the rows give the births" : "it is for one chart") + ")");
    if (line.action == Action::openReading && isGiven && isBirth)
      return Usage(std::string(option.name) + " cannot be combined with --open (the file gives the birth)");
    if (line.action == Action::castOne && option.group == Group::requiredBirth && !isGiven)
      missing += (missing.empty() ? "" : ", ") + std::string(option.name);
  }
  if (!missing.empty()) return Usage("missing " + missing);
  return std::nullopt;
}

}  // namespace

std::variant<CommandLine, UsageError> ParseCommandLine(std::span<const std::string> args) {
  CommandLine line;
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
    option->apply(line, value.value_or(""));
    if (line.action == Action::showHelp || line.action == Action::showVersion) return line;
  }
  if (auto error = CheckCombination(line, given)) return *error;
  return line;
}

std::string HelpText() {
  std::string text =
      "Usage: tavrin-cast --name NAME --date YYYY-MM-DD --time HH:MM[:SS]\n"
      "                   --zone HOURS_EAST --gender male|female\n"
      "                   [--longitude DEGREES_EAST] [--save FILE.baz] [--json]\n"
      "       tavrin-cast --open FILE.baz [--save FILE.baz] [--json]\n"
      "       tavrin-cast --batch FILE [--json]\n"
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
      "Batch rows: name,date,time,zone,gender[,longitude]. Fields may be quoted\n"
      "(\"Smith, Jo\", with \"\" for a quote); a first row starting with name, is a\n"
      "header.\n"
      "\n"
      "A reading file (.baz) holds one birth, byte for byte as Tavrin's Save writes\n"
      "it; its name must end in .baz. With --save the chart is still written out.\n"
      "\n"
      "Exit status: 0 done, 1 some batch rows were wrong (each reported in its\n"
      "place), 2 wrong arguments or input, or a file that cannot be read or saved.\n";
  return text;
}

}  // namespace tavrin::cast
