#include "tools/command_line.h"

#include <array>
#include <bitset>

namespace tavrin::cast {
namespace {

// How an option relates to the others: the birth options describe one chart
// (and cannot be mixed with a batch); the required ones must all be there.
enum class Group { requiredBirth, optionalBirth, mode };

struct OptionSpec {
  std::string_view name;
  std::string_view valueName;  // empty for an option without a value
  Group group;
  std::string_view help;
  void (*apply)(CommandLine&, std::string_view value);
};

constexpr std::array<OptionSpec, 10> kOptions = {{
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
    {"--batch", "FILE", Group::mode,
     "cast every row of a CSV file (- reads standard input)",
     [](CommandLine& c, std::string_view v) {
       c.action = Action::castBatch;
       c.batchPath = v;
     }},
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

// After all arguments are read: a batch takes no birth options, one chart needs every required one.
std::optional<UsageError> CheckCombination(const CommandLine& line, const std::bitset<kOptions.size()>& given) {
  std::string missing;
  for (const auto& option : kOptions) {
    const bool isGiven = given[IndexOf(option)];
    const bool isBirth = option.group != Group::mode;
    if (line.action == Action::castBatch && isBirth && isGiven)
      return Usage(std::string(option.name) + " cannot be combined with --batch (the rows give the births)");
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
      "                   [--longitude DEGREES_EAST] [--json]\n"
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
      "header. Exit status: 0 done, 1 some batch rows were wrong (each reported in\n"
      "its place), 2 wrong arguments or input.\n";
  return text;
}

}  // namespace tavrin::cast
