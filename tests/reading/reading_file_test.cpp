#include "reading/reading_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "birth/gender.h"
#include "engine/number_text.h"
#include "reading/name_choice.h"
#include "reading/reading_lines.h"
#include "text/text_codec.h"
#include "tests/endless_bytes.h"
#include "tests/test_paths.h"

namespace tavrin {
namespace {

using testing::EndlessBytes;

// Saved readings raise every Windows-1252 code by 14; the expected bytes are
// built here by hand, not through the codec.
std::string Raised(std::string_view ansi) {
  std::string out;
  for (const char c : ansi) out += static_cast<char>(static_cast<unsigned char>(c) + 14);
  return out;
}

std::string File(const std::vector<std::string>& ansiLines) {
  std::string out;
  for (const auto& line : ansiLines) out += Raised(line) + "\r\n";
  return out;
}

Reading Read(const std::string& bytes) {
  std::istringstream in(bytes);
  return ReadReading(in);
}

// Fields in order: Name, BirthYear, MonthName, BirthMonth, BirthDay, BirthHour,
// BirthMinute, BirthSecond, ZoneOffset, Longitude, GenderText, GenderSign.
BirthDetails Person(std::string name, std::int16_t minute = 30, std::string zone = "8", std::string gender = "Male") {
  return {std::move(name), 1984, "February", 2, 10, 10, minute, 0, std::move(zone), 120, std::move(gender), 1};
}

TEST(ReadingFile, ComposesTheLinesByteForByte) {
  const std::vector<std::string> ann = {"Ann Lee", "1984", "February", "10", "10", "30", "0", "8", "Male"};
  const auto annWith = [&](std::string name, std::string extra = "") {
    auto lines = ann;
    lines[0] = std::move(name);
    if (!extra.empty()) lines.push_back(std::move(extra));
    return File(lines);
  };
  struct Case {
    std::string name;
    std::optional<double> longitude;
    std::string expected;
  } cases[] = {
      {"Ann Lee", std::nullopt, annWith("Ann Lee")},
      {"Ann Lee", 116.4, annWith("Ann Lee", "116.4")},
      {"Ann Lee", -0.5, annWith("Ann Lee", "-0.5")},
      {"Ann Lee", 0.00001, annWith("Ann Lee", "0.00001")},  // plain decimal, never 1e-05
      {"Ann Lee", -0.0, annWith("Ann Lee", "0")},
      {"Zoë", std::nullopt, annWith("Zo\xEB")},      // 0xEB + 14 still fits a byte
      {"Jörg Ñúñez", std::nullopt, annWith("Jrg \xD1\xF1" "ez")},  // ö and ú pass 255: dropped
      {"öüÿ", std::nullopt, annWith("")},  // nothing left: the line is just CR LF
  };
  for (const auto& c : cases) EXPECT_EQ(ComposeReading(ReadingOf(Person(c.name), c.longitude)), c.expected) << c.name;
  // Not in Windows-1252: "?" on the first line, the name in full on a name line.
  EXPECT_EQ(ComposeReading(ReadingOf(Person("李小龍"), std::nullopt)),
            File({"???", "1984", "February", "10", "10", "30", "0", "8", "Male", "", "name=\\u674E\\u5C0F\\u9F8D"}));

  BirthDetails negative = Person("X", 5, "-3.5", "Female");
  negative.BirthYear = -44;
  negative.BirthSecond = 59;
  EXPECT_EQ(ComposeReading(ReadingOf(negative, std::nullopt)),
            File({"X", "-44", "February", "10", "10", "5", "59", "-3.5", "Female"}));
}

TEST(ReadingFile, RoundTripsThroughTheOpeningRules) {
  struct Case {
    BirthDetails person;
    std::optional<double> longitude;
    std::string name;  // as it comes back
  } cases[] = {
      {Person("O'Brien-Smith, Jr. (\"Bo\") #1"), std::nullopt, "O'Brien-Smith, Jr. (\"Bo\") #1"},
      {Person("Zoë Ånström", 0, "-5", "Female"), 116.397, "Zoë Ånstrm"},
      {Person("€ Œuvre", 59, "5.5"), -180, "€ Œuvre"},
      {Person("李 Li", 0, "-3.5"), 0.1, "李 Li"},
      {Person("", 7, "0", "Female"), std::nullopt, ""},
  };
  for (const auto& c : cases) {
    const Reading reading = Read(ComposeReading(ReadingOf(c.person, c.longitude)));
    SCOPED_TRACE(c.name);
    EXPECT_EQ(reading.lineCount, c.longitude || !reading.choices.empty() ? 10u : 9u);
    const std::string expected[] = {c.name, "1984", "February", "10", "10", std::to_string(c.person.BirthMinute),
                                    "0", c.person.ZoneOffset, c.person.GenderText};
    for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(reading.text[i], expected[i]) << i;
    EXPECT_EQ(MinuteFromLine(reading[ReadingLine::minute]), c.person.BirthMinute);
    EXPECT_EQ(IsMaleText(reading[ReadingLine::gender]), c.person.GenderText == "Male");
    EXPECT_EQ(ZoneFromLine(reading[ReadingLine::zone]), ParseDecimal(c.person.ZoneOffset));
    EXPECT_EQ(LongitudeFromLine(reading[ReadingLine::longitude]), c.longitude);
  }
}

// Choices follow all ten lines, so a reader that knows only the ten lines
// sees the file as before; the longitude line stays empty when none was typed.
TEST(ReadingFile, KeepsChoicesAfterTheTenthLine) {
  Reading reading = ReadingOf(Person("Ann"), std::nullopt);
  reading.SetChoice("method", "classic");
  reading.SetChoice("place", "Zoë's town, 上海");
  reading.SetChoice("method", "precise");
  const std::string bytes = ComposeReading(reading);
  EXPECT_EQ(bytes, File({"Ann", "1984", "February", "10", "10", "30", "0", "8", "Male", "", "method=precise",
                         "place=Zo\xEB's town, ??"}));

  const Reading back = Read(bytes + File({"no equals sign", "=no key", "a=b=c"}));
  EXPECT_EQ(back.lineCount, 10u);
  EXPECT_EQ(LongitudeFromLine(back[ReadingLine::longitude]), std::nullopt);
  EXPECT_EQ(back.Choice("method"), "precise");
  EXPECT_EQ(back.Choice("place"), "Zoë's town, ??");
  EXPECT_EQ(back.Choice("a"), "b=c");
  EXPECT_EQ(back.Choice("missing"), std::nullopt);
  EXPECT_EQ(back.choices.size(), 3u);

  std::vector<std::string> many(kReadingLineCount, "x");
  for (std::size_t i = 0; i < kReadingChoiceLimit + 5; ++i) many.push_back("k" + std::to_string(i) + "=v");
  EXPECT_EQ(Read(File(many)).choices.size(), kReadingChoiceLimit);
}

// A name the code page cannot carry comes back whole from its name line, in
// the desktop program and the caster alike; a name line that does not decode
// leaves the first line's name and says why.
TEST(ReadingFile, KeepsANameTheCodePageCannotCarryOnANameLine) {
  struct Case {
    const char* label;
    std::string name;                  // saved
    std::optional<std::string> line;  // the name line written
  } saved[] = {
      {"Chinese and ASCII", "张伟 Zhang Wei", "\\u5F20\\u4F1F Zhang Wei"},
      {"beyond U+FFFF, a backslash and a control", "\xF0\xA0\x80\x80\\\t😀",
       "\\uD840\\uDC00\\u005C\\u0009\\uD83D\\uDE00"},
      {"a malformed byte", "A\xFF", "A\\uFFFD"},
      // Half of a UTF-16 pair and a code beyond U+10FFFF in UTF-8's form are no characters.
      {"a surrogate and a code too high", "A\xED\xA0\x80\xF4\x90\x80\x80", "A\\uFFFD\\uFFFD"},
      {"Windows-1252 alone, even where the codec drops it", "Zoë Müller €", std::nullopt},
  };
  for (const Case& c : saved) {
    SCOPED_TRACE(c.label);
    const Reading reading = Read(ComposeReading(ReadingOf(Person(c.name), std::nullopt)));
    EXPECT_EQ(reading.Choice("name"), c.line);
    if (c.line) {
      std::string whole;
      ASSERT_EQ(DecodeNameChoice(*c.line, whole), std::nullopt);
      EXPECT_EQ(reading[ReadingLine::name], whole);
      EXPECT_EQ(NameChoiceProblem(reading), std::nullopt);
    }
  }

  const std::vector<std::string> ten = {"??", "1984", "February", "10", "10", "30", "0", "8", "Male", ""};
  const auto withNameLine = [&](const std::string& line) {
    auto lines = ten;
    lines.push_back(line);
    return File(lines);
  };
  struct Opened {
    const char* label;
    std::string bytes;
    std::string name;                     // as it comes back
    std::optional<std::string> problem;  // NameChoiceProblem
  } opened[] = {
      {"lower-case digits", withNameLine("name=\\u5f20\\u4f1f"), "张伟", std::nullopt},
      {"empty", withNameLine("name="), "", std::nullopt},
      {"three digits", withNameLine("name=\\u5F2"), "??", "name=\\u5F2: \"\\u5F2\" is not \\u and four hexadecimal digits"},
      {"not a u", withNameLine("name=A\\x41"), "??", "name=A\\x41: \"\\x41\" is not \\u and four hexadecimal digits"},
      {"a lone first half", withNameLine("name=\\uD83DX"), "??",
       "name=\\uD83DX: \"\\uD83D\" is the first half of a pair with no second"},
      {"a lone second half", withNameLine("name=\\uDE00"), "??",
       "name=\\uDE00: \"\\uDE00\" is the second half of a pair with no first"},
      {"a long bad line is cut short in the message", withNameLine("name=" + std::string(50, 'a') + "\\"), "??",
       "name=" + std::string(40, 'a') + "...: \"\\\" is not \\u and four hexadecimal digits"},
      // Cut at the line limit it would decode to a shorter name: it is not taken.
      {"longer than a line", withNameLine("name=" + std::string(kReadingLineLimit, 'a')), "??", std::nullopt},
  };
  for (const Opened& c : opened) {
    SCOPED_TRACE(c.label);
    const Reading reading = Read(c.bytes);
    EXPECT_EQ(reading[ReadingLine::name], c.name);
    EXPECT_EQ(NameChoiceProblem(reading), c.problem);
  }
}

TEST(ReadingFile, ReadsLinesLeniently) {
  std::vector<std::string> twelve;
  for (int i = 1; i <= 12; ++i) twelve.push_back(std::to_string(i));
  struct Case {
    const char* label;
    std::string bytes;
    std::vector<std::string> lines;
  } cases[] = {
      {"empty file", "", {}},
      {"one break", "\r\n", {""}},
      {"four lines", File({"Ann", "1984", "March", "7"}), {"Ann", "1984", "March", "7"}},
      {"twelve lines", File(twelve), {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
      {"lone LF", Raised("a") + "\n" + Raised("b") + "\n", {"a", "b"}},
      {"lone CR", Raised("a") + "\r" + Raised("b") + "\r", {"a", "b"}},
      {"mixed breaks", Raised("a") + "\r\n\n" + Raised("b") + "\r\r" + Raised("c"), {"a", "", "b", "", "c"}},
      {"below the offset", std::string("\x00\x05", 2) + Raised("A") + "\x0B\x0C" + Raised("n"), {"An"}},
      {"high codes", "\x8E\xFF", {"€ñ"}},
  };
  for (const auto& c : cases) {
    const Reading reading = Read(c.bytes);
    EXPECT_EQ(reading.lineCount, c.lines.size()) << c.label;
    for (std::size_t i = 0; i < kReadingLineCount; ++i)
      EXPECT_EQ(reading.text[i], i < c.lines.size() ? c.lines[i] : "") << c.label << " line " << i;
  }
}

TEST(ReadingFile, CutsLongLinesAndKeepsTheNextOnes) {
  const std::string a = Raised("a");
  const Reading reading = Read(std::string(100 * 1024, a[0]) + "\r\n" + File({"b", "c"}));
  EXPECT_EQ(reading.text[0], std::string(kReadingLineLimit, 'a'));
  EXPECT_EQ(reading.text[1], "b");
  EXPECT_EQ(reading.text[2], "c");
  EXPECT_EQ(reading.lineCount, 3u);

  std::istringstream huge(std::string(10'000'000, a[0]) + "\r\n" + File({"b"}));
  EXPECT_EQ(ReadReading(huge).text[0].size(), kReadingLineLimit);
  EXPECT_LE(static_cast<std::size_t>(huge.tellg()), kReadingByteBudget);
}

TEST(ReadingFile, TakesABoundedNumberOfBytesFromAnEndlessStream) {
  std::string allCodes;
  for (int code = 0; code < 256; ++code) allCodes += static_cast<char>(code);
  struct Case {
    const char* label;
    std::string pattern;
    std::size_t linesRead;
    std::optional<std::size_t> taken;
  } cases[] = {
      {"no break", "x", 1, kReadingByteBudget},
      {"LF only", "\n", 10, kReadingLinesRead},
      {"CR LF only", "\r\n", 10, 2 * kReadingLinesRead},
      {"long lines", std::string(70000, 'x') + "\n", 10, kReadingByteBudget},
      {"every code", allCodes, 10, std::nullopt},
  };
  for (const auto& c : cases) {
    EndlessBytes bytes(c.pattern);
    std::istream in(&bytes);
    const Reading reading = ReadReading(in);
    EXPECT_EQ(reading.lineCount, c.linesRead) << c.label;
    EXPECT_LE(bytes.Taken(), kReadingByteBudget) << c.label;
    if (c.taken) {
      EXPECT_EQ(bytes.Taken(), *c.taken) << c.label;
    }
    for (const auto& line : reading.text) EXPECT_LE(ToAnsi(line).size(), kReadingLineLimit) << c.label;
  }
}

// The fuzzer's seed readings are files as the program saves them; they must
// keep opening the same way.
TEST(ReadingFile, SeedReadingsAreWhatTheProgramSaves) {
  struct Case {
    const char* file;
    BirthDetails person;
    std::optional<double> longitude;
  } cases[] = {
      {"ann-lee.baz", Person("Ann Lee"), std::nullopt},
      {"zoe-with-longitude.baz", Person("Zoë Ånström", 0, "-5", "Female"), -73.9857},
      {"half-hour-zone.baz", Person("R. K. Narayan", 59, "5.5"), std::nullopt},
      {"dropped-name.baz", Person("öüÿ", 7, "-3.5", "Female"), std::nullopt},
  };
  const auto corpus = std::filesystem::path(testing::SourceDir()) / "fuzz/corpus";
  for (const auto& c : cases) {
    std::ifstream in(corpus / c.file, std::ios::binary);
    ASSERT_TRUE(in) << c.file;
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    EXPECT_EQ(bytes, ComposeReading(ReadingOf(c.person, c.longitude))) << c.file;
  }
}

}  // namespace
}  // namespace tavrin
