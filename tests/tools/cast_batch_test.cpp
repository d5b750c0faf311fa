#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "tests/tools/caster_process.h"
#include "tools/field_selection.h"

namespace tavrin {
namespace {

using testing::Lines;
using testing::Cast;

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
  const auto run = Cast({"--batch", "-", "--json", "--today", "2026-01-15"}, kRows);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u) << run.out;
  EXPECT_EQ(lines[1], "{\"line\":4,\"error\":\"date 1984-02-30: no such day (February 1984 has 29 days)\"}");
  const std::string charts[] = {lines[0], lines[2], lines[3]};
  for (int i = 0; i < 3; ++i) {
    auto args = kSameAsOne[i];
    args.insert(args.end(), {"--json", "--today", "2026-01-15"});
    EXPECT_EQ(charts[i] + "\n", Cast(args).out) << i;
  }
  EXPECT_VALID_JSON_LINES(run.out);
}

TEST(Batch, TextBlocksFromAFileWithTheBadRowOnStandardError) {
  const std::string path = ::testing::TempDir() + "tavrin-cast-rows.csv";
  std::ofstream(path, std::ios::binary) << kRows;
  const auto run = Cast({"--batch", path});
  std::remove(path.c_str());
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "tavrin-cast: line 4: date 1984-02-30: no such day (February 1984 has 29 days)\n");
  std::string expected;
  for (const auto& args : kSameAsOne) {
    if (!expected.empty()) expected += "\n" + std::string(78, '=') + "\n\n";
    expected += Cast(args).out;
  }
  EXPECT_EQ(run.out, expected);
}

// A CSV batch row is the one-chart row framed by its input line and an empty
// error; a bad row keeps its place with empty chart cells and its error.
TEST(Batch, CsvRowsInInputOrderWithTheBadRowInItsPlace) {
  const auto run = Cast({"--batch", "-", "--format", "csv"}, kRows);
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "");
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 5u) << run.out;
  EXPECT_EQ(lines[0], "line," + cast::JoinedNames(cast::FieldNames(cast::FieldFormat::csv)) + ",error\r");
  EXPECT_EQ(lines[2], "4" + std::string(cast::FieldNames(cast::FieldFormat::csv).size(), ',') +
                          ",date 1984-02-30: no such day (February 1984 has 29 days)\r");
  const std::pair<std::string, int> chartLines[] = {{"2,", 1}, {"5,", 3}, {"6,", 4}};
  for (int i = 0; i < 3; ++i) {
    auto args = kSameAsOne[i];
    args.insert(args.end(), {"--format", "csv"});
    const auto one = Lines(Cast(args).out);
    ASSERT_EQ(one.size(), 2u);
    EXPECT_EQ(one[0], cast::JoinedNames(cast::FieldNames(cast::FieldFormat::csv)) + "\r");
    EXPECT_EQ(lines[chartLines[i].second], chartLines[i].first + one[1].substr(0, one[1].size() - 1) + ",\r") << i;
  }
  EXPECT_TRUE(lines[1].starts_with("2,\"Smith, \"\"Jo\"\"\",1984-02-10,10:30:00,8,Male,116,+Wood [Jia],Rat [Zi],"))
      << lines[1];
  // The analysis, worked out by hand for this Jia day: ten god, na yin and
  // life stage of each pillar, then the elements without and with the hidden
  // stems, then each pillar's stars and whether it is void.
  EXPECT_TRUE(lines[1].ends_with(",比肩,海中金,沐浴,食神,炉中火,临官,日主,山头火,养,正财,大林木,病,"
                                 "3,2,2,0,1,4,5,5,2,2,太极贵人,false,禄神 驿马 月德贵人 孤辰,false,"
                                 "国印贵人 寡宿,true,文昌贵人 劫煞 亡神,false,\r"))
      << lines[1];
}

// --fields keeps the named members or columns, in the output's own order.
TEST(Batch, FieldsNarrowJsonAndCsvOutput) {
  const std::string rows = "Ann,1984-02-10,10:30,8,male,116\n\"Lee\nAnn\",1984-02-30,10:30,8,male\n";
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--json", "--fields", "luckStartAge,name"},
       "{\"name\":\"Ann\",\"luckStartAge\":8.17}\n"
       "{\"line\":2,\"error\":\"date 1984-02-30: no such day (February 1984 has 29 days)\"}\n"},
      {{"--format=csv", "--fields=luck8Branch,name,yearStem"},
       "line,name,yearStem,luck8Branch,error\r\n"
       "1,Ann,+Wood [Jia],Dog [Xu],\r\n"
       "2,,,,date 1984-02-30: no such day (February 1984 has 29 days)\r\n"},
  };
  for (const auto& [options, expected] : cases) {
    std::vector<std::string> args = {"--batch", "-"};
    args.insert(args.end(), options.begin(), options.end());
    const auto run = Cast(args, rows);
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.status, 1);
  }
}

// A field asked alone is what the whole output holds for it: a cast left
// out of what no asked field reads must leave nothing out that one does.
TEST(Batch, EachFieldAloneIsWrittenAsInTheWholeOutput) {
  const std::vector<std::string> precise = {"--method", "precise", "--solar-time", "true", "--today", "2026-12-09"};
  const auto with = [&](std::vector<std::string> extra) {
    extra.insert(extra.end(), precise.begin(), precise.end());
    return Cast(testing::SampleArgs(extra)).out;
  };
  const std::string json = with({"--json", "--fields", "all"});
  for (const std::string_view name : cast::FieldNames(cast::FieldFormat::json)) {
    const std::string alone = with({"--json", "--fields", std::string(name)});
    ASSERT_TRUE(alone.starts_with("{") && alone.ends_with("}\n")) << alone;
    if (alone == "{}\n") continue;  // a place or a zone, which this chart has not
    EXPECT_NE(json.find(alone.substr(1, alone.size() - 3)), std::string::npos) << name;
  }
  const auto cells = [](const std::string& csv, int row) {
    std::vector<std::string> split;
    std::string text = Lines(csv)[row];
    if (text.ends_with('\r')) text.pop_back();
    std::istringstream line(text + ",");
    for (std::string cell; std::getline(line, cell, ',');) split.push_back(cell);
    return split;
  };
  const std::string csv = with({"--format", "csv"});
  const std::vector<std::string> header = cells(csv, 0), values = cells(csv, 1);
  ASSERT_EQ(header.size(), values.size());
  for (std::size_t column = 0; column < header.size(); ++column)
    EXPECT_EQ(cells(with({"--format", "csv", "--fields", header[column]}), 1), std::vector{values[column]})
        << header[column];
}

// A name picks one member or column: no format lists a name twice.
TEST(Batch, EachFieldNameIsListedOnce) {
  for (const auto format : {cast::FieldFormat::json, cast::FieldFormat::csv}) {
    const auto listed = cast::FieldNames(format);
    std::vector<std::string_view> names(listed.begin(), listed.end());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end()) << cast::JoinedNames(listed);
  }
}

// CSV cells are quoted as RFC 4180 asks and are UTF-8 whatever the row held.
TEST(Batch, CsvCellsAreQuotedWhereNeeded) {
  const std::pair<std::string, std::string> nameAndRow[] = {
      {"\"Smith, Jo\"", "1,\"Smith, Jo\","},
      {"\"\"\"Jo\"\"\"", "1,\"\"\"Jo\"\"\","},
      {"\"Lee\r\nAnn\"", "1,\"Lee\r\nAnn\","},
      {"\xE6\xBC\xA2", "1,\xE6\xBC\xA2,"},
      {std::string("A\x01\0b", 4), std::string("1,\"A\x01\0b\",", 9)},
      {"Ann\xff", "1,,name Ann\xEF\xBF\xBD: is not valid UTF-8 text"},
      {"\"A,\xff\"", "1,,\"name A,\xEF\xBF\xBD: is not valid UTF-8 text\""},
  };
  for (const auto& [name, row] : nameAndRow) {
    const auto run = Cast({"--batch", "-", "--format", "csv", "--fields", "name"}, name + ",1984-02-10,10:30,8,male\n");
    EXPECT_EQ(run.out, "line,name,error\r\n" + row + "\r\n") << name;
  }
}

// Rows are cast in chunks on as many threads as asked and written in input
// order: the output is the same byte for byte whatever the number, and text
// charts are separated across chunks as within one.
TEST(Batch, TheOutputIsTheSameWhateverTheNumberOfJobs) {
  const std::string body = kRows.substr(kRows.find('\n') + 1);  // four rows, one of them bad
  std::string input;
  for (int i = 0; i < 300; ++i) input += body;  // several chunks of rows
  input += "\"Jo\"x,1\r\n";
  for (const char* format : {"text", "json", "csv"}) {
    const auto one = Cast({"--batch", "-", "--format", format, "--jobs", "1"}, input);
    EXPECT_EQ(one.status, 1) << format;
    for (const char* jobs : {"2", "3", "8"}) {
      const auto many = Cast({"--batch", "-", "--format", format, "--jobs", jobs}, input);
      EXPECT_EQ(many.status, one.status) << format << " " << jobs;
      EXPECT_TRUE(many.out == one.out) << format << " " << jobs;
      EXPECT_TRUE(many.err == one.err) << format << " " << jobs;
    }
  }
  std::string expected;
  const std::string charts = Cast({"--batch", "-"}, body).out;
  for (int i = 0; i < 300; ++i) expected += (i > 0 ? "\n" + std::string(78, '=') + "\n\n" : "") + charts;
  const auto many = Cast({"--batch", "-", "--jobs", "4"}, input);
  EXPECT_TRUE(many.out == expected);
  EXPECT_EQ(Lines(many.err).size(), 301u);
}

TEST(Batch, EachRowThatCannotBeCastIsReportedAndTheNextIsCast) {
  const std::pair<const char*, const char*> cases[] = {
      {"\"Jo\"x,1984-02-10,10:30,8,male", "text after the closing quote of a field"},
      {"Jo,1984-02-10,10:30,8",
       "expected 5 to 8 fields (name,date,time,zone,gender[,longitude[,place[,calendar]]]), found 4"},
      {"Jo,1984-02-10,10:30,8,male,116,x,y,z",
       "expected 5 to 8 fields (name,date,time,zone,gender[,longitude[,place[,calendar]]]), found 9"},
      {"Jo,1987-05-01,10:30,8,male,,,lunar-leap",
       "date 1987-05-01: 1987 has no leap fifth month; its leap month is the sixth"},
      {"Jo,2033-11-30,10:30,8,male,,,lunar-leap", "date 2033-11-30: the leap eleventh month of 2033 has 29 days"},
      {"Jo,1984-02-10,10:30,8,male,,,julian", "calendar julian: expected gregorian, lunar or lunar-leap"},
      {"Jo,1984-02-10,10:30,Asia/Nowhere,male", "zone Asia/Nowhere: no such time zone in the installed tz database"},
      {"Jo,1984-02-10,10:30,Shanghai,male",
       "zone Shanghai: expected hours east of Greenwich as a decimal number (e.g. 8, -5 or 5.5); "
       "did you mean Asia/Shanghai?"},
      {"Jo,1991-09-15,01:30,Asia/Shanghai,male",
       "zone Asia/Shanghai: 1991-09-15 01:30:00 in Asia/Shanghai happened twice, first at +9 (CDT, daylight time), "
       "then at +8 (CST) after the clocks went back; say which: earlier or later"},
      {"Jo,1984-02-10,10:30,15,male", "zone 15: out of range (-14 to 14 hours east of Greenwich)"},
      {",1984-02-10,10:30,8,male", "name \\\"\\\": must not be empty"},  // as a JSON string
  };
  for (const auto& [row, message] : cases) {
    const auto run = Cast({"--batch", "-", "--json"}, "\n" + std::string(row) + "\nNext,1984-02-10,10:30,8,male\n");
    EXPECT_EQ(run.status, 1) << row;
    const auto lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u) << row << "\n" << run.out;
    EXPECT_EQ(lines[0], std::string("{\"line\":2,\"error\":\"") + message + "\"}") << row;
    EXPECT_TRUE(lines[1].starts_with("{\"name\":\"Next\",")) << row;
  }
}

TEST(Batch, GoodRowsExitZeroAndOnlyTheFirstRowCanBeAHeader) {
  const auto run = Cast({"--batch", "-", "--json"}, "a,2000-01-01,12:00,0,male\nname,2000-01-01,12:00,0,male\n");
  EXPECT_EQ(run.status, 0) << run.err;
  const auto lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_TRUE(lines[1].starts_with("{\"name\":\"name\",")) << lines[1];
  const auto headerOnly = Cast({"--batch", "-"}, "Name,Date,Time,Zone,Gender\n\n");
  EXPECT_EQ(headerOnly.status, 0);
  EXPECT_EQ(headerOnly.out, "");
}

struct RowsCase {
  std::string input;
  std::vector<std::string> lines;  // the JSON Lines written, each given by its start
};

// Checks the JSON Lines a batch writes for `c` and returns them.
std::string ExpectJsonLines(const RowsCase& c) {
  const auto run = Cast({"--batch", "-", "--json"}, c.input);
  const auto lines = Lines(run.out);
  EXPECT_EQ(lines.size(), c.lines.size()) << c.input.substr(0, 80) << "\n" << run.out.substr(0, 2000);
  if (lines.size() != c.lines.size()) return run.out;
  bool anyError = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (c.lines[i].starts_with("{\"line\":")) {
      anyError = true;
      EXPECT_EQ(lines[i], c.lines[i]);
    } else {
      EXPECT_TRUE(lines[i].starts_with(c.lines[i])) << c.lines[i] << "\n" << lines[i].substr(0, 200);
    }
  }
  EXPECT_EQ(run.status, anyError ? 1 : 0);
  return run.out;
}

const std::string kNext = "Next,1984-02-10,10:30,8,male\n";
const std::string kNextChart = "{\"name\":\"Next\",";

// A quoted field holds everything up to its closing quote, line breaks too, so
// a row may span lines; it is reported at the line it starts on, and no part
// of it is ever cast as a row of its own.
TEST(Batch, AQuotedFieldMaySpanLines) {
  const RowsCase cases[] = {
      {"\"Lee\nAnn\",1984-02-10,10:30,8,male\n" + kNext, {"{\"name\":\"Lee\\nAnn\",", kNextChart}},
      {"\"Lee\r\nAnn\" ,1984-02-10,10:30,8,male\r\n" + kNext, {"{\"name\":\"Lee\\r\\nAnn\",", kNextChart}},
      {"\"Lee\n\n\"\"Ann\"\"\",1984-02-30,10:30,8,male\nBad,1984-02-30,10:30,8,male\n",
       {"{\"line\":1,\"error\":\"date 1984-02-30: no such day (February 1984 has 29 days)\"}",
        "{\"line\":4,\"error\":\"date 1984-02-30: no such day (February 1984 has 29 days)\"}"}},
      {"Ann,\"1984-02-10\n\",10:30,8,male\n" + kNext,
       {"{\"line\":1,\"error\":\"date 1984-02-10\\n: expected a date as YYYY-MM-DD\"}", kNextChart}},
      // A quote left open takes the rows after it, up to the row limit.
      {"\"Unclosed,1984-02-10,10:30,8,male\n" + kNext, {"{\"line\":1,\"error\":\"a quoted field has no closing quote\"}"}},
  };
  std::string allLines;
  for (const auto& c : cases) allLines += ExpectJsonLines(c);
  EXPECT_VALID_JSON_LINES(allLines);
}

// A row is at most 65536 bytes: a longer one is reported and skipped to the
// end of the line on which it passes the limit, and the next row is cast.
TEST(Batch, ARowLongerThan64KiBIsReportedAndSkipped) {
  const std::string birth = ",1984-02-10,10:30,8,male";
  const std::string longest(65536 - birth.size(), 'x');
  const std::string tooLong = "{\"line\":1,\"error\":\"the row is longer than 65536 bytes\"}";
  const RowsCase cases[] = {
      {longest + birth + "\r\n" + kNext, {"{\"name\":\"" + longest + "\",", kNextChart}},
      {longest + "x" + birth + "\n" + kNext, {tooLong, kNextChart}},
      {std::string(1 << 20, ',') + "\n" + kNext, {tooLong, kNextChart}},
      {"\"" + longest + "\n\nLee\",1984-02-10,10:30,8,male\n" + kNext, {tooLong, kNextChart}},
      {std::string(100000, 'x'), {tooLong}},
      // A quote left open costs its row only: the line on which the row passes
      // the limit ends it.
      {"\"Open,1984-02-10\n" + std::string(70000, 'y') + "\n" + kNext, {tooLong, kNextChart}},
  };
  std::string allLines;
  for (const auto& c : cases) allLines += ExpectJsonLines(c);
  EXPECT_VALID_JSON_LINES(allLines);
}

// Hands out its text one byte at a time, as a pipe may.
class OneByteAtATime : public std::streambuf {
 public:
  explicit OneByteAtATime(std::string text) : text_(std::move(text)) {}

 protected:
  int_type underflow() override {
    if (at_ == text_.size()) return traits_type::eof();
    setg(&text_[at_], &text_[at_], &text_[at_] + 1);
    return traits_type::to_int_type(text_[at_++]);
  }

 private:
  std::string text_;
  std::size_t at_ = 0;
};

// The reader takes what the stream holds in pieces; where a piece ends changes nothing.
TEST(Batch, InputThatComesAByteAtATimeGivesTheSameOutput) {
  // Read whole, a row without quotes is cut at its commas where it lies; a
  // byte at a time, every row is read byte by byte.
  const std::string input = kRows + "\"Lee\r\nAnn\",1984-02-10,10:30,8,male\r\n\"Jo\"x,1\r\n" +
                            " \t \n,,,,\r\n Ann ,1984-02-10,10:30,8,male\r\r\nB\rC,1984-02-10,10:30,8,male\n\t\n" +
                            "Al,1984-02-10,10:30, 8,male,\r\nLast,1984-02-10,10:30,8,female";
  for (const bool json : {true, false}) {
    std::vector<std::string> args = {"--batch", "-"};
    if (json) args.push_back("--json");
    const auto whole = Cast(args, input);
    OneByteAtATime trickle(input);
    std::istream in(&trickle);
    std::ostringstream out, err;
    EXPECT_EQ(cast::RunCaster(args, in, out, err), 1) << json;
    EXPECT_EQ(whole.status, 1) << json;
    EXPECT_EQ(out.str(), whole.out) << json;
    EXPECT_EQ(err.str(), whole.err) << json;
  }
}

// `count` zero bytes, then `tail`: a line far longer than a test could keep.
class ZerosThen : public std::streambuf {
 public:
  ZerosThen(std::size_t count, std::string tail) : zerosLeft_(count), tail_(std::move(tail)) {}

 protected:
  int_type underflow() override {
    if (zerosLeft_ > 0) {
      const std::size_t size = std::min(zerosLeft_, zeros_.size());
      zerosLeft_ -= size;
      setg(zeros_.data(), zeros_.data(), zeros_.data() + size);
    } else if (!tailGiven_) {
      tailGiven_ = true;
      setg(tail_.data(), tail_.data(), tail_.data() + tail_.size());
    } else {
      return traits_type::eof();
    }
    return traits_type::to_int_type(*gptr());
  }

 private:
  std::string zeros_ = std::string(1 << 16, '\0');
  std::size_t zerosLeft_;
  std::string tail_;
  bool tailGiven_ = false;
};

long PeakResidentKilobytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

TEST(Batch, AnEndlessLineTakesNoMoreMemoryThanAShortOne) {
  ZerosThen input(std::size_t{96} << 20, "\n" + kNext);
  std::istream in(&input);
  std::ostringstream out, err;
  const long before = PeakResidentKilobytes();
  const auto status = cast::RunCaster(std::vector<std::string>{"--batch", "-"}, in, out, err);
  EXPECT_LT(PeakResidentKilobytes() - before, 32 * 1024) << "kilobytes more at the peak";
  EXPECT_EQ(status, 1);
  EXPECT_EQ(err.str(), "tavrin-cast: line 1: the row is longer than 65536 bytes\n");
  EXPECT_TRUE(out.str().starts_with("Next\n")) << out.str().substr(0, 200);
}

// JSON text is UTF-8: a value's bytes that are not show as U+FFFD, one for each byte.
TEST(Batch, JsonErrorLinesAreUtf8WhateverTheRowHeld) {
  const std::string replacement = "\xEF\xBF\xBD";
  const std::pair<std::string, std::string> dateAndShown[] = {
      {"1984-02-10\xff", "1984-02-10" + replacement},
      {"\xC3(", replacement + "("},
      {"\xC0\xAF", replacement + replacement},                               // an overlong "/"
      {"\xED\xA0\x80", replacement + replacement + replacement},              // a surrogate
      {"\xF4\x90\x80\x80", replacement + replacement + replacement + replacement},  // above U+10FFFF
      {"x\xE6\xBC", "x" + replacement + replacement},                        // cut short
      {"\xE6\xBC\xA2 \xF0\x9F\x90\x89 \xC3\xA9", "\xE6\xBC\xA2 \xF0\x9F\x90\x89 \xC3\xA9"},     // well-formed, as it is
  };
  std::string allLines;
  for (const auto& [date, shown] : dateAndShown)
    allLines += ExpectJsonLines({"Ann," + date + ",10:30,8,male\n",
                                 {"{\"line\":1,\"error\":\"date " + shown + ": expected a date as YYYY-MM-DD\"}"}});
  EXPECT_VALID_JSON_LINES(allLines);
}

}  // namespace
}  // namespace tavrin
