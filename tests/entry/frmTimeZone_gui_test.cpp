#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QStyleHints>
#include <QWindow>

#include "entry/click_label.h"
#include "entry/frmTimeZone.h"
#include "entry/time_zone_catalogue.h"
#include "tests/entry/entry_form_fixture.h"

namespace entry_test {
namespace {

using PickerAction = std::function<void(frmTimeZone&)>;
using FormAction = std::function<void(frmMain&)>;

void ClickTimeZoneHelp(frmMain& form) { QTest::mouseClick(form.lblTimeZone, Qt::LeftButton); }

class TimeZonePickerTest : public EntryFormTest {
 protected:
  // Opens the picker by `open` (a click on "Time Zone Help" unless told
  // otherwise) and runs `action` on it while it is open. Returns once the
  // picker has closed and is gone.
  void WithPicker(const PickerAction& action, const FormAction& open = ClickTimeZoneHelp) {
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
    open(form());
    // An access key presses its control a moment later, after showing the press.
    EXPECT_TRUE(QTest::qWaitFor([&onPicker] { return onPicker.seen() == 1; }, 2000)) << "the picker never opened";
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
    // Taking the focus must not make the first row current: no focus frame
    // round it, and the first Down goes to it.
    ASSERT_TRUE(QTest::qWaitFor([&picker] { return QApplication::activeWindow() == &picker; }));
    EXPECT_EQ(picker.lstTimeZone->currentRow(), -1);
    QTest::keyClick(picker.lstTimeZone, Qt::Key_Down);
    EXPECT_EQ(picker.lstTimeZone->currentRow(), 0);
    EXPECT_TRUE(picker.lstTimeZone->toolTip().contains("Space"));
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

struct KeyboardCase {
  const char* how;
  FormAction open;
  int downs;  // Down presses in the picker before Space
  const char* hours;
  const char* minutes;
  const char* typed = "";  // a zone's name typed to find it, spaces and all
};

// A user who never touches the mouse reaches "Time Zone Help" by its access
// key or by Tab, opens the picker with Space or Enter, highlights a zone with
// the arrow keys or by typing its name, and applies it with Space.
TEST_F(TimeZonePickerTest, KeyboardAloneOpensThePickerAndAppliesTheHighlightedZone) {
  const auto tabToTheLink = [](frmMain& f) {
    f.txtPlace->setFocus();
    QTest::keyClick(f.txtPlace, Qt::Key_Tab);
  };
  const KeyboardCase cases[] = {
      {"Alt+Z", [](frmMain& f) { QTest::keyClick(&f, Qt::Key_Z, Qt::AltModifier); }, 1, "9", "0"},
      {"Tab, then Space",
       [&](frmMain& f) {
         tabToTheLink(f);
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
       },
       2, "10", "0"},
      {"Tab, then Enter",
       [&](frmMain& f) {
         tabToTheLink(f);
         QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
       },
       4, "4", "0"},
      {"Alt+Z, then a name typed", [](frmMain& f) { QTest::keyClick(&f, Qt::Key_Z, Qt::AltModifier); }, 0, "-7", "0",
       "south s"},
  };
  for (const KeyboardCase& c : cases) {
    SCOPED_TRACE(c.how);
    FreshForm();
    form().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form()));
    WithPicker(
        [&c](frmTimeZone& picker) {
          if (*c.typed) {
            QTest::keyClicks(picker.lstTimeZone, c.typed);  // a space within the name goes on searching
            QTest::qWait(QApplication::keyboardInputInterval() + 100);
          }
          for (int i = 0; i < c.downs; ++i) QTest::keyClick(picker.lstTimeZone, Qt::Key_Down);
          QTest::keyClick(picker.lstTimeZone, Qt::Key_Space);
        },
        c.open);
    ExpectCaptions(c.hours, c.minutes);
  }
}

// A double-click on the left of "Time Zone Help": the first click opens the
// picker, whose list then lies under the pointer; the second click began
// before the picker was shown and must not reach the list.
TEST_F(TimeZonePickerTest, TheSecondClickOfADoubleClickOnTheLinkNeverReachesThePicker) {
  const QWidget& link = *form().lblTimeZone;
  const QPoint spot = link.mapToGlobal(QPoint(4, link.height() / 2));
  const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
  const int start = QTest::lastMouseTimestamp + 2 * interval;
  // Through the platform's input, as the window system delivers a double-click.
  const auto send = [&spot](QWidget& window, QEvent::Type type, int time) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    qt_handleMouseEvent(window.windowHandle(), window.mapFromGlobal(spot), spot, held, Qt::LeftButton, type, {}, time);
  };
  WithPicker(
      [&](frmTimeZone& picker) {
        const QWidget& list = *picker.lstTimeZone;
        picker.move(picker.pos() + spot - list.mapToGlobal(list.rect().center()));
        send(picker, QEvent::MouseButtonPress, start + 2);
        send(picker, QEvent::MouseButtonRelease, start + 3);
        EXPECT_TRUE(picker.isVisible()) << "the second click closed the picker";
        EXPECT_EQ(picker.lstTimeZone->currentRow(), -1);
        EXPECT_TRUE(picker.lstTimeZone->selectedItems().isEmpty());
        if (picker.isVisible()) picker.cmdQuit->click();
      },
      [&](frmMain& f) {
        send(f, QEvent::MouseButtonPress, start);
        send(f, QEvent::MouseButtonRelease, start + 1);
      });
  QTest::lastMouseTimestamp = start + 3 + interval;  // later test clicks start a sequence of their own
  ExpectCaptions("0", "0");
}

TEST_F(TimeZonePickerTest, ChosenZoneReachesTheAnalysis) {
  WithPicker([](frmTimeZone& picker) { DoubleClickRow(picker, 5); });  // ACDT, -10 -30
  Fill(Entry{});
  ASSERT_TRUE(Analyze().empty());
  EXPECT_EQ(modFengShuiFourPillar::BirthDetails.ZoneOffset, "10.5");
}

}  // namespace
}  // namespace entry_test
