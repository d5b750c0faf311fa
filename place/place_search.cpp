#include "place/place_search.h"

#include <algorithm>
#include <string>

#include "place/search_fold.h"

namespace tavrin::place {
namespace {

bool EqualsCode(std::string_view folded, std::string_view code) {
  if (folded.size() != code.size() || code.empty()) return false;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i] >= 'A' && code[i] <= 'Z' ? static_cast<char>(code[i] - 'A' + 'a') : code[i];
    if (c != folded[i]) return false;
  }
  return true;
}

bool Narrows(const PlaceCatalogue::Qualifiers& place, std::string_view qualifier) {
  return (!place.region.empty() && place.region.starts_with(qualifier)) ||
         (!place.country.empty() && place.country.starts_with(qualifier)) || EqualsCode(qualifier, place.iso2) ||
         EqualsCode(qualifier, place.iso3);
}

}  // namespace

PlaceMatches SearchPlaces(const PlaceCatalogue& catalogue, std::string_view text, std::size_t limit) {
  // Split after folding, so that a full-width comma (typed by a Chinese input
  // method) separates too; folding leaves at most one space at either end of a part.
  const std::string folded = FoldForSearch(text);
  std::vector<std::string> parts;
  for (std::string_view rest = folded;;) {
    const std::size_t comma = rest.find(',');
    std::string_view part = rest.substr(0, comma);
    if (part.starts_with(' ')) part.remove_prefix(1);
    if (part.ends_with(' ')) part.remove_suffix(1);
    if (!part.empty() || parts.empty()) parts.emplace_back(part);
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  PlaceMatches matches;
  const std::string& name = parts.front();
  if (name.empty()) return matches;

  // 0: not found, 1: a name starts with the text, 2: an alternate name equals
  // it, 3: the place's own name equals it.
  std::vector<unsigned char> found(catalogue.Places().size());
  std::vector<std::uint32_t> candidates;
  for (const PlaceCatalogue::Name& entry : catalogue.NamesStartingWith(name)) {
    unsigned char& state = found[entry.place];
    const unsigned char kind = entry.folded.size() != name.size() ? 1 : entry.main ? 3 : 2;
    if (state == 0) {
      const auto& qualifiers = catalogue.QualifiersOf(entry.place);
      if (!std::all_of(parts.begin() + 1, parts.end(), [&](const std::string& q) { return Narrows(qualifiers, q); }))
        continue;
      candidates.push_back(entry.place);
    }
    state = std::max(state, kind);
  }
  const auto places = catalogue.Places();
  const auto better = [&](std::uint32_t a, std::uint32_t b) {
    if (found[a] != found[b]) return found[a] > found[b];
    if (places[a].population != places[b].population) return places[a].population > places[b].population;
    return places[a].id < places[b].id;
  };
  // The second place is sorted too: it decides whether the first dominates.
  const std::size_t sorted = std::min(candidates.size(), std::max<std::size_t>(limit, 2));
  std::partial_sort(candidates.begin(), candidates.begin() + static_cast<std::ptrdiff_t>(sorted), candidates.end(),
                    better);
  const std::size_t kept = std::min(limit, candidates.size());
  matches.total = candidates.size();
  if (!candidates.empty()) {
    const std::uint32_t first = candidates[0];
    matches.dominant = candidates.size() == 1 || found[candidates[1]] < found[first] ||
                       places[first].population >= 10 * places[candidates[1]].population;
  }
  for (std::size_t i = 0; i < kept; ++i) matches.places.push_back(&places[candidates[i]]);
  return matches;
}

std::string PlaceTitle(const Place& place) {
  std::string title(place.name);
  if (!place.region.empty() && place.region != place.asciiName && place.region != place.name)
    title.append(", ").append(place.region);
  if (!place.country.empty()) title.append(", ").append(place.country);
  return title;
}

}  // namespace tavrin::place
