#include "tools/place_json.h"

namespace tavrin::cast {

void WritePlaceJson(JsonWriter& json, const BirthWhere& where, bool withPlace, bool withTimeZone) {
  if (withPlace && where.place) {
    const place::Place& place = *where.place;
    json.Key("place");
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
  if (withTimeZone && where.zone) {
    const place::ZoneOffsetInForce& offset = where.zone->offset;
    json.Key("timeZone");
    json.BeginObject();
    json.StringMember("name", where.zone->name);
    json.NumberMember("offsetHours", offset.seconds / 3600.0);
    json.BooleanMember("daylightTime", offset.daylight);
    json.StringMember("abbreviation", offset.abbreviation);
    json.BooleanMember("localMeanTime", offset.localMeanTime);
    json.EndObject();
  }
}

}  // namespace tavrin::cast
