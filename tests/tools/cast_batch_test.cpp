#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tests/tools/caster_process.h"

namespace tavrin {
namespace {

using testing::Lines;
using testing::RunCaster;

// A header with a byte order mark, CR LF endings, a quoted name with a comma
// and doubled quotes, a blank line, a bad date on line 4, spaces around
// fields and an empty longitude.
const std::string kRows =
    "\xEF\xBB\xBFname,date,time,zone,gender,longitude\r\n"
    "\"Smith, \"\"Jo\"\"\",1984-02-10,10:30,8,male,116\r\n"
    "\r\n"
    "Bad Day,1984-02-30,10:30,8,male\n"
    "  Ana Lima , 2000-01-01 , 12:00:45 , -3.5 , FEMALE ,\n"
    "Old,1500-02-29,23:30,5.5,female,-0.5\n";

// The same people, one chart each.
const std::vector<std::string> kSameAsOne[] = {
    {"--name", "Smith, \"Jo\"", "--date", "1984-02-10", "--time", "10:30", "--zone", "8", "--gender", "male",
     "--longitude", "116"},
    {"--name", "Ana Lima", "--date", "2000-01-01", "--time", "12:00:45", "--zone", "-3.5", "--gender", "female"},
    {"--name", "Old", "--date", "1500-02-29", "--time", "23:30", "--zone", "5.5", "--gender", "female",
     "--longitude", "-0.5"},
};

TEST(Batch, JsonLinesInInputOrderWithTheBadRowReportedInItsPlace) {
  const auto run = RunCaster({"--batch", "-", "--json"}, kRows);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u) << run.out;
  EXPECT_EQ(lines[1], "{\"line\":4,\"error\":\"date 1984-02-30: no such day (February 1984 has 29 days)\"}");
  const std::string charts[] = {lines[0], lines[2], lines[3]};
  for (int i = 0; i < 3; ++i) {
    auto args = kSameAsOne[i];
    args.push_back("--json");
    EXPECT_EQ(charts[i] + "\n", RunCaster(args).out) << i;
  }
  EXPECT_VALID_JSON_LINES(run.out);
}

TEST(Batch, TextBlocksFromAFileWithTheBadRowOnStandardError) {
  const std::string path = ::testing::TempDir() + "tavrin-cast-rows.csv";
  std::ofstream(path, std::ios::binary) << kRows;
  const auto run = RunCaster({"--batch", path});
  std::remove(path.c_str());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "tavrin-cast: line 4: date 1984-02-30: no such day (February 1984 has 29 days)\n");
  std::string expected;
  for (const auto& args : kSameAsOne) {
    if (!expected.empty()) expected += "\n" + std::string(78, '=') + "\n\n";
    expected += RunCaster(args).out;
  }
  EXPECT_EQ(run.out, expected);
}

TEST(Batch, EachRowThatCannotBeCastIsReportedAndTheNextIsCast) {
  const std::pair<const char*, const char*> cases[] = {
      {"\"Unclosed,1984-02-10,10:30,8,male", "a quoted field has no closing quote"},
      {"\"Jo\"x,1984-02-10,10:30,8,male", "text after the closing quote of a field"},
      {"Jo,1984-02-10,10:30,8", "expected 5 or 6 fields (name,date,time,zone,gender[,longitude]), found 4"},
      {"Jo,1984-02-10,10:30,8,male,116,x", "expected 5 or 6 fields (name,date,time,zone,gender[,longitude]), found 7"},
      {"Jo,1984-02-10,10:30,15,male", "zone 15: out of range (-14 to 14 hours east of Greenwich)"},
      {",1984-02-10,10:30,8,male", "name \\\"\\\": must not be empty"},  // as a JSON string
  };
  for (const auto& [row, message] : cases) {
    const auto run = RunCaster({"--batch", "-", "--json"}, "\n" + std::string(row) + "\nNext,1984-02-10,10:30,8,male\n");
    EXPECT_EQ(run.status, 1) << row;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u) << row << "\n" << run.out;
    EXPECT_EQ(lines[0], std::string("{\"line\":2,\"error\":\"") + message + "\"}") << row;
    EXPECT_TRUE(lines[1].starts_with("{\"name\":\"Next\",")) << row;
  }
}

TEST(Batch, GoodRowsExitZeroAndOnlyTheFirstRowCanBeAHeader) {
  const auto run = RunCaster({"--batch", "-", "--json"}, "a,2000-01-01,12:00,0,male\nname,2000-01-01,12:00,0,male\n");
  EXPECT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(lines[1].starts_with("{\"name\":\"name\",")) << lines[1];
  const auto headerOnly = RunCaster({"--batch", "-"}, "Name,Date,Time,Zone,Gender\n\n");
  EXPECT_EQ(headerOnly.status, 0);
  EXPECT_EQ(headerOnly.out, "");
}

}  // namespace
}  // namespace tavrin
