#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "place/place_catalogue.h"
#include "place/zone_history.h"

namespace tavrin::cast {

// The system's place catalogue, read once on first use (from any thread), or
// why it cannot be read.
const std::variant<place::PlaceCatalogue, std::string>& SystemPlaces();

// Why a text names no one place: the reason and the best candidates, one
// line each (see ListPlaces).
struct PlaceRefusal {
  std::string reason;
  std::vector<std::string> candidates;
};

// The place `text` names: the best match when it dominates (see SearchPlaces).
std::variant<const place::Place*, PlaceRefusal> ChoosePlace(std::string_view text);

// The zone `--tz NAME` names, or nothing once the error line says why.
std::optional<place::ZoneHistory> ZoneOfTzOption(std::string_view name, std::ostream& err);

// One line per place matching `text`, best first:
// "Lhasa, Tibet Autonomous Region, China  29.65 N 91.1 E  Asia/Shanghai".
std::variant<std::string, std::string> ListPlaces(std::string_view text);

}  // namespace tavrin::cast
