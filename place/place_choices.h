#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "place/zone_history.h"
#include "reading/reading.h"

namespace tavrin::place {

// What a reading file keeps of the birth place, as choices after its lines
// (the file is Windows-1252, so the place goes by its GeoNames id and ASCII name):
//   place=1796236 Shanghai
//   timeZone=Asia/Tokyo     a zone named instead of the place's; "-" when the
//                           saved zone offset stands instead of any zone's history
//   fold=earlier|later      which of a clock time shown twice
struct PlaceChoices {
  std::optional<std::uint32_t> placeId;
  std::string placeName;  // ASCII, to name the place when the catalogue lacks it
  std::optional<std::string> timeZone;
  std::optional<Fold> fold;
};

inline constexpr std::string_view kSavedOffsetStands = "-";

void SetPlaceChoices(const PlaceChoices& choices, Reading& reading);
PlaceChoices ReadPlaceChoices(const Reading& reading);

}  // namespace tavrin::place
