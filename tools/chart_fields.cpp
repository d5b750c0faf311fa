#include "tools/chart_fields.h"

#include <array>
#include <charconv>
#include <vector>

#include "analysis/chart_analysis.h"
#include "astro/civil_time.h"
#include "calendar/lunar_calendar.h"
#include "engine/chart_texts.h"
#include "engine/number_text.h"
#include "tools/analysis_json.h"
#include "tools/birth_place.h"
#include "tools/chart_csv.h"
#include "tools/field_selection.h"
#include "tools/json_writer.h"
#include "tools/place_json.h"
#include "tools/precise_json.h"

namespace tavrin::cast {
namespace {

using Sources = FieldSources;
using Group = FieldGroup;

// JSON values.

void StringArray(JsonWriter& json, const auto& texts) {
  json.BeginArray();
  for (const auto& text : texts) json.String(text);
  json.EndArray();
}

// Texts of the program's own tables: nothing in them to escape.
void PlainStringArray(JsonWriter& json, const auto& texts) {
  json.BeginArray();
  for (const auto& text : texts) json.PlainString(text);
  json.EndArray();
}

void BirthJson(JsonWriter& json, const Sources& sources) {
  const BirthDetails& birth = sources.birth;
  json.BeginObject();
  json.IntegerMember("year", birth.BirthYear);
  json.IntegerMember("month", birth.BirthMonth);
  json.StringMember("monthName", birth.MonthName);
  json.IntegerMember("day", birth.BirthDay);
  json.IntegerMember("hour", birth.BirthHour);
  json.IntegerMember("minute", birth.BirthMinute);
  json.IntegerMember("second", birth.BirthSecond);
  json.StringMember("zoneOffset", birth.ZoneOffset);
  json.NumberMember("longitude", birth.Longitude);
  json.StringMember("gender", birth.GenderText);
  json.IntegerMember("genderSign", birth.GenderSign);
  json.EndObject();
}

std::optional<calendar::LunarDate> LunarDateOfBirth(const BirthDetails& birth) {
  return calendar::LunarDateOf(birth.BirthYear, birth.BirthMonth, birth.BirthDay);
}

void LunarDateJson(JsonWriter& json, const Sources& sources) {
  const calendar::LunarDate date = *LunarDateOfBirth(sources.birth);
  json.BeginObject();
  json.IntegerMember("year", date.year);
  json.IntegerMember("month", date.month);
  json.BooleanMember("leap", date.leap);
  json.IntegerMember("day", date.day);
  json.StringMember("hanzi", calendar::LunarDateHanzi(date));
  json.EndObject();
}

void LuckPeriodsJson(JsonWriter& json, const Sources& sources) {
  json.BeginArray();
  for (const auto& period : sources.chart.luckPeriods) {
    json.BeginObject();
    json.HundredthsMember("age", period.age);
    json.PlainStringMember("stem", StemLabel(period.pillar.stem));
    json.PlainStringMember("branch", BranchLabel(period.pillar.branch));
    json.EndObject();
  }
  json.EndArray();
}

// The interpretation of a pillar in a box, as a JSON string: each of the
// texts there can be, escaped once.
std::string_view InterpretationJsonOf(const Pillar& pillar, PillarBlock block) {
  static const auto kTexts = [] {
    std::array<std::array<std::array<std::string, 2>, kBranchCount>, kStemCount> texts;
    JsonWriter json;
    for (int stem = 0; stem < kStemCount; ++stem)
      for (int branch = 0; branch < kBranchCount; ++branch)
        for (const PillarBlock kind : {PillarBlock::year, PillarBlock::hour}) {
          json.Clear();
          json.String(InterpretationOf({stem, branch}, kind));
          texts[stem][branch][kind == PillarBlock::hour] = json.Text();
        }
    return texts;
  }();
  return kTexts[pillar.stem][pillar.branch][block == PillarBlock::hour];
}

void InterpretationJson(JsonWriter& json, const Sources& sources) {
  static constexpr std::string_view kKeys[4] = {"year", "month", "day", "hour"};
  json.BeginObject();
  for (int block = 0; block < 4; ++block) {
    json.Key(kKeys[block]);
    json.Verbatim(InterpretationJsonOf(sources.chart.pillars[block], static_cast<PillarBlock>(block)));
  }
  json.EndObject();
}

// CSV cells. Texts from the program's own tables need no quotes and are
// appended as they are; texts of the birth go through the CSV quoting.

// The shortest text that reads back as the same number.
void AppendShortest(CsvText& out, auto value) {
  char* digits = out.Room(32);
  out.Took(std::to_chars(digits, digits + 32, value).ptr);
}

// Three numbers of at least `widths` digits, zero-padded, with `separator` between them.
void AppendPadded(CsvText& out, std::array<int, 3> numbers, std::array<int, 3> widths, char separator) {
  for (int i = 0; i < 3; ++i) {
    if (i > 0) out += separator;
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, numbers[i]).ptr;
    for (auto padding = widths[i] - (end - digits); padding > 0; --padding) out += '0';
    out += std::string_view(digits, static_cast<std::size_t>(end - digits));
  }
}

void PillarCell(CsvText& out, const Sources& sources, int slot) {
  out += CellOf(sources.chart.pillars[slot / 5], slot % 5);
}

void LuckStem(CsvText& out, const Sources& sources, int period) {
  out += StemLabel(sources.chart.luckPeriods[period].pillar.stem);
}

void LuckBranch(CsvText& out, const Sources& sources, int period) {
  out += BranchLabel(sources.chart.luckPeriods[period].pillar.branch);
}

void TenGod(CsvText& out, const Sources& sources, int pillar) {
  out += sources.analysis.pillars[pillar].stem.tenGod.hanzi;
}

void NaYin(CsvText& out, const Sources& sources, int pillar) {
  out += sources.analysis.pillars[pillar].naYin.hanzi;
}

void LifeStage(CsvText& out, const Sources& sources, int pillar) {
  out += sources.analysis.pillars[pillar].lifeStage.hanzi;
}

void ElementCount(CsvText& out, const Sources& sources, int element) {
  AppendShortest(out, sources.analysis.elements.eightCharacters[element]);
}

void ElementCountWithHidden(CsvText& out, const Sources& sources, int element) {
  AppendShortest(out, sources.analysis.elements.withHiddenStems[element]);
}

// A pillar's stars in characters, a space between them.
void Stars(CsvText& out, const Sources& sources, int pillar) {
  const analysis::StarSet stars = sources.analysis.pillars[pillar].stars;
  bool first = true;
  for (int row = 0; row < analysis::kStarCount; ++row) {
    if (!(stars >> row & 1)) continue;
    if (!first) out += ' ';
    first = false;
    out += analysis::StarTable[row].name.hanzi;
  }
}

void Void(CsvText& out, const Sources& sources, int pillar) {
  const auto& reading = sources.analysis.pillars[pillar];
  out += reading.inDayVoid || reading.inYearVoid ? "true" : "false";
}

constexpr ChartField kFields[] = {
    {"name", Group::birth, [](JsonWriter& json, const Sources& s) { json.String(s.birth.Name); },
     [](CsvText& out, const Sources& s, int) { AppendCsvCell(out, s.birth.Name); }},
    {"birth", Group::birth, BirthJson, nullptr},
    {"lunarDate", Group::lunar, LunarDateJson, nullptr},
    {"date", Group::birth, nullptr,
     [](CsvText& out, const Sources& s, int) {
       AppendPadded(out, {s.birth.BirthYear, s.birth.BirthMonth, s.birth.BirthDay}, {4, 2, 2}, '-');
     }},
    {"time", Group::birth, nullptr,
     [](CsvText& out, const Sources& s, int) {
       AppendPadded(out, {s.birth.BirthHour, s.birth.BirthMinute, s.birth.BirthSecond}, {2, 2, 2}, ':');
     }},
    {"zone", Group::birth, nullptr,
     [](CsvText& out, const Sources& s, int) { AppendCsvCell(out, s.birth.ZoneOffset); }},
    {"gender", Group::birth, nullptr,
     [](CsvText& out, const Sources& s, int) { AppendCsvCell(out, s.birth.GenderText); }},
    {"longitude", Group::birth, nullptr,
     [](CsvText& out, const Sources& s, int) { AppendShortest(out, s.birth.Longitude); }},

    {"localHours", Group::numbers, [](JsonWriter& json, const Sources& s) { json.Number(s.chart.localHours); },
     nullptr},
    {"julianDay0", Group::numbers, [](JsonWriter& json, const Sources& s) { json.Number(s.chart.julianDay0); },
     nullptr},
    {"dayMoment", Group::numbers, [](JsonWriter& json, const Sources& s) { json.Number(s.chart.dayMoment); }, nullptr},
    {"sunMoment", Group::numbers, [](JsonWriter& json, const Sources& s) { json.Number(s.chart.sunMoment); }, nullptr},
    {"solarLongitude", Group::numbers,
     [](JsonWriter& json, const Sources& s) { json.Number(s.chart.solarLongitude); }, nullptr},

    {"pillarCells", Group::pillars,
     [](JsonWriter& json, const Sources& s) { PlainStringArray(json, PillarCellsOf(s.chart)); }, nullptr},
    {"yearStem", Group::pillars, nullptr, PillarCell, 0},
    {"yearBranch", Group::pillars, nullptr, PillarCell, 1},
    {"yearHidden1", Group::pillars, nullptr, PillarCell, 2},
    {"yearHidden2", Group::pillars, nullptr, PillarCell, 3},
    {"yearHidden3", Group::pillars, nullptr, PillarCell, 4},
    {"monthStem", Group::pillars, nullptr, PillarCell, 5},
    {"monthBranch", Group::pillars, nullptr, PillarCell, 6},
    {"monthHidden1", Group::pillars, nullptr, PillarCell, 7},
    {"monthHidden2", Group::pillars, nullptr, PillarCell, 8},
    {"monthHidden3", Group::pillars, nullptr, PillarCell, 9},
    {"dayStem", Group::pillars, nullptr, PillarCell, 10},
    {"dayBranch", Group::pillars, nullptr, PillarCell, 11},
    {"dayHidden1", Group::pillars, nullptr, PillarCell, 12},
    {"dayHidden2", Group::pillars, nullptr, PillarCell, 13},
    {"dayHidden3", Group::pillars, nullptr, PillarCell, 14},
    {"hourStem", Group::pillars, nullptr, PillarCell, 15},
    {"hourBranch", Group::pillars, nullptr, PillarCell, 16},
    {"hourHidden1", Group::pillars, nullptr, PillarCell, 17},
    {"hourHidden2", Group::pillars, nullptr, PillarCell, 18},
    {"hourHidden3", Group::pillars, nullptr, PillarCell, 19},

    {"luckDirection", Group::luck, [](JsonWriter& json, const Sources& s) { json.Integer(s.chart.luckDirection); },
     [](CsvText& out, const Sources& s, int) { AppendShortest(out, s.chart.luckDirection); }},
    {"luckStartAge", Group::luck, [](JsonWriter& json, const Sources& s) { json.Hundredths(s.chart.luckStartAge); },
     [](CsvText& out, const Sources& s, int) { out.Took(WriteGeneralNumber(out.Room(kLongestGeneralNumber + 1), s.chart.luckStartAge, ".")); }},
    {"luckPeriods", Group::luck, LuckPeriodsJson, nullptr},
    {"luck1Stem", Group::luck, nullptr, LuckStem, 0},
    {"luck1Branch", Group::luck, nullptr, LuckBranch, 0},
    {"luck2Stem", Group::luck, nullptr, LuckStem, 1},
    {"luck2Branch", Group::luck, nullptr, LuckBranch, 1},
    {"luck3Stem", Group::luck, nullptr, LuckStem, 2},
    {"luck3Branch", Group::luck, nullptr, LuckBranch, 2},
    {"luck4Stem", Group::luck, nullptr, LuckStem, 3},
    {"luck4Branch", Group::luck, nullptr, LuckBranch, 3},
    {"luck5Stem", Group::luck, nullptr, LuckStem, 4},
    {"luck5Branch", Group::luck, nullptr, LuckBranch, 4},
    {"luck6Stem", Group::luck, nullptr, LuckStem, 5},
    {"luck6Branch", Group::luck, nullptr, LuckBranch, 5},
    {"luck7Stem", Group::luck, nullptr, LuckStem, 6},
    {"luck7Branch", Group::luck, nullptr, LuckBranch, 6},
    {"luck8Stem", Group::luck, nullptr, LuckStem, 7},
    {"luck8Branch", Group::luck, nullptr, LuckBranch, 7},

    {"luckCaptions", Group::texts,
     [](JsonWriter& json, const Sources& s) { PlainStringArray(json, LuckCaptionsOf(s.chart)); }, nullptr},
    {"interpretation", Group::texts, InterpretationJson, nullptr},

    {"analysis", Group::analysis, [](JsonWriter& json, const Sources& s) { WriteAnalysisJson(json, s.analysis); },
     nullptr},
    {"annualPillars", Group::analysis,
     [](JsonWriter& json, const Sources& s) { WriteAnnualPillarsJson(json, s.analysis); }, nullptr, 0,
     Written::whenAsked},
    {"yearTenGod", Group::analysis, nullptr, TenGod, 0},
    {"yearNaYin", Group::analysis, nullptr, NaYin, 0},
    {"yearLifeStage", Group::analysis, nullptr, LifeStage, 0},
    {"monthTenGod", Group::analysis, nullptr, TenGod, 1},
    {"monthNaYin", Group::analysis, nullptr, NaYin, 1},
    {"monthLifeStage", Group::analysis, nullptr, LifeStage, 1},
    {"dayTenGod", Group::analysis, nullptr, TenGod, 2},
    {"dayNaYin", Group::analysis, nullptr, NaYin, 2},
    {"dayLifeStage", Group::analysis, nullptr, LifeStage, 2},
    {"hourTenGod", Group::analysis, nullptr, TenGod, 3},
    {"hourNaYin", Group::analysis, nullptr, NaYin, 3},
    {"hourLifeStage", Group::analysis, nullptr, LifeStage, 3},
    {"wood", Group::analysis, nullptr, ElementCount, 0},
    {"fire", Group::analysis, nullptr, ElementCount, 1},
    {"earth", Group::analysis, nullptr, ElementCount, 2},
    {"metal", Group::analysis, nullptr, ElementCount, 3},
    {"water", Group::analysis, nullptr, ElementCount, 4},
    {"woodWithHidden", Group::analysis, nullptr, ElementCountWithHidden, 0},
    {"fireWithHidden", Group::analysis, nullptr, ElementCountWithHidden, 1},
    {"earthWithHidden", Group::analysis, nullptr, ElementCountWithHidden, 2},
    {"metalWithHidden", Group::analysis, nullptr, ElementCountWithHidden, 3},
    {"waterWithHidden", Group::analysis, nullptr, ElementCountWithHidden, 4},
    {"yearStars", Group::analysis, nullptr, Stars, 0},
    {"yearVoid", Group::analysis, nullptr, Void, 0},
    {"monthStars", Group::analysis, nullptr, Stars, 1},
    {"monthVoid", Group::analysis, nullptr, Void, 1},
    {"dayStars", Group::analysis, nullptr, Stars, 2},
    {"dayVoid", Group::analysis, nullptr, Void, 2},
    {"hourStars", Group::analysis, nullptr, Stars, 3},
    {"hourVoid", Group::analysis, nullptr, Void, 3},

    {"method", Group::precise,
     [](JsonWriter& json, const Sources& s) {
       json.PlainString(WordOf(s.chart.precise.options.method, kMethodWords));
     },
     nullptr},
    {"solarTime", Group::precise,
     [](JsonWriter& json, const Sources& s) {
       json.PlainString(WordOf(s.chart.precise.options.solarTime, kSolarTimeWords));
     },
     nullptr},
    {"dayStarts", Group::precise,
     [](JsonWriter& json, const Sources& s) {
       json.PlainString(WordOf(s.chart.precise.options.dayStarts, kDayStartsWords));
     },
     nullptr},
    {"utc", Group::precise,
     [](JsonWriter& json, const Sources& s) { json.PlainString(astro::IsoInstant(s.chart.precise.ut)); },
     nullptr},
    {"equationOfTimeMinutes", Group::trueSolarTime,
     [](JsonWriter& json, const Sources& s) { json.Number(s.chart.precise.equationOfTimeMinutes); }, nullptr},
    {"jie", Group::precise, [](JsonWriter& json, const Sources& s) { WriteJieJson(json, s.chart.precise); }, nullptr},
    {"luckStart", Group::precise,
     [](JsonWriter& json, const Sources& s) { WriteLuckStartJson(json, s.chart.precise.luckStart); }, nullptr},
    {"warnings", Group::precise,
     [](JsonWriter& json, const Sources& s) { StringArray(json, s.chart.precise.warnings); }, nullptr},

    {"place", Group::place, [](JsonWriter& json, const Sources& s) { WritePlaceJson(json, *s.where.place); }, nullptr},
    {"timeZone", Group::zone, [](JsonWriter& json, const Sources& s) { WriteTimeZoneJson(json, *s.where.zone); },
     nullptr},
    {"monthlyPillars", Group::months, [](JsonWriter& json, const Sources& s) { WriteMonthsJson(json, s.analysis); },
     nullptr},
    {"dailyPillars", Group::days, [](JsonWriter& json, const Sources& s) { WriteDaysJson(json, s.analysis); },
     nullptr},
};
static_assert(std::size(kFields) <= FieldSelection::kMostFields);

// The names and the rows of one format's fields, in the table's order.
struct FormatFields {
  std::vector<std::string_view> names;
  std::vector<std::size_t> rows;
};

const FormatFields& FieldsOf(FieldFormat format) {
  static const auto kFormats = [] {
    std::array<FormatFields, 2> formats;
    for (std::size_t row = 0; row < std::size(kFields); ++row)
      for (const FieldFormat each : {FieldFormat::json, FieldFormat::csv})
        if (kFields[row].In(each)) {
          formats[static_cast<int>(each)].names.push_back(kFields[row].name);
          formats[static_cast<int>(each)].rows.push_back(row);
        }
    return formats;
  }();
  return kFormats[static_cast<int>(format)];
}

}  // namespace

ChartParts::ChartParts(const FieldSources& sources) : birth_(&sources.birth) {
  const Chart& chart = sources.chart;
  const auto add = [this](FieldGroup group, bool has) { bits_ |= (has ? 1u : 0u) << static_cast<unsigned>(group); };
  for (const FieldGroup group :
       {Group::birth, Group::numbers, Group::pillars, Group::luck, Group::texts, Group::analysis})
    add(group, true);
  add(Group::precise, chart.isPrecise);
  add(Group::trueSolarTime, chart.isPrecise && chart.precise.options.solarTime == SolarTime::trueSun);
  add(Group::place, sources.where.place != nullptr);
  add(Group::zone, sources.where.zone.has_value());
  add(Group::months, sources.analysis.monthsYear != 0);
  add(Group::days, sources.analysis.dayCount != 0);
}

bool ChartParts::HasLunarDate() const { return LunarDateOfBirth(*birth_).has_value(); }

std::span<const ChartField> ChartFields() { return kFields; }

std::span<const std::string_view> FieldNames(FieldFormat format) { return FieldsOf(format).names; }

std::span<const std::size_t> FieldRows(FieldFormat format) { return FieldsOf(format).rows; }

}  // namespace tavrin::cast
