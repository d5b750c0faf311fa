#include "place/zone_history.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <stdexcept>

#include <date/tz.h>

#include "birth/zone.h"
#include "place/search_fold.h"

namespace tavrin::place {
namespace {

constexpr std::string_view kLocalMeanTime = "LMT";  // the tz database's abbreviation for it
constexpr int kSecondsPerDegree = 240;             // the Sun takes four minutes per degree
// The tz database's local mean time is that of the zone's own city, to the
// second as its sources give it. A place within this much of it is taken to
// be that city, and keeps the database's figure rather than one worked out
// from coordinates rounded elsewhere; any other place keeps its own.
constexpr int kSameCitySeconds = 60;

// The offset of the standard time nearest `info`, a period of summer time:
// the installed zone files flag such periods without saying by how much the
// clocks went forward, so the standard time is read off the periods around.
int StandardSecondsAround(const date::time_zone& zone, const date::sys_info& info) {
  constexpr int kPeriodsLooked = 8;
  date::sys_info period = info;
  for (int i = 0; i < kPeriodsLooked && period.save.count() != 0 && period.begin > date::sys_days::min(); ++i)
    period = zone.get_info(period.begin - std::chrono::seconds{1});
  if (period.save.count() != 0) {
    period = info;
    for (int i = 0; i < kPeriodsLooked && period.save.count() != 0 && period.end < date::sys_days::max(); ++i)
      period = zone.get_info(period.end);
  }
  const int seconds = static_cast<int>(info.offset.count());
  if (period.save.count() != 0) return seconds;
  // A winter time, behind the standard time (Ireland's in the tz database), is kept.
  return std::min(seconds, static_cast<int>(period.offset.count()));
}

ZoneOffsetInForce OffsetOf(const date::time_zone& zone, const date::sys_info& info,
                           std::optional<double> placeLongitude) {
  ZoneOffsetInForce offset;
  offset.seconds = static_cast<int>(info.offset.count());
  offset.daylight = info.save.count() != 0;
  offset.abbreviation = info.abbrev;
  offset.localMeanTime = info.abbrev == kLocalMeanTime;
  if (offset.localMeanTime && placeLongitude) {
    const int placeSeconds = static_cast<int>(std::lround(*placeLongitude * kSecondsPerDegree));
    if (std::abs(placeSeconds - offset.seconds) > kSameCitySeconds) offset.seconds = placeSeconds;
  }
  offset.standardSeconds = offset.daylight ? StandardSecondsAround(zone, info) : offset.seconds;
  return offset;
}

std::string ClockText(const LocalDateTime& local) {
  char text[40];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", local.year, local.month, local.day, local.hour,
                local.minute, local.second);
  return text;
}

std::string ProblemMessage(ZoneTimeProblem::Kind kind, const LocalDateTime& local, std::string_view zone,
                           const ZoneOffsetInForce& before, const ZoneOffsetInForce& after) {
  std::string text = ClockText(local) + " in " + std::string(zone);
  if (kind == ZoneTimeProblem::Kind::skipped)
    return text + " did not exist: the clocks went forward from " + DescribeOffset(before) + " to " +
           DescribeOffset(after) + " over it";
  return text + " happened twice, first at " + DescribeOffset(before) + ", then at " + DescribeOffset(after) +
         " after the clocks went back; " + std::string(kSayWhich);
}

// Whether the file at `path` is a whole TZif file (RFC 8536) whose every
// index stays within its tables: the date/tz library stops the program (an
// assertion) or reads past its tables on a file that is not.
bool IsWholeZoneFile(const std::filesystem::path& path) {
  constexpr std::size_t kLargest = 1 << 20;  // the largest zone file is some 100 KB
  std::ifstream file(path, std::ios::binary);
  std::string bytes(kLargest + 1, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (file.bad() || file.gcount() > static_cast<std::streamsize>(kLargest)) return false;
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  const auto byteAt = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
  const auto number = [&](std::size_t at) -> std::size_t {
    return std::size_t{byteAt(at)} << 24 | std::size_t{byteAt(at + 1)} << 16 | std::size_t{byteAt(at + 2)} << 8 |
           byteAt(at + 3);
  };
  // The header at `at` and the data after it, with times of `timeBytes`; `end` is where they end.
  const auto block = [&](std::size_t at, std::size_t timeBytes, std::size_t& end) {
    constexpr std::size_t kHeader = 44;
    if (bytes.size() < at + kHeader || bytes.compare(at, 4, "TZif") != 0) return false;
    const char version = bytes[at + 4];
    if (version != '\0' && version != '2' && version != '3') return false;
    const std::size_t utc = number(at + 20), standard = number(at + 24), leaps = number(at + 28),
                      times = number(at + 32), types = number(at + 36), characters = number(at + 40);
    if (types == 0 || types > 256 || characters == 0 || (utc != 0 && utc != types) ||
        (standard != 0 && standard != types))
      return false;
    const std::size_t data =
        times * timeBytes + times + types * 6 + characters + leaps * (timeBytes + 4) + standard + utc;
    const std::size_t first = at + kHeader;
    if (bytes.size() - first < data) return false;
    for (std::size_t i = 0; i < times; ++i)
      if (byteAt(first + times * timeBytes + i) >= types) return false;
    const std::size_t typeTable = first + times * timeBytes + times;
    for (std::size_t i = 0; i < types; ++i)
      if (byteAt(typeTable + i * 6 + 5) >= characters) return false;
    end = first + data;
    return true;
  };
  std::size_t end = 0;
  if (!block(0, 4, end)) return false;
  // Version 2 and later repeat the header and the version, with 64-bit times.
  const std::size_t second = end;
  return bytes[4] == '\0' || (block(second, 8, end) && bytes[second + 4] == bytes[4]);
}

// The installed zone database; nothing when it cannot be read or holds no zone.
const date::tzdb* ZoneDatabase() {
  // Opening the database, the library reads the leap seconds from right/UTC,
  // or else from UTC, and stops the program when that file is not whole.
  static const bool leapSecondsWhole = [] {
    std::error_code ignored;
    for (const std::string_view name : {"right/UTC", "UTC"})
      if (const auto path = std::filesystem::path(kZoneDataFolder) / name; std::filesystem::exists(path, ignored))
        return IsWholeZoneFile(path);
    return true;
  }();
  if (!leapSecondsWhole) return nullptr;
  try {
    const date::tzdb& database = date::get_tzdb();
    return database.zones.empty() ? nullptr : &database;
  } catch (const std::exception&) {
    return nullptr;
  }
}

// Whether the zone's file holds what the library can read (each file checked once).
bool IsReadable(const date::time_zone& zone) {
  static std::mutex mutex;
  static std::map<std::string, bool, std::less<>> whole;
  const std::lock_guard lock(mutex);
  auto found = whole.find(zone.name());
  if (found == whole.end())
    found = whole.emplace(zone.name(), IsWholeZoneFile(std::filesystem::path(kZoneDataFolder) / zone.name())).first;
  return found->second;
}

// The database lists the machine's own zone as "localtime"; it names no
// place's clocks, and a reading cast with it would change from machine to machine.
bool IsMachineZone(std::string_view name) { return FoldForSearch(name) == "localtime"; }

// The number of single-byte edits that turn one text into the other.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::size_t> row(b.size() + 1);
  for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = i;
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[j];
      row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row[b.size()];
}

std::string_view LastPart(std::string_view name) { return name.substr(name.rfind('/') + 1); }

// No zone name is longer; a longer text is close to none, and is not compared.
constexpr std::size_t kLongestZoneName = 64;
constexpr std::size_t kCloseNamesListed = 5;

// The zone names within a third of the typed text's edits of it, or of its
// last part ("Shangai", "Europe/Pariss"), closest first.
std::vector<std::string> CloseZoneNames(const date::tzdb& database, std::string_view name) {
  const std::string typed = FoldForSearch(name);
  if (typed.empty() || typed.size() > kLongestZoneName) return {};
  const std::string_view typedLast = LastPart(typed);
  const std::size_t allowed = std::max<std::size_t>(1, typedLast.size() / 3);
  std::vector<std::pair<std::size_t, std::string>> close;
  for (const date::time_zone& zone : database.zones) {
    if (IsMachineZone(zone.name())) continue;
    const std::string folded = FoldForSearch(zone.name());
    const std::size_t distance = std::min(EditDistance(typed, folded), EditDistance(typedLast, LastPart(folded)));
    if (distance <= allowed) close.emplace_back(distance, zone.name());
  }
  std::sort(close.begin(), close.end());
  std::vector<std::string> names;
  for (std::size_t i = 0; i < close.size() && names.size() < kCloseNamesListed; ++i)
    names.push_back(std::move(close[i].second));
  return names;
}

}  // namespace

std::string DidYouMean(const std::vector<std::string>& names) {
  std::string text = "did you mean ";
  for (std::size_t i = 0; i < names.size(); ++i)
    text.append(i == 0 ? "" : i + 1 == names.size() ? " or " : ", ").append(names[i]);
  return text + "?";
}

std::optional<ZoneHistory> ZoneHistory::Find(std::string_view name) {
  auto found = Lookup(name);
  if (auto* zone = std::get_if<ZoneHistory>(&found)) return *zone;
  return std::nullopt;
}

std::variant<ZoneHistory, ZoneNotFound> ZoneHistory::Lookup(std::string_view name) {
  const date::tzdb* database = ZoneDatabase();
  if (database == nullptr)
    return ZoneNotFound{true, {},
                        "the tz database in " + std::string(kZoneDataFolder) +
                            " cannot be read; it comes with Debian's tzdata"};
  const date::time_zone* found = nullptr;
  if (!IsMachineZone(name)) {
    try {
      found = date::locate_zone(name);
    } catch (const std::exception&) {
    }
  }
  // The name in another case.
  const std::string folded = FoldForSearch(name);
  if (!found && !folded.empty() && folded.size() <= kLongestZoneName)
    for (const date::time_zone& zone : database->zones)
      if (!IsMachineZone(zone.name()) && FoldForSearch(zone.name()) == folded) found = &zone;
  if (found && IsReadable(*found)) return ZoneHistory(found);
  if (found)
    return ZoneNotFound{true, {},
                        "the tz database's file of " + found->name() + " in " + std::string(kZoneDataFolder) +
                            " cannot be read; it comes with Debian's tzdata"};
  ZoneNotFound unknown{false, CloseZoneNames(*database, name), "no such time zone in the installed tz database"};
  if (!unknown.closeNames.empty()) unknown.message += "; " + DidYouMean(unknown.closeNames);
  return unknown;
}

std::string_view ZoneHistory::Name() const { return zone_->name(); }

std::variant<ZoneOffsetInForce, ZoneTimeProblem> ZoneHistory::OffsetAt(const LocalDateTime& local,
                                                                         std::optional<Fold> fold,
                                                                         std::optional<double> placeLongitude) const {
  using namespace std::chrono;
  // Days past the end of a month roll into the next, as the calendar would.
  const date::local_days day{date::year{local.year} / date::month{static_cast<unsigned>(local.month)} / 1};
  const date::local_seconds moment =
      day + days{local.day - 1} + hours{local.hour} + minutes{local.minute} + seconds{local.second};
  const date::local_info info = zone_->get_info(moment);
  if (info.result == date::local_info::unique) return OffsetOf(*zone_, info.first, placeLongitude);
  ZoneTimeProblem problem{info.result == date::local_info::nonexistent ? ZoneTimeProblem::Kind::skipped
                                                                      : ZoneTimeProblem::Kind::twice,
                          OffsetOf(*zone_, info.first, placeLongitude), OffsetOf(*zone_, info.second, placeLongitude),
                          {}};
  if (problem.kind == ZoneTimeProblem::Kind::twice && fold)
    return *fold == Fold::earlier ? problem.before : problem.after;
  problem.message = ProblemMessage(problem.kind, local, Name(), problem.before, problem.after);
  return problem;
}

std::vector<ZoneStretch> ZoneHistory::StretchesOver(long long first, long long last) const {
  // The Unix epoch, 1970-01-01 00:00 UT, is Julian Date 2440587.5.
  constexpr long long kUnixEpochSecond = 2440587LL * 86400 + 43200;
  std::vector<ZoneStretch> stretches;
  for (long long second = first; second <= last;) {
    const date::sys_info info = zone_->get_info(date::sys_seconds{std::chrono::seconds{second - kUnixEpochSecond}});
    const long long ends = info.end.time_since_epoch().count() + kUnixEpochSecond;  // the first second after it
    stretches.push_back({second, std::min(ends - 1, last), OffsetOf(*zone_, info, std::nullopt)});
    second = ends;
  }
  return stretches;
}

std::vector<std::string> ZoneNames() {
  std::vector<std::string> names;
  if (const date::tzdb* database = ZoneDatabase())
    for (const date::time_zone& zone : database->zones)
      if (!IsMachineZone(zone.name())) names.push_back(zone.name());
  return names;
}

double ZoneOffsetInForce::StandardMeridian() const { return ZoneMeridian(HoursOfOffset(standardSeconds)); }

std::string ZoneDatabaseVersion() {
  // Debian's tzdata names its version on the first line of tzdata.zi ("# version 2025b").
  std::ifstream file(std::filesystem::path(kZoneDataFolder) / "tzdata.zi");
  std::string line;
  constexpr std::string_view kStart = "# version ";
  if (std::getline(file, line) && line.starts_with(kStart)) return line.substr(kStart.size());
  return {};
}

std::string DescribeOffset(const ZoneOffsetInForce& offset) {
  std::string words;
  if (offset.localMeanTime) {
    words = "local mean time";
  } else {
    // Abbreviations made of the offset alone ("+0630") add nothing.
    if (!offset.abbreviation.empty() && offset.abbreviation.front() != '+' && offset.abbreviation.front() != '-')
      words = offset.abbreviation;
    if (offset.daylight) words += (words.empty() ? "" : ", ") + std::string("daylight time");
  }
  const std::string text = OffsetText(offset.seconds);
  return words.empty() ? text : text + " (" + words + ")";
}

}  // namespace tavrin::place
