#include <gtest/gtest.h>

#include <filesystem>

#include "tests/tools/caster_run.h"
#include "reading/reading_store.h"
#include "tools/place_lookup.h"

namespace tavrin::testing {
namespace {

// The birth places and zone histories the caster finds in Debian's data.
TEST(CastPlace, ZoneInForceFromThePlaceOrTheZoneName) {
  if (const auto* reason = std::get_if<std::string>(&cast::SystemPlaces()))
    GTEST_SKIP() << "no place catalogue (Debian's libtimezonemap-data): " << *reason;
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string expected;  // in standard output, or in standard error when the status is not 0
  };
  const std::string shanghai = R"("place":{"geonameId":1796236,"name":"Shanghai","region":"Shanghai Shi",)";
  const Case cases[] = {
      {{"--place", "Shanghai", "--date", "1988-07-01"}, 0,
       R"("zoneOffset":"9","longitude":121.45806,)"},
      {{"--place", "Shanghai", "--date", "1988-07-01"}, 0,
       R"("timeZone":{"name":"Asia/Shanghai","offsetHours":9,"daylightTime":true,"abbreviation":"CDT",)"},
      {{"--place", "上海", "--date", "1988-07-01"}, 0, shanghai},
      // Local mean time: the zone's own (+8:05:43) for its city, of the place's longitude elsewhere.
      {{"--place", "Shanghai", "--date", "1900-06-01"}, 0, R"("zoneOffset":"8.095277777777778")"},
      {{"--tz", "Asia/Shanghai", "--date", "1900-06-01"}, 0, R"("zoneOffset":"8.095277777777778")"},
      {{"--tz", "Europe/London", "--date", "1970-06-01"}, 0, R"("zoneOffset":"1","longitude":15,)"},
      // Summer time moves no pillar: without a longitude, the meridian of the standard time in force.
      {{"--tz", "Asia/Shanghai", "--date", "1988-07-01", "--time", "13:30"}, 0,
       R"("zoneOffset":"9","longitude":120,)"},
      {{"--tz", "Europe/London", "--date", "1988-07-01"}, 0, R"("zoneOffset":"1","longitude":0,)"},
      {{"--tz", "Asia/Kolkata", "--date", "1943-06-01"}, 0, R"("zoneOffset":"6.5")"},
      {{"--place", "Lhasa", "--date", "2000-06-01"}, 0, R"("zoneOffset":"8","longitude":91.1,)"},
      {{"--place", "Lhasa", "--date", "2000-06-01"}, 0, R"("timeZone":"Asia/Shanghai"},"timeZone")"},
      {{"--tz", "Asia/Shanghai", "--date", "1991-04-14", "--time", "02:30"}, 2,
       "--tz Asia/Shanghai: 1991-04-14 02:30:00 in Asia/Shanghai did not exist"},
      {{"--place", "Shanghai", "--date", "1991-09-15", "--time", "01:30"}, 2,
       "--place Shanghai: 1991-09-15 01:30:00 in Asia/Shanghai happened twice, first at +9 (CDT, daylight time), "
       "then at +8 (CST) after the clocks went back; say which: earlier or later (--fold earlier or --fold later)"},
      {{"--tz", "Asia/Shanghai", "--date", "1991-09-15", "--time", "01:30", "--fold", "earlier"}, 0,
       R"("zoneOffset":"9")"},
      {{"--tz", "Asia/Shanghai", "--date", "1991-09-15", "--time", "01:30", "--fold", "later"}, 0,
       R"("zoneOffset":"8")"},
      // Given explicitly, the zone and the longitude win over the place's.
      {{"--place", "Springfield, Illinois, US", "--zone", "3", "--longitude", "10", "--date", "2000-06-01"}, 0,
       R"("zoneOffset":"3","longitude":10,)"},
      {{"--place", "Springfield", "--date", "2000-06-01"}, 2,
       "--place Springfield: 8 places match; name one with its region or country\n"
       "  Springfield, Missouri, United States  37.22 N 93.3 W  America/Chicago\n"},
      {{"--place", "Xyzzyville", "--date", "2000-06-01"}, 2, "--place Xyzzyville: no such place"},
      {{"--tz", "Mars/Olympus", "--date", "2000-06-01"}, 2, "--tz Mars/Olympus: no such time zone"},
      {{"--tz", "asia/shanghai", "--date", "2000-06-01"}, 0, R"("timeZone":{"name":"Asia/Shanghai")"},
      {{"--tz", "Asia/Shangai", "--date", "2000-06-01"}, 2,
       "--tz Asia/Shangai: no such time zone in the installed tz database; did you mean Asia/Shanghai?\n"},
      {{"--tz", "Asia/Tokyo", "--zone", "9", "--date", "2000-06-01"}, 2, "--tz cannot be combined with --zone"},
      {{"--tz", "Asia/Tokyo", "--fold", "first", "--date", "2000-06-01"}, 2, "--fold first: expected earlier or later"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {"--name", "P", "--gender", "female", "--json"};
    if (std::find(c.args.begin(), c.args.end(), "--time") == c.args.end()) args.insert(args.end(), {"--time", "12:00"});
    args.insert(args.end(), c.args.begin(), c.args.end());
    const auto run = Cast(args);
    std::string joined;
    for (const auto& arg : c.args) joined += arg + " ";
    EXPECT_EQ(run.status, c.status) << joined << run.err;
    EXPECT_NE((c.status == 0 ? run.out : run.err).find(c.expected), std::string::npos)
        << joined << "\n" << run.out << run.err;
  }
  // Without a place or a zone name neither member is written.
  EXPECT_EQ(Cast(SampleArgs({"--json"})).out.find("\"place\""), std::string::npos);

  const auto listed = Cast({"--places", "springfield, il"});
  EXPECT_EQ(listed.out, "Springfield, Illinois, United States  39.8 N 89.64 W  America/Chicago\n");

  // A saved reading names the place after its ten lines.
  const auto saved = std::filesystem::path(::testing::TempDir()) / "place-test.baz";
  ASSERT_EQ(Cast({"--name", "P", "--gender", "male", "--time", "12:00", "--date", "1900-06-01", "--place", "Lhasa",
                  "--save", saved.string()})
                .status,
            0);
  Reading reading;
  ASSERT_FALSE(LoadReading(saved.string(), reading));
  EXPECT_EQ(reading[ReadingLine::longitude], "91.1");
  EXPECT_EQ(reading.Choice("place"), "1280737 Lhasa");
  EXPECT_EQ(reading.choices.size(), 1u);

  // Opened again, the place is named, and saved again it is kept.
  const auto again = std::filesystem::path(::testing::TempDir()) / "place-test-again.baz";
  const auto reopened = Cast({"--open", saved.string(), "--save", again.string(), "--json", "--fields", "place"});
  EXPECT_EQ(reopened.status, 0) << reopened.err;
  EXPECT_NE(reopened.out.find(R"("place":{"geonameId":1280737,"name":"Lhasa")"), std::string::npos) << reopened.out;
  Reading resaved;
  ASSERT_FALSE(LoadReading(again.string(), resaved));
  EXPECT_EQ(resaved.choices, reading.choices);
  std::filesystem::remove(saved);
  std::filesystem::remove(again);
}

}  // namespace
}  // namespace tavrin::testing
