#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace date {
class time_zone;
}

namespace tavrin::place {

// A date and time as a clock of the birth place showed it.
struct LocalDateTime {
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
};

// Which of the two moments a clock time names when the clocks went back over it.
enum class Fold { earlier, later };

// The offset of a zone's clocks from Greenwich at a moment.
struct ZoneOffsetInForce {
  int seconds = 0;            // east of Greenwich
  bool daylight = false;      // summer (daylight saving) time was in force
  std::string abbreviation;   // as the tz database gives it ("CST", "+0630"); "LMT" for local mean time
  bool localMeanTime = false;  // before the zone's first record: the mean solar time of the place
  // The offset without its summer time: the zone's standard time, whose
  // meridian a birth with no longitude is cast at. A winter time behind the
  // standard time (as the tz database gives Ireland's) is kept.
  int standardSeconds = 0;

  // The standard time's meridian, degrees east: the longitude a birth in the
  // zone with none given is cast at.
  double StandardMeridian() const;
};

// A stretch of time over which a zone's clocks kept one offset: its first and
// last second of Universal Time, counted from Julian Date 0 (so a day's
// noon is a multiple of 86400).
struct ZoneStretch {
  long long firstSecond = 0;
  long long lastSecond = 0;
  ZoneOffsetInForce offset;
};

// A local time the zone's clocks skipped (they went forward over it) or showed
// twice (they went back over it). `before` and `after` are the offsets on
// either side of the change; for a time shown twice, `before` is the earlier one.
struct ZoneTimeProblem {
  enum class Kind { skipped, twice } kind;
  ZoneOffsetInForce before, after;
  std::string message;
};

// How the message of a clock time shown twice ends.
inline constexpr std::string_view kSayWhich = "say which: earlier or later";

// Where the system keeps the IANA time zone database (Debian's tzdata).
inline constexpr std::string_view kZoneDataFolder = "/usr/share/zoneinfo";

// Why a name gives no zone: the system's zone database cannot be read, or it
// has no zone of that name, and then the names close to it, closest first
// (at most five). `message` says which, and names them: "no such time zone in
// the installed tz database; did you mean Asia/Shanghai?".
struct ZoneNotFound {
  bool noDatabase = false;
  std::vector<std::string> closeNames;
  std::string message;
};

// "did you mean Asia/Shanghai?", "did you mean Europe/Paris or Europe/Prague?"
std::string DidYouMean(const std::vector<std::string>& names);

// One zone of the IANA time zone database as the system installs it
// (/usr/share/zoneinfo), found by name once and asked for many moments.
class ZoneHistory {
 public:
  // The zone of that IANA name in any case ("Asia/Shanghai", "asia/shanghai");
  // nothing for an unknown name or when the system has no zone database.
  static std::optional<ZoneHistory> Find(std::string_view name);
  // The same, or why there is none.
  static std::variant<ZoneHistory, ZoneNotFound> Lookup(std::string_view name);

  std::string_view Name() const;

  // The offset in force at `local`. Before the zone's first record the clocks
  // kept local mean time: the tz database's own for the zone's main city, or,
  // for a `placeLongitude` (degrees east) more than a minute of time away
  // from it, that of the place. A skipped local time
  // is a problem; a time shown twice is a problem unless `fold` says which.
  std::variant<ZoneOffsetInForce, ZoneTimeProblem> OffsetAt(const LocalDateTime& local, std::optional<Fold> fold,
                                                            std::optional<double> placeLongitude) const;

  // The stretches of one offset that cover the seconds `first` to `last`
  // (UT from Julian Date 0, years 1600 to 2199 or near them), earliest first;
  // the first and the last are cut at `first` and `last`. Before the zone's
  // first record the clocks keep the tz database's local mean time.
  std::vector<ZoneStretch> StretchesOver(long long first, long long last) const;

 private:
  explicit ZoneHistory(const date::time_zone* zone) : zone_(zone) {}
  const date::time_zone* zone_;
};

// The names of the installed tz database's zones, in its order; none when it
// cannot be read.
std::vector<std::string> ZoneNames();

// The version of the installed tz database ("2025b"), or empty when it does not say.
std::string ZoneDatabaseVersion();

// "+9 (CDT, daylight time)", "+8:05:43 (local mean time)", "+6:30 (daylight time)".
std::string DescribeOffset(const ZoneOffsetInForce& offset);

}  // namespace tavrin::place
