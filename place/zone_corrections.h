#pragma once

#include <cstdint>
#include <string_view>

namespace tavrin::place {

// A zone GeoNames lists wrongly for some places, and the zone they keep.
// A row names a country and a region (empty for any), or one place by its
// GeoNames id (0 for any), and the zone the data lists for them.
struct ZoneCorrection {
  std::string_view countryCode;
  std::string_view regionCode;
  std::uint32_t id;
  std::string_view listedZone;
  std::string_view zone;
  std::string_view why;
};

// The correction for a place, if one applies.
const ZoneCorrection* FindZoneCorrection(std::uint32_t id, std::string_view countryCode, std::string_view regionCode,
                                         std::string_view listedZone);

}  // namespace tavrin::place
