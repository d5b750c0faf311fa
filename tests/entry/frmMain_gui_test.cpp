#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>

#include "shell/twips.h"
#include "tests/entry/entry_form_fixture.h"

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
    // Numbers ascend by one without leading zeros.
    for (int i = 1; i < list->count() && list != form().cboMonth; ++i) {
      EXPECT_EQ(list->itemText(i).toInt(), list->itemText(i - 1).toInt() + 1);
      EXPECT_EQ(QString::number(list->itemText(i).toInt()), list->itemText(i));
    }
  }
  EXPECT_EQ(form().cboMonth->itemText(8), "September");
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
  const QWidget* expected[] = {form().cboMonth, form().cboDate, form().cboYear,      form().cboHH,
                               form().cboMM,    form().cboSS,   form().txtLongitude, form().cmdCalculation};
  for (const QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
}

struct DateCase {
  const char* name;
  const char* month;
  int day;
  int year;
  const char* message;  // nullptr: the checks pass
};

TEST_F(EntryFormTest, ChecksDatesNameAndOrderWithTheFirstFailingMessageOnly) {
  const DateCase cases[] = {
      {"Ann", "February", 29, 1904, nullptr},   {"Ann", "February", 29, 2000, nullptr},
      {"Ann", "February", 28, 1901, nullptr},   {"Ann", "February", 29, 1901, kFebruary},
      {"Ann", "February", 30, 2000, kFebruary}, {"Ann", "February", 31, 1999, kFebruary},
      {"Ann", "April", 31, 2000, kThirtyDays},  {"Ann", "June", 31, 2000, kThirtyDays},
      {"Ann", "September", 31, 2000, kThirtyDays}, {"Ann", "November", 31, 2000, kThirtyDays},
      {"Ann", "April", 30, 2000, nullptr},      {"Ann", "March", 31, 2000, nullptr},
      {"Ann", "December", 31, 2050, nullptr},   {"", "April", 31, 2000, kName},
      {"   ", "January", 1, 1901, kName},
  };
  for (const DateCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "'" << c.name << "' " << c.day << " " << c.month << " " << c.year);
    FreshForm();
    Entry entry;
    entry.name = c.name;
    entry.month = c.month;
    entry.day = c.day;
    entry.year = c.year;
    Fill(entry);
    modFengShuiFourPillar::BirthDetails = Sentinel();
    const std::vector<Message> messages = Analyze();
    if (!c.message) {
      EXPECT_TRUE(messages.empty());
      EXPECT_EQ(modFengShuiFourPillar::BirthDetails.BirthDay, c.day);
      EXPECT_EQ(FormInstance<frmMain>::Existing(), nullptr);
      continue;
    }
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, c.message);
    EXPECT_EQ(messages[0].title, "Tavrin");
    EXPECT_EQ(messages[0].icon, c.message == kName ? Icon::Critical : Icon::Information);
    EXPECT_EQ(messages[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(messages[0].buttonCount, 1);
    EXPECT_TRUE(Fields(modFengShuiFourPillar::BirthDetails) == Fields(Sentinel()));
    ASSERT_EQ(FormInstance<frmMain>::Existing(), &form());
    EXPECT_EQ(FormInstance<frmFengShuiFourPillar>::Existing(), nullptr);
    EXPECT_EQ(form().txtName->text(), c.name);
    if (c.message == kName) {
      EXPECT_EQ(form().focusWidget(), form().txtName);
    }
  }
}

TEST_F(EntryFormTest, MissingGenderIsAnErrorAfterTheName) {
  Fill(Entry{});
  for (QRadioButton* option : {form().optMale, form().optFemale}) {
    option->setAutoExclusive(false);
    option->setChecked(false);
  }
  modFengShuiFourPillar::BirthDetails = Sentinel();
  const std::vector<Message> messages = Analyze();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Please Select Your Gender");
  EXPECT_EQ(messages[0].title, "Tavrin");
  EXPECT_EQ(messages[0].icon, Icon::Critical);
  EXPECT_EQ(messages[0].buttonCount, 1);
  EXPECT_TRUE(Fields(modFengShuiFourPillar::BirthDetails) == Fields(Sentinel()));
}

TEST_F(EntryFormTest, StoresEveryFieldTrimmedAndConverted) {
  form().lblZoneHour->setText("-5");
  form().lblZoneMinute->setText("-30");
  Fill({" Ann Lee  ", "December", 31, 2050, 23, 59, 58, true, ""});
  ASSERT_TRUE(Analyze().empty());
  const BirthDetails& b = modFengShuiFourPillar::BirthDetails;
  EXPECT_EQ(b.Name, "Ann Lee");
  EXPECT_EQ(b.BirthYear, 2050);
  EXPECT_EQ(b.MonthName, "December");
  EXPECT_EQ(b.BirthMonth, 12);
  EXPECT_EQ(b.BirthDay, 31);
  EXPECT_EQ(b.BirthHour, 23);
  EXPECT_EQ(b.BirthMinute, 59);
  EXPECT_EQ(b.BirthSecond, 58);
  EXPECT_EQ(b.ZoneOffset, "5.5");
  EXPECT_DOUBLE_EQ(b.Longitude, 82.5);
  EXPECT_EQ(b.GenderText, "Female");
  EXPECT_EQ(b.GenderSign, -1);
}

struct ZoneCase {
  const char* hours;
  const char* minutes;
  const char* zoneOffset;
};

TEST_F(EntryFormTest, ZoneCaptionsBecomeHoursEastAndABlankLongitudeTheZoneMeridian) {
  const ZoneCase cases[] = {
      {"5", "0", "-5"},     {"-9", "0", "9"},      {"-8", "0", "8"},       {"3", "30", "-3.5"},
      {"-5", "-30", "5.5"}, {"-10", "-30", "10.5"}, {"10", "30", "-10.5"}, {nullptr, nullptr, "0"},
  };
  for (const ZoneCase& c : cases) {
    SCOPED_TRACE(c.zoneOffset);
    FreshForm();
    if (c.hours) {
      form().lblZoneHour->setText(c.hours);
      form().lblZoneMinute->setText(c.minutes);
    }
    Fill({"Ann", "March", 3, 1950, 12, 0, 0, false, ""});
    ASSERT_TRUE(Analyze().empty());
    EXPECT_EQ(modFengShuiFourPillar::BirthDetails.ZoneOffset, c.zoneOffset);
    EXPECT_DOUBLE_EQ(modFengShuiFourPillar::BirthDetails.Longitude, 15 * std::stod(c.zoneOffset));
    EXPECT_EQ(modFengShuiFourPillar::BirthDetails.GenderText, "Male");
    EXPECT_EQ(modFengShuiFourPillar::BirthDetails.GenderSign, 1);
  }
}

struct LongitudeCase {
  const char* typed;
  double degreesEast;
};

TEST_F(EntryFormTest, TypedLongitudeIsStoredInDegreesEast) {
  const LongitudeCase cases[] = {{"116 E", 116}, {" 74.5 w", -74.5}, {"-0.1", -0.1}, {"180 W", -180}};
  for (const LongitudeCase& c : cases) {
    SCOPED_TRACE(c.typed);
    FreshForm();
    form().lblZoneHour->setText("-8");
    Fill({"Ann", "May", 5, 1984, 10, 30, 0, false, c.typed});
    ASSERT_TRUE(Analyze().empty());
    EXPECT_DOUBLE_EQ(modFengShuiFourPillar::BirthDetails.Longitude, c.degreesEast);
    EXPECT_EQ(modFengShuiFourPillar::BirthDetails.ZoneOffset, "8");
  }
}

TEST_F(EntryFormTest, LongitudeOutsideTheGlobeIsRefusedAfterTheDateChecks) {
  const char* refused[] = {"200 E", "116 N", "E", "-74 W"};
  for (const char* typed : refused) {
    SCOPED_TRACE(typed);
    FreshForm();
    Fill({"Ann", "May", 5, 1984, 10, 30, 0, false, typed});
    modFengShuiFourPillar::BirthDetails = Sentinel();
    std::vector<Message> messages = Analyze();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Please Enter the Longitude From 180 W To 180 E, Or Leave It Blank");
    EXPECT_EQ(messages[0].title, "Tavrin");
    EXPECT_EQ(messages[0].buttonCount, 1);
    EXPECT_TRUE(Fields(modFengShuiFourPillar::BirthDetails) == Fields(Sentinel()));
    ASSERT_EQ(FormInstance<frmMain>::Existing(), &form());
    EXPECT_EQ(form().focusWidget(), form().txtLongitude);

    // A date that fails is reported first.
    Choose(form().cboMonth, "April");
    Choose(form().cboDate, "31");
    messages = Analyze();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kThirtyDays);
  }
}

TEST_F(EntryFormTest, AnalysisSwapsTheFormForTheChartWindowWithoutEndingTheProgram) {
  Fill({"Ann", "February", 10, 1984, 10, 30, 0, false, ""});
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
  EXPECT_GE(client->width(), tavrin::TwipsToPixels(8025));
  const QRect band(0, tavrin::TwipsToPixels(435), client->width(),
                   tavrin::TwipsToPixels(4200) - tavrin::TwipsToPixels(435));
  for (QWidget* child : client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
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

}  // namespace
}  // namespace entry_test
