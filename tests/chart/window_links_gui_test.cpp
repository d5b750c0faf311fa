// The link labels of the entry form, the chart window and the report window,
// the menu bars of the two main windows, and every window's access keys.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTest>
#include <QTimer>

#include <memory>

#include "build_settings.h"
#include "chart/frmChartDetails.h"
#include "entry/frmTimeZone.h"
#include "shell/frmAbout.h"
#include "shell/link_label.h"
#include "shell/page_address.h"
#include "tests/chart/report_fixture.h"
#include "tests/shell/shell_test_support.h"

namespace tavrin {
namespace {

using test::BrowserRecorder;
using WindowLinks = testing::ReportTest;

QString Address(const char* pageKey) { return QString::fromStdString(PageAddress(pageKey)); }

const std::string kAddress = kMakerAddress;
const std::string kCobrandShown =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &  "
    "link here. See \"Help\" for details.    Click Here for more info on co-branding.";
const std::string kFullBrandShown =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website. Click here for more details.";
const std::string kForum = "The Most Popular Online Orlith Discussion Forum";
const std::string kVisitNow = "Click Here To Visit " + kAddress + " Now";

struct Link {
  const char* name;
  std::string shown;
  const char* pageKey;
};

struct WindowCase {
  const char* window;
  std::function<QWidget&()> open;
  std::vector<Link> links;
  const char* front;  // the frame label in front
};

// The entry form as Back creates it: no start-up draw has touched it.
QWidget& EntryFormAfterBack() {
  auto& chart = FormInstance<frmFengShuiFourPillar>::Get();
  chart.show();
  chart.mnuBack->trigger();
  testing::DeleteClosedWindows();
  return FormInstance<frmMain>::Get();
}

template <typename Window>
Window& Shown(Window& window) {
  window.show();
  return window;
}

std::vector<WindowCase> Windows() {
  const Link cobrand{"lblCobrand", kCobrandShown, kCobrandPage};
  const Link fullBrand{"lblFullBrand", kFullBrandShown, kFullyBrandedPage};
  return {
      {"entry form", EntryFormAfterBack,
       {{"Label14", kForum + ". Click Here To Visit " + kAddress + " Now.", kHomePage}, cobrand, fullBrand},
       "lblCobrand"},
      {"chart window", []() -> QWidget& { return Shown(FormInstance<frmFengShuiFourPillar>::Get()); },
       {{"Label14", kForum, kHomePage}, {"Label3", kVisitNow, kHomePage}, cobrand, fullBrand},
       "lblCobrand"},
      {"report window", []() -> QWidget& { return Shown(FormInstance<frmSave>::Get()); },
       {{"Label14", kForum, kHomePage}, {"Label1", kVisitNow, kHomePage}, cobrand, fullBrand},
       "lblFullBrand"},
  };
}

// What the user sees and clicks at the centre of a control.
QWidget* Seen(QWidget& window, const QWidget& control) {
  return window.childAt(control.mapTo(&window, control.rect().center()));
}

TEST_F(WindowLinks, EachLinkShowsItsCaptionInFullAndAClickOnItOpensItsPage) {
  BrowserRecorder browser;
  for (const WindowCase& w : Windows()) {
    QWidget& window = w.open();
    for (const Link& link : w.links) {
      SCOPED_TRACE(std::string(w.window) + " " + link.name);
      auto* label = window.findChild<LinkLabel*>(QLatin1String(link.name));
      ASSERT_NE(label, nullptr);
      EXPECT_EQ(label->text().toStdString(), link.shown);
      EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 0, 255));
      EXPECT_LE(label->heightForWidth(label->width()), label->height()) << "caption cut off";
      // A frame label takes clicks only while in front: bring each there in turn.
      if (label->parentWidget()->objectName() == "fraFullBrand") label->raise();
      QWidget* seen = Seen(window, *label);
      ASSERT_EQ(seen, label) << "covered by " << (seen ? seen->objectName().toStdString() : "nothing");
      browser.Clear();
      QTest::mouseClick(seen, Qt::LeftButton, {}, seen->rect().center());
      EXPECT_EQ(browser.Opened(), QStringList{Address(link.pageKey)});
    }
  }
}

QImage Pixels(const QPixmap& picture) { return picture.toImage().convertToFormat(QImage::Format_RGB32); }

// The frame shows its front label alone, and the links keep off the window's
// other controls.
TEST_F(WindowLinks, FrameShowsOnlyTheWindowsOwnFrontLabelAndLinksOverlapNothing) {
  for (const WindowCase& w : Windows()) {
    SCOPED_TRACE(w.window);
    QWidget& window = w.open();
    auto* frame = window.findChild<QGroupBox*>(QStringLiteral("fraFullBrand"));
    ASSERT_NE(frame, nullptr);
    auto* front = frame->findChild<LinkLabel*>(QLatin1String(w.front));
    ASSERT_NE(front, nullptr);
    EXPECT_EQ(Seen(window, *front), front);
    EXPECT_EQ(Pixels(frame->grab(front->geometry())), Pixels(front->grab())) << "the label behind shows through";
    EXPECT_TRUE(frame->title().isEmpty());

    QWidget* area = frame->parentWidget();
    const QList<QWidget*> controls = area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* place : controls) {
      if (place != frame && !qobject_cast<LinkLabel*>(place)) continue;
      EXPECT_TRUE(area->rect().contains(place->geometry())) << place->objectName().toStdString();
      for (QWidget* other : controls) {
        EXPECT_TRUE(other == place || !other->geometry().intersects(place->geometry()))
            << place->objectName().toStdString() << " overlaps " << other->objectName().toStdString();
      }
      for (QWidget* label : place->findChildren<LinkLabel*>())
        EXPECT_TRUE(place->contentsRect().contains(label->geometry())) << label->objectName().toStdString();
    }
  }
}

struct MainWindowCase {
  const char* window;
  std::function<QMainWindow&()> open;
  QStringList fileMenu;
};

std::vector<MainWindowCase> MainWindows() {
  return {
      {"entry form", []() -> QMainWindow& { return Shown(FormInstance<frmMain>::Get()); },
       {"mnuFindPillars:&Find Birth Dates from Pillars...", "mnuExit:E&xit"}},
      {"chart window", []() -> QMainWindow& { return Shown(FormInstance<frmFengShuiFourPillar>::Get()); },
       {"mnuDetails:Chart &Details...", "mnuBack:&Back", "mnuSep:-", "mnuExit:E&xit"}},
  };
}

QStringList Items(const QMenu& menu) {
  QStringList items;
  for (const QAction* item : menu.actions())
    items << item->objectName() + ':' + (item->isSeparator() ? QStringLiteral("-") : item->text());
  return items;
}

TEST_F(WindowLinks, MainWindowsShareTheMenuBarButForTheFileMenu) {
  for (const MainWindowCase& w : MainWindows()) {
    SCOPED_TRACE(w.window);
    QMainWindow& window = w.open();
    QStringList bar;
    for (const QAction* entry : window.menuBar()->actions()) {
      const QObject* named = entry->menu() ? static_cast<QObject*>(entry->menu()) : entry;
      bar << named->objectName() + ':' + entry->text() + (entry->isVisible() ? "" : " (hidden)");
    }
    EXPECT_EQ(bar, (QStringList{"mnuFile:&File", "mnuHelp:&Help", "mnuDonate:&Donate"}));
    EXPECT_FALSE(window.findChild<QAction*>("mnuMakeMoney")->isVisible());
    EXPECT_EQ(Items(*window.findChild<QMenu*>("mnuFile")), w.fileMenu);
    EXPECT_EQ(Items(*window.findChild<QMenu*>("mnuHelp")),
              (QStringList{"mnuOnline:&Online Help", "mnuVisit:&Visit Us Online", "mnuSep1:-",
                           "mnuUpdate:Check for Software &Update", "mnuSep2:-", "mnuAbout:&About Software"}));
  }
}

TEST_F(WindowLinks, EveryMenuCommandOfBothMainWindowsOpensItsPage) {
  const std::pair<const char*, const char*> commands[] = {{"mnuOnline", kHelpPage},
                                                          {"mnuVisit", kHomePage},
                                                          {"mnuUpdate", kDownloadPage},
                                                          {"mnuDonate", kDonatePage},
                                                          {"mnuMakeMoney", kFullyBrandedPage}};
  BrowserRecorder browser;
  for (const MainWindowCase& w : MainWindows()) {
    QMainWindow& window = w.open();
    for (const auto& [name, pageKey] : commands) {
      browser.Clear();
      window.findChild<QAction*>(QLatin1String(name))->trigger();
      EXPECT_EQ(browser.Opened(), QStringList{Address(pageKey)}) << w.window << " " << name;
    }
  }
}

TEST_F(WindowLinks, AboutSoftwareShowsTheAboutBoxModallyOverEitherMainWindow) {
  for (const MainWindowCase& w : MainWindows()) {
    QMainWindow& window = w.open();
    const frmAbout* seen = nullptr;
    QObject waiting;  // a box that never opens leaves no check pending
    QTimer::singleShot(0, &waiting, [&] {
      auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
      if (about && about->isModal() && about->parentWidget() == &window) seen = about;
      if (about) about->close();
    });
    window.findChild<QAction*>("mnuAbout")->trigger();
    EXPECT_NE(seen, nullptr) << w.window;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << w.window;
  }
}

// Shows `window` and makes it the active window, where its keys go.
void Activate(QWidget& window) {
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window)) << window.objectName().toStdString();
}

TEST_F(WindowLinks, EnterOnAFocusedButtonOfEitherMainWindowPressesIt) {
  const std::pair<MainWindowCase, QStringList> cases[] = {
      {MainWindows()[0], {"cmdOpen", "cmdCalculation"}},
      {MainWindows()[1], {"cmdSave", "cmdBack"}},
  };
  for (const auto& [w, buttons] : cases) {
    QMainWindow& window = w.open();
    Activate(window);
    for (const QString& name : buttons) {
      SCOPED_TRACE(std::string(w.window) + " " + name.toStdString());
      auto* button = window.findChild<QPushButton*>(name);
      ASSERT_NE(button, nullptr);
      // Count the presses instead of acting on them.
      QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
      int presses = 0;
      QObject::connect(button, &QAbstractButton::clicked, [&presses] { ++presses; });
      button->setFocus();
      QTest::keyClick(button, Qt::Key_Return);
      QTest::keyClick(button, Qt::Key_Enter);
      EXPECT_EQ(presses, 2);
    }
  }
}

// Takes every shortcut event the program dispatches and keeps it from acting,
// so walking the access keys opens no window and prints nothing. A control
// that receives its key unambiguously presses it; an ambiguous key only moves
// the focus between its owners.
class ShortcutCatcher : public QObject {
 public:
  ShortcutCatcher() { qApp->installEventFilter(this); }
  ~ShortcutCatcher() override { qApp->removeEventFilter(this); }
  struct Delivery {
    QString owner;
    bool ambiguous;
  };
  std::vector<Delivery> deliveries;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Shortcut) return false;
    deliveries.push_back({watched->objectName(), static_cast<QShortcutEvent*>(event)->isAmbiguous()});
    return true;
  }
};

// The access keys a window shows: the marked letter of each visible button
// or link and of each visible menu bar entry, as "Alt+O cmdOpen".
QStringList ShownAccessKeys(QWidget& window) {
  QStringList keys;
  const auto add = [&keys](const QString& caption, const QObject& owner) {
    const QKeySequence key = QKeySequence::mnemonic(caption);
    if (!key.isEmpty()) keys << key.toString() + ' ' + owner.objectName();
  };
  for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (button->isVisibleTo(&window)) add(button->text(), *button);
  }
  for (const QMenuBar* bar : window.findChildren<QMenuBar*>()) {
    for (const QAction* entry : bar->actions()) {
      if (entry->isVisible()) add(entry->text(), *bar);
    }
  }
  keys.sort();
  return keys;
}

struct AccessKeyCase {
  const char* window;
  std::function<QWidget&()> open;
  QStringList keys;
};

TEST_F(WindowLinks, EveryAccessKeyOnEveryWindowReachesItsControlAloneAndHiddenCommandsTakeNone) {
  std::unique_ptr<QWidget> dialog;  // the picker or the About box while it is walked
  const AccessKeyCase cases[] = {
      {"entry form", []() -> QWidget& { return FormInstance<frmMain>::Get(); },
       {"Alt+D menuBar", "Alt+F menuBar", "Alt+H menuBar", "Alt+O cmdOpen", "Alt+Z lblTimeZone"}},
      {"chart window", []() -> QWidget& { return FormInstance<frmFengShuiFourPillar>::Get(); },
       {"Alt+B cmdBack", "Alt+D menuBar", "Alt+F menuBar", "Alt+H menuBar", "Alt+S cmdSave"}},
      {"report window", []() -> QWidget& { return FormInstance<frmSave>::Get(); },
       {"Alt+D cmdSavePdf", "Alt+P cmdPrint", "Alt+S cmdSave"}},
      {"chart details", [&dialog]() -> QWidget& { return *(dialog = std::make_unique<frmChartDetails>()); },
       {"Alt+A cmdShowDays", "Alt+C cmdClose", "Alt+D cmdSavePdf", "Alt+P cmdPrint"}},
      {"picker", [&dialog]() -> QWidget& { return *(dialog = std::make_unique<frmTimeZone>()); }, {"Alt+Q cmdQuit"}},
      {"About box", [&dialog]() -> QWidget& { return *(dialog = std::make_unique<frmAbout>()); }, {}},
  };
  for (const AccessKeyCase& c : cases) {
    SCOPED_TRACE(c.window);
    QWidget& window = c.open();
    Activate(window);
    const QStringList keys = ShownAccessKeys(window);
    EXPECT_EQ(keys.join(", ").toStdString(), c.keys.join(", ").toStdString());
    for (const QString& shown : keys) {
      const QStringList keyAndOwner = shown.split(' ');
      SCOPED_TRACE(shown.toStdString());
      ShortcutCatcher catcher;
      QTest::keyClick(&window, QKeySequence(keyAndOwner[0])[0].key(), Qt::AltModifier);
      ASSERT_EQ(catcher.deliveries.size(), 1u);
      EXPECT_EQ(catcher.deliveries[0].owner.toStdString(), keyAndOwner[1].toStdString());
      EXPECT_FALSE(catcher.deliveries[0].ambiguous) << "the key only moves the focus";
    }
    window.hide();
  }
}

}  // namespace
}  // namespace tavrin
