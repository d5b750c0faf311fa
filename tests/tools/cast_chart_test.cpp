#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <string>
#include <vector>

#include "build_settings.h"
#include "engine/chart.h"
#include "engine/chart_texts.h"
#include "engine/number_text.h"
#include "tests/tools/caster_process.h"

namespace tavrin {
namespace {

using testing::Lines;
using testing::Cast;
using testing::SampleArgs;

// A JSON number: the shortest text that reads back as the same double.
const std::string& Box(const Chart& chart, int block) {
  return InterpretationOf(chart.pillars[block], static_cast<PillarBlock>(block));
}

std::string ShortestNumber(double value) {
  char buffer[32];
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::string JsonTexts(const auto& texts) {
  std::string joined;
  for (const auto& text : texts) joined += (joined.empty() ? "[\"" : ",\"") + std::string(text) + "\"";
  return joined + "]";
}

std::string EscapedLineBreaks(std::string text) {
  for (std::size_t at; (at = text.find("\r\n")) != text.npos;) text.replace(at, 2, "\\r\\n");
  return text;
}

TEST(CastOne, SampleChartAsText) {
  const auto run = Cast(SampleArgs());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out.find('\r'), std::string::npos);
  const auto lines = Lines(run.out);
  for (const char* want : {"Stem          +Wood [Jia]     +Fire [Bing]    +Wood [Jia]     -Earth [Ji]",
                           "Branch        Rat [Zi]        Tiger [Yin]     Dog [Xu]        Snake [Si]",
                           "Hidden stems  -Water [Gui]    +Wood [Jia]     +Earth [Wu]     +Fire [Bing]",
                           "Luck periods, forward", "The Year Pillar", "The Hour Pillar",
                           "Lunar date 甲子年 正月 初九 (Rat 1984, month 1, day 9)",
                           "Yang fire is a forest fire which is hot and burns non-stop."})
    EXPECT_NE(std::find(lines.begin(), lines.end(), want), lines.end()) << want << "\n" << run.out;
  const auto table = std::find(lines.begin(), lines.end(), "  From age  Stem            Branch");
  ASSERT_LT(table + 8, lines.end());
  EXPECT_EQ(table[1], "  8.17      -Fire [Ding]    Rabbit [Mao]");
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(table[1 + i].starts_with("  " + std::to_string(10 * i + 8) + ".17 "));
}

// Columns a terminal gives UTF-8 text: one a character, two for the Chinese ones.
std::size_t TerminalColumns(std::string_view line) {
  std::size_t columns = 0;
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x80 && byte < 0xC0) continue;  // inside a character
    columns += byte >= 0xE3 && byte <= 0xE9 ? 2 : 1;
  }
  return columns;
}

TEST(CastOne, TextFitsAnEightyColumnTerminal) {
  const std::vector<std::string> births[] = {
      SampleArgs(),
      {"--name", "Old One", "--date", "1500-09-29", "--time", "00:10:59", "--zone", "-10.5", "--longitude",
       "-179.99", "--gender", "female"},
      {"--name", std::string(40, 'x') + " " + std::string(50, 'y'), "--date", "2000-01-01", "--time", "12:00",
       "--zone", "5.75", "--gender", "male"},
      {"--name", "Coming of Age", "--date", "1500-01-12", "--time", "02:30", "--zone", "8", "--gender", "female"},
  };
  for (const auto& args : births) {
    const auto run = Cast(args);
    ASSERT_EQ(run.status, 0) << run.err;
    for (const auto& line : Lines(run.out)) EXPECT_LE(TerminalColumns(line), 80u) << line;
  }
}

struct EngineCase {
  std::vector<std::string> args;
  BirthDetails birth;  // what the entry form would hand the engine
};

TEST(CastOne, JsonHoldsWhatTheEngineComputesForTheBirthTheFormWouldGive) {
  const EngineCase cases[] = {
      {SampleArgs(), {"Sample Person", 1984, "February", 2, 10, 10, 30, 0, "8", 116, "Male", 1}},
      {{"--name", "  Ana Lima ", "--date", "2000-01-01", "--time", "12:00:45", "--zone", "-3.5", "--gender", "Female"},
       {"Ana Lima", 2000, "January", 1, 1, 12, 0, 45, "-3.5", -52.5, "Female", -1}},
      {{"--name", "Old", "--date", "1500-02-29", "--time", "23:30", "--zone", "+05.50", "--longitude", "-0.5",
        "--gender", "MALE"},
       {"Old", 1500, "February", 2, 29, 23, 30, 0, "5.5", -0.5, "Male", 1}},
      {{"--name", "Z", "--date", "0001-03-01", "--time", "0:05", "--zone=-0", "--gender", "fEmAlE"},
       {"Z", 1, "March", 3, 1, 0, 5, 0, "0", 0, "Female", -1}},
      {{"--name", "Late", "--date", "9999-12-31", "--time", "23:59:59", "--zone", "14", "--gender", "male"},
       {"Late", 9999, "December", 12, 31, 23, 59, 59, "14", 210, "Male", 1}},
      // Ages of 8.13 + 10 and on, which binary fractions hold only nearly.
      {{"--name", "Ages", "--date", "1984-02-10", "--time", "13:00", "--zone", "8", "--gender", "male"},
       {"Ages", 1984, "February", 2, 10, 13, 0, 0, "8", 120, "Male", 1}},
      // An offset finer than a second, kept as given.
      {{"--name", "Fine", "--date", "2000-01-01", "--time", "12:00", "--zone", "8.0001", "--gender", "male"},
       {"Fine", 2000, "January", 1, 1, 12, 0, 0, "8.0001", 120.0015, "Male", 1}},
  };
  std::string allLines;
  for (const auto& c : cases) {
    Chart chart;
    ASSERT_EQ(ComputeChart(c.birth, {}, chart), CastError::none);
    auto args = c.args;
    args.push_back("--json");
    const auto run = Cast(args);
    ASSERT_EQ(run.status, 0) << c.birth.Name << ": " << run.err;
    allLines += run.out;
    const std::string want[] = {
        "{\"name\":\"" + c.birth.Name + "\",",
        "\"monthName\":\"" + c.birth.MonthName + "\",",
        "\"zoneOffset\":\"" + c.birth.ZoneOffset + "\",\"longitude\":" + ShortestNumber(c.birth.Longitude) + ",",
        "\"gender\":\"" + c.birth.GenderText + "\",",
        "\"localHours\":" + ShortestNumber(chart.localHours) + ",",
        "\"julianDay0\":" + ShortestNumber(chart.julianDay0) + ",",
        "\"solarLongitude\":" + ShortestNumber(chart.solarLongitude) + ",",
        "\"pillarCells\":" + JsonTexts(PillarCellsOf(chart)) + ",",
        "\"luckDirection\":" + std::to_string(chart.luckDirection) + ",",
        "\"luckStartAge\":" + GeneralNumber(chart.luckStartAge) + ",",
        "\"luckPeriods\":[{\"age\":" + GeneralNumber(chart.luckPeriods[0].age) + ",\"stem\":\"" +
            std::string(StemLabel(chart.luckPeriods[0].pillar.stem)) + "\",\"branch\":\"" +
            std::string(BranchLabel(chart.luckPeriods[0].pillar.branch)),
        "\"luckCaptions\":" + JsonTexts(LuckCaptionsOf(chart)) + ",",
        "\"interpretation\":{\"year\":\"" + EscapedLineBreaks(Box(chart, 0)) + "\",\"month\":\"" +
            EscapedLineBreaks(Box(chart, 1)) + "\",\"day\":\"" + EscapedLineBreaks(Box(chart, 2)) +
            "\",\"hour\":\"" + EscapedLineBreaks(Box(chart, 3)) + "\"},\"analysis\":{",
    };
    for (const auto& fragment : want) EXPECT_NE(run.out.find(fragment), std::string::npos) << fragment << "\n" << run.out;
  }
  EXPECT_VALID_JSON_LINES(allLines);
  // Every age is written as the captions show it, with at most two decimals.
  for (std::size_t at = allLines.find("ge\":"); at != std::string::npos; at = allLines.find("ge\":", at + 1)) {
    const std::string number = allLines.substr(at + 4, allLines.find_first_of(",}", at) - at - 4);
    const std::size_t point = number.find('.');
    EXPECT_TRUE(point == std::string::npos || number.size() - point <= 3) << number;
  }
}

TEST(CastOne, SampleChartAsJson) {
  const auto run = Cast(SampleArgs({"--json", "--today", "2026-12-09"}));
  ASSERT_EQ(run.status, 0) << run.err;
  for (const char* want :
       {"\"analysis\":{\"pillars\":[{\"stem\":{\"hanzi\":\"甲\",\"pinyin\":\"jiǎ\",\"element\":\"Wood\","
        "\"tenGod\":{\"hanzi\":\"比肩\",\"english\":\"Friend\"}},\"branch\":{\"hanzi\":\"子\",\"pinyin\":\"zǐ\","
        "\"element\":\"Water\"},\"hidden\":[{\"hanzi\":\"癸\",\"tenGod\":{\"hanzi\":\"正印\",\"english\":"
        "\"Direct Resource\"}}],\"naYin\":{\"hanzi\":\"海中金\",\"english\":\"Gold in the Sea\"},"
        "\"lifeStage\":{\"hanzi\":\"沐浴\",\"english\":\"Bath\"},\"selfStage\":{\"hanzi\":\"沐浴\",\"english\":\"Bath\"},"
        "\"stars\":[{\"hanzi\":\"太极贵人\",\"english\":\"Supreme Noble\"}],\"void\":false}",
        "\"tenGod\":{\"hanzi\":\"日主\",\"english\":\"Day Master\"}",
        "\"elements\":{\"eightCharacters\":{\"Wood\":3,\"Fire\":2,\"Earth\":2,\"Metal\":0,\"Water\":1},"
        "\"withHiddenStems\":{\"Wood\":4,\"Fire\":5,\"Earth\":5,\"Metal\":2,\"Water\":2}}",
        "\"luckPeriods\":[{\"age\":8.17,\"startYear\":1992,\"endYear\":2001,\"hanzi\":\"丁卯\","
        "\"nominalAge\":9,\"stars\":[",
        "\"current\":{\"luckPeriod\":4,\"year\":2026}}}\n",
        "\"pillarCells\":[\"+Wood [Jia]\",\"Rat [Zi]\",\"-Water [Gui]\",\"\",\"\",\"+Fire [Bing]\",\"Tiger [Yin]\",",
        "\"-Earth [Ji]\",\"Snake [Si]\",",
        "\"genderSign\":1},\"lunarDate\":{\"year\":1984,\"month\":1,\"leap\":false,\"day\":9,"
        "\"hanzi\":\"甲子年 正月 初九\"},\"localHours\"",
        "\"luckDirection\":1,\"luckStartAge\":8.17,\"luckPeriods\":[{\"age\":8.17,\"stem\":\"-Fire [Ding]\","
        "\"branch\":\"Rabbit [Mao]\"}"})
    EXPECT_NE(run.out.find(want), std::string::npos) << want;
  EXPECT_EQ(run.out.find("annualPillars"), std::string::npos);

  // The annual pillars, the same cycle for everyone born in a year, only when asked.
  for (const char* fields : {"all", "annualPillars"}) {
    const auto asked = Cast(SampleArgs({"--json", "--today", "2026-12-09", "--fields", fields}));
    ASSERT_EQ(asked.status, 0) << asked.err;
    for (const char* want : {"\"annualPillars\":[{\"year\":1984,\"age\":0,\"hanzi\":\"甲子\",\"luckPeriod\":0,\"stars\":[",
                             "{\"year\":2026,\"age\":42,\"hanzi\":\"丙午\",\"luckPeriod\":4,\"stars\":[",
                             "{\"year\":2084,\"age\":100,\"hanzi\":\"甲辰\",\"luckPeriod\":0,\"stars\":["})
      EXPECT_NE(asked.out.find(want), std::string::npos) << fields << ": " << want;
  }
  const auto all = Cast(SampleArgs({"--json", "--today", "2026-12-09", "--fields", "all"}));
  EXPECT_EQ(all.out.substr(0, run.out.size() - 2), run.out.substr(0, run.out.size() - 2));
}

// The lunar date is the birth's civil date as entered, in its own zone; a
// day the lunar calendar does not cover has none.
TEST(CastOne, TheLunarDateIsTheCivilDayOfTheBirthWhereTheCalendarCoversIt) {
  const struct {
    std::string date, zone, json;
  } kCases[] = {
      {"2034-01-05", "8", "\"lunarDate\":{\"year\":2033,\"month\":11,\"leap\":true,\"day\":15,"},
      {"2034-01-05", "-10", "\"lunarDate\":{\"year\":2033,\"month\":11,\"leap\":true,\"day\":15,"},
      {"1600-01-01", "0", "\"lunarDate\":{\"year\":1599,"},
      {"1599-12-31", "0", ""},
      {"2200-01-01", "0", "\"lunarDate\":{\"year\":2199,\"month\":11,"},
      {"2200-06-01", "0", ""},
  };
  for (const auto& c : kCases) {
    const auto run = Cast({"--name", "A", "--date", c.date, "--time", "23:30", "--zone", c.zone, "--gender", "male",
                           "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    if (c.json.empty()) {
      EXPECT_EQ(run.out.find("lunarDate"), std::string::npos) << c.date;
    } else {
      EXPECT_NE(run.out.find(c.json), std::string::npos) << c.date << "\n" << run.out.substr(0, 300);
    }
  }
}

// Spring Beginning 2000 fell at 20:40:23 in Beijing and opened the Geng Chen
// year's Wu Yin month; the Ren Chen day's Geng Xu hour ran to 21:00.
TEST(CastOne, FindPillarsListsTheSpansOfClockTimeWithThosePillars) {
  const struct {
    std::vector<std::string> args;
    std::string out;
  } kCases[] = {
      {{"--find-pillars", "庚辰 戊寅 壬辰 庚戌", "--from", "1990", "--to", "2010", "--json"},
       "{\"from\":\"2000-02-04T20:40:23\",\"to\":\"2000-02-04T20:59:59\"}\n"},
      {{"--find-pillars", "geng chen wu yin ren chen geng xu", "--from", "1990", "--to", "2010", "--zone", "9",
        "--json"},
       ""},  // in UTC+9 the Jie fell at 21:40, after that hour
      {{"--find-pillars", "庚辰 戊寅 壬辰", "--from", "2000", "--to", "2000", "--day-starts", "23"},
       "1 span of clock time in UTC+8, 2000 to 2000, with these pillars by the precise method (the day starting "
       "at 23:00):\n2000-02-04T20:40:23 to 2000-02-04T22:59:59\n"},
      // Shanghai's summer time of 1988 put the clocks an hour ahead of the
      // standard time the day and hour are read in: 30 June's late Rat hour
      // was 00:00 to 01:00 on the clock, and its early one 01:00 to 02:00.
      {{"--find-pillars", "戊辰 戊午 丙辰 庚子", "--from", "1988", "--to", "1988", "--tz", "asia/shanghai"},
       "1 span of clock time in Asia/Shanghai, 1988 to 1988, with these pillars by the precise method (the day "
       "starting at midnight):\n1988-07-01T00:00:00 to 1988-07-01T00:59:59, UTC+9\n"},
      {{"--find-pillars", "戊辰 戊午 丙辰 戊子", "--from", "1988", "--to", "1988", "--tz", "Asia/Shanghai",
        "--day-starts", "own-rat", "--json"},
       "{\"from\":\"1988-06-30T01:00:00\",\"to\":\"1988-06-30T01:59:59\",\"offset\":\"+9\"}\n"
       "{\"from\":\"1988-07-01T00:00:00\",\"to\":\"1988-07-01T00:59:59\",\"offset\":\"+9\"}\n"},
  };
  for (const auto& c : kCases) {
    const auto run = Cast(c.args);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, c.out);
  }
  for (const std::vector<std::string>& refused :
       {std::vector<std::string>{"--find-pillars", "庚辰 丙寅 壬辰 庚戌"},
        {"--find-pillars", "庚辰 戊寅 壬辰", "--from", "1599"},
        {"--find-pillars", "庚辰 戊寅 壬辰", "--name", "A"},
        {"--find-pillars", "庚辰 戊寅 壬辰", "--tz", "Asia/Shangai"},
        {"--find-pillars", "庚辰 戊寅 壬辰", "--tz", "Asia/Shanghai", "--zone", "8"},
        {"--find-pillars", "甲子 丙寅 甲子 丙子", "--day-starts", "own-rat"},
        {"--from", "1900", "--name", "A"}})
    EXPECT_EQ(Cast(refused).status, 2) << refused[1];
}

// Five minutes before Spring Beginning in Beijing, 4 February 2000.
TEST(CastOne, ThePreciseMethodAddsItsMembersAndLinesAndTheClassicNone) {
  const std::vector<std::string> args = {"--name", "A", "--date", "2000-02-04", "--time", "20:35", "--zone", "8",
                                        "--gender", "male", "--method", "precise", "--solar-time", "true"};
  const std::string warning =
      "Born 5 min 23 s before Spring Beginning, at 20:40:23 UTC+8 (2000-02-04T12:40:23Z); after it the year pillar would be "
      "+Metal [Geng] Dragon [Chen] and the month pillar +Earth [Wu] Tiger [Yin].";
  const std::string precise = "method,solarTime,dayStarts,utc,equationOfTimeMinutes,jie,luckStart,warnings";
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--json", "--fields", precise},
       "{\"method\":\"precise\",\"solarTime\":\"true\",\"dayStarts\":\"midnight\",\"utc\":"
       "\"2000-02-04T12:35:00Z\",\"equationOfTimeMinutes\":-13.867274569246838,\"jie\":{\"previous\":{\"name\":"
       "\"Lesser Cold.\",\"longitude\":285,\"utc\":\"2000-01-06T01:00:41Z\"},\"next\":{\"name\":\"Spring Beginning.\","
       "\"longitude\":315,\"utc\":\"2000-02-04T12:40:23Z\"}},\"luckStart\":{\"years\":9,\"months\":9,\"days\":27,"
       "\"date\":\"2009-12-01\"},\"warnings\":[\"" + warning + "\"]}\n"},
      {{"--json", "--fields", "luckStartAge,utc,luckStart"},
       "{\"luckStartAge\":9.82,\"utc\":\"2000-02-04T12:35:00Z\",\"luckStart\":{\"years\":9,\"months\":9,"
       "\"days\":27,\"date\":\"2009-12-01\"}}\n"},
  };
  for (const auto& [options, expected] : cases) {
    auto withOptions = args;
    withOptions.insert(withOptions.end(), options.begin(), options.end());
    const auto run = Cast(withOptions);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, expected);
  }
  const auto text = Cast(args);
  for (const std::string want :
       {"Longitude 120 E, true solar time 20:21", "Sun at 314.99 degrees of ecliptic longitude",
        "True solar time: the equation of time is -13.9 minutes",
        "Previous Jie: Lesser Cold. (285 degrees) at 2000-01-06T01:00:41Z",
        "Next Jie: Spring Beginning. (315 degrees) at 2000-02-04T12:40:23Z",
        "Luck starts at the age of 9 years, 9 months and 27 days, on 2009-12-01", "Warning: Born 5 min 23 s before Spring Beginning, at 20:40:23 UTC+8"})
    EXPECT_NE(text.out.find(want + "\n"), std::string::npos) << want << "\n" << text.out;
  // The classic method writes none of them, even when asked.
  EXPECT_EQ(Cast(SampleArgs({"--json", "--fields", precise})).out, "{}\n");
  // Nor does mean solar time write the equation of time.
  EXPECT_EQ(Cast(SampleArgs({"--json", "--method", "precise", "--fields", "equationOfTimeMinutes"})).out, "{}\n");
}

TEST(CastOne, WithoutALongitudeThePillarsFollowTheClockTimeInTheZone) {
  const std::pair<const char*, const char*> zoneAndMeridian[] = {
      {"8", "120"}, {"-5", "-75"}, {"5.5", "82.5"}, {"0", "0"}, {"-9.75", "-146.25"}};
  for (const auto& [zone, meridian] : zoneAndMeridian) {
    for (const bool json : {false, true}) {
      std::vector<std::string> base = {"--name", "N", "--date", "1984-02-10", "--time", "00:30", "--zone", zone,
                                       "--gender", "female"};
      if (json) base.push_back("--json");
      auto withMeridian = base;
      withMeridian.insert(withMeridian.end(), {"--longitude", meridian});
      const auto left = Cast(base), given = Cast(withMeridian);
      ASSERT_EQ(left.status, 0) << zone << ": " << left.err;
      EXPECT_EQ(left.out, given.out) << zone;
      if (json) {
        EXPECT_NE(left.out.find("\"localHours\":0.5,"), std::string::npos) << zone;
      }
    }
  }
}

TEST(CastOne, NamesPassThroughEscapedInJsonAndWithControlsShownAsQuestionMarksInText) {
  struct NameCase {
    std::string name, json, text;
  };
  const NameCase cases[] = {
      {"a\"b\\c\td\x01\x7f \xC3\xA9\xE6\xBC\xA2", "a\\\"b\\\\c\\td\\u0001\x7f \xC3\xA9\xE6\xBC\xA2",
       "a\"b\\c?d?? \xC3\xA9\xE6\xBC\xA2"},
      {"Se\xC3\xA1n \xC3\x93 Briain, called \"the Bard\" \\ of Connacht\x1f",
       "Se\xC3\xA1n \xC3\x93 Briain, called \\\"the Bard\\\" \\\\ of Connacht\\u001f",
       "Se\xC3\xA1n \xC3\x93 Briain, called \"the Bard\" \\ of Connacht?"},
      {"Ann\xC2\x9B" "31m\xC2\xA0Lee", "Ann\xC2\x9B" "31m\xC2\xA0Lee", "Ann?31m\xC2\xA0Lee"},  // C1 CSI, no-break space
  };
  std::string allLines;
  for (const auto& c : cases) {
    const std::vector<std::string> args = {"--name", " " + c.name + " ", "--date", "1984-02-10", "--time", "10:30",
                                           "--zone", "8", "--gender", "male"};
    const auto text = Cast(args);
    auto jsonArgs = args;
    jsonArgs.push_back("--json");
    const auto json = Cast(jsonArgs);
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_TRUE(json.out.starts_with("{\"name\":\"" + c.json + "\",")) << json.out;
    EXPECT_TRUE(text.out.starts_with(c.text + "\n")) << text.out;
    allLines += json.out;
  }
  EXPECT_VALID_JSON_LINES(allLines);
}

TEST(CastOne, VersionAndHelp) {
  const auto version = Cast({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(version.out.starts_with(std::string("tavrin-cast ") + kVersionText + "\nPlaces: GeoNames")) << version.out;
  EXPECT_NE(version.out.find("CC-BY 4.0"), std::string::npos);
  EXPECT_EQ(kVersionText, std::string("1.55"));
  const auto help = Cast({"--help"});
  EXPECT_EQ(help.status, 0);
  for (const char* option :
       {"--name", "--date", "--time", "--zone", "--gender", "--longitude", "--save", "--open", "--batch", "--json",
        "--format", "--fields", "--jobs", "--place", "--tz", "--fold", "--places", "luck8Branch", "interpretation"})
    EXPECT_NE(help.out.find(option), std::string::npos) << option;
  for (const auto& line : Lines(help.out)) EXPECT_LE(line.size(), 80u) << line;
}

}  // namespace
}  // namespace tavrin
