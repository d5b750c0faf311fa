#include "tools/place_json.h"

#include "birth/zone.h"

namespace tavrin::cast {

void WritePlaceJson(JsonWriter& json, const place::Place& place) {
  json.BeginObject();
  json.IntegerMember("geonameId", place.id);
  json.StringMember("name", place.name);
  json.StringMember("region", place.region);
  json.StringMember("country", place.country);
  json.NumberMember("latitude", place.latitude);
  json.NumberMember("longitude", place.longitude);
  json.StringMember("timeZone", place.timeZone);
  json.EndObject();
}

void WriteTimeZoneJson(JsonWriter& json, const BirthZone& zone) {
  const place::ZoneOffsetInForce& offset = zone.offset;
  json.BeginObject();
  json.StringMember("name", zone.name);
  json.NumberMember("offsetHours", HoursOfOffset(offset.seconds));
  json.BooleanMember("daylightTime", offset.daylight);
  json.StringMember("abbreviation", offset.abbreviation);
  json.BooleanMember("localMeanTime", offset.localMeanTime);
  json.EndObject();
}

}  // namespace tavrin::cast
