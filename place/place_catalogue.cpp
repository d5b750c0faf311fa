#include "place/place_catalogue.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <thread>
#include <unordered_map>

#include "place/search_fold.h"
#include "place/zone_corrections.h"

namespace tavrin::place {
namespace {

// The columns of cities15000.txt that the catalogue reads.
enum CityColumn : std::size_t {
  kId = 0, kName = 1, kAsciiName = 2, kAlternateNames = 3, kLatitude = 4, kLongitude = 5,
  kCountryCode = 8, kRegionCode = 10, kPopulation = 14, kTimeZone = 17, kCityColumns = 18
};

// Reads the whole file into `text`; on failure gives what went wrong.
std::optional<std::string> ReadWhole(const std::filesystem::path& path, std::string& text) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) return path.string() + ": it is a directory";
  std::ifstream file(path, std::ios::binary);
  if (!file) return path.string() + ": " + std::strerror(errno);
  constexpr std::size_t kBlock = 1 << 20;
  std::size_t size = 0;
  do {
    text.resize(size + kBlock);
    file.read(text.data() + size, static_cast<std::streamsize>(kBlock));
    size += static_cast<std::size_t>(file.gcount());
  } while (file);
  text.resize(size);
  if (file.bad()) return path.string() + ": it could not be read";
  return std::nullopt;
}

// Calls `take` with the tab-separated fields of each line that does not start with "#".
template <typename Take>
void ForEachRow(std::string_view text, std::size_t columns, Take take) {
  std::vector<std::string_view> fields;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    fields.clear();
    for (std::size_t start = 0;;) {
      const std::size_t tab = line.find('\t', start);
      fields.push_back(line.substr(start, tab - start));
      if (tab == std::string_view::npos) break;
      start = tab + 1;
    }
    if (fields.size() >= columns) take(fields);
  }
}

// A folded name while the index is built: its first sixteen bytes as numbers
// that order as the bytes do, so that most comparisons in the sort are one.
struct PendingName {
  std::uint64_t head, next;  // bytes 0 to 7 and 8 to 15
  std::uint32_t offset;
  std::uint32_t length;
  std::uint32_t place;
  bool main;
};
constexpr std::uint32_t kHeadBytes = 16;

std::uint64_t EightBytes(std::string_view text, std::size_t from) {
  std::uint64_t bytes = 0;
  for (std::size_t i = from; i < from + 8; ++i)
    bytes = bytes << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0);
  return bytes;
}

template <typename Number>
bool ReadNumber(std::string_view text, Number& value) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size();
}

// The catalogue's own copies of the country, region and zone names.
using Texts = std::set<std::string, std::less<>>;
std::string_view Keep(Texts& texts, std::string text) { return *texts.insert(std::move(text)).first; }

// Countries by ISO code: the English name, folded and not, and the three-letter code.
struct Country {
  std::string_view name, folded, iso3;
};
using Countries = std::unordered_map<std::string, Country>;

// Regions by country and region code ("US.TX"): the name, folded and not.
struct Region {
  std::string_view name, folded;
};
using Regions = std::unordered_map<std::string, Region>;

std::optional<std::string> ReadCountries(const std::filesystem::path& folder, Texts& texts, Countries& countries) {
  std::string file;
  if (auto error = ReadWhole(folder / "countryInfo.txt", file)) return error;
  ForEachRow(file, 5, [&](const std::vector<std::string_view>& f) {
    countries[std::string(f[0])] = {Keep(texts, std::string(f[4])), Keep(texts, FoldForSearch(f[4])),
                                    Keep(texts, std::string(f[1]))};
  });
  return std::nullopt;
}

std::optional<std::string> ReadRegions(const std::filesystem::path& folder, Texts& texts, Regions& regions) {
  std::string file;
  if (auto error = ReadWhole(folder / "admin1Codes.txt", file)) return error;
  ForEachRow(file, 3, [&](const std::vector<std::string_view>& f) {
    regions[std::string(f[0])] = {Keep(texts, std::string(f[2])), Keep(texts, FoldForSearch(f[2]))};
  });
  return std::nullopt;
}

// Orders the names by text, then place, then main names first, so that a
// place's repeats of one name follow its first, which is kept.
struct ByText {
  std::string_view folded;  // the text the names' offsets point into
  bool operator()(const PendingName& a, const PendingName& b) const {
    if (a.head != b.head) return a.head < b.head;
    if (a.next != b.next) return a.next < b.next;
    if (a.length > kHeadBytes || b.length > kHeadBytes) {
      const int order = folded.substr(a.offset, a.length).compare(folded.substr(b.offset, b.length));
      if (order != 0) return order < 0;
    } else if (a.length != b.length) {
      return a.length < b.length;
    }
    if (a.place != b.place) return a.place < b.place;
    return a.main > b.main;
  }
};

// A part of the cities file as read: its places, and its folded names sorted.
struct Part {
  std::vector<Place> places;
  std::vector<PlaceCatalogue::Qualifiers> qualifiers;
  std::string folded;
  std::vector<PendingName> pending;
};

// The place of one row of the cities file and its qualifiers; false for a
// row that cannot be read.
bool ReadCity(const std::vector<std::string_view>& f, const Countries& countries, const Regions& regions,
              std::string& regionKey, Place& place, PlaceCatalogue::Qualifiers& qualifiers) {
  if (!ReadNumber(f[kId], place.id) || !ReadNumber(f[kLatitude], place.latitude) ||
      !ReadNumber(f[kLongitude], place.longitude) || f[kTimeZone].empty())
    return false;
  if (!f[kPopulation].empty() && !ReadNumber(f[kPopulation], place.population)) return false;
  place.name = f[kName];
  place.asciiName = f[kAsciiName];
  place.countryCode = f[kCountryCode];
  if (const auto country = countries.find(std::string(f[kCountryCode])); country != countries.end()) {
    place.country = country->second.name;
    qualifiers.country = country->second.folded;
    qualifiers.iso3 = country->second.iso3;
  }
  qualifiers.iso2 = place.countryCode;
  regionKey.assign(f[kCountryCode]).append(".").append(f[kRegionCode]);
  if (const auto region = regions.find(regionKey); region != regions.end()) {
    place.region = region->second.name;
    qualifiers.region = region->second.folded;
  }
  place.timeZone = f[kTimeZone];
  if (const ZoneCorrection* correction = FindZoneCorrection(place.id, f[kCountryCode], f[kRegionCode], f[kTimeZone])) {
    place.listedZone = place.timeZone;
    place.timeZone = correction->zone;
  }
  return true;
}

// Folds the place's own names and its alternate names into the part, each
// a pending name of the place at `index`.
void AddNames(const std::vector<std::string_view>& f, const Place& place, std::uint32_t index, Part& part) {
  auto addName = [&](std::string_view name, bool main) {
    const std::size_t start = part.folded.size();
    AppendFolded(name, part.folded);
    const std::string_view folded = std::string_view(part.folded).substr(start);
    if (folded.empty()) return;
    part.pending.push_back({EightBytes(folded, 0), EightBytes(folded, 8), static_cast<std::uint32_t>(start),
                            static_cast<std::uint32_t>(folded.size()), index, main});
  };
  addName(place.name, true);
  addName(place.asciiName, true);
  for (std::string_view rest = f[kAlternateNames]; !rest.empty();) {
    const std::size_t comma = std::min(rest.find(','), rest.size());
    addName(rest.substr(0, comma), false);
    rest.remove_prefix(std::min(comma + 1, rest.size()));
  }
}

void ReadPart(std::string_view text, const Countries& countries, const Regions& regions, Part& part) {
  part.pending.reserve(text.size() / 20);
  part.folded.reserve(text.size() / 2);
  std::string regionKey;
  ForEachRow(text, kCityColumns, [&](const std::vector<std::string_view>& f) {
    Place place;
    PlaceCatalogue::Qualifiers qualifiers;
    if (!ReadCity(f, countries, regions, regionKey, place, qualifiers)) return;
    AddNames(f, place, static_cast<std::uint32_t>(part.places.size()), part);
    part.places.push_back(place);
    part.qualifiers.push_back(qualifiers);
  });
  std::sort(part.pending.begin(), part.pending.end(), ByText{part.folded});
}

// The cities read in two halves at once, each into a part of its own.
void ReadHalves(std::string_view cities, const Countries& countries, const Regions& regions, Part& first,
                Part& second) {
  const std::size_t half = std::min(cities.find('\n', cities.size() / 2), cities.size());
  std::jthread secondHalf([&] { ReadPart(cities.substr(half), countries, regions, second); });
  ReadPart(cities.substr(0, half), countries, regions, first);
}

// The second part's places and folded names after the first's; its pending
// names renumbered to match.
void JoinParts(Part& first, Part& second, std::vector<Place>& places,
               std::vector<PlaceCatalogue::Qualifiers>& qualifiers, std::string& folded) {
  const auto firstPlaces = static_cast<std::uint32_t>(first.places.size());
  const auto firstFolded = static_cast<std::uint32_t>(first.folded.size());
  for (PendingName& name : second.pending) {
    name.place += firstPlaces;
    name.offset += firstFolded;
  }
  places = std::move(first.places);
  places.insert(places.end(), second.places.begin(), second.places.end());
  qualifiers = std::move(first.qualifiers);
  qualifiers.insert(qualifiers.end(), second.qualifiers.begin(), second.qualifiers.end());
  folded = std::move(first.folded);
  folded += second.folded;
  folded.shrink_to_fit();  // before the index points into it
}

// The two sorted parts' names merged straight into the index, each place's
// repeats of a name left out.
void MergeNames(const Part& first, const Part& second, std::string_view folded,
                std::vector<PlaceCatalogue::Name>& names) {
  const auto text = [&](const PendingName& name) { return folded.substr(name.offset, name.length); };
  const ByText before{folded};
  names.reserve(first.pending.size() + second.pending.size());
  const PendingName* last = nullptr;
  for (auto a = first.pending.cbegin(), b = second.pending.cbegin();
       a != first.pending.cend() || b != second.pending.cend();) {
    const bool fromSecond = a == first.pending.cend() || (b != second.pending.cend() && before(*b, *a));
    const PendingName& name = fromSecond ? *b++ : *a++;
    const bool repeat = last && last->place == name.place && last->head == name.head && last->next == name.next &&
                        last->length == name.length && text(*last) == text(name);
    last = &name;
    if (!repeat) names.push_back({text(name), name.place, name.main});
  }
  names.shrink_to_fit();
}

}  // namespace

std::variant<PlaceCatalogue, std::string> PlaceCatalogue::Load(const std::filesystem::path& folder) {
  using Result = std::variant<PlaceCatalogue, std::string>;
  const auto failed = [](std::string why) { return Result(std::in_place_index<1>, std::move(why)); };
  PlaceCatalogue catalogue;
  Countries countries;
  Regions regions;
  if (auto error = ReadCountries(folder, catalogue.texts_, countries)) return failed(*error);
  if (auto error = ReadRegions(folder, catalogue.texts_, regions)) return failed(*error);
  if (auto error = ReadWhole(folder / "cities15000.txt", catalogue.cities_)) return failed(*error);
  Part first, second;
  ReadHalves(catalogue.cities_, countries, regions, first, second);
  if (first.places.empty() && second.places.empty())
    return failed((folder / "cities15000.txt").string() + ": no city could be read");
  JoinParts(first, second, catalogue.places_, catalogue.qualifiers_, catalogue.folded_);
  MergeNames(first, second, catalogue.folded_, catalogue.names_);
  return Result(std::in_place_index<0>, std::move(catalogue));
}

const Place* PlaceCatalogue::FindById(std::uint32_t id) const {
  const auto found = std::find_if(places_.begin(), places_.end(), [&](const Place& place) { return place.id == id; });
  return found == places_.end() ? nullptr : &*found;
}

std::span<const PlaceCatalogue::Name> PlaceCatalogue::NamesStartingWith(std::string_view prefix) const {
  const auto first = std::lower_bound(names_.begin(), names_.end(), prefix,
                                      [](const Name& name, std::string_view text) { return name.folded < text; });
  // The names sharing the prefix follow one another.
  const auto last = std::upper_bound(first, names_.end(), prefix, [](std::string_view text, const Name& name) {
    return text < name.folded.substr(0, text.size());
  });
  return {first, last};
}

}  // namespace tavrin::place
