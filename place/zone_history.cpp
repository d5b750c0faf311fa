#include "place/zone_history.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
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

// The installed zone database; nothing when it cannot be read or holds no zone.
const date::tzdb* ZoneDatabase() {
  try {
    const date::tzdb& database = date::get_tzdb();
    return database.zones.empty() ? nullptr : &database;
  } catch (const std::exception&) {
    return nullptr;
  }
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
  if (!IsMachineZone(name)) {
    try {
      return ZoneHistory(date::locate_zone(name));
    } catch (const std::exception&) {
    }
  }
  // The name in another case.
  const std::string folded = FoldForSearch(name);
  if (!folded.empty() && folded.size() <= kLongestZoneName)
    for (const date::time_zone& zone : database->zones)
      if (!IsMachineZone(zone.name()) && FoldForSearch(zone.name()) == folded) return ZoneHistory(&zone);
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
