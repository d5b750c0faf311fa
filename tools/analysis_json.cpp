#include "tools/analysis_json.h"

#include <cstdio>
#include <cstdlib>

namespace tavrin::cast {
namespace {

using analysis::BranchSymbols;
using analysis::StemSymbols;
using analysis::Term;

void TermMember(JsonWriter& json, std::string_view key, const Term& term) {
  json.Key(key);
  json.BeginObject();
  json.PlainStringMember("hanzi", term.hanzi);
  json.PlainStringMember("english", term.english);
  json.EndObject();
}

// The two characters of a stem and branch, without building a string per pillar.
void PairHanzi(JsonWriter& json, int stem, int branch) {
  char pair[16];
  const std::string_view first = StemSymbols[stem].hanzi, second = BranchSymbols[branch].hanzi;
  first.copy(pair, first.size());
  second.copy(pair + first.size(), second.size());
  json.Key("hanzi");
  json.PlainString({pair, first.size() + second.size()});
}

constexpr std::string_view kPillarKeys[4] = {"year", "month", "day", "hour"};

// The names of the pillars with a bit set in `pillars`; bit 4, a pillar read
// against the chart's four, is "other".
void PillarNames(JsonWriter& json, unsigned pillars) {
  json.BeginArray();
  for (int p = 0; p < 4; ++p)
    if (pillars >> p & 1) json.PlainString(kPillarKeys[p]);
  if (pillars >> 4 & 1) json.PlainString("other");
  json.EndArray();
}

void Branches(JsonWriter& json, analysis::StarMarks marks) {
  json.BeginArray();
  for (int branch = 0; branch < tavrin::kBranchCount; ++branch)
    if (marks >> branch & 1) json.PlainString(BranchSymbols[branch].hanzi);
  json.EndArray();
}

void Stars(JsonWriter& json, analysis::StarSet stars) {
  json.BeginArray();
  for (int row = 0; row < analysis::kStarCount; ++row) {
    if (!(stars >> row & 1)) continue;
    json.BeginObject();
    json.PlainStringMember("hanzi", analysis::StarTable[row].name.hanzi);
    json.PlainStringMember("english", analysis::StarTable[row].name.english);
    json.EndObject();
  }
  json.EndArray();
}

void Interactions(JsonWriter& json, const analysis::Interactions& interactions) {
  json.BeginArray();
  for (const analysis::Interaction& found : interactions.All()) {
    const analysis::InteractionRule& rule = found.Rule();
    json.BeginObject();
    json.PlainStringMember("kind", analysis::kInteractionKindWords[static_cast<int>(rule.kind)]);
    json.PlainStringMember("hanzi", rule.hanzi);
    json.PlainStringMember("english", rule.english);
    json.Key("pillars");
    PillarNames(json, found.pillars);
    json.Key("element");
    if (found.element == analysis::kNoElement) json.Null();
    else json.PlainString(analysis::ElementNames[found.element].english);
    json.EndObject();
  }
  json.EndArray();
}

// The stars and interactions of a luck, annual or month pillar read against the chart.
void OtherPillarMembers(JsonWriter& json, const analysis::ChartAnalysis& chartAnalysis, int stem, int branch) {
  const analysis::OtherPillarReading reading = chartAnalysis.ReadAgainstChart({stem, branch});
  json.Key("stars");
  Stars(json, reading.stars);
  json.Key("interactions");
  Interactions(json, reading.interactions);
}

void Palace(JsonWriter& json, std::string_view key, const tavrin::Pillar& palace) {
  json.Key(key);
  json.BeginObject();
  PairHanzi(json, palace.stem, palace.branch);
  const std::string_view stem = StemSymbols[palace.stem].pinyin, branch = BranchSymbols[palace.branch].pinyin;
  char pinyin[32];
  stem.copy(pinyin, stem.size());
  pinyin[stem.size()] = ' ';
  branch.copy(pinyin + stem.size() + 1, branch.size());
  json.PlainStringMember("pinyin", {pinyin, stem.size() + 1 + branch.size()});
  json.EndObject();
}

void Stem(JsonWriter& json, const analysis::StemReading& reading) {
  const auto& symbol = StemSymbols[reading.stem];
  json.BeginObject();
  json.PlainStringMember("hanzi", symbol.hanzi);
  json.PlainStringMember("pinyin", symbol.pinyin);
  json.PlainStringMember("element", analysis::ElementNames[static_cast<int>(symbol.element)].english);
  TermMember(json, "tenGod", reading.tenGod);
  json.EndObject();
}

void Pillar(JsonWriter& json, const analysis::PillarAnalysis& pillar) {
  json.BeginObject();
  json.Key("stem");
  Stem(json, pillar.stem);
  const auto& branch = BranchSymbols[pillar.branch];
  json.Key("branch");
  json.BeginObject();
  json.PlainStringMember("hanzi", branch.hanzi);
  json.PlainStringMember("pinyin", branch.pinyin);
  json.PlainStringMember("element", analysis::ElementNames[static_cast<int>(branch.element)].english);
  json.EndObject();
  json.Key("hidden");
  json.BeginArray();
  for (int i = 0; i < pillar.hiddenCount; ++i) {
    json.BeginObject();
    json.PlainStringMember("hanzi", StemSymbols[pillar.hidden[i].stem].hanzi);
    TermMember(json, "tenGod", pillar.hidden[i].tenGod);
    json.EndObject();
  }
  json.EndArray();
  TermMember(json, "naYin", pillar.naYin);
  TermMember(json, "lifeStage", pillar.lifeStage);
  TermMember(json, "selfStage", pillar.selfStage);
  json.Key("stars");
  Stars(json, pillar.stars);
  json.BooleanMember("void", pillar.inDayVoid || pillar.inYearVoid);
  json.EndObject();
}

void ElementCounts(JsonWriter& json, std::string_view key, const std::array<int, analysis::kElementCount>& counts) {
  json.Key(key);
  json.BeginObject();
  for (int element = 0; element < analysis::kElementCount; ++element)
    json.IntegerMember(analysis::ElementNames[element].english, counts[element]);
  json.EndObject();
}

}  // namespace

void WriteAnalysisJson(JsonWriter& json, const analysis::ChartAnalysis& chartAnalysis) {
  json.BeginObject();
  json.Key("pillars");
  json.BeginArray();
  for (const auto& pillar : chartAnalysis.pillars) Pillar(json, pillar);
  json.EndArray();

  json.Key("elements");
  json.BeginObject();
  ElementCounts(json, "eightCharacters", chartAnalysis.elements.eightCharacters);
  ElementCounts(json, "withHiddenStems", chartAnalysis.elements.withHiddenStems);
  json.EndObject();

  json.Key("interactions");
  Interactions(json, chartAnalysis.interactions);
  json.Key("void");
  json.BeginObject();
  json.Key("day");
  Branches(json, chartAnalysis.dayVoid);
  json.Key("year");
  Branches(json, chartAnalysis.yearVoid);
  json.EndObject();
  json.Key("palaces");
  json.BeginObject();
  Palace(json, "conception", chartAnalysis.palaces.conception);
  Palace(json, "life", chartAnalysis.palaces.life);
  Palace(json, "body", chartAnalysis.palaces.body);
  json.EndObject();
  json.Key("strengthEvidence");
  json.BeginObject();
  json.BooleanMember("inSeason", chartAnalysis.strength.inSeason);
  json.Key("rootedIn");
  PillarNames(json, chartAnalysis.strength.rootedIn);
  json.Key("supportedBy");
  PillarNames(json, chartAnalysis.strength.supportedBy);
  json.EndObject();
  json.Key("luckPeriods");
  json.BeginArray();
  for (std::size_t i = 0; i < chartAnalysis.luckYears.size(); ++i) {
    const auto& period = chartAnalysis.luckYears[i];
    json.BeginObject();
    json.HundredthsMember("age", period.startAge);
    json.IntegerMember("startYear", period.startYear);
    json.IntegerMember("endYear", period.endYear);
    PairHanzi(json, period.stem, period.branch);
    json.IntegerMember("nominalAge", period.nominalAge);
    OtherPillarMembers(json, chartAnalysis, period.stem, period.branch);
    json.EndObject();
  }
  json.EndArray();

  json.Key("current");
  json.BeginObject();
  json.IntegerMember("luckPeriod", chartAnalysis.currentLuckPeriod);
  json.IntegerMember("year", chartAnalysis.currentPillarYear);
  json.EndObject();
  json.EndObject();
}

void WriteAnnualPillarsJson(JsonWriter& json, const analysis::ChartAnalysis& chartAnalysis) {
  json.BeginArray();
  for (int age = 0; age < analysis::kAnnualPillarCount; ++age) {
    const analysis::AnnualPillar annual = chartAnalysis.AnnualPillarAt(age);
    json.BeginObject();
    json.IntegerMember("year", annual.year);
    json.IntegerMember("age", annual.age);
    PairHanzi(json, annual.stem, annual.branch);
    json.IntegerMember("luckPeriod", annual.luckPeriod);
    OtherPillarMembers(json, chartAnalysis, annual.stem, annual.branch);
    json.EndObject();
  }
  json.EndArray();
}

std::string LocalStartText(const analysis::MonthOfYear& month, int zoneSecondsEast) {
  const astro::CivilTime& t = month.startLocal;
  const int offset = std::abs(zoneSecondsEast);
  char text[48];
  int length = std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", t.year, t.month, t.day,
                             t.hour, t.minute, t.second, zoneSecondsEast < 0 ? '-' : '+', offset / 3600,
                             offset / 60 % 60);
  if (offset % 60 != 0) length += std::snprintf(text + length, sizeof text - length, ":%02d", offset % 60);
  return {text, static_cast<std::size_t>(length)};
}

std::string DateText(int year, int month, int day) {
  char text[24];
  const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
  return {text, static_cast<std::size_t>(length)};
}

void WriteMonthsJson(JsonWriter& json, const analysis::ChartAnalysis& chartAnalysis) {
  json.BeginArray();
  for (const analysis::MonthOfYear& month : chartAnalysis.months) {
    json.BeginObject();
    PairHanzi(json, month.pillar.stem, month.pillar.branch);
    json.PlainStringMember("jie", JieWords(month.sector));
    json.PlainStringMember("start", LocalStartText(month, chartAnalysis.monthsZoneSecondsEast));
    OtherPillarMembers(json, chartAnalysis, month.pillar.stem, month.pillar.branch);
    json.EndObject();
  }
  json.EndArray();
}

void WriteDaysJson(JsonWriter& json, const analysis::ChartAnalysis& chartAnalysis) {
  json.BeginArray();
  for (int i = 0; i < chartAnalysis.dayCount; ++i) {
    const analysis::DayOfMonth& day = chartAnalysis.days[i];
    json.BeginObject();
    json.PlainStringMember("date", DateText(chartAnalysis.daysYear, chartAnalysis.daysMonth, day.day));
    PairHanzi(json, day.pillar.stem, day.pillar.branch);
    json.BooleanMember("today", chartAnalysis.IsToday(day));
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace tavrin::cast
