#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "place/place_catalogue.h"

namespace tavrin::place {

// The places a typed text names, best first: those whose own name is the
// text, then those with an alternate name equal to it, then those whose names
// only start with it; each group by population.
// `dominant` is true when the first is the one meant: it is the only match,
// or it has ten times the people of the next (Paris, France over Paris, Texas).
struct PlaceMatches {
  std::vector<const Place*> places;  // at most the limit asked for
  std::size_t total = 0;             // every place that matched
  bool dominant = false;
};

// Searches by the start of any name or alternate name, folded (see
// FoldForSearch), so "zur", "Zürich" and "苏黎世" all find Zurich. Text after
// a comma narrows the search: each comma-separated part must start the
// place's region or country name or be its two- or three-letter country code
// ("Springfield, Illinois", "Springfield, Missouri, US", "London, CA").
PlaceMatches SearchPlaces(const PlaceCatalogue& catalogue, std::string_view text, std::size_t limit);

// "Lhasa, Tibet Autonomous Region, China", "Shanghai, China": the name, the
// region when it differs from the name, and the country.
std::string PlaceTitle(const Place& place);

}  // namespace tavrin::place
