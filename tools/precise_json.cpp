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

void WriteJieJson(JsonWriter& json, const PreciseChart& precise) {
  json.BeginObject();
  Jie(json, "previous", precise.previousJie);
  Jie(json, "next", precise.nextJie);
  json.EndObject();
}

void WriteLuckStartJson(JsonWriter& json, const LuckStart& start) {
  json.BeginObject();
  json.IntegerMember("years", start.years);
  json.IntegerMember("months", start.months);
  json.IntegerMember("days", start.days);
  json.PlainStringMember("date", astro::IsoDate({start.year, start.month, start.day}));
  json.EndObject();
}

}  // namespace tavrin::cast
