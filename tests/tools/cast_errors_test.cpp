#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/test_paths.h"
#include "tests/tools/caster_run.h"
#include "tools/field_selection.h"

namespace tavrin {
namespace {

using testing::Cast;
using testing::SampleArgs;

// The sample person with one option's value replaced.
std::vector<std::string> SampleWith(const std::string& option, const std::string& value) {
  auto args = SampleArgs();
  const auto found = std::find(args.begin(), args.end(), option);
  if (found == args.end()) args.insert(args.end(), {option, value});
  else *(found + 1) = value;
  return args;
}

struct BadValue {
  const char* option;
  std::string value;
  const char* message;  // the whole line on standard error, after "tavrin-cast: "
};

TEST(BadBirth, NamesTheFieldTheValueAndWhatIsAcceptedAndWritesNothing) {
  const BadValue cases[] = {
      {"--date", "1984-02-30", "--date 1984-02-30: no such day (February 1984 has 29 days)"},
      {"--date", "1700-02-29", "--date 1700-02-29: no such day (February 1700 has 28 days)"},
      {"--date", "2023-04-31", "--date 2023-04-31: no such day (April 2023 has 30 days)"},
      {"--date", "1984-02-0", "--date 1984-02-0: no such day (February 1984 has 29 days)"},
      {"--date", "0000-06-01", "--date 0000-06-01: year 0 is out of range (1 to 9999)"},
      {"--date", "10000-06-01", "--date 10000-06-01: year 10000 is out of range (1 to 9999)"},
      {"--date", "1984-13-01", "--date 1984-13-01: month 13 is out of range (1 to 12)"},
      {"--date", "10/02/1984", "--date 10/02/1984: expected a date as YYYY-MM-DD"},
      {"--date", "10-02-1984", "--date 10-02-1984: expected a date as YYYY-MM-DD"},
      {"--time", "24:00", "--time 24:00: hour 24 is out of range (0 to 23)"},
      {"--time", "10:60", "--time 10:60: minute 60 is out of range (0 to 59)"},
      {"--time", "10:30:60", "--time 10:30:60: second 60 is out of range (0 to 59)"},
      {"--time", "1030", "--time 1030: expected a time as HH:MM or HH:MM:SS (24-hour clock)"},
      {"--time", "10:30:", "--time 10:30:: expected a time as HH:MM or HH:MM:SS (24-hour clock)"},
      {"--zone", "14.5", "--zone 14.5: out of range (-14 to 14 hours east of Greenwich)"},
      {"--zone", "-14.25", "--zone -14.25: out of range (-14 to 14 hours east of Greenwich)"},
      {"--zone", "8h", "--zone 8h: expected hours east of Greenwich as a decimal number (e.g. 8, -5 or 5.5)"},
      {"--zone", "1e1", "--zone 1e1: expected hours east of Greenwich as a decimal number (e.g. 8, -5 or 5.5)"},
      {"--zone", "5..5", "--zone 5..5: expected hours east of Greenwich as a decimal number (e.g. 8, -5 or 5.5)"},
      {"--zone", "+-5", "--zone +-5: expected hours east of Greenwich as a decimal number (e.g. 8, -5 or 5.5)"},
      {"--longitude", "181", "--longitude 181: out of range (-180 to 180 degrees east)"},
      {"--longitude", "-180.5", "--longitude -180.5: out of range (-180 to 180 degrees east)"},
      {"--longitude", "nan", "--longitude nan: expected degrees east as a decimal number (e.g. 116 or -74.5)"},
      {"--today", "2026-02-30", "--today 2026-02-30: no such day (February 2026 has 28 days)"},
      {"--today", "0000-06-01", "--today 0000-06-01: year 0 is out of range (1 to 9999)"},
      {"--today", "", "--today \"\": expected a date as YYYY-MM-DD"},
      {"--gender", "x", "--gender x: expected male or female"},
      {"--gender", "m", "--gender m: expected male or female"},
      {"--name", "   ", "--name \"   \": must not be empty"},
      {"--name", "\xC3(", "--name ?(: is not valid UTF-8 text"},
      {"--name", "\xED\xA0\x80", "--name ???: is not valid UTF-8 text"},  // a surrogate
      // Terminal escapes do not reach the terminal.
      {"--date", "\x1b[2J1984-02-10", "--date ?[2J1984-02-10: expected a date as YYYY-MM-DD"},
      {"--date", "\xC2\x9B" "2J1984-02-10", "--date ?2J1984-02-10: expected a date as YYYY-MM-DD"},  // CSI
      {"--zone", "8\x07\x7f", "--zone 8??: expected hours east of Greenwich as a decimal number (e.g. 8, -5 or 5.5)"},
  };
  for (const auto& c : cases) {
    const auto run = Cast(SampleWith(c.option, c.value));
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_EQ(run.out, "") << c.message;
    EXPECT_EQ(run.err, std::string("tavrin-cast: ") + c.message + "\n");
  }
}

TEST(BadBirth, TheEdgesOfEveryRangeAreAccepted) {
  const std::pair<const char*, const char*> cases[] = {
      {"--date", "0001-01-01"}, {"--date", "9999-12-31"}, {"--date", "1500-02-29"}, {"--date", "2000-02-29"},
      {"--date", "1582-10-10"}, {"--time", "00:00"},      {"--time", "23:59:59"},   {"--time", "7:05"},
      {"--zone", "-14"},        {"--zone", "+14"},        {"--longitude", "-180"},  {"--longitude", "180.0"},
      {"--gender", "FEMALE"},   {"--gender", "Male"},     {"--name", "\xE6\xBC\xA2 \xF0\x9F\x90\x89"},
  };
  for (const auto& [option, value] : cases) {
    const auto run = Cast(SampleWith(option, value));
    EXPECT_EQ(run.status, 0) << option << " " << value << ": " << run.err;
    EXPECT_NE(run.out, "") << option << " " << value;
  }
}

struct BadCommandLine {
  std::vector<std::string> args;
  std::string message;
};

TEST(BadCommandLine, ExplainsTheMistakeWithAUsageHint) {
  const BadCommandLine cases[] = {
      {{}, "missing --name, --date, --time, --zone, --gender"},
      {{"--name", "A", "--zone", "8"}, "missing --date, --time, --gender"},
      {SampleArgs({"--colour", "red"}), "unknown option --colour"},
      {SampleArgs({"extra"}), "unexpected argument extra"},
      {SampleArgs({"--longitude"}), "--longitude needs a value: DEGREES_EAST"},
      {{"--name", "--date", "1984-02-10"}, "--name needs a value: NAME"},
      {SampleArgs({"--zone", "9"}), "--zone is given more than once"},
      {SampleArgs({"--json=yes"}), "--json takes no value"},
      {{"--batch", "rows.csv", "--name", "A"}, "--name cannot be combined with --batch (the rows give the births)"},
      {{"--batch", "rows.csv", "--save", "r.baz"}, "--save cannot be combined with --batch (it is for one chart)"},
      {{"--open", "r.baz", "--date", "1984-02-10"}, "--date cannot be combined with --open (the file gives the birth)"},
      {{"--open", "r.baz", "--longitude", "116"},
       "--longitude cannot be combined with --open (the file gives the birth)"},
      {{"--batch", "rows.csv", "--open", "r.baz"}, "--open cannot be combined with --batch"},
      {{"--open", "r.baz", "--save"}, "--save needs a value: FILE.baz"},
      {SampleArgs({"--format", "xml"}), "--format xml: expected text, json or csv"},
      {SampleArgs({"--json", "--format", "json"}), "--json cannot be combined with --format (it is --format json)"},
      {SampleArgs({"--fields", "name"}), "--fields needs --format json or --format csv"},
      {SampleArgs({"--fields", "name,,date", "--format", "csv"}),
       "empty name in --fields; accepted: " + cast::JoinedNames(cast::FieldNames(cast::FieldFormat::csv))},
      {SampleArgs({"--json", "--fields", "yearStem"}),
       "unknown name yearStem in --fields; accepted: " + cast::JoinedNames(cast::FieldNames(cast::FieldFormat::json))},
      {SampleArgs({"--method", "exact"}), "--method exact: expected classic or precise"},
      {SampleArgs({"--method", "precise", "--day-starts", "noon"}), "--day-starts noon: expected midnight, 23 or own-rat"},
      {SampleArgs({"--day-starts", "own-rat"}), "--day-starts own-rat needs --method precise"},
      {SampleArgs({"--months", "1599"}), "--months 1599: expected a year from 1600 to 2199"},
      {SampleArgs({"--months", "20x6"}), "--months 20x6: expected a year from 1600 to 2199"},
      {SampleArgs({"--days", "2026-13"}), "--days 2026-13: expected YYYY-MM, a year from 0001 and a month 01 to 12"},
      {SampleArgs({"--days", "2026-1"}), "--days 2026-1: expected YYYY-MM, a year from 0001 and a month 01 to 12"},
      {{"--batch", "-", "--months", "2026"}, "--months cannot be combined with --batch (it is for one chart)"},
      {SampleArgs({"--wu-wei", "water"}), "--wu-wei water: expected earth or fire"},
      {SampleArgs({"--solar-time", "true"}), "--solar-time true needs --method precise"},
      {{"--batch", "-", "--method", "classic", "--day-starts", "23"}, "--day-starts 23 needs --method precise"},
      {SampleArgs({"--jobs", "2"}), "--jobs is for --batch"},
      {{"--batch", "-", "--jobs", "0"}, "--jobs 0: expected a whole number from 1 to 256"},
      {{"--batch", "-", "--jobs=2x"}, "--jobs 2x: expected a whole number from 1 to 256"},
      {SampleArgs({"--\x1b]0;owned\x07"}), "unknown option --?]0;owned?"},
      {SampleArgs({"\x1b[31mred"}), "unexpected argument ?[31mred"},
  };
  for (const auto& c : cases) {
    const auto run = Cast(c.args);
    EXPECT_EQ(run.status, 2) << c.message;
    EXPECT_EQ(run.out, "") << c.message;
    EXPECT_EQ(run.err, std::string("tavrin-cast: ") + c.message +
                           "\nTry 'tavrin-cast --help' for more information.\n");
  }
}

TEST(BadCommandLine, UnreadableBatch) {
  const std::string missing = ::testing::TempDir() + "no-such-rows.csv";
  const std::pair<std::string, std::string> cases[] = {
      {missing, "cannot read the batch " + missing + ": No such file or directory"},
      {::testing::TempDir(), "cannot read the batch " + ::testing::TempDir() + ": it is a directory"},
      {missing + "\x1b[2J", "cannot read the batch " + missing + "?[2J: No such file or directory"},
  };
  for (const auto& [path, message] : cases) {
    const auto run = Cast({"--batch", path, "--json"});
    EXPECT_EQ(run.status, 2) << path;
    EXPECT_EQ(run.out, "") << path;
    EXPECT_EQ(run.err, "tavrin-cast: " + message + "\n");
  }
}

// The sample reading saved by the desktop program, its zone line (the eighth)
// replaced by `zoneBytes`.
std::string ReadingWithZone(const std::string& zoneBytes) {
  std::ifstream file(testing::SourceDir() + "/fuzz/corpus/ann-lee.baz", std::ios::binary);
  std::string bytes, line;
  for (int number = 1; std::getline(file, line); ++number) bytes += (number == 8 ? zoneBytes + "\r" : line) + "\n";
  return bytes;
}

struct EscapeCase {
  std::vector<std::string> args;
  std::string input;         // standard input
  std::string readingBytes;  // written to the reading file the arguments name, if not empty
};

// Paths, reading files and batch rows may hold terminal escapes too; each
// message shows them as "?" and keeps the rest.
TEST(BadInput, ControlCharactersInFilesAndPathsShowAsQuestionMarks) {
  const std::string folder = ::testing::TempDir();
  const std::string reading = folder + "tavrin-escape-test.baz";
  const EscapeCase cases[] = {
      {{"--open", folder + "no-such-\x1b[2J.baz"}, "", ""},
      {SampleArgs({"--save", folder + "\x1b[2J.txt"}), "", ""},
      {{"--open", reading},
       "",
       ReadingWithZone(")i@X\x15")},  // each byte is its character raised by 14: ESC [ 2 J BEL
      {{"--batch", "-"}, "Ann,1984-02-10,10:30,\x1b[2J8,male\n", ""},
  };
  for (const auto& c : cases) {
    if (!c.readingBytes.empty()) std::ofstream(reading, std::ios::binary) << c.readingBytes;
    const auto run = Cast(c.args, c.input);
    std::filesystem::remove(reading);
    EXPECT_NE(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("?[2J"), std::string::npos) << run.err;
    EXPECT_EQ(std::count_if(run.err.begin(), run.err.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }),
              1)
        << "only the final line break: " << run.err;
  }
}

}  // namespace
}  // namespace tavrin
