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

}  // namespace

std::variant<PlaceCatalogue, std::string> PlaceCatalogue::Load(const std::filesystem::path& folder) {
  using Result = std::variant<PlaceCatalogue, std::string>;
  PlaceCatalogue catalogue;
  auto keep = [&](std::string text) -> std::string_view { return *catalogue.texts_.insert(std::move(text)).first; };

  struct Country {
    std::string_view name, folded, iso3;
  };
  std::unordered_map<std::string, Country> countries;
  std::string countryFile, regionFile;
  if (auto error = ReadWhole(folder / "countryInfo.txt", countryFile)) return Result(std::in_place_index<1>, *error);
  ForEachRow(countryFile, 5, [&](const std::vector<std::string_view>& f) {
    countries[std::string(f[0])] = {keep(std::string(f[4])), keep(FoldForSearch(f[4])), keep(std::string(f[1]))};
  });

  struct Region {
    std::string_view name, folded;
  };
  std::unordered_map<std::string, Region> regions;
  if (auto error = ReadWhole(folder / "admin1Codes.txt", regionFile)) return Result(std::in_place_index<1>, *error);
  ForEachRow(regionFile, 3, [&](const std::vector<std::string_view>& f) {
    regions[std::string(f[0])] = {keep(std::string(f[2])), keep(FoldForSearch(f[2]))};
  });

  if (auto error = ReadWhole(folder / "cities15000.txt", catalogue.cities_))
    return Result(std::in_place_index<1>, *error);

  // The cities are read in two halves at once, each into a part of its own:
  // its places, and its folded names sorted. The parts are then joined.
  struct Part {
    std::vector<Place> places;
    std::vector<Qualifiers> qualifiers;
    std::string folded;
    std::vector<PendingName> pending;
  };
  const auto byText = [](std::string_view folded) {
    // By text, then place, then main names first, so that a place's repeats
    // of one name follow its first, which is kept.
    return [folded](const PendingName& a, const PendingName& b) {
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
    };
  };
  const auto readPart = [&](std::string_view text, Part& part) {
    part.pending.reserve(text.size() / 20);
    part.folded.reserve(text.size() / 2);
    std::string regionKey;
    ForEachRow(text, kCityColumns, [&](const std::vector<std::string_view>& f) {
      Place place;
      if (!ReadNumber(f[kId], place.id) || !ReadNumber(f[kLatitude], place.latitude) ||
          !ReadNumber(f[kLongitude], place.longitude) || f[kTimeZone].empty())
        return;
      if (!f[kPopulation].empty() && !ReadNumber(f[kPopulation], place.population)) return;
      place.name = f[kName];
      place.asciiName = f[kAsciiName];
      place.countryCode = f[kCountryCode];
      Qualifiers qualifiers;
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
      if (const ZoneCorrection* correction =
              FindZoneCorrection(place.id, f[kCountryCode], f[kRegionCode], f[kTimeZone])) {
        place.listedZone = place.timeZone;
        place.timeZone = correction->zone;
      }
      const auto index = static_cast<std::uint32_t>(part.places.size());
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
      part.places.push_back(place);
      part.qualifiers.push_back(qualifiers);
    });
    std::sort(part.pending.begin(), part.pending.end(), byText(part.folded));
  };
  const std::string_view cities = catalogue.cities_;
  const std::size_t half = std::min(cities.find('\n', cities.size() / 2), cities.size());
  Part first, second;
  {
    std::jthread secondHalf([&] { readPart(cities.substr(half), second); });
    readPart(cities.substr(0, half), first);
  }
  if (first.places.empty() && second.places.empty())
    return Result(std::in_place_index<1>, (folder / "cities15000.txt").string() + ": no city could be read");

  const auto firstPlaces = static_cast<std::uint32_t>(first.places.size());
  const auto firstFolded = static_cast<std::uint32_t>(first.folded.size());
  for (PendingName& name : second.pending) {
    name.place += firstPlaces;
    name.offset += firstFolded;
  }
  catalogue.places_ = std::move(first.places);
  catalogue.places_.insert(catalogue.places_.end(), second.places.begin(), second.places.end());
  catalogue.qualifiers_ = std::move(first.qualifiers);
  catalogue.qualifiers_.insert(catalogue.qualifiers_.end(), second.qualifiers.begin(), second.qualifiers.end());
  catalogue.folded_ = std::move(first.folded);
  catalogue.folded_ += second.folded;
  catalogue.folded_.shrink_to_fit();  // before the index points into it
  // The two sorted halves merged straight into the index, each place's
  // repeats of a name left out.
  const std::string_view folded = catalogue.folded_;
  const auto text = [&](const PendingName& name) { return folded.substr(name.offset, name.length); };
  const auto before = byText(folded);
  catalogue.names_.reserve(first.pending.size() + second.pending.size());
  const PendingName* last = nullptr;
  for (auto a = first.pending.cbegin(), b = second.pending.cbegin();
       a != first.pending.cend() || b != second.pending.cend();) {
    const bool fromSecond = a == first.pending.cend() || (b != second.pending.cend() && before(*b, *a));
    const PendingName& name = fromSecond ? *b++ : *a++;
    const bool repeat = last && last->place == name.place && last->head == name.head && last->next == name.next &&
                        last->length == name.length && text(*last) == text(name);
    last = &name;
    if (!repeat) catalogue.names_.push_back({text(name), name.place, name.main});
  }
  catalogue.names_.shrink_to_fit();
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
