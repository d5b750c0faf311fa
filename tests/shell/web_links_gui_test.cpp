#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStyleHints>
#include <QTest>
#include <QTimer>

#include "build_settings.h"
#include "shell/frmAbout.h"
#include "shell/help_menu.h"
#include "shell/link_captions.h"
#include "shell/link_label.h"
#include "shell/page_address.h"
#include "shell/web_page.h"
#include "tests/shell/shell_test_support.h"

namespace tavrin {
namespace {

using test::BrowserRecorder;

QString Address(const char* pageKey) { return QString::fromStdString(PageAddress(pageKey)); }

TEST(WebLinks, PageAddressIsTheMakersPageScriptWithTheKey) {
  const std::string base = kMakerAddress;
  for (const char* key : {kHelpPage, kHomePage, kDownloadPage, kDonatePage, kFullyBrandedPage, kCobrandPage})
    EXPECT_EQ(PageAddress(key), base + "/tavrin/ssd.php?page=" + key);
}

TEST(WebLinks, OpenWebPageHandsTheAddressToTheBrowserWithoutWaiting) {
  BrowserRecorder browser(/*delaySeconds=*/2);
  QElapsedTimer clock;
  clock.start();
  OpenWebPage(kDonatePage);
  EXPECT_LT(clock.elapsed(), 1500);
  EXPECT_TRUE(browser.Lines().isEmpty());
  EXPECT_EQ(browser.Opened(), QStringList{Address(kDonatePage)});
}

// A main window with a File menu of its own, as both main windows have.
struct MenuWindow {
  QMainWindow window;
  MenuWindow() {
    window.menuBar()->addMenu(QStringLiteral("&File"))->setObjectName(QStringLiteral("mnuFile"));
    AddHelpMenus(*window.menuBar(), window);
  }
  QAction* Action(const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }
};

TEST(WebLinks, MenuBarHasFileHelpDonateAndKeepsMakeMoneyHiddenOffIt) {
  MenuWindow w;
  struct Entry {
    const char* name;
    const char* text;
    bool dropDown;
  };
  const Entry expected[] = {{"mnuFile", "&File", true}, {"mnuHelp", "&Help", true}, {"mnuDonate", "&Donate", false}};
  const QList<QAction*> bar = w.window.menuBar()->actions();
  ASSERT_EQ(bar.size(), 3);
  for (int i = 0; i < 3; ++i) {
    const QObject* named = bar[i]->menu() ? static_cast<QObject*>(bar[i]->menu()) : bar[i];
    EXPECT_EQ(named->objectName(), QString::fromLatin1(expected[i].name));
    EXPECT_EQ(bar[i]->text(), QString::fromLatin1(expected[i].text));
    EXPECT_TRUE(bar[i]->isVisible()) << expected[i].text;
    EXPECT_EQ(bar[i]->menu() != nullptr, expected[i].dropDown) << expected[i].text;
  }
  // Stored switched off: even hidden on the bar it would take Alt+O.
  QAction* makeMoney = w.Action("mnuMakeMoney");
  ASSERT_NE(makeMoney, nullptr);
  EXPECT_EQ(makeMoney->text(), QStringLiteral("Make Money &Online"));
  EXPECT_FALSE(makeMoney->isVisible());
}

TEST(WebLinks, HelpMenuItemsInOrder) {
  MenuWindow w;
  auto* help = w.window.findChild<QMenu*>(QStringLiteral("mnuHelp"));
  ASSERT_NE(help, nullptr);
  QStringList items;
  for (QAction* action : help->actions())
    items << action->objectName() + QLatin1Char(':') + (action->isSeparator() ? QStringLiteral("-") : action->text());
  EXPECT_EQ(items, (QStringList{"mnuOnline:&Online Help", "mnuVisit:&Visit Us Online", "mnuSep1:-",
                                "mnuUpdate:Check for Software &Update", "mnuSep2:-", "mnuAbout:&About Software"}));
}

TEST(WebLinks, EveryMenuCommandOpensItsPage) {
  struct Case {
    const char* action;
    const char* pageKey;
  };
  const Case cases[] = {{"mnuOnline", kHelpPage},       {"mnuVisit", kHomePage},
                        {"mnuUpdate", kDownloadPage},   {"mnuDonate", kDonatePage},
                        {"mnuMakeMoney", kFullyBrandedPage}};
  BrowserRecorder browser;
  MenuWindow w;
  for (const Case& c : cases) {
    browser.Clear();
    QAction* action = w.Action(c.action);
    ASSERT_NE(action, nullptr) << c.action;
    action->trigger();  // the update check opens at once: no question box blocks here
    EXPECT_EQ(browser.Opened(), QStringList{Address(c.pageKey)}) << c.action;
  }
}

TEST(WebLinks, AboutSoftwareShowsTheAboutBoxModallyOverTheWindow) {
  MenuWindow w;
  w.window.show();
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
    ASSERT_NE(about, nullptr);
    seen = true;
    EXPECT_TRUE(about->isModal());
    EXPECT_EQ(about->parentWidget(), &w.window);
    about->close();
  });
  w.Action("mnuAbout")->trigger();
  EXPECT_TRUE(seen);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// Every link label of the entry form, the chart window, the report window
// and the About box: what it shows and what a click opens.
TEST(WebLinks, EveryLinkLabelShowsItsCaptionAndOpensItsPage) {
  const std::string address = kMakerAddress;
  struct Case {
    const char* where;
    std::string caption;
    std::string shown;
    const char* pageKey;
  };
  const Case cases[] = {
      {"lblCobrand", kCobrandCaption,
       "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &  "
       "link here. See \"Help\" for details.    Click Here for more info on co-branding.",
       kCobrandPage},
      {"lblFullBrand", kFullBrandCaption,
       "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
       "branded for your website. Click here for more details.",
       kFullyBrandedPage},
      {"entry Label14", EntryForumCaption(),
       "The Most Popular Online Orlith Discussion Forum. Click Here To Visit " + address + " Now.", kHomePage},
      {"chart and report Label14", kForumCaption, "The Most Popular Online Orlith Discussion Forum", kHomePage},
      {"chart Label3, report Label1", VisitNowCaption(), "Click Here To Visit " + address + " Now", kHomePage},
      {"About lblHomePage", AboutHomePageCaption(), "Click here to visit " + address, kHomePage},
      {"About lblCobrand", kAboutDetailsCaption, "Click here for more details", kFullyBrandedPage},
  };
  BrowserRecorder browser;
  for (const Case& c : cases) {
    browser.Clear();
    QWidget window;
    LinkLabel label(QStringLiteral("lblLink"), QString::fromStdString(c.caption), c.pageKey, &window);
    label.setGeometry(0, 0, 600, 60);
    window.show();
    EXPECT_EQ(label.text().toStdString(), c.shown) << c.where;
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255)) << c.where;
    EXPECT_EQ(label.cursor().shape(), Qt::BitmapCursor) << c.where;
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(browser.Opened(), QStringList{Address(c.pageKey)}) << c.where;
  }
}

// Sends a left click `count` times at `spot` through the platform's input,
// all at one moment, so that they form one click sequence (a double or a
// triple click).
void ClickInOneSequence(QWidget& window, QPoint spot, int count) {
  const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
  const int moment = QTest::lastMouseTimestamp + 2 * interval;
  for (int i = 0; i < count; ++i) {
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
      qt_handleMouseEvent(window.windowHandle(), spot, window.mapToGlobal(spot), held, Qt::LeftButton, type, {}, moment);
    }
  }
  QTest::lastMouseTimestamp = moment + 2 * interval;  // later clicks start sequences of their own
}

TEST(WebLinks, OnlyALeftClickOnTheLabelOpensItsPageOncePerClickSequence) {
  BrowserRecorder browser;
  QWidget window;
  LinkLabel label(QStringLiteral("Label14"), QString::fromLatin1(kForumCaption), kHomePage, &window);
  label.setGeometry(0, 0, 300, 20);
  window.show();
  QTest::mouseClick(&label, Qt::RightButton, {}, QPoint(5, 5));
  QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(400, 5));  // let go outside
  QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(browser.Opened(1), QStringList{Address(kHomePage)});
  ClickInOneSequence(window, QPoint(5, 5), 2);
  EXPECT_EQ(browser.Opened(2), QStringList(2, Address(kHomePage)));
  ClickInOneSequence(window, QPoint(5, 5), 3);
  EXPECT_EQ(browser.Opened(3), QStringList(3, Address(kHomePage)));
  QTest::qWait(300);  // a stray further opening would have arrived by now
  EXPECT_EQ(browser.Lines().size(), 3);
}

TEST(WebLinks, AboutBoxLinksAreGreenAndOpenTheirPages) {
  struct Case {
    const char* label;
    const char* pageKey;
  };
  const Case cases[] = {{"lblHomePage", kHomePage}, {"lblCobrand", kFullyBrandedPage}};
  BrowserRecorder browser;
  frmAbout about;
  about.show();
  for (const Case& c : cases) {
    browser.Clear();
    auto* label = about.findChild<LinkLabel*>(QString::fromLatin1(c.label));
    ASSERT_NE(label, nullptr) << c.label;
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 128, 0)) << c.label;
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(browser.Opened(), QStringList{Address(c.pageKey)}) << c.label;
  }
}

}  // namespace
}  // namespace tavrin
