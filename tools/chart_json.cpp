#include "tools/chart_json.h"

#include "tools/analysis_json.h"

namespace tavrin::cast {
namespace {

void StringMember(JsonWriter& json, std::string_view key, std::string_view value) {
  json.Key(key);
  json.String(value);
}

void NumberMember(JsonWriter& json, std::string_view key, double value) {
  json.Key(key);
  json.Number(value);
}

void IntegerMember(JsonWriter& json, std::string_view key, long long value) {
  json.Key(key);
  json.Integer(value);
}

void StringArray(JsonWriter& json, std::string_view key, const auto& texts) {
  json.Key(key);
  json.BeginArray();
  for (const auto& text : texts) json.String(text);
  json.EndArray();
}

void Birth(JsonWriter& json, const BirthDetails& birth) {
  json.Key("birth");
  json.BeginObject();
  IntegerMember(json, "year", birth.BirthYear);
  IntegerMember(json, "month", birth.BirthMonth);
  StringMember(json, "monthName", birth.MonthName);
  IntegerMember(json, "day", birth.BirthDay);
  IntegerMember(json, "hour", birth.BirthHour);
  IntegerMember(json, "minute", birth.BirthMinute);
  IntegerMember(json, "second", birth.BirthSecond);
  StringMember(json, "zoneOffset", birth.ZoneOffset);
  NumberMember(json, "longitude", birth.Longitude);
  StringMember(json, "gender", birth.GenderText);
  IntegerMember(json, "genderSign", birth.GenderSign);
  json.EndObject();
}

void LuckPeriodList(JsonWriter& json, const LuckPeriods& periods) {
  json.Key("luckPeriods");
  json.BeginArray();
  for (const auto& period : periods) {
    json.BeginObject();
    NumberMember(json, "age", period.age);
    StringMember(json, "stem", period.stem);
    StringMember(json, "branch", period.branch);
    json.EndObject();
  }
  json.EndArray();
}

void Interpretation(JsonWriter& json, const std::array<std::string, 4>& boxes) {
  static constexpr std::string_view kKeys[4] = {"year", "month", "day", "hour"};
  json.Key("interpretation");
  json.BeginObject();
  for (int block = 0; block < 4; ++block) StringMember(json, kKeys[block], boxes[block]);
  json.EndObject();
}

}  // namespace

void WriteChartJson(JsonWriter& json, const BirthDetails& birth, const Chart& chart,
                    const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields) {
  std::size_t key = 0;
  const auto chosen = [&] { return fields.Has(key++); };  // called once per member, in kChartJsonKeys order
  json.BeginObject();
  if (chosen()) StringMember(json, "name", birth.Name);
  if (chosen()) Birth(json, birth);
  if (chosen()) NumberMember(json, "localHours", chart.localHours);
  if (chosen()) NumberMember(json, "julianDay0", chart.julianDay0);
  if (chosen()) NumberMember(json, "dayMoment", chart.dayMoment);
  if (chosen()) NumberMember(json, "sunMoment", chart.sunMoment);
  if (chosen()) NumberMember(json, "solarLongitude", chart.solarLongitude);
  if (chosen()) StringArray(json, "pillarCells", chart.pillarCells);
  if (chosen()) IntegerMember(json, "luckDirection", chart.luckDirection);
  if (chosen()) NumberMember(json, "luckStartAge", chart.luckStartAge);
  if (chosen()) LuckPeriodList(json, chart.luckPeriods);
  if (chosen()) StringArray(json, "luckCaptions", chart.luckCaptions);
  if (chosen()) Interpretation(json, chart.interpretation);
  if (chosen()) WriteAnalysisJson(json, chartAnalysis);
  json.EndObject();
}

void WriteRowErrorJson(JsonWriter& json, long long line, std::string_view message) {
  json.BeginObject();
  IntegerMember(json, "line", line);
  StringMember(json, "error", message);
  json.EndObject();
}

}  // namespace tavrin::cast
