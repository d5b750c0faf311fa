#include "chart/frmFengShuiFourPillar.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "engine/vocabulary.h"
#include "shell/twips.h"
#include "tests/chart/chart_window_fixture.h"

namespace tavrin {
namespace {

using testing::SampleBirth;
using ChartWindow = testing::ChartWindowTest;

// The reading report and the screenshot script find controls by these names
// and read each page's paragraph by its index, which runs against the pages.
TEST_F(ChartWindow, ControlsAreFoundByNameAndParagraphIndicesRunAgainstThePages) {
  auto& window = FormInstance<frmFengShuiFourPillar>::Get();
  const char* pillars[] = {"Year", "Month", "Day", "Hour"};
  for (int page = 0; page < 4; ++page) {
    EXPECT_EQ(window.TS->tabText(page), QStringLiteral("The %1 Pillar").arg(pillars[page]));
    const auto* paragraph = window.findChild<QLabel*>(QStringLiteral("lblCaption(%1)").arg(3 - page));
    ASSERT_NE(paragraph, nullptr);
    EXPECT_EQ(paragraph->parentWidget(), window.fraSubject[page]);
    EXPECT_TRUE(paragraph->text().startsWith(QStringLiteral("The %1 Pillar is calculated").arg(pillars[page])));
  }
  EXPECT_EQ(window.findChild<QFrame*>("fraSubject(4)"), window.fraSubject[4]);
  EXPECT_EQ(window.findChild<QLabel*>("lblLuckPeriods(23)"), window.lblLuckPeriods[23]);
  EXPECT_EQ(window.findChild<QLabel*>("lblHour(4)"), window.lblHour[4]);
  QStringList menu;
  for (const QAction* item : window.mnuFile->actions()) menu << item->objectName() + ":" + item->text();
  EXPECT_EQ(menu, QStringList({"mnuDetails:Chart &Details...", "mnuBack:&Back", "mnuSep:", "mnuExit:E&xit"}));
}

TEST_F(ChartWindow, EachTabBringsItsPageToTheFront) {
  auto& window = FormInstance<frmFengShuiFourPillar>::Get();
  EXPECT_EQ(window.TS->currentIndex(), 0);
  EXPECT_EQ(FrontPage(window), 0);
  for (int tab : {4, 1, 3, 2, 0, 3}) {
    window.TS->setCurrentIndex(tab);
    EXPECT_EQ(FrontPage(window), tab);
    for (int page = 0; page < 5; ++page) EXPECT_EQ(window.fraSubject[page]->isVisibleTo(&window), page == tab);
  }
}

TEST_F(ChartWindow, PagesShareOnePlaceAndNothingOnThemOverlapsOrSpillsOver) {
  auto& window = FormInstance<frmFengShuiFourPillar>::Get();
  window.show();
  EXPECT_EQ(window.centralWidget()->size(), TwipSize(8085, 4845));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  for (QFrame* page : window.fraSubject) {
    EXPECT_EQ(QRect(page->mapTo(window.centralWidget(), QPoint()), page->size()), TwipRect(0, 1140, 8100, 2850));
    const QList<QWidget*> controls = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (int i = 0; i < controls.size(); ++i) {
      EXPECT_TRUE(page->rect().contains(controls[i]->geometry())) << controls[i]->objectName().toStdString();
      for (int j = i + 1; j < controls.size(); ++j) {
        EXPECT_FALSE(controls[i]->geometry().intersects(controls[j]->geometry()))
            << controls[i]->objectName().toStdString() << " overlaps " << controls[j]->objectName().toStdString();
      }
    }
  }
  const QRect tabs = window.TS->tabRect(4);
  EXPECT_LE(tabs.right(), window.TS->width());
  EXPECT_GE(window.TS->height(), tabs.height()) << "tab captions cut off at the bottom";
}

TEST_F(ChartWindow, EveryCaptionFitsItsLabelEvenTheWidestStemOrBranch) {
  auto& window = FormInstance<frmFengShuiFourPillar>::Get();
  for (const QLabel* label : window.findChildren<QLabel*>()) {
    const QRect room(QPoint(), label->size());
    const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
    EXPECT_TRUE(room.contains(label->fontMetrics().boundingRect(room, flags, label->text())))
        << label->objectName().toStdString();
  }
  const QFontMetrics cell = window.lblYear[0]->fontMetrics();
  for (const auto& stem : StemSymbols)
    EXPECT_LE(cell.horizontalAdvance(QString::fromUtf8(stem.label)), window.lblYear[0]->width());
  for (const auto& branch : BranchSymbols)
    EXPECT_LE(cell.horizontalAdvance(QString::fromUtf8(branch.label)), window.lblYear[0]->width());
}

// The upper block holds periods 8 to 5 left to right, the lower block 4 to 1;
// within a column: age, stem, branch.
TEST_F(ChartWindow, LuckGridReadsFromTheEighthPeriodDownToTheFirst) {
  auto& window = Cast(SampleBirth());
  std::map<int, std::map<int, QString>> rows;  // top -> left -> caption
  for (const QLabel* label : window.lblLuckPeriods) rows[label->y()][label->x()] = label->text();
  QStringList read;
  for (const auto& [top, row] : rows) {
    QStringList line;
    for (const auto& [left, text] : row) line << text;
    read << line.join(" | ");
  }
  EXPECT_EQ(read, QStringList({
                      "78.17 | 68.17 | 58.17 | 48.17",
                      "+Wood [Jia] | -Water [Gui] | +Water [Ren] | -Metal [Xin]",
                      "Dog [Xu] | Rooster [You] | Monkey [Shen] | Goat [Wei]",
                      "38.17 | 28.17 | 18.17 | 8.17",
                      "+Metal [Geng] | -Earth [Ji] | +Earth [Wu] | -Fire [Ding]",
                      "Horse [Wu] | Snake [Si] | Dragon [Chen] | Rabbit [Mao]",
                  }));
  EXPECT_EQ(window.lblLuckPeriods[4]->geometry(), TwipRect(255, 1560, 1815, 285));
  EXPECT_EQ(window.lblLuckPeriods[19]->geometry(), TwipRect(6015, 840, 1815, 285));
}

TEST_F(ChartWindow, KeyboardReachesTabsAndBack) {
  auto& window = FormInstance<frmFengShuiFourPillar>::Get();
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(FrontPage(window), 1);
  QTest::keyClick(&window, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(&window, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(FrontPage(window), 4);
  window.TS->setFocus();
  QTest::keyClick(window.TS, Qt::Key_Left);
  EXPECT_EQ(FrontPage(window), 3);
  QTest::keyClick(&window, Qt::Key_B, Qt::AltModifier);
  EXPECT_TRUE(QTest::qWaitFor([] { return FormInstance<frmMain>::Existing() != nullptr; }));
}

// Back swaps the chart window for a fresh entry form without ending the
// program; the next chart opens in a fresh window, on the year pillar.
TEST_F(ChartWindow, BackSwapsInAFreshEntryFormAndTheNextChartGetsAFreshWindow) {
  for (bool fromMenu : {false, true}) {
    auto& window = Cast(SampleBirth());
    window.show();
    window.TS->setCurrentIndex(4);
    const QPointer<frmFengShuiFourPillar> chart = &window;
    fromMenu ? window.mnuBack->trigger() : window.cmdBack->click();
    testing::DeleteClosedWindows();
    EXPECT_TRUE(chart.isNull());
    frmMain* entry = FormInstance<frmMain>::Existing();
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isVisible()) << "ending the program hides every window";
    entry->CloseForSwap();
    testing::DeleteClosedWindows();
  }
  auto& next = Cast(SampleBirth());
  EXPECT_EQ(next.TS->currentIndex(), 0);
  EXPECT_EQ(FrontPage(next), 0);
  EXPECT_EQ(next.txtYear->toPlainText().count("+Wood [Jia]\n"), 1) << "no text left from an earlier chart";
}

// A user close ends the program: the event loop returns 0 and the entry form
// does not come back. Run in a child process, since the program ends once.
TEST_F(ChartWindow, ExitAndTheCloseBoxEndTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::pair<const char*, void (*)(frmFengShuiFourPillar&)> closes[] = {
      {"File, Exit", [](frmFengShuiFourPillar& w) { w.mnuExit->trigger(); }},
      {"close box", [](frmFengShuiFourPillar& w) { w.windowHandle()->close(); }},
  };
  for (const auto& [name, close] : closes) {
    EXPECT_EXIT(
        {
          auto& window = Cast(SampleBirth());
          window.show();
          QApplication::setQuitOnLastWindowClosed(false);
          QTimer::singleShot(0, &window, [&window, close = close] { close(window); });
          QTimer::singleShot(5000, [] { QCoreApplication::exit(3); });
          const int status = QCoreApplication::exec();
          std::exit(status == 0 && FormInstance<frmMain>::Existing() == nullptr ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "")
        << name;
  }
}

// Screenshots are taken offscreen: each page must render with its own content.
TEST_F(ChartWindow, GrabbingRendersThePageInFront) {
  auto& window = Cast(SampleBirth());
  const QRgb red = qRgb(255, 0, 0);
  for (int tab = 0; tab < 5; ++tab) {
    window.TS->setCurrentIndex(tab);
    const QImage image = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    const QRect cells = window.lblYear[0]->geometry().united(window.lblYear[2]->geometry());
    bool anyRed = false;
    const QPoint origin = window.fraSubject[tab]->mapTo(&window, cells.topLeft());
    for (int y = 0; y < cells.height() && !anyRed; ++y)
      for (int x = 0; x < cells.width() && !anyRed; ++x) anyRed = image.pixel(origin + QPoint(x, y)) == red;
    EXPECT_EQ(anyRed, tab < 4) << "tab " << tab;
  }
}

}  // namespace
}  // namespace tavrin
