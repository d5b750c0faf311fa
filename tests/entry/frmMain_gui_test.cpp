#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>

#include <QInputMethodEvent>
#include <QListWidget>
#include <QPushButton>

#include "chart/frmChartDetails.h"
#include "entry/frmFindPillars.h"
#include "entry/click_label.h"
#include "entry/open_reading_controls.h"
#include "entry/place_box.h"
#include "reading/reading.h"
#include "shell/link_label.h"
#include "shell/twips.h"
#include "tests/entry/entry_form_fixture.h"
#include "tests/modal_windows.h"

namespace entry_test {
namespace {

using Icon = QMessageBox::Icon;
using tavrin::BirthDetails;

constexpr const char* kFebruary = "Please Enter Correct Date Or Month!";
constexpr const char* kThirtyDays = "Please Enter Correct Date Or Month !";
constexpr const char* kName = "Please Enter Your Name";

struct ListCase {
  QComboBox* frmMain::*list;
  int count;
  const char* first;
  const char* last;
};

TEST_F(EntryFormTest, OpensWithTheListsFilledAndTheDefaultsChosen) {
  const ListCase lists[] = {
      {&frmMain::cboMonth, 12, "January", "December"}, {&frmMain::cboDate, 31, "1", "31"},
      {&frmMain::cboYear, 150, "1901", "2050"},        {&frmMain::cboHH, 24, "0", "23"},
      {&frmMain::cboMM, 60, "0", "59"},                {&frmMain::cboSS, 60, "0", "59"},
  };
  for (const ListCase& c : lists) {
    QComboBox* list = form().*c.list;
    SCOPED_TRACE(list->objectName().toStdString());
    EXPECT_FALSE(list->isEditable());
    ASSERT_EQ(list->count(), c.count);
    EXPECT_EQ(list->itemText(0), c.first);
    EXPECT_EQ(list->itemText(c.count - 1), c.last);
    EXPECT_EQ(list->currentIndex(), 0);
  }
  EXPECT_EQ(form().txtName->text(), "");
  EXPECT_EQ(form().lblZoneHour->text(), "0");
  EXPECT_EQ(form().lblZoneMinute->text(), "0");
  EXPECT_TRUE(form().optMale->isChecked());
  EXPECT_FALSE(form().optFemale->isChecked());
  EXPECT_EQ(form().focusWidget(), form().txtName);
  EXPECT_EQ(form().windowTitle(), "Tavrin v1.55");
}

TEST_F(EntryFormTest, TabRunsThroughTheEntriesToAnalyze) {
  form().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
  form().txtName->setFocus();
  const QWidget* expected[] = {form().cboMonth, form().cboDate,     form().cboYear,      form().cboHH,
                               form().cboMM,    form().cboSS,       form().txtPlace,     form().lblTimeZone,
                               form().txtLongitude, form().cmdCalculation};
  for (const QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
}

// The casting choices come after gender: Alt+M reaches the method, and the
// refinements of the precise method are greyed out until it is chosen.
TEST_F(EntryFormTest, TheCastingChoicesAreReachedByKeyboardAndOnlyPreciseOffersItsRefinements) {
  form().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
  QTest::keyClick(&form(), Qt::Key_M, Qt::AltModifier);
  EXPECT_EQ(QApplication::focusWidget(), form().cboMethod);
  EXPECT_FALSE(form().chkTrueSolarTime->isEnabled());
  EXPECT_FALSE(form().cboDayStarts->isEnabled());
  QTest::keyClick(form().cboMethod, Qt::Key_Down);
  EXPECT_EQ(form().cboMethod->currentText(), "Precise");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), form().chkTrueSolarTime);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), form().cboDayStarts);
  QTest::keyClick(form().cboDayStarts, Qt::Key_Down);
  EXPECT_EQ(form().ChosenOptions(),
            (tavrin::CastOptions{tavrin::Method::precise, tavrin::SolarTime::trueSun, tavrin::DayStarts::at23}));
  QTest::keyClick(form().cboMethod, Qt::Key_Up);
  EXPECT_EQ(form().ChosenOptions(), tavrin::CastOptions{});
  EXPECT_FALSE(form().chkTrueSolarTime->isChecked());
  // Back to Precise, the refinements chosen before come back.
  QTest::keyClick(form().cboMethod, Qt::Key_Down);
  EXPECT_EQ(form().ChosenOptions(),
            (tavrin::CastOptions{tavrin::Method::precise, tavrin::SolarTime::trueSun, tavrin::DayStarts::at23}));
}

// Precise lists the years it covers, 1600 to 2199, with the Gregorian leap
// years; the year chosen stays across a change of method when the list holds
// it, and becomes the nearest one it holds otherwise.
TEST_F(EntryFormTest, TheYearListSpansTheYearsOfTheChosenMethod) {
  const auto years = [this] {
    const QComboBox* list = form().cboYear;
    return list->itemText(0) + "-" + list->itemText(list->count() - 1) + ":" + list->currentText();
  };
  Fill({.month = "February", .day = 29, .year = 1984});
  const struct {
    int method;  // the entry of cboMethod chosen
    const char* year;  // then chosen, or nullptr
    const char* shown;
  } steps[] = {{1, nullptr, "1600-2199:1984"}, {1, "2150", "1600-2199:2150"}, {0, nullptr, "1901-2050:2050"},
               {1, nullptr, "1600-2199:2050"}, {1, "1600", "1600-2199:1600"}, {0, nullptr, "1901-2050:1901"}};
  for (const auto& step : steps) {
    form().cboMethod->setCurrentIndex(step.method);
    if (step.year) Choose(form().cboYear, step.year);
    EXPECT_EQ(years(), step.shown);
  }
  form().cboMethod->setCurrentIndex(1);
  for (const char* year : {"1700", "1900", "2100"}) {
    SCOPED_TRACE(year);
    Choose(form().cboYear, year);
    ExpectRefused(kFebruary, Icon::Information);
  }
  Choose(form().cboYear, "1600");
  ASSERT_TRUE(Analyze().empty());
  EXPECT_EQ(modFengShuiFourPillar::BirthDetails.BirthYear, 1600);
  EXPECT_EQ(modFengShuiFourPillar::Birth.options.method, tavrin::Method::precise);
}

// The lunar calendar turns the date lists to lunar months and days, offers
// the leap box only where the year has that leap month, shows the Gregorian
// day and casts from it; back in the Gregorian calendar the lists show it.
TEST_F(EntryFormTest, ALunarDateChosenShowsItsGregorianDayAndCastsFromIt) {
  Fill({.month = "January", .day = 5, .year = 2034});
  EXPECT_FALSE(form().chkLeapMonth->isEnabled());
  EXPECT_EQ(form().lblGregorianDate->text(), "");
  Choose(form().cboCalendar, "Lunar date 农历");
  const auto shown = [this] {
    return form().cboYear->currentText() + " " + form().cboMonth->currentText() + " " +
           form().cboDate->currentText() + " " + QString::number(form().cboDate->count()) +
           (form().chkLeapMonth->isEnabled() ? " leap box" : "") + (form().chkLeapMonth->isChecked() ? " ticked" : "") +
           " " + form().lblGregorianDate->text();
  };
  EXPECT_EQ(shown().toStdString(), "2033 冬月 十五 29 leap box ticked = 2034-01-05");
  form().chkLeapMonth->setChecked(false);
  EXPECT_EQ(shown().toStdString(), "2033 冬月 十五 30 leap box = 2033-12-06");
  Choose(form().cboMonth, "五月");
  EXPECT_EQ(shown().toStdString(), "2033 五月 十五 30 = 2033-06-11");
  Choose(form().cboYear, "2020");
  Choose(form().cboMonth, "四月");
  form().chkLeapMonth->setChecked(true);
  Choose(form().cboDate, "廿九");
  EXPECT_EQ(shown().toStdString(), "2020 四月 廿九 29 leap box ticked = 2020-06-20");
  Choose(form().cboCalendar, "Gregorian date");
  EXPECT_EQ(form().cboMonth->currentText() + " " + form().cboDate->currentText() + " " + form().cboYear->currentText(),
            "June 20 2020");
  EXPECT_FALSE(form().chkLeapMonth->isEnabled());
  Choose(form().cboCalendar, "Lunar date 农历");
  EXPECT_EQ(shown().toStdString(), "2020 四月 廿九 29 leap box ticked = 2020-06-20");
  ASSERT_TRUE(Analyze().empty());
  EXPECT_EQ(modFengShuiFourPillar::BirthDetails.BirthMonth, 6);
  EXPECT_EQ(modFengShuiFourPillar::BirthDetails.BirthDay, 20);
  EXPECT_EQ(modFengShuiFourPillar::Birth.lunarEntry, (tavrin::calendar::LunarDate{2020, 4, true, 29}));

  // Saved and opened again, it shows as entered; a lunar line of another day is passed over.
  tavrin::Reading reading = tavrin::ReadingOf(modFengShuiFourPillar::BirthDetails, modFengShuiFourPillar::Birth);
  EXPECT_EQ(reading.Choice("lunarDate"), "2020-04-29 leap");
  FreshForm();
  tavrin::RestoreReading(reading, form());
  EXPECT_EQ(shown().toStdString(), "2020 四月 廿九 29 leap box ticked = 2020-06-20");
  reading.SetChoice("lunarDate", "2020-04-28 leap");
  FreshForm();
  tavrin::RestoreReading(reading, form());
  EXPECT_EQ(form().cboCalendar->currentIndex(), 0);
  EXPECT_EQ(form().cboMonth->currentText() + " " + form().cboDate->currentText(), "June 20");
}

// File, Find Birth Dates from Pillars...: the month list follows the year's
// stem and the hour list the day's, the spans are found, and activating one
// fills the form with its first second, the zone and the precise method.
TEST_F(EntryFormTest, TheFinderOffersLegalPillarsAndFillsTheFormWithASpansStart) {
  QStringList months, spans;
  tavrin::testing::WhenModal<frmFindPillars> onFinder([&](frmFindPillars& finder) {
    Choose(finder.cboYearPillar, "庚辰  gēng chén");
    for (int i = 0; i < finder.cboMonthPillar->count(); ++i) months << finder.cboMonthPillar->itemText(i).left(2);
    Choose(finder.cboMonthPillar, "戊寅  wù yín");
    Choose(finder.cboDayPillar, "壬辰  rén chén");
    EXPECT_EQ(finder.cboHourPillar->count(), 14);  // no hour, twelve, and the late Rat hour
    Choose(finder.cboHourPillar, "庚戌  gēng xū");
    QTest::mouseClick(finder.cmdFind, Qt::LeftButton);
    for (int i = 0; i < finder.lstSpans->count(); ++i) spans << finder.lstSpans->item(i)->text();
    finder.lstSpans->setCurrentRow(4);
    QTest::keyClick(finder.lstSpans, Qt::Key_Return);
  });
  form().mnuFindPillars->trigger();
  ASSERT_EQ(onFinder.seen(), 1);
  EXPECT_EQ(months.join(' ').toStdString(), "戊寅 己卯 庚辰 辛巳 壬午 癸未 甲申 乙酉 丙戌 丁亥 戊子 己丑");
  ASSERT_EQ(spans.size(), 6);
  EXPECT_EQ(spans[4].toStdString(), "2000-02-04T20:40:23  to  2000-02-04T20:59:59");
  EXPECT_EQ((QStringList{form().cboYear->currentText(), form().cboMonth->currentText(), form().cboDate->currentText(),
                         form().cboHH->currentText(), form().cboMM->currentText(), form().cboSS->currentText(),
                         form().lblZoneHour->text(), form().cboMethod->currentText()})
                .join(' ')
                .toStdString(),
            "2000 February 4 20 40 23 -8 Precise");
}

// In a named zone the spans follow its clocks: Shanghai's summer time of 1988
// put 30 June's late Rat hour at 00:00-01:00 on 1 July, and the form is
// filled with the clocks' offset and the standard time's meridian, where the
// day and hour were read. An unknown name says what it may have meant.
TEST_F(EntryFormTest, TheFinderSearchesANamedZoneAndFillsTheFormWithItsOffsetAndMeridian) {
  QStringList spans;
  tavrin::testing::WhenModal<frmFindPillars> onFinder([&](frmFindPillars& finder) {
    Choose(finder.cboYearPillar, "戊辰  wù chén");
    Choose(finder.cboMonthPillar, "戊午  wù wǔ");
    Choose(finder.cboDayPillar, "丙辰  bǐng chén");
    Choose(finder.cboHourPillar, "庚子  gēng zǐ (23:00)");
    QTest::keyClicks(finder.txtZoneName, "Asia/Shangai");
    EXPECT_FALSE(finder.spnZone->isEnabled());
    QTest::mouseClick(finder.cmdFind, Qt::LeftButton);
    spans << finder.lstSpans->item(0)->text();
    finder.txtZoneName->setText(QStringLiteral("asia/shanghai"));
    QTest::mouseClick(finder.cmdFind, Qt::LeftButton);
    for (int i = 0; i < finder.lstSpans->count(); ++i)
      if (finder.lstSpans->item(i)->text().startsWith(QStringLiteral("1988"))) {
        spans << finder.lstSpans->item(i)->text();
        finder.lstSpans->setCurrentRow(i);
      }
    QTest::keyClick(finder.lstSpans, Qt::Key_Return);
  });
  form().mnuFindPillars->trigger();
  ASSERT_EQ(onFinder.seen(), 1);
  ASSERT_EQ(spans.size(), 2);
  EXPECT_TRUE(spans[0].endsWith(QStringLiteral("did you mean Asia/Shanghai?"))) << spans[0].toStdString();
  EXPECT_EQ(spans[1].toStdString(), "1988-07-01T00:00:00  to  1988-07-01T00:59:59  UTC+9");
  EXPECT_EQ((QStringList{form().cboYear->currentText(), form().cboMonth->currentText(), form().cboDate->currentText(),
                         form().cboHH->currentText(), form().lblZoneHour->text(), form().txtLongitude->text()})
                .join(' ')
                .toStdString(),
            "1988 July 1 0 -9 120 E");
}

// Five minutes before Spring Beginning in Beijing: the chart window opens with
// the warning over it, and the box does not hold up the program.
TEST_F(EntryFormTest, APreciseBirthNearAJieOpensTheChartWithTheWarningOverIt) {
  form().ShowZone("-8", "0");
  form().ShowOptions({tavrin::Method::precise});
  Fill({.month = "February", .day = 4, .year = 2000, .hour = 20, .minute = 35});
  ASSERT_TRUE(Analyze().empty());
  frmFengShuiFourPillar* chart = FormInstance<frmFengShuiFourPillar>::Existing();
  ASSERT_NE(chart, nullptr);
  auto* box = chart->findChild<QMessageBox*>(QStringLiteral("msgBoundary"));
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isVisible());
  EXPECT_TRUE(box->text().contains("Born 5 min 23 s before Spring Beginning, at 20:40:23 UTC+8 (2000-02-04T12:40:23Z)"))
      << box->text().toStdString();
  EXPECT_EQ(modFengShuiFourPillar::PillarCells[0], "-Earth [Ji]");
  box->close();
}

struct CheckCase {
  Entry entry;
  const char* message;  // nullptr: the checks pass
};

TEST_F(EntryFormTest, ChecksDatesNameAndOrderWithTheFirstFailingMessageOnly) {
  const CheckCase cases[] = {
      {{.month = "February", .day = 29, .year = 1904}, nullptr},
      {{.month = "February", .day = 29, .year = 2000}, nullptr},
      {{.month = "February", .day = 28, .year = 1901}, nullptr},
      {{.month = "February", .day = 29, .year = 1901}, kFebruary},
      {{.month = "February", .day = 30, .year = 2000}, kFebruary},
      {{.month = "February", .day = 31, .year = 1999}, kFebruary},
      {{.month = "April", .day = 31}, kThirtyDays},
      {{.month = "June", .day = 31}, kThirtyDays},
      {{.month = "September", .day = 31}, kThirtyDays},
      {{.month = "November", .day = 31}, kThirtyDays},
      {{.month = "April", .day = 30}, nullptr},
      {{.month = "March", .day = 31}, nullptr},
      {{.month = "December", .day = 31, .year = 2050}, nullptr},
      {{.name = "", .month = "April", .day = 31}, kName},
      {{.name = "   "}, kName},
  };
  for (const CheckCase& c : cases) {
    const Entry& e = c.entry;
    SCOPED_TRACE(testing::Message() << "'" << e.name << "' " << e.day << " " << e.month << " " << e.year);
    FreshForm();
    Fill(e);
    if (c.message) {
      ExpectRefused(c.message, c.message == kName ? Icon::Critical : Icon::Information);
      EXPECT_EQ(form().txtName->text(), e.name);
      if (c.message == kName) {
        EXPECT_EQ(form().focusWidget(), form().txtName);
      }
    } else {
      EXPECT_TRUE(Analyze().empty());
      EXPECT_EQ(modFengShuiFourPillar::BirthDetails.BirthDay, e.day);
    }
  }
}

TEST_F(EntryFormTest, MissingGenderIsAnErrorAfterTheName) {
  Fill(Entry{});
  for (QRadioButton* option : {form().optMale, form().optFemale}) {
    option->setAutoExclusive(false);
    option->setChecked(false);
  }
  ExpectRefused("Please Select Your Gender", Icon::Critical);
}

TEST_F(EntryFormTest, StoresEveryFieldTrimmedAndConverted) {
  form().lblZoneHour->setText("-5");
  form().lblZoneMinute->setText("-30");
  Fill({" Ann Lee  ", "December", 31, 2050, 23, 59, 58, true, ""});
  ASSERT_TRUE(Analyze().empty());
  const BirthDetails expected{"Ann Lee", 2050, "December", 12, 31, 23, 59, 58, "5.5", 82.5, "Female", -1};
  EXPECT_EQ(Fields(modFengShuiFourPillar::BirthDetails), Fields(expected));
}

struct ZoneCase {
  const char* hours;
  const char* minutes;
  const char* zoneOffset;
};

TEST_F(EntryFormTest, ZoneCaptionsBecomeHoursEastAndABlankLongitudeTheZoneMeridian) {
  const ZoneCase cases[] = {
      {"5", "0", "-5"},     {"-9", "0", "9"},       {"-8", "0", "8"},      {"3", "30", "-3.5"},
      {"-5", "-30", "5.5"}, {"-10", "-30", "10.5"}, {"10", "30", "-10.5"}, {nullptr, nullptr, "0"},
  };
  for (const ZoneCase& c : cases) {
    SCOPED_TRACE(c.zoneOffset);
    FreshForm();
    if (c.hours) {
      form().lblZoneHour->setText(c.hours);
      form().lblZoneMinute->setText(c.minutes);
    }
    Fill(Entry{});
    ASSERT_TRUE(Analyze().empty());
    EXPECT_EQ(modFengShuiFourPillar::BirthDetails.ZoneOffset, c.zoneOffset);
    EXPECT_DOUBLE_EQ(modFengShuiFourPillar::BirthDetails.Longitude, 15 * std::stod(c.zoneOffset));
    EXPECT_EQ(modFengShuiFourPillar::BirthDetails.GenderSign, 1);
  }
}

TEST_F(EntryFormTest, TypedLongitudeIsStoredInDegreesEast) {
  const std::pair<const char*, double> cases[] = {{"116 E", 116}, {" 74.5 w", -74.5}};
  for (const auto& [typed, degreesEast] : cases) {
    SCOPED_TRACE(typed);
    FreshForm();
    form().lblZoneHour->setText("-8");
    Fill({.longitude = typed});
    ASSERT_TRUE(Analyze().empty());
    EXPECT_DOUBLE_EQ(modFengShuiFourPillar::BirthDetails.Longitude, degreesEast);
    EXPECT_EQ(modFengShuiFourPillar::BirthDetails.ZoneOffset, "8");
  }
}

TEST_F(EntryFormTest, LongitudeOutsideTheGlobeIsRefusedAfterTheDateChecks) {
  for (const char* typed : {"200 E", "116 N", "E", "-74 W"}) {
    SCOPED_TRACE(typed);
    FreshForm();
    Fill({.month = "April", .day = 31, .longitude = typed});
    ExpectRefused(kThirtyDays, Icon::Information);
    Choose(form().cboDate, "30");
    ExpectRefused("Please Enter the Longitude From 180 W To 180 E, Or Leave It Blank", Icon::Information);
    EXPECT_EQ(form().focusWidget(), form().txtLongitude);
  }
}

TEST_F(EntryFormTest, AnalysisSwapsTheFormForTheChartWindowWithoutEndingTheProgram) {
  Fill({.month = "February", .day = 10, .year = 1984, .hour = 10, .minute = 30});
  ASSERT_TRUE(Analyze().empty());
  EXPECT_EQ(FormInstance<frmMain>::Existing(), nullptr);
  frmFengShuiFourPillar* chart = FormInstance<frmFengShuiFourPillar>::Existing();
  ASSERT_NE(chart, nullptr);
  EXPECT_TRUE(chart->isVisible());
  EXPECT_FALSE(chart->isModal());
  EXPECT_FALSE(modFengShuiFourPillar::PillarCells[0].empty());
}

// Everything on the form sits between the top link caption and the brand
// frame, inside the client area, with every one-line caption fully shown.
TEST_F(EntryFormTest, ControlsFitTheBandLeftFreeAndShowTheirCaptions) {
  QWidget* client = form().centralWidget();
  // Room for the brand frame along the bottom, 8025 by 855 twips at 4860.
  EXPECT_GE(client->width(), tavrin::TwipsToPixels(8025));
  EXPECT_GE(client->height(), tavrin::TwipsToPixels(4860 + 855));
  const QRect band(0, tavrin::TwipsToPixels(435), client->width(),
                   tavrin::TwipsToPixels(4860) - tavrin::TwipsToPixels(435));
  for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child == form().Label14 || child == form().fraFullBrand) continue;  // the link caption and the frame
    SCOPED_TRACE(child->objectName().toStdString());
    EXPECT_TRUE(band.contains(child->geometry())) << child->geometry().top() << " " << child->geometry().bottom();
  }
  for (QWidget* child : form().fraDetails->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    SCOPED_TRACE(child->objectName().toStdString());
    EXPECT_TRUE(form().fraDetails->contentsRect().contains(child->geometry()));
    EXPECT_FALSE(child->objectName().isEmpty());
  }
  for (QLabel* label : form().findChildren<QLabel*>()) {
    if (label->wordWrap()) continue;
    SCOPED_TRACE(label->objectName().toStdString());
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());
  }
  for (QPushButton* button : form().findChildren<QPushButton*>()) {
    EXPECT_LE(button->sizeHint().width(), button->width()) << button->objectName().toStdString();
  }
  for (QComboBox* list : form().findChildren<QComboBox*>()) {
    EXPECT_LE(list->minimumSizeHint().width(), list->width()) << list->objectName().toStdString();
  }
  EXPECT_EQ(form().size(), form().minimumSize());
  EXPECT_EQ(form().size(), form().maximumSize());
}

// Types the place's name in the place box, Chinese through the input method
// as a user's would commit it, and takes the first city the list offers.
void ChoosePlace(frmMain& form, const QString& typed) {
  form.txtPlace->setFocus();
  QInputMethodEvent committed;
  committed.setCommitString(typed);
  QApplication::sendEvent(form.txtPlace, &committed);
  QWidget* list = QApplication::activePopupWidget();
  ASSERT_NE(list, nullptr) << "no list of places";
  QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Return);
}

// A birth place typed in Chinese and chosen from the list gives the longitude
// and the offset its zone kept at the birth; a clock time that did not exist
// is refused, one that happened twice asks which; a zone picked afterwards
// stands instead of the place's, and clearing the place brings the picked
// zone back. The place goes with the reading and comes back with it.
TEST_F(EntryFormTest, ABirthPlaceGivesTheLongitudeAndTheZoneItsClocksKept) {
  if (tavrin::Places() == nullptr) GTEST_SKIP() << "no place catalogue (Debian's libtimezonemap-data)";
  struct Case {
    Entry entry;
    const char* picked;       // hours west a zone picked after the place gives, or nullptr
    const char* answer;       // the button pressed when asked which moment, or nullptr
    const char* message;      // the start of the one message shown, or nullptr
    const char* zoneOffset;   // stored, when a chart is cast
    const char* zoneInForce;  // shown under the zone captions before the analysis, in full
    const char* hoursShown;   // in the hours caption then: none while no offset is in force
  };
  const Case cases[] = {
      {{.month = "July", .year = 1988, .hour = 12}, nullptr, nullptr, nullptr, "9",
       "Asia/Shanghai: +9 (CDT, daylight time)", "-9"},
      {{.month = "April", .day = 14, .year = 1991, .hour = 2, .minute = 30}, nullptr, nullptr,
       "1991-04-14 02:30:00 in Asia/Shanghai did not exist", nullptr,
       "Asia/Shanghai: this clock time did not exist (clocks went forward)", ""},
      {{.month = "September", .day = 15, .year = 1991, .hour = 1, .minute = 30}, nullptr, "cmdLater", nullptr, "8",
       "Asia/Shanghai: this clock time happened twice (clocks went back)", ""},
      {{.month = "July", .year = 1988, .hour = 12}, "-7", nullptr, nullptr, "7",
       "Zone picked from the list; the place gives the longitude", "-7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry.year);
    FreshForm();
    Fill(c.entry);
    ChoosePlace(form(), QString::fromUtf8("\u4E0A\u6D77"));  // Shanghai
    ASSERT_NE(form().txtPlace->Chosen(), nullptr);
    EXPECT_EQ(form().txtPlace->text(), "Shanghai, Shanghai Shi, China");
    EXPECT_EQ(form().txtLongitude->text(), "121.45806 E");
    if (c.picked) form().ShowZone(c.picked, "0");
    const QLabel* words = form().lblZoneInForce;
    EXPECT_EQ(words->text(), c.zoneInForce);
    const QRect room = words->contentsRect();
    const QRect needed = words->fontMetrics().boundingRect(room, words->wordWrap() ? Qt::TextWordWrap : 0, words->text());
    EXPECT_LE(needed.width(), room.width());
    EXPECT_LE(needed.height(), room.height());
    EXPECT_TRUE(form().fraDetails->contentsRect().contains(words->geometry()));
    EXPECT_FALSE(words->geometry().intersects(form().txtLongitude->geometry()));
    EXPECT_EQ(form().lblZoneHour->text(), c.hoursShown);
    modFengShuiFourPillar::BirthDetails = Sentinel();
    std::vector<ShownMessage> shown;
    if (c.answer) {
      WhenModal<QMessageBox> answer([&c](QMessageBox& box) { box.findChild<QPushButton*>(c.answer)->click(); });
      shown = Analyze();
      EXPECT_EQ(answer.seen(), 1);
    } else {
      shown = Analyze();
    }
    if (c.message) {
      ASSERT_EQ(shown.size(), 1u);
      EXPECT_TRUE(shown[0].text.startsWith(c.message)) << shown[0].text.toStdString();
      EXPECT_EQ(modFengShuiFourPillar::BirthDetails.Name, "untouched");
      continue;
    }
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(modFengShuiFourPillar::BirthDetails.ZoneOffset, c.zoneOffset);
    EXPECT_EQ(modFengShuiFourPillar::BirthDetails.Longitude, 121.45806);
    // The chart details name the place.
    QStringList header;
    WhenModal<frmChartDetails> onDetails([&header](frmChartDetails& details) {
      for (int row = 0; auto* value = details.findChild<QLabel*>(QStringLiteral("lblHeaderValue(%1)").arg(row)); ++row)
        header << value->text();
      details.close();
    });
    FormInstance<frmFengShuiFourPillar>::Get().mnuDetails->trigger();
    EXPECT_EQ(onDetails.seen(), 1);
    EXPECT_TRUE(header.contains(QStringLiteral("Shanghai, Shanghai Shi, China"))) << header.join('|').toStdString();
    const tavrin::Reading reading =
        tavrin::ReadingOf(modFengShuiFourPillar::BirthDetails, modFengShuiFourPillar::Birth);
    EXPECT_EQ(reading.Choice("place"), "1796236 Shanghai");

    // Opened again on a fresh form, as "Open Previously Saved Reading" does.
    modFengShuiFourPillar::BirthDetails = Sentinel();
    FreshForm();
    tavrin::RestoreReading(reading, form());
    form().RestorePlace(tavrin::place::ReadPlaceChoices(reading));
    EXPECT_EQ(form().txtPlace->text(), "Shanghai, Shanghai Shi, China");
    EXPECT_TRUE(Analyze().empty());
    EXPECT_EQ(modFengShuiFourPillar::BirthDetails.ZoneOffset, c.zoneOffset);
  }

  // Clearing the place brings back the zone picked before it and empties the longitude it gave.
  FreshForm();
  form().ShowZone("-5", "-30");
  ChoosePlace(form(), "Lhasa");
  EXPECT_EQ(form().lblZoneHour->text(), "-8");  // Tibet keeps Beijing time
  form().txtPlace->selectAll();
  QTest::keyClick(form().txtPlace, Qt::Key_Backspace);
  EXPECT_EQ(form().txtPlace->Chosen(), nullptr);
  EXPECT_EQ(form().lblZoneHour->text(), "-5");
  EXPECT_EQ(form().lblZoneMinute->text(), "-30");
  EXPECT_EQ(form().txtLongitude->text(), "");
  EXPECT_EQ(form().lblZoneInForce->text(), "");
}

}  // namespace
}  // namespace entry_test
