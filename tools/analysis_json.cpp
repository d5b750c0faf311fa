#include "tools/analysis_json.h"

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

  json.Key("luckPeriods");
  json.BeginArray();
  for (std::size_t i = 0; i < chartAnalysis.luckYears.size(); ++i) {
    const auto& period = chartAnalysis.luckYears[i];
    json.BeginObject();
    json.HundredthsMember("age", period.startAge);
    json.IntegerMember("startYear", period.startYear);
    json.IntegerMember("endYear", period.endYear);
    PairHanzi(json, period.stem, period.branch);
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
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace tavrin::cast
