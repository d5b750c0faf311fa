#pragma once

#include <cstdint>
#include <filesystem>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavrin::place {

// The folder where Debian's libtimezonemap-data keeps the GeoNames cities.
inline constexpr std::string_view kPlaceDataFolder = "/usr/share/libtimezonemap/ui";

// A city of the catalogue. The texts stay valid as long as the catalogue.
struct Place {
  std::uint32_t id = 0;         // the GeoNames id
  std::string_view name;        // UTF-8, as GeoNames spells it
  std::string_view asciiName;   // the same in ASCII letters
  std::string_view region;      // the first-level region in ASCII letters; may be empty
  std::string_view country;     // the country's English name
  std::string_view countryCode;  // ISO 3166 two letters
  double latitude = 0;          // degrees north
  double longitude = 0;         // degrees east
  std::string_view timeZone;    // the IANA zone whose history the place's clocks kept
  std::string_view listedZone;  // the zone GeoNames gives, when our corrections changed it; else empty
  std::uint64_t population = 0;
};

// The GeoNames cities of 15,000 people and more (cities15000.txt, with
// countryInfo.txt and admin1Codes.txt), indexed for the place search by every
// name and alternate name, folded (see FoldForSearch).
class PlaceCatalogue {
 public:
  // Reads the three files of `folder`; on failure says which file and why.
  static std::variant<PlaceCatalogue, std::string> Load(const std::filesystem::path& folder);

  std::span<const Place> Places() const { return places_; }
  const Place* FindById(std::uint32_t id) const;

  // Folded names starting with `foldedPrefix`, each with the index of its
  // place; one place may appear under several names.
  struct Name {
    std::string_view folded;
    std::uint32_t place;
    bool main;  // the place's own name, not an alternate one
  };
  std::span<const Name> NamesStartingWith(std::string_view foldedPrefix) const;

  // The folded region and country names of a place, and the ISO codes of its country.
  struct Qualifiers {
    std::string_view region;
    std::string_view country;
    std::string_view iso2;
    std::string_view iso3;
  };
  const Qualifiers& QualifiersOf(std::size_t place) const { return qualifiers_[place]; }

 private:
  std::string cities_;            // the whole cities file; the places' texts point into it
  std::string folded_;            // every folded name, one after another
  std::set<std::string, std::less<>> texts_;  // country, region and zone names, plain and folded
  std::vector<Place> places_;     // in the file's order
  std::vector<Qualifiers> qualifiers_;
  std::vector<Name> names_;       // sorted by folded text
};

}  // namespace tavrin::place
