#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "reading/reading_file.h"
#include "tests/entry/open_reading_fixture.h"

namespace entry_test {
namespace {

using Icon = QMessageBox::Icon;
using tavrin::BirthDetails;

std::string Saved(const BirthDetails& details, std::optional<double> longitude = std::nullopt) {
  return tavrin::ComposeReading(tavrin::ReadingOf(details, longitude));
}

struct AnalysedCase {
  const char* label;
  std::string bytes;
  BirthDetails stored;  // what the analysis stores from the restored form
  std::optional<double> entered;  // the longitude the form hands to a later save
};

// Every case opens over the form kBefore shows (zone "5" "0", longitude
// "10 E"): what the reading does not set keeps that.
TEST_F(OpenReadingTest, RestoresTheFormAndAnalysesItAsTheButtonDoes) {
  const AnalysedCase cases[] = {
      {"saved reading, minute 0, zone east",
       Saved({"Ann Lee", 1984, "February", 2, 10, 10, 0, 0, "8", 0, "Male", 1}),
       {"Ann Lee", 1984, "February", 2, 10, 10, 0, 0, "8", 120, "Male", 1}, std::nullopt},
      {"characters the codec cannot carry, minute 59, half-hour zone, longitude",
       Saved({"Zo\u00EB M\u00FCller", 2050, "December", 12, 31, 23, 59, 58, "5.5", 0, "Female", -1}, 116),
       {"Zo\u00EB Mller", 2050, "December", 12, 31, 23, 59, 58, "5.5", 116, "Female", -1}, 116},
      {"characters the code page cannot carry come back whole from the name line",
       Saved({"\u5F20\u4F1F Zhang Wei \U0001F600", 1988, "July", 7, 1, 0, 0, 0, "8", 0, "Male", 1}),
       {"\u5F20\u4F1F Zhang Wei \U0001F600", 1988, "July", 7, 1, 0, 0, 0, "8", 120, "Male", 1}, std::nullopt},
      {"local mean time to the second", Saved({"Lu", 1988, "July", 7, 1, 12, 0, 0, "8.095277777777778", 0, "Male", 1}, 121.45806),
       {"Lu", 1988, "July", 7, 1, 12, 0, 0, "8.095277777777778", 121.45806, "Male", 1}, 121.45806},
      {"a precise reading of a year Classic does not list",
       Lines({"Old", "1601", "June", "15", "12", "0", "0", "8", "Male", "", "method=precise"}),
       {"Old", 1601, "June", 6, 15, 12, 0, 0, "8", 120, "Male", 1}, std::nullopt},
      {"zone and longitude west",
       Saved({"Al", 1901, "January", 1, 1, 0, 1, 0, "-3.5", 0, "Male", 1}, -74.5),
       {"Al", 1901, "January", 1, 1, 0, 1, 0, "-3.5", -74.5, "Male", 1}, -74.5},
      {"gender in lower case", Lines({"Ann", "1984", "May", "5", "1", "2", "3", "8", "male"}),
       {"Ann", 1984, "May", 5, 5, 1, 2, 3, "8", 120, "Female", -1}, std::nullopt},
      {"four lines", Lines({"Ann", "1999", "July", "4"}),
       {"Ann", 1999, "July", 7, 4, 5, 6, 7, "-5", -75, "Female", -1}, std::nullopt},
      {"bytes below the codec offset",
       Encoded("An") + "\x05" + Encoded("n") + "\r\n" + Encoded("19") + "\x0B" + Encoded("84") + "\r\n" +
           Lines({"May", "5", "1", "2", "3", "8", "Male"}),
       {"Ann", 1984, "May", 5, 5, 1, 2, 3, "8", 120, "Male", 1}, std::nullopt},
      {"values no control takes",
       Lines({"Ann", "1900", "march", "32", "24", "60", "60", "15", "Male", "200"}),
       {"Ann", 1950, "March", 3, 3, 5, 6, 7, "-5", 10, "Male", 1}, 10},
      {"empty values and an empty tenth line", Lines({"Ann", "", "", "", "", "", "", "", "Male", ""}),
       {"Ann", 1950, "March", 3, 3, 5, 6, 7, "-5", 10, "Male", 1}, 10},
  };
  for (const AnalysedCase& c : cases) {
    SCOPED_TRACE(c.label);
    FreshForm();
    Prefill();
    modFengShuiFourPillar::BirthDetails = Sentinel();
    modFengShuiFourPillar::Birth.typedLongitude = 999;
    EXPECT_TRUE(Open(Write("reading.baz", c.bytes)).empty());
    EXPECT_EQ(Fields(modFengShuiFourPillar::BirthDetails), Fields(c.stored));
    EXPECT_EQ(modFengShuiFourPillar::Birth.typedLongitude, c.entered);
    ExpectChartShown();
  }
}

struct CheckedCase {
  const char* label;
  std::string bytes;
  FormState shown;         // the restored form the name check keeps
  const char* zoneOffset;  // stored once a name is typed; nullptr: not analysed
};

TEST_F(OpenReadingTest, AFailedCheckKeepsTheFormWithTheRestoredValuesAndTheSavedZone) {
  const CheckedCase cases[] = {
      {"zone east", Saved({"", 1984, "February", 2, 10, 10, 30, 0, "8", 0, "Male", 1}),
       {"", "February", "10", "1984", "10", "30", "0", "Male", "-8", "0", ""}, "8"},
      {"half-hour zone east", Saved({"", 2000, "June", 6, 1, 2, 3, 4, "5.5", 0, "Female", -1}, 77.25),
       {"", "June", "1", "2000", "2", "3", "4", "Female", "-5", "-30", "77.25 E"}, "5.5"},
      {"half-hour zone west", Saved({"", 2000, "June", 6, 1, 2, 3, 4, "-3.5", 0, "Female", -1}, -52.5),
       {"", "June", "1", "2000", "2", "3", "4", "Female", "3", "30", "52.5 W"}, "-3.5"},
      {"invalid zone", Lines({"", "1984", "May", "5", "1", "2", "3", "Tokyo", "Male"}),
       {"", "May", "5", "1984", "1", "2", "3", "Male", "5", "0", ""}, "-5"},
      {"a single line", Lines({" "}), {" ", "March", "3", "1950", "5", "6", "7", "Female", "5", "0", ""}, nullptr},
  };
  for (const CheckedCase& c : cases) {
    SCOPED_TRACE(c.label);
    FreshForm();
    Prefill();
    modFengShuiFourPillar::BirthDetails = Sentinel();
    ExpectOneMessage(Open(Write("reading.baz", c.bytes)), "Please Enter Your Name", Icon::Critical);
    ASSERT_NO_FATAL_FAILURE(ExpectFormKept());
    EXPECT_EQ(State(), c.shown);
    EXPECT_EQ(Fields(modFengShuiFourPillar::BirthDetails), Fields(Sentinel()));
    if (!c.zoneOffset) continue;
    form().txtName->setText("Ann");
    ASSERT_TRUE(Analyze().empty());
    EXPECT_EQ(modFengShuiFourPillar::BirthDetails.ZoneOffset, c.zoneOffset);
  }
}

// A saved place the list of places lacks is told, and the chart cast from
// the saved zone and longitude.
TEST_F(OpenReadingTest, ASavedPlaceTheListLacksIsToldAndTheSavedZoneStands) {
  for (const char* place : {"9999999 Nowhere", "abc"}) {
    SCOPED_TRACE(place);
    FreshForm();
    Prefill();
    const std::vector<ShownMessage> shown = Open(Write(
        "reading.baz", Lines({"Ann", "1984", "May", "5", "1", "2", "3", "8", "Male", "116", std::string("place=") + place})));
    ExpectOneMessage(shown,
                     (std::string("The birth place saved in this reading (place=") + place +
                      ") is not in the list of places.\nThe chart is cast from the zone and the longitude saved with it.")
                         .c_str(),
                     Icon::Information);
    EXPECT_EQ(modFengShuiFourPillar::BirthDetails.ZoneOffset, "8");
    EXPECT_EQ(modFengShuiFourPillar::BirthDetails.Longitude, 116);
    ExpectChartShown();
  }
}

// A file far larger than any reading, with no line break, is read only up to
// the reader's budget: its first line decodes to nothing.
TEST_F(OpenReadingTest, AHugeFileIsReadOnlyAsFarAsAReadingGoes) {
  Prefill();
  const QString path = Write("huge.baz", "");
  std::filesystem::resize_file(QFile::encodeName(path).toStdString(), std::uintmax_t{8} << 30);
  ExpectOneMessage(Open(path), "Please Enter Your Name", Icon::Critical);
  ASSERT_NO_FATAL_FAILURE(ExpectFormKept());
  EXPECT_EQ(State(), (FormState{"", "March", "3", "1950", "5", "6", "7", "Female", "5", "0", ""}));
}

}  // namespace
}  // namespace entry_test
