#include "place/place_choices.h"

#include <charconv>

namespace tavrin::place {
namespace {

constexpr std::string_view kPlaceKey = "place";
constexpr std::string_view kTimeZoneKey = "timeZone";
constexpr std::string_view kFoldKey = "fold";

}  // namespace

void SetPlaceChoices(const PlaceChoices& choices, Reading& reading) {
  if (choices.placeId) reading.SetChoice(kPlaceKey, std::to_string(*choices.placeId) + ' ' + choices.placeName);
  if (choices.timeZone) reading.SetChoice(kTimeZoneKey, *choices.timeZone);
  if (choices.fold) reading.SetChoice(kFoldKey, *choices.fold == Fold::earlier ? "earlier" : "later");
}

PlaceChoices ReadPlaceChoices(const Reading& reading) {
  PlaceChoices choices;
  if (const auto place = reading.Choice(kPlaceKey)) {
    std::uint32_t id = 0;
    const auto [end, error] = std::from_chars(place->data(), place->data() + place->size(), id);
    if (error == std::errc() && end != place->data()) {
      choices.placeId = id;
      const std::string_view rest(end, static_cast<std::size_t>(place->data() + place->size() - end));
      choices.placeName = std::string(rest.starts_with(' ') ? rest.substr(1) : rest);
    }
  }
  if (const auto zone = reading.Choice(kTimeZoneKey); zone && !zone->empty()) choices.timeZone = std::string(*zone);
  if (const auto fold = reading.Choice(kFoldKey)) {
    if (*fold == "earlier") choices.fold = Fold::earlier;
    if (*fold == "later") choices.fold = Fold::later;
  }
  return choices;
}

}  // namespace tavrin::place
