#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "place/place_choices.h"
#include "place/place_search.h"
#include "place/search_fold.h"
#include "place/zone_history.h"

namespace tavrin::place {
namespace {

TEST(SearchFold, AccentsWidthLigaturesAndCaseGoLettersStay) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"Zürich", "zurich"},         {"ŁÓDŹ", "łodz"},         {"  São   Paulo ", "sao paulo"},
      {"Ürümqi", "urumqi"},         {"Thượng Hải", "thuong hai"}, {"Straße", "strasse"},
      {"上海", "上海"},             {"МОСКВА", "москва"},     {"Ἀθῆναι", "αθηναι"},
      {"Ra\xCA\xBCs", "ra\xCA\xBCs"},  {"a\xFF" "b", "a\uFFFDb"},  {"", ""},
      {"Zu\u0308rich", "zurich"},   {"Ｎｅｗ\u3000Ｙｏｒｋ", "new york"}, {"\uFB01\u0132", "fiij"},
      {"İSTANBUL", "istanbul"},     {"\u200Fالقاهرة\u200E", "القاهرة"}, {"Sankt\u00ADPölten", "sanktpolten"},
  };
  for (const auto& [text, folded] : cases) EXPECT_EQ(FoldForSearch(text), folded) << text;
}

// A catalogue of a few cities in the files' own layout, in a folder of its own.
class SmallCatalogue : public ::testing::Test {
 protected:
  static std::string City(std::string_view id, std::string_view name, std::string_view alternates,
                          std::string_view longitude, std::string_view country, std::string_view region,
                          std::string_view population, std::string_view zone) {
    std::string row;
    for (std::string_view field : {id, name, name, alternates, std::string_view("10.5"), longitude,
                                   std::string_view("P"), std::string_view("PPL"), country, std::string_view(""),
                                   region, std::string_view(""), std::string_view(""), std::string_view(""),
                                   population, std::string_view(""), std::string_view("5"), zone,
                                   std::string_view("2020-01-01")})
      row.append(field).append("\t");
    row.back() = '\n';
    return row;
  }
  void SetUp() override {
    // Each case has a folder of its own: the cases may run at once.
    folder_ = std::filesystem::path(::testing::TempDir()) /
              (std::string("place-catalogue-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
    std::ofstream(folder_ / "countryInfo.txt")
        << "#ISO\tISO3\tISO-Numeric\tfips\tCountry\n"
           "FR\tFRA\t250\tFR\tFrance\n"
           "US\tUSA\t840\tUS\tUnited States\n"
           "CN\tCHN\t156\tCH\tChina\n";
    std::ofstream(folder_ / "admin1Codes.txt") << "US.TX\tTexas\tTexas\t1\nUS.IL\tIllinois\tIllinois\t2\n"
                                                  "US.MO\tMissouri\tMissouri\t3\nCN.14\tTibet\tTibet\t4\n";
    std::ofstream(folder_ / "cities15000.txt")
        << City("1", "Paris", "Lutetia,Paname", "2.35", "FR", "11", "2138551", "Europe/Paris")
        << City("2", "Paris", "", "-95.55", "US", "TX", "25171", "America/Chicago")
        << City("3", "Springfield", "", "-89.64", "US", "IL", "116250", "America/Chicago")
        << City("4", "Springfield", "", "-93.3", "US", "MO", "159498", "America/Chicago")
        << City("5", "Lhasa", "拉萨", "91.1", "CN", "14", "118721", "Asia/Urumqi")
        << City("6", "Parisot", "", "1.86", "FR", "76", "20000", "Europe/Paris")
        << City("7", "broken", "", "east", "FR", "11", "1", "Europe/Paris")
        << City("8", "City of Paris", "Paris", "2.3", "FR", "11", "2138551", "Europe/Paris")
        << City("9", "Zürich", "", "8.55", "CH", "ZH", "341730", "Europe/Zurich")
        << City("10", "Shanghai", "上海", "121.46", "CN", "23", "22315474", "Asia/Shanghai")
        << City("11", "Tokyo", "東京", "139.69", "JP", "40", "8336599", "Asia/Tokyo")
        << City("12", "Moscow", "Москва", "37.62", "RU", "48", "10381222", "Europe/Moscow")
        << City("13", "Cairo", "القاهرة", "31.25", "EG", "11", "7734614", "Africa/Cairo");
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }
  std::filesystem::path folder_;
};

TEST_F(SmallCatalogue, SearchRanksNarrowsAndSaysWhenOnePlaceDominates) {
  auto loaded = PlaceCatalogue::Load(folder_);
  ASSERT_EQ(loaded.index(), 0u) << std::get<1>(loaded);
  const auto& catalogue = std::get<PlaceCatalogue>(loaded);
  EXPECT_EQ(catalogue.Places().size(), 12u);  // the row with no longitude is left out
  struct Case {
    std::string_view text;
    std::vector<std::uint32_t> ids;
    bool dominant;
  };
  const Case cases[] = {
      {"Paris", {1, 2, 8, 6}, true},            // own names first, then alternate names, then longer names
      {"paris, texas", {2}, true},              {"PARIS, us", {2}, true}, {"Paris, USA", {2}, true},
      {"Paris, Fr", {1, 8, 6}, true},           {"Pari", {1, 8, 2, 6}, false},
      {"Springfield", {4, 3}, false},           // 159,498 against 116,250 people: no clear winner
      {"Springfield, Illinois", {3}, true},     {"Springfield, Ohio", {}, false},
      {"拉萨", {5}, true},                      {"lutetia", {1}, true},
      {"", {}, false},                          {" , France", {}, false},
      // However the name is typed: decomposed, in capitals, full-width, with a ligature, in its own script.
      {"Zu\u0308rich", {9}, true},              {"ZÜRICH", {9}, true},     {"Ｓｈａｎｇｈａｉ", {10}, true},
      {"Spring\uFB01eld, Illinois", {3}, true}, {"東京", {11}, true},      {"москва", {12}, true},
      {"\u200Fالقاهرة", {13}, true},           {"Paris\uFF0C Texas", {2}, true},  // a full-width comma
  };
  for (const Case& c : cases) {
    const PlaceMatches matches = SearchPlaces(catalogue, c.text, 10);
    std::vector<std::uint32_t> ids;
    for (const Place* place : matches.places) ids.push_back(place->id);
    EXPECT_EQ(ids, c.ids) << c.text;
    EXPECT_EQ(matches.dominant, c.dominant) << c.text;
    EXPECT_EQ(matches.total, c.ids.size()) << c.text;
  }
  EXPECT_EQ(SearchPlaces(catalogue, "Paris", 1).places.size(), 1u);
  EXPECT_TRUE(SearchPlaces(catalogue, "Paris", 1).dominant);

  const Place& lhasa = *catalogue.FindById(5);
  EXPECT_EQ(lhasa.timeZone, "Asia/Shanghai");  // our correction
  EXPECT_EQ(lhasa.listedZone, "Asia/Urumqi");
  EXPECT_EQ(PlaceTitle(lhasa), "Lhasa, Tibet, China");
  EXPECT_EQ(PlaceTitle(*catalogue.FindById(1)), "Paris, France");  // region 11 is not in the regions file
}

TEST_F(SmallCatalogue, AFileThatCannotBeReadIsNamed) {
  std::filesystem::remove(folder_ / "admin1Codes.txt");
  auto loaded = PlaceCatalogue::Load(folder_);
  ASSERT_EQ(loaded.index(), 1u);
  EXPECT_NE(std::get<1>(loaded).find("admin1Codes.txt: No such file or directory"), std::string::npos);
  std::filesystem::create_directory(folder_ / "admin1Codes.txt");
  loaded = PlaceCatalogue::Load(folder_);
  ASSERT_EQ(loaded.index(), 1u);
  EXPECT_NE(std::get<1>(loaded).find("admin1Codes.txt: it is a directory"), std::string::npos);
}

// The clocks' history as Debian's tzdata gives it.
TEST(ZoneHistory, OffsetsInForceSkippedAndRepeatedTimes) {
  if (!ZoneHistory::Find("Asia/Shanghai")) GTEST_SKIP() << "no tz database in /usr/share/zoneinfo (Debian's tzdata)";
  struct Case {
    std::string_view zone;
    LocalDateTime local;
    std::optional<Fold> fold;
    std::optional<double> longitude;
    std::string_view described;  // or the start of the problem's message
  };
  const Case cases[] = {
      {"Asia/Shanghai", {1988, 7, 1, 12, 0, 0}, {}, {}, "+9 (CDT, daylight time)"},
      {"Asia/Shanghai", {1900, 6, 1, 12, 0, 0}, {}, {}, "+8:05:43 (local mean time)"},
      {"Asia/Shanghai", {1900, 6, 1, 12, 0, 0}, {}, 121.45806, "+8:05:43 (local mean time)"},  // the zone's city
      {"Asia/Shanghai", {1900, 6, 1, 12, 0, 0}, {}, 120.16142, "+8:00:39 (local mean time)"},  // Hangzhou
      {"Asia/Shanghai", {1200, 2, 29, 12, 0, 0}, {}, -0.1, "-0:00:24 (local mean time)"},
      {"Europe/London", {1970, 6, 1, 12, 0, 0}, {}, {}, "+1 (BST)"},  // British Standard Time, all year
      {"Europe/London", {1972, 1, 1, 12, 0, 0}, {}, {}, "0 (GMT)"},
      {"Asia/Kolkata", {1943, 6, 1, 12, 0, 0}, {}, {}, "+6:30 (daylight time)"},
      {"America/St_Johns", {1990, 1, 1, 0, 0, 0}, {}, {}, "-3:30 (NST)"},
      {"Asia/Shanghai", {1991, 4, 14, 2, 30, 0}, {}, {}, "1991-04-14 02:30:00 in Asia/Shanghai did not exist: "
                                                        "the clocks went forward from +8 (CST) to +9 (CDT, "
                                                        "daylight time) over it"},
      {"Asia/Shanghai", {1991, 4, 14, 2, 30, 0}, Fold::later, {}, "1991-04-14 02:30:00 in Asia/Shanghai did not"},
      {"Asia/Shanghai", {1991, 9, 15, 1, 30, 0}, {}, {}, "1991-09-15 01:30:00 in Asia/Shanghai happened twice, "
                                                        "first at +9 (CDT, daylight time), then at +8 (CST)"},
      {"Asia/Shanghai", {1991, 9, 15, 1, 30, 0}, Fold::earlier, {}, "+9 (CDT, daylight time)"},
      {"Asia/Shanghai", {1991, 9, 15, 1, 30, 0}, Fold::later, {}, "+8 (CST)"},
      {"Asia/Shanghai", {1991, 9, 15, 2, 0, 0}, {}, {}, "+8 (CST)"},
  };
  for (const Case& c : cases) {
    const auto zone = ZoneHistory::Find(c.zone);
    ASSERT_TRUE(zone) << c.zone;
    const auto found = zone->OffsetAt(c.local, c.fold, c.longitude);
    const std::string text = found.index() == 0 ? DescribeOffset(std::get<0>(found)) : std::get<1>(found).message;
    EXPECT_TRUE(text.starts_with(c.described)) << c.zone << " " << c.local.year << ": " << text;
  }
  EXPECT_FALSE(ZoneHistory::Find("Asia/Nowhere"));
  EXPECT_FALSE(ZoneHistory::Find(""));
}

// A zone name in another case is the zone; an unknown one gets the names
// close to it, and a path or the machine's own zone is no zone.
TEST(ZoneHistory, NamesInAnyCaseAndCloseNamesForTheUnknown) {
  if (!ZoneHistory::Find("Asia/Shanghai")) GTEST_SKIP() << "no tz database in /usr/share/zoneinfo (Debian's tzdata)";
  struct Case {
    std::string zone;
    std::string_view found;               // the zone's own name, or empty
    std::vector<std::string> closeNames;  // when none is found
  };
  const Case cases[] = {
      {"asia/shanghai", "Asia/Shanghai", {}},     {"ASIA/SHANGHAI", "Asia/Shanghai", {}},
      {"us/eastern", "US/Eastern", {}},           {"Asia/Shangai", "", {"Asia/Shanghai"}},
      {"shanghai", "", {"Asia/Shanghai"}},        {"Europe/Pariss", "", {"Europe/Paris"}},
      {"Mars/Olympus", "", {}},                   {std::string(100000, 'a'), "", {}},
      {"../../etc/passwd", "", {}},               {"/etc/localtime", "", {}},
      {"localtime", "", {}},                      {"posixrules", "", {}},
      {"right/UTC", "", {"Etc/UTC", "UTC"}},      {"RIGHT/utc", "", {"Etc/UTC", "UTC"}},
  };
  for (const Case& c : cases) {
    const auto found = ZoneHistory::Lookup(c.zone);
    const std::string_view shown = std::string_view(c.zone).substr(0, 40);
    if (!c.found.empty()) {
      ASSERT_EQ(found.index(), 0u) << shown;
      EXPECT_EQ(std::get<ZoneHistory>(found).Name(), c.found);
      continue;
    }
    ASSERT_EQ(found.index(), 1u) << shown;
    const ZoneNotFound& unknown = std::get<ZoneNotFound>(found);
    EXPECT_FALSE(unknown.noDatabase);
    EXPECT_EQ(unknown.closeNames, c.closeNames) << shown;
    EXPECT_TRUE(unknown.message.starts_with("no such time zone in the installed tz database")) << unknown.message;
  }
  const auto paris = std::get<ZoneNotFound>(ZoneHistory::Lookup("Europe/Pariss"));
  EXPECT_EQ(paris.message, "no such time zone in the installed tz database; did you mean Europe/Paris?");
  EXPECT_EQ(DidYouMean({"Etc/UTC", "UTC", "UCT"}), "did you mean Etc/UTC, UTC or UCT?");
}

TEST(PlaceChoices, SurviveAReadingAndIgnoreWhatTheyDoNotKnow) {
  Reading reading;
  SetPlaceChoices({1280737, "Lhasa", "Asia/Tokyo", Fold::later}, reading);
  const PlaceChoices back = ReadPlaceChoices(reading);
  EXPECT_EQ(back.placeId, 1280737u);
  EXPECT_EQ(back.placeName, "Lhasa");
  EXPECT_EQ(back.timeZone, "Asia/Tokyo");
  EXPECT_EQ(back.fold, Fold::later);
  Reading odd;
  for (auto [key, value] : {std::pair{"place", "Lhasa"}, {"timeZone", ""}, {"fold", "both"}}) odd.SetChoice(key, value);
  const PlaceChoices none = ReadPlaceChoices(odd);
  EXPECT_FALSE(none.placeId || none.timeZone || none.fold);
  Reading nothing;
  SetPlaceChoices({}, nothing);
  EXPECT_TRUE(nothing.choices.empty());
}

}  // namespace
}  // namespace tavrin::place
