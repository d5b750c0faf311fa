#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QWindow>

#include "entry/click_label.h"
#include "entry/frmTimeZone.h"
#include "entry/time_zone_catalogue.h"
#include "tests/entry/entry_form_fixture.h"

namespace entry_test {
namespace {

using PickerAction = std::function<void(frmTimeZone&)>;

class TimeZonePickerTest : public EntryFormTest {
 protected:
  // Clicks "Time Zone Help" and runs `action` on the picker while it is
  // open. Returns once the picker has closed and is gone.
  void WithPicker(const PickerAction& action) {
    QPointer<frmTimeZone> seen;
    WhenModal<frmTimeZone> onPicker([&](frmTimeZone& picker) {
      seen = &picker;
      // A picker that fails to close would hold the test forever.
      QTimer::singleShot(3000, &picker, [&picker] {
        ADD_FAILURE() << "the picker stayed open";
        picker.reject();
      });
      action(picker);
    });
    QTest::mouseClick(form().lblTimeZone, Qt::LeftButton);
    EXPECT_EQ(onPicker.seen(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(seen.isNull()) << "the picker outlived its closing";
  }

  static void DoubleClickRow(frmTimeZone& picker, int row) {
    QListWidgetItem* item = picker.lstTimeZone->item(row);
    picker.lstTimeZone->scrollToItem(item);
    const QPoint spot = picker.lstTimeZone->visualItemRect(item).center();
    // A double-click is a click that selects the row, then the double-click.
    QTest::mouseClick(picker.lstTimeZone->viewport(), Qt::LeftButton, {}, spot);
    QTest::mouseDClick(picker.lstTimeZone->viewport(), Qt::LeftButton, {}, spot);
  }

  void ExpectCaptions(const char* hours, const char* minutes) {
    EXPECT_EQ(form().lblZoneHour->text(), hours);
    EXPECT_EQ(form().lblZoneMinute->text(), minutes);
  }
};

TEST_F(TimeZonePickerTest, OpensModalOverTheFormWithEveryZoneInOrderAndNothingChosen) {
  WithPicker([this](frmTimeZone& picker) {
    EXPECT_EQ(QGuiApplication::modalWindow(), picker.windowHandle());
    EXPECT_NE(picker.windowModality(), Qt::NonModal);
    EXPECT_EQ(picker.parentWidget(), &form());
    EXPECT_EQ(picker.windowTitle(), "Tavrin v1.55");
    ASSERT_EQ(picker.lstTimeZone->count(), tavrin::kTimeZoneCount);
    for (int i = 0; i < tavrin::kTimeZoneCount; ++i) {
      EXPECT_EQ(picker.lstTimeZone->item(i)->text().toStdString(), tavrin::TimeZoneCatalogue[i].text);
    }
    EXPECT_FALSE(picker.lstTimeZone->isSortingEnabled());
    EXPECT_TRUE(picker.lstTimeZone->selectedItems().isEmpty());
    EXPECT_EQ(picker.lstTimeZone->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(picker.focusWidget(), picker.lstTimeZone);
    EXPECT_TRUE(picker.cmdQuit->isDefault());
    picker.cmdQuit->click();
  });
  ExpectCaptions("0", "0");
}

TEST_F(TimeZonePickerTest, ShowsEveryRowWholeAndQuitAcrossTheBottom) {
  frmTimeZone picker(&form());
  const QListWidget& list = *picker.lstTimeZone;
  for (int i = 0; i < list.count(); ++i) {
    // The vertical scroll bar takes its room from the viewport when shown.
    EXPECT_LE(list.fontMetrics().horizontalAdvance(list.item(i)->text()) + 8,
              list.width() - 2 * list.frameWidth() - list.verticalScrollBar()->sizeHint().width())
        << list.item(i)->text().toStdString();
  }
  EXPECT_EQ(picker.cmdQuit->geometry(), QRect(0, list.geometry().bottom() + 1, picker.width(),
                                               picker.height() - list.height()));
  EXPECT_EQ(picker.size(), picker.minimumSize());
  EXPECT_EQ(picker.size(), picker.maximumSize());
}

struct PickCase {
  int row;
  const char* text;  // values come by position, never from this text
  const char* hours;
  const char* minutes;
};

TEST_F(TimeZonePickerTest, DoubleClickWritesTheRowsHoursAndMinutesByPosition) {
  const PickCase cases[] = {
      {34, "Indian Time, IST, -5.3", "-5", "-30"},
      {11, "Azores Time, AT, 2#", "2", "0"},
      {61, "Universal Time, UT, 0#", "0", "0"},
      {12, "Baghdad Time, BAT, -3#", "-3", "0"},
      {50, "Newfoundland Standard Time,NST,3.30", "3", "30"},
      {52, "North Sumatra Time,NST,-6.30", "-6", "-30"},
      {56, "South Australia Daylight Time,SAD,-10.30", "-10", "-30"},
      {57, "South Australia Daylight Time,SDT,-10.30", "-10", "-30"},
      {58, "South Australia Standard Time,SAST,-9.30", "-9", "-30"},
      {59, "South Australia Standard Time,SAT,-9.30", "-9", "-30"},
      {32, "Hawaiian Standard Time,HST,10.30", "10", "30"},
      {0, "Alaska/Hawaii Daylight Time,AHDT,9.0", "9", "0"},
      {63, "USSR Zone 3,USZ3,-4.0", "-4", "0"},
      {70, "Yukon War Time,YWT,8.0", "8", "0"},
  };
  for (const PickCase& c : cases) {
    SCOPED_TRACE(c.text);
    FreshForm();
    form().lblZoneHour->setText("7");  // a value no row writes together with the minutes below
    form().lblZoneMinute->setText("7");
    WithPicker([&](frmTimeZone& picker) {
      EXPECT_EQ(picker.lstTimeZone->item(c.row)->text(), c.text);
      DoubleClickRow(picker, c.row);
    });
    ExpectCaptions(c.hours, c.minutes);
  }
}

struct CloseCase {
  const char* how;
  PickerAction close;
};

TEST_F(TimeZonePickerTest, EnterEscQuitAndADoubleClickBesideTheRowsChangeNothing) {
  const auto highlightRow = [](frmTimeZone& picker) {
    QListWidgetItem* item = picker.lstTimeZone->item(3);
    QTest::mouseClick(picker.lstTimeZone->viewport(), Qt::LeftButton, {},
                      picker.lstTimeZone->visualItemRect(item).center());
    ASSERT_TRUE(item->isSelected());
  };
  const CloseCase cases[] = {
      {"Enter", [&](frmTimeZone& p) { highlightRow(p); QTest::keyClick(p.lstTimeZone, Qt::Key_Return); }},
      {"keypad Enter", [&](frmTimeZone& p) { highlightRow(p); QTest::keyClick(p.lstTimeZone, Qt::Key_Enter); }},
      {"Esc", [&](frmTimeZone& p) { highlightRow(p); QTest::keyClick(p.lstTimeZone, Qt::Key_Escape); }},
      {"Quit", [&](frmTimeZone& p) { highlightRow(p); QTest::mouseClick(p.cmdQuit, Qt::LeftButton); }},
      {"Alt+Q", [&](frmTimeZone& p) {
         highlightRow(p);
         // Access keys reach only the active window. On a loaded machine the
         // entry form's own activation can arrive after the picker's.
         p.activateWindow();
         ASSERT_TRUE(QTest::qWaitFor([&p] { return QApplication::activeWindow() == &p; }));
         QTest::keyClick(&p, Qt::Key_Q, Qt::AltModifier);
       }},
      {"double-click, nothing chosen", [](frmTimeZone& p) { p.lstTimeZone_DblClick(); }},
  };
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(c.how);
    FreshForm();
    form().lblZoneHour->setText("-8");
    form().lblZoneMinute->setText("0");
    WithPicker(c.close);
    ExpectCaptions("-8", "0");
  }
}

TEST_F(TimeZonePickerTest, ReopeningShowsNoChoiceAndQuitKeepsTheEarlierZone) {
  WithPicker([](frmTimeZone& picker) { DoubleClickRow(picker, 50); });
  ExpectCaptions("3", "30");
  WithPicker([](frmTimeZone& picker) {
    EXPECT_TRUE(picker.lstTimeZone->selectedItems().isEmpty());
    picker.cmdQuit->click();
  });
  ExpectCaptions("3", "30");
}

TEST_F(TimeZonePickerTest, ChosenZoneReachesTheAnalysis) {
  WithPicker([](frmTimeZone& picker) { DoubleClickRow(picker, 5); });  // ACDT, -10 -30
  Fill(Entry{});
  ASSERT_TRUE(Analyze().empty());
  EXPECT_EQ(modFengShuiFourPillar::BirthDetails.ZoneOffset, "10.5");
}

}  // namespace
}  // namespace entry_test
