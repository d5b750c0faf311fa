#include "tools/analysis_json.h"

namespace tavrin::cast {
namespace {

using analysis::BranchSymbols;
using analysis::StemSymbols;
using analysis::Term;

// Every text here comes from the analysis tables.
void StringMember(JsonWriter& json, std::string_view key, std::string_view value) {
  json.Key(key);
  json.PlainString(value);
}

void IntegerMember(JsonWriter& json, std::string_view key, long long value) {
  json.Key(key);
  json.Integer(value);
}

void TermMember(JsonWriter& json, std::string_view key, const Term& term) {
  json.Key(key);
  json.BeginObject();
  StringMember(json, "hanzi", term.hanzi);
  StringMember(json, "english", term.english);
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

void Stem(JsonWriter& json, const analysis::StemReading& reading) {
  const auto& symbol = StemSymbols[reading.stem];
  json.BeginObject();
  StringMember(json, "hanzi", symbol.hanzi);
  StringMember(json, "pinyin", symbol.pinyin);
  StringMember(json, "element", analysis::ElementNames[static_cast<int>(symbol.element)].english);
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
  StringMember(json, "hanzi", branch.hanzi);
  StringMember(json, "pinyin", branch.pinyin);
  StringMember(json, "element", analysis::ElementNames[static_cast<int>(branch.element)].english);
  json.EndObject();
  json.Key("hidden");
  json.BeginArray();
  for (int i = 0; i < pillar.hiddenCount; ++i) {
    json.BeginObject();
    StringMember(json, "hanzi", StemSymbols[pillar.hidden[i].stem].hanzi);
    TermMember(json, "tenGod", pillar.hidden[i].tenGod);
    json.EndObject();
  }
  json.EndArray();
  TermMember(json, "naYin", pillar.naYin);
  TermMember(json, "lifeStage", pillar.lifeStage);
  json.EndObject();
}

void ElementCounts(JsonWriter& json, std::string_view key, const std::array<int, analysis::kElementCount>& counts) {
  json.Key(key);
  json.BeginObject();
  for (int element = 0; element < analysis::kElementCount; ++element)
    IntegerMember(json, analysis::ElementNames[element].english, counts[element]);
  json.EndObject();
}

}  // namespace

void WriteAnalysisJson(JsonWriter& json, const analysis::ChartAnalysis& chartAnalysis) {
  json.Key("analysis");
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

  json.Key("luckPeriods");
  json.BeginArray();
  for (std::size_t i = 0; i < chartAnalysis.luckYears.size(); ++i) {
    const auto& period = chartAnalysis.luckYears[i];
    json.BeginObject();
    json.Key("age");
    json.Number(period.startAge);
    IntegerMember(json, "startYear", period.startYear);
    IntegerMember(json, "endYear", period.endYear);
    PairHanzi(json, period.stem, period.branch);
    json.EndObject();
  }
  json.EndArray();

  json.Key("annualPillars");
  json.BeginArray();
  for (int age = 0; age < analysis::kAnnualPillarCount; ++age) {
    const analysis::AnnualPillar annual = chartAnalysis.AnnualPillarAt(age);
    json.BeginObject();
    IntegerMember(json, "year", annual.year);
    IntegerMember(json, "age", annual.age);
    PairHanzi(json, annual.stem, annual.branch);
    IntegerMember(json, "luckPeriod", annual.luckPeriod);
    json.EndObject();
  }
  json.EndArray();

  json.Key("current");
  json.BeginObject();
  IntegerMember(json, "luckPeriod", chartAnalysis.currentLuckPeriod);
  IntegerMember(json, "year", chartAnalysis.currentPillarYear);
  json.EndObject();
  json.EndObject();
}

}  // namespace tavrin::cast
