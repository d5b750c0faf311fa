#include "chart/frmChartDetails.h"

#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QRawFont>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocumentFragment>

#include "analysis/symbols.h"
#include "chart/reading_printer.h"
#include "shell/app_font.h"
#include "tests/chart/pdf_tools.h"
#include "tests/chart/report_fixture.h"

namespace tavrin {
namespace {

using testing::SampleBirth;
using testing::WhenModal;

// The sample chart: hour 己巳, day 甲戌, month 丙寅, year 甲子; luck periods
// from age 8.17, the first 1992-2001, the fourth 2022-2031, the eighth 2062-2071.
class ChartDetails : public testing::ChartWindowTest {
 protected:
  void SetUp() override {
    testing::ChartWindowTest::SetUp();
    DeleteDetails();
  }
  void TearDown() override {
    DeleteDetails();
    testing::ChartWindowTest::TearDown();
  }
  static void DeleteDetails() {
    testing::DeleteClosedWindows();
    delete FormInstance<frmChartDetails>::Existing();
  }

  // The details of the sample chart as read on `today`, shown and active.
  static frmChartDetails& ShowSample(int year, int month, int day) {
    Cast(SampleBirth());
    auto& details = FormInstance<frmChartDetails>::Get();
    EXPECT_TRUE(details.ShowChart(modFengShuiFourPillar::BirthDetails, std::nullopt, modFengShuiFourPillar::ShownChart,
                                  analysis::TodayOn(year, month, day)));
    details.show();
    details.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&details));
    return details;
  }
};

QString PlainText(const QLabel& label) { return QTextDocumentFragment::fromHtml(label.text()).toPlainText(); }

// The zone as typed, or an odd offset such as a zone's local mean time in
// hours, minutes and seconds rather than its decimal hours.
TEST(ChartDetailsHeader, ZoneRowReadsAsPeopleWriteOffsets) {
  const std::pair<const char*, const char*> cases[] = {
      {"8", "UTC+8"}, {"-3.5", "UTC-3.5"}, {"0", "UTC+0"},
      {"8.095277777777778", "UTC+8:05:43"}, {"-0.006666666666666667", "UTC-0:00:24"},
  };
  for (const auto& [offset, shown] : cases) {
    BirthDetails birth = SampleBirth();
    birth.ZoneOffset = offset;
    const auto rows = DetailsHeaderRows(birth, std::nullopt, {});
    const auto zone = std::find_if(rows.begin(), rows.end(), [](const HeaderRow& r) { return r.caption == "Zone"; });
    ASSERT_NE(zone, rows.end());
    EXPECT_EQ(zone->value.toStdString(), shown) << offset;
  }
}

TEST_F(ChartDetails, OpensModallyOverTheChartFromTheMenuAndCtrlDAndEscapeClosesIt) {
  const std::pair<const char*, std::function<void(frmFengShuiFourPillar&)>> ways[] = {
      {"File, Chart Details", [](frmFengShuiFourPillar& w) { w.mnuDetails->trigger(); }},
      {"Ctrl+D", [](frmFengShuiFourPillar& w) { QTest::keyClick(&w, Qt::Key_D, Qt::ControlModifier); }},
  };
  for (const auto& [way, open] : ways) {
    SCOPED_TRACE(way);
    auto& chart = Cast(SampleBirth());
    chart.show();
    chart.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&chart));
    QString name, pillars;
    bool modal = false;
    WhenModal<frmChartDetails> onDetails([&](frmChartDetails& details) {
      modal = details.isModal();
      name = details.findChild<QLabel*>(QStringLiteral("lblHeaderValue(0)"))->text();
      for (int block = 0; block < 4; ++block)
        pillars += PlainText(*details.lblStem[block]).left(1) + PlainText(*details.lblBranch[block]).left(1);
      QTest::keyClick(&details, Qt::Key_Escape);
    });
    open(chart);
    EXPECT_EQ(onDetails.seen(), 1);
    EXPECT_TRUE(modal);
    EXPECT_EQ(name, "Test");
    EXPECT_EQ(pillars, "甲子丙寅甲戌己巳");  // year, month, day, hour
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    DeleteMainWindows();
  }
}

// A precise chart says so in the heading, after the birth's rows; a classic one has no such row.
// The lunar date of the birth's day comes last.
TEST_F(ChartDetails, APreciseChartNamesItsMethodInTheHeading) {
  const BirthDetails birth = SampleBirth();
  const std::pair<CastOptions, const char*> cases[] = {
      {{}, nullptr},
      {{Method::precise, SolarTime::trueSun, DayStarts::at23}, "Precise, true sun, day at 23:00"},
  };
  for (const auto& [options, method] : cases) {
    Chart chart;
    ASSERT_EQ(ComputeChart(birth, options, chart), CastError::none);
    auto& details = FormInstance<frmChartDetails>::Get();
    ASSERT_TRUE(details.ShowChart(birth, std::nullopt, chart, analysis::TodayOn(2026, 12, 9)));
    const auto* caption = details.findChild<QLabel*>(QStringLiteral("lblHeaderCaption(5)"));
    const int lunarRow = method == nullptr ? 5 : 6;
    const auto* lunar = details.findChild<QLabel*>(QStringLiteral("lblHeaderCaption(%1)").arg(lunarRow));
    ASSERT_NE(lunar, nullptr);
    EXPECT_EQ(lunar->text(), "Lunar date");
    EXPECT_EQ(details.findChild<QLabel*>(QStringLiteral("lblHeaderValue(%1)").arg(lunarRow))->text().toStdString(),
              "甲子年 正月 初九");
    EXPECT_EQ(details.findChild<QLabel*>(QStringLiteral("lblHeaderCaption(%1)").arg(lunarRow + 1)), nullptr);
    if (method == nullptr) continue;
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), "Method");
    EXPECT_EQ(details.findChild<QLabel*>(QStringLiteral("lblHeaderValue(5)"))->text().toStdString(), method);
  }
}

// The luck period today falls in is chosen, else the nearest one; the annual
// pillars follow the choice, and today's year by Spring Beginning is marked.
TEST_F(ChartDetails, TodaysLuckPeriodIsChosenAndTheArrowKeysMoveTheChoiceWithItsYears) {
  struct Case {
    int year, month, day;
    int chosen;         // luck period, 1 to 8
    int currentPeriod;  // marked luck period, 0 for none
    int firstYear;      // of the annual pillars shown
    int currentYear;    // marked annual pillar, 0 for none
  };
  const Case cases[] = {
      {2026, 12, 9, 4, 4, 2022, 2026},
      {2026, 1, 20, 4, 4, 2022, 2025},  // before Spring Beginning: still the pillar of 2025
      {1985, 6, 1, 1, 0, 1992, 0},
      {2090, 1, 1, 8, 0, 2062, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.year * 10000 + c.month * 100 + c.day);
    frmChartDetails& details = ShowSample(c.year, c.month, c.day);
    for (int period = 1; period <= 8; ++period) {
      EXPECT_EQ(details.cmdLuckPeriod[period - 1]->isChecked(), period == c.chosen) << period;
      EXPECT_EQ(details.cmdLuckPeriod[period - 1]->content().current, period == c.currentPeriod) << period;
    }
    EXPECT_TRUE(details.cmdLuckPeriod[c.chosen - 1]->hasFocus());
    for (int i = 0; i < 10; ++i) {
      const auto& cell = details.picAnnualPillar[i]->content();
      EXPECT_EQ(cell.above, QString::number(c.firstYear + i));
      EXPECT_EQ(cell.current, c.firstYear + i == c.currentYear) << i;
    }
    DeleteDetails();
  }

  // Later periods stand to the left; 2026 is 丙午 and 2032 壬子.
  frmChartDetails& details = ShowSample(2026, 12, 9);
  EXPECT_EQ(details.picAnnualPillar[4]->content().stem, 2);
  EXPECT_EQ(details.picAnnualPillar[4]->content().branch, 6);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
  EXPECT_TRUE(details.cmdLuckPeriod[4]->isChecked());
  EXPECT_EQ(details.lblAnnualPillars->text(), "流年 Annual pillars of luck period 5, 2032–2041");
  EXPECT_EQ(details.picAnnualPillar[0]->content().stem, 8);
  EXPECT_EQ(details.picAnnualPillar[0]->content().branch, 0);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
  EXPECT_TRUE(details.cmdLuckPeriod[2]->isChecked());
  EXPECT_EQ(details.picAnnualPillar[0]->content().above, "2012");
}

// No character the window shows may be drawn as a box: each is in the
// program's font or in the Chinese one, which must be installed.
TEST_F(ChartDetails, EveryCharacterShownIsInTheProgramsFonts) {
  const QFont hanzi(QString::fromLatin1(kHanziFamily));
  ASSERT_EQ(QFontInfo(hanzi).family(), hanzi.family()) << "install fonts-wqy-microhei";
  const QRawFont fonts[] = {QRawFont::fromFont(AppFont()), QRawFont::fromFont(hanzi)};
  QString shown;
  for (const auto& stem : analysis::StemSymbols) shown += QString::fromUtf8(stem.hanzi) + QString::fromUtf8(stem.pinyin);
  for (const auto& branch : analysis::BranchSymbols)
    shown += QString::fromUtf8(branch.hanzi) + QString::fromUtf8(branch.pinyin);
  for (const auto& pair : analysis::TenGodTable)
    for (const auto& term : pair) shown += QString::fromUtf8(term.hanzi);
  for (const auto& term : analysis::NaYinTable) shown += QString::fromUtf8(term.hanzi);
  for (const auto& term : analysis::LifeStageTable) shown += QString::fromUtf8(term.hanzi);
  frmChartDetails& details = ShowSample(2026, 12, 9);
  for (const QLabel* label : details.findChildren<QLabel*>()) shown += PlainText(*label);
  for (const QAbstractButton* button : details.findChildren<QAbstractButton*>()) shown += button->text();
  QString missing;
  for (const QChar c : shown) {
    if (!c.isSpace() && !fonts[0].supportsCharacter(c) && !fonts[1].supportsCharacter(c) && !missing.contains(c))
      missing += c;
  }
  EXPECT_TRUE(missing.isEmpty()) << missing.toStdString();
}

// The window opens within the screen's free area, whatever the screen (the
// offscreen one is 800 by 800): what does not fit is scrolled to, and the
// buttons stay in sight.
TEST_F(ChartDetails, OpensWithinTheScreenAndScrollsToWhatDoesNotFit) {
  frmChartDetails& details = ShowSample(2026, 12, 9);
  const QRect room = details.screen()->availableGeometry();
  EXPECT_TRUE(room.contains(details.frameGeometry())) << details.frameGeometry().width() << " wide on "
                                                      << room.width();
  // As large as the sheet and its buttons, where the screen has room, less a title bar.
  const QSize whole = details.sizeHint();
  EXPECT_GE(details.width(), std::min(whole.width(), room.width() - 50));
  EXPECT_GE(details.height(), std::min(whole.height(), room.height() - 50));
  for (const QWidget* button : {details.cmdSavePdf, details.cmdPrint, details.cmdClose})
    EXPECT_TRUE(room.contains(QRect(button->mapToGlobal(QPoint()), button->size()))) << button->objectName().toStdString();
  QWidget& view = *details.fraSheetView->viewport();
  for (QWidget* far : std::initializer_list<QWidget*>{details.picElements, details.cmdLuckPeriod[0],
                                                       details.picAnnualPillar[0], details.lblRowCaption[5]}) {
    details.fraSheetView->ensureWidgetVisible(far, 0, 0);
    EXPECT_TRUE(view.rect().contains(QRect(far->mapTo(&view, QPoint()), far->size()))) << far->objectName().toStdString();
  }
}

// A long name is shown whole in as many lines as it needs, broken between
// words or inside a word too long for a line, on screen and in the PDF.
TEST_F(ChartDetails, ALongNameIsShownWholeOnScreenAndInThePdf) {
  const char* names[] = {
      "Maximilian Alexander Bartholomew Ferdinand von Hohenzollern-Sigmaringen the Third",
      "Wolfeschlegelsteinhausenbergerdorffwelchevoralternwarengewissenhaftschafers",
      "爱新觉罗玄烨爱新觉罗玄烨爱新觉罗玄烨爱新觉罗玄烨爱新觉罗玄烨",
  };
  QTemporaryDir folder;
  for (const char* name : names) {
    SCOPED_TRACE(name);
    Cast(SampleBirth());
    BirthDetails birth = modFengShuiFourPillar::BirthDetails;
    birth.Name = name;
    auto& details = FormInstance<frmChartDetails>::Get();
    ASSERT_TRUE(details.ShowChart(birth, std::nullopt, modFengShuiFourPillar::ShownChart, analysis::TodayOn(2026, 12, 9)));
    details.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&details));
    const auto* value = details.findChild<QLabel*>(QStringLiteral("lblHeaderValue(0)"));
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->text(), QString::fromUtf8(name));
    const QRect lines = value->fontMetrics().boundingRect(QRect(0, 0, value->width(), 10000), Qt::TextWrapAnywhere,
                                                          value->text());
    EXPECT_GE(value->height(), lines.height());
    const QRect shown(value->mapTo(details.fraSheet, QPoint()), value->size());
    EXPECT_TRUE(details.fraSheet->rect().contains(shown));
    EXPECT_LE(shown.bottom(), details.lblPillarHeading[0]->mapTo(details.fraSheet, QPoint()).y());

    if (testing::HavePdfToText()) {
      const QString pdf = folder.filePath(QStringLiteral("details.pdf"));
      ASSERT_TRUE(SaveAsPdf(details.SheetPages(), pdf).isEmpty());
      // Read as a person reads it: the lines joined again, a ligature as its letters.
      const QString text = testing::PdfText(pdf).normalized(QString::NormalizationForm_KC).remove(QLatin1Char(' '));
      EXPECT_TRUE(text.contains(QString::fromUtf8(name).remove(QLatin1Char(' ')))) << text.left(200).toStdString();
    }
    DeleteDetails();
  }
}

TEST_F(ChartDetails, SaveAsPdfWritesTheWholeSheetOnOneA4PageWithTheChineseFontInIt) {
  if (!testing::HavePdfToText()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  QTemporaryDir folder;
  testing::MessageAnswerer messages;
  testing::SaveDialogAnswer dialog(folder.path(), QStringLiteral("details"));
  ShowSample(2026, 12, 9).cmdSavePdf->click();

  ASSERT_EQ(dialog.seen(), 1);
  EXPECT_EQ(dialog.look.nameFilters, QStringList{"PDF Document (*.pdf)"});
  EXPECT_TRUE(messages.shown.empty());
  const QString pdf = folder.filePath(QStringLiteral("details.pdf"));
  const QString info = testing::PdfToolOutput(QStringLiteral("pdfinfo"), pdf);
  EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +1\n")))) << info.toStdString();
  EXPECT_TRUE(info.contains(QStringLiteral("842 x 595 pts (A4)"))) << info.toStdString();
  EXPECT_TRUE(testing::PdfToolOutput(QStringLiteral("pdffonts"), pdf).contains(QStringLiteral("WenQuanYiMicroHei")));
  const QString text = testing::PdfText(pdf);
  for (const char* shown : {"Name Test", "日主", "甲", "戌", "海中金", "Gold in the Sea", "1992–2001", "2062–2071",
                            "2031", "luck period 4, 2022–2031"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << "\n" << text.toStdString();
}

// The reading of the sample chart under its pillars, worked by hand: 甲 day
// stars, the 甲己 and 寅巳 interactions, the day's 戌 void in the year's decade,
// and the months of a year chosen by the keyboard with their days on demand,
// which take the PDF's second page.
TEST_F(ChartDetails, ShowsStarsInteractionsVoidPalacesAndTheMonthsAndDaysOnDemand) {
  frmChartDetails& details = ShowSample(2026, 12, 9);
  EXPECT_EQ(PlainText(*details.lblStars[0]).toStdString(), "太极贵人 Supreme Noble");
  EXPECT_TRUE(PlainText(*details.lblStars[1]).startsWith(QStringLiteral("禄神 Prosperity Star")));
  EXPECT_EQ(PlainText(*details.lblVoid[2]).toStdString(), "空亡 of the year");
  EXPECT_EQ(PlainText(*details.lblVoid[0]).toStdString(), "–");
  EXPECT_EQ(PlainText(*details.lblSelfStage[3]).toStdString(), "帝旺\nPeak");
  const QString interactions = PlainText(*details.lblInteractions);
  for (const char* shown : {"甲己合 Jia Ji Combination (Earth): Year, Hour", "寅戌拱合 Yin Xu Arched Harmony (Fire): Month, Day",
                            "寅巳刑 Yin Si Punishment: Month, Hour"})
    EXPECT_TRUE(interactions.contains(QString::fromUtf8(shown))) << shown << "\n" << interactions.toStdString();
  EXPECT_TRUE(PlainText(*details.lblPalaces).contains(QStringLiteral("命宫 Life palace 甲戌")));
  // Today's luck period 庚午 with the chart: its 午 completes 寅午戌 with the month and the day.
  EXPECT_EQ(PlainText(*details.lblLuckReading).toStdString(),
            "大运 Luck period 4 庚午: stars 太极贵人 Supreme Noble, 将星 General Star; with the chart "
            "甲庚冲 Jia Geng Clash (Year), 甲庚冲 Jia Geng Clash (Day), 寅午戌三合 Yin Wu Xu Three Harmony (Month, Day), "
            "子午冲 Zi Wu Clash (Year)");
  // Today's year 丙午 is chosen with it; Tab reaches the years and the arrow keys choose another.
  EXPECT_TRUE(details.picAnnualPillar[4]->isChecked());
  EXPECT_EQ(PlainText(*details.lblAnnualReading).toStdString(),
            "流年 2026 丙午: stars 太极贵人 Supreme Noble, 将星 General Star, 月德贵人 Monthly Virtue; with the chart "
            "寅午戌三合 Yin Wu Xu Three Harmony (Month, Day), 子午冲 Zi Wu Clash (Year)");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), details.picAnnualPillar[4]);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
  EXPECT_TRUE(details.picAnnualPillar[5]->isChecked());
  EXPECT_TRUE(PlainText(*details.lblAnnualReading).startsWith(QStringLiteral("流年 2027 丁未: stars")));

  EXPECT_EQ(details.spnMonthsYear->value(), 2026);
  EXPECT_TRUE(PlainText(*details.lblMonthTable).contains(QStringLiteral("庚寅")));
  details.spnMonthsYear->setFocus();
  QTest::keyClick(details.spnMonthsYear, Qt::Key_Up);
  EXPECT_TRUE(details.lblMonths->text().contains(QStringLiteral("2027")));
  EXPECT_TRUE(PlainText(*details.lblMonthTable).contains(QStringLiteral("壬寅")));  // 2027 is a 丁未 year
  EXPECT_FALSE(details.lblDays->isVisible());
  details.cboMonth->setCurrentIndex(10);  // Greater Snow, 7 December 2027
  details.cmdShowDays->setFocus();
  QTest::keyClick(details.cmdShowDays, Qt::Key_Space);
  ASSERT_TRUE(details.lblDays->isVisible());
  EXPECT_TRUE(PlainText(*details.lblDays).contains(QStringLiteral("Days of 2027-12")));
  EXPECT_EQ(PlainText(*details.lblDays).count(QStringLiteral("today")), 1);  // the caption's only
  QTest::keyClick(details.spnMonthsYear, Qt::Key_Down);
  EXPECT_TRUE(PlainText(*details.lblDays).contains(QStringLiteral("9 丁巳 today")));

  if (testing::HavePdfToText()) {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("details.pdf"));
    ASSERT_TRUE(SaveAsPdf(details.SheetPages(), pdf).isEmpty());
    const QString info = testing::PdfToolOutput(QStringLiteral("pdfinfo"), pdf);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages: +2\n")))) << info.toStdString();
    EXPECT_TRUE(testing::PdfText(pdf).contains(QStringLiteral("太极贵人")));
  }
}

}  // namespace
}  // namespace tavrin
