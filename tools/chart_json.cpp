#include "tools/chart_json.h"

#include "engine/chart_texts.h"
#include "tools/analysis_json.h"
#include "tools/precise_json.h"
#include "tools/place_json.h"

namespace tavrin::cast {
namespace {

void StringArray(JsonWriter& json, std::string_view key, const auto& texts) {
  json.Key(key);
  json.BeginArray();
  for (const auto& text : texts) json.String(text);
  json.EndArray();
}

void Birth(JsonWriter& json, const BirthDetails& birth) {
  json.Key("birth");
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

void LuckPeriodList(JsonWriter& json, const LuckPeriods& periods) {
  json.Key("luckPeriods");
  json.BeginArray();
  for (const auto& period : periods) {
    json.BeginObject();
    json.HundredthsMember("age", period.age);
    json.PlainStringMember("stem", StemLabel(period.pillar.stem));
    json.PlainStringMember("branch", BranchLabel(period.pillar.branch));
    json.EndObject();
  }
  json.EndArray();
}

void Interpretation(JsonWriter& json, const Chart& chart) {
  static constexpr std::string_view kKeys[4] = {"year", "month", "day", "hour"};
  json.Key("interpretation");
  json.BeginObject();
  for (int block = 0; block < 4; ++block)
    json.StringMember(kKeys[block], InterpretationOf(chart.pillars[block], static_cast<PillarBlock>(block)));
  json.EndObject();
}

}  // namespace

void WriteChartJson(JsonWriter& json, const BirthDetails& birth, const Chart& chart,
                    const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields,
                    const BirthWhere& where) {
  std::size_t key = 0;
  const auto chosen = [&] { return fields.Has(key++); };  // called once per member, in kChartJsonKeys order
  json.BeginObject();
  if (chosen()) json.StringMember("name", birth.Name);
  if (chosen()) Birth(json, birth);
  if (chosen()) json.NumberMember("localHours", chart.localHours);
  if (chosen()) json.NumberMember("julianDay0", chart.julianDay0);
  if (chosen()) json.NumberMember("dayMoment", chart.dayMoment);
  if (chosen()) json.NumberMember("sunMoment", chart.sunMoment);
  if (chosen()) json.NumberMember("solarLongitude", chart.solarLongitude);
  if (chosen()) StringArray(json, "pillarCells", PillarCellsOf(chart));
  if (chosen()) json.IntegerMember("luckDirection", chart.luckDirection);
  if (chosen()) json.HundredthsMember("luckStartAge", chart.luckStartAge);
  if (chosen()) LuckPeriodList(json, chart.luckPeriods);
  if (chosen()) StringArray(json, "luckCaptions", LuckCaptionsOf(chart));
  if (chosen()) Interpretation(json, chart);
  if (chosen()) WriteAnalysisJson(json, chartAnalysis);
  if (chart.isPrecise) WritePreciseJson(json, chart, chosen);
  // The precise members keep their keys whether they are written or not.
  key = kChartJsonKeys.size() - 2;
  const bool withPlace = chosen();
  WritePlaceJson(json, where, withPlace, chosen());
  json.EndObject();
}

void WriteRowErrorJson(JsonWriter& json, long long line, std::string_view message) {
  json.BeginObject();
  json.IntegerMember("line", line);
  json.StringMember("error", message);
  json.EndObject();
}

}  // namespace tavrin::cast
