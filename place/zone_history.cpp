#include "place/zone_history.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <stdexcept>

#include <date/tz.h>

#include "birth/zone.h"

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

}  // namespace

std::optional<ZoneHistory> ZoneHistory::Find(std::string_view name) {
  try {
    return ZoneHistory(date::locate_zone(name));
  } catch (const std::exception&) {
    return std::nullopt;
  }
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
  std::ifstream file("/usr/share/zoneinfo/tzdata.zi");
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
