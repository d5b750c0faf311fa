#include "tools/precise_json.h"

#include "astro/civil_time.h"
#include "engine/vocabulary.h"

namespace tavrin::cast {
namespace {

void Jie(JsonWriter& json, std::string_view key, const astro::JieInstant& jie) {
  json.Key(key);
  json.BeginObject();
  json.PlainStringMember("name", MonthSectorTable[jie.sector].jie);
  json.NumberMember("longitude", jie.longitude);
  json.PlainStringMember("utc", astro::IsoInstant(jie.ut));
  json.EndObject();
}

}  // namespace

void WritePreciseJson(JsonWriter& json, const Chart& chart, const std::function<bool()>& chosen) {
  const PreciseChart& precise = chart.precise;
  const CastOptions& options = precise.options;
  if (chosen()) json.PlainStringMember("method", WordOf(options.method, kMethodWords));
  if (chosen()) json.PlainStringMember("solarTime", WordOf(options.solarTime, kSolarTimeWords));
  if (chosen()) json.PlainStringMember("dayStarts", WordOf(options.dayStarts, kDayStartsWords));
  if (chosen()) json.PlainStringMember("utc", astro::IsoInstant(precise.ut));
  if (chosen() && options.solarTime == SolarTime::trueSun)
    json.NumberMember("equationOfTimeMinutes", precise.equationOfTimeMinutes);
  if (chosen()) {
    json.Key("jie");
    json.BeginObject();
    Jie(json, "previous", precise.previousJie);
    Jie(json, "next", precise.nextJie);
    json.EndObject();
  }
  if (chosen()) {
    const LuckStart& start = precise.luckStart;
    json.Key("luckStart");
    json.BeginObject();
    json.IntegerMember("years", start.years);
    json.IntegerMember("months", start.months);
    json.IntegerMember("days", start.days);
    json.PlainStringMember("date", astro::IsoDate({start.year, start.month, start.day}));
    json.EndObject();
  }
  if (chosen()) {
    json.Key("warnings");
    json.BeginArray();
    for (const std::string& warning : precise.warnings) json.String(warning);
    json.EndArray();
  }
}

}  // namespace tavrin::cast
