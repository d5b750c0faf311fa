#include "tools/place_lookup.h"

#include <cmath>

#include "engine/number_text.h"
#include "place/place_search.h"
#include "tools/error_line.h"
#include "tools/printable_text.h"

namespace tavrin::cast {
namespace {

constexpr std::size_t kCandidatesShown = 5;
constexpr std::size_t kPlacesListed = 20;
constexpr std::string_view kNoSuchPlace = "no such place among the cities of 15,000 people and more";

std::string Coordinate(double degrees, char positive, char negative) {
  return GeneralNumber(std::abs(degrees)) + ' ' + (degrees < 0 ? negative : positive);
}

std::string PlaceLine(const place::Place& place) {
  std::string line;
  AppendPrintable(line, place::PlaceTitle(place));
  line += "  " + Coordinate(place.latitude, 'N', 'S') + ' ' + Coordinate(place.longitude, 'E', 'W') + "  ";
  line += place.timeZone;
  return line;
}

std::string Unreadable(const std::string& reason) {
  return "the place catalogue cannot be read (" + reason + "); it comes with Debian's libtimezonemap-data";
}

}  // namespace

const std::variant<place::PlaceCatalogue, std::string>& SystemPlaces() {
  static const auto catalogue = place::PlaceCatalogue::Load(place::kPlaceDataFolder);
  return catalogue;
}

std::variant<const place::Place*, PlaceRefusal> ChoosePlace(std::string_view text) {
  const auto& catalogue = SystemPlaces();
  if (const auto* reason = std::get_if<std::string>(&catalogue)) return PlaceRefusal{Unreadable(*reason), {}};
  const place::PlaceMatches matches =
      place::SearchPlaces(std::get<place::PlaceCatalogue>(catalogue), text, kCandidatesShown);
  if (matches.places.empty()) return PlaceRefusal{std::string(kNoSuchPlace), {}};
  if (matches.dominant) return matches.places.front();
  PlaceRefusal refusal{std::to_string(matches.total) + " places match; name one with its region or country", {}};
  for (const place::Place* place : matches.places) refusal.candidates.push_back(PlaceLine(*place));
  return refusal;
}

std::variant<std::string, std::string> ListPlaces(std::string_view text) {
  using Result = std::variant<std::string, std::string>;
  const auto& catalogue = SystemPlaces();
  if (const auto* reason = std::get_if<std::string>(&catalogue)) return Result(std::in_place_index<1>, Unreadable(*reason));
  const place::PlaceMatches matches =
      place::SearchPlaces(std::get<place::PlaceCatalogue>(catalogue), text, kPlacesListed);
  if (matches.places.empty())
    return Result(std::in_place_index<1>, std::string(kNoSuchPlace));
  std::string lines;
  for (const place::Place* place : matches.places) lines += PlaceLine(*place) + '\n';
  if (matches.total > matches.places.size())
    lines += "... and " + std::to_string(matches.total - matches.places.size()) + " more\n";
  return Result(std::in_place_index<0>, lines);
}

std::optional<place::ZoneHistory> ZoneOfTzOption(std::string_view name, std::ostream& err) {
  auto found = place::ZoneHistory::Lookup(name);
  if (const auto* unknown = std::get_if<place::ZoneNotFound>(&found)) {
    WriteErrorLine(err, "--tz " + std::string(name) + ": " + unknown->message);
    return std::nullopt;
  }
  return std::get<place::ZoneHistory>(found);
}

}  // namespace tavrin::cast
