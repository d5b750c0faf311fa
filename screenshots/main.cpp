// Renders the README's screenshots of the sample chart (10 February 1984,
// 10:30, China Coast Time, 116 E, a man): the entry form, the time-zone
// picker, the five pages of the chart window, the report window, the chart
// details and the About box, then the entry form with the precise method
// chosen, the warning of a birth near Spring Beginning and its chart details,
// each a PNG file in the folder named on the command line; before them, the
// entry form with the list of places that "Springf" finds, and with 上海
// chosen (1 July 1988, 12:00); and the chart details as the PDF that Save as
// PDF writes (chart-details.pdf), which scripts/screenshots turns into a PNG;
// last, the finder of birth dates from the pillars.
#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QLineEdit>
#include <QListWidget>
#include <QTabBar>
#include <QTimer>

#include <array>
#include <cstdio>
#include <functional>

#include "chart/frmChartDetails.h"
#include "chart/frmFengShuiFourPillar.h"
#include "chart/reading_printer.h"
#include "entry/frmFindPillars.h"
#include "entry/frmMain.h"
#include "entry/frmTimeZone.h"
#include "entry/place_box.h"
#include "shell/form_instance.h"

namespace {

using tavrin::FormInstance;

QDir output;
bool allSaved = true;

void Save(QWidget& window, const char* name) {
  QCoreApplication::processEvents();  // finish pending layout before rendering
  const QString path = output.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
  const bool saved = window.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  allSaved = allSaved && saved;
}

// Acts on the next modal window, once the call that shows it has opened it.
void WhenModal(std::function<void(QWidget&)> act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, act = std::move(act)] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      poll->deleteLater();
      poll->stop();
      act(*modal);
    }
  });
  poll->start(10);
}

void Choose(QComboBox& list, const char* entry) { list.setCurrentIndex(list.findText(QString::fromLatin1(entry))); }

void FillSamplePerson(frmMain& entry) {
  entry.txtName->setText(QStringLiteral("Sample Person"));
  Choose(*entry.cboMonth, "February");
  Choose(*entry.cboDate, "10");
  Choose(*entry.cboYear, "1984");
  Choose(*entry.cboHH, "10");
  Choose(*entry.cboMM, "30");
  entry.txtLongitude->setText(QStringLiteral("116 E"));
}

// Picks China Coast Time in the picker, as a double-click on its row does.
void PickChinaCoastTime(QWidget& window) {
  auto& picker = static_cast<frmTimeZone&>(window);
  const QList<QListWidgetItem*> rows =
      picker.lstTimeZone->findItems(QStringLiteral("China Coast Time,CCT,-8.0"), Qt::MatchExactly);
  if (!rows.isEmpty()) {
    picker.lstTimeZone->setCurrentItem(rows.first());
    picker.lstTimeZone->scrollToItem(rows.first(), QAbstractItemView::PositionAtCenter);
  }
  Save(picker, "time-zone-picker");
  picker.lstTimeZone_DblClick();
}

// The screen round the window, with the list dropped down below and beside it.
void SaveScreenAround(QWidget& window, QSize extra, const char* name) {
  QCoreApplication::processEvents();
  const QRect frame = window.frameGeometry();
  const QPixmap shot = window.screen()->grabWindow(0, frame.x(), frame.y(), frame.width() + extra.width(),
                                                   frame.height() + extra.height());
  const QString path = output.filePath(QString::fromLatin1(name) + QStringLiteral(".png"));
  const bool saved = shot.save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  allSaved = allSaved && saved;
}

// Shows the list "Springf" drops down, then types 上海 as an input method
// commits it and chooses the first city of the list.
void ChooseShanghai(frmMain& entry) {
  Choose(*entry.cboMonth, "July");
  Choose(*entry.cboDate, "1");
  Choose(*entry.cboYear, "1988");
  Choose(*entry.cboHH, "12");
  Choose(*entry.cboMM, "0");
  entry.activateWindow();
  entry.txtPlace->setFocus();
  QTest::keyClicks(entry.txtPlace, "Springf");
  QTest::qWait(200);
  SaveScreenAround(entry, QSize(200, 0), "entry-form-place-list");
  entry.txtPlace->selectAll();
  QTest::keyClick(entry.txtPlace, Qt::Key_Backspace);
  QInputMethodEvent typed;
  typed.setCommitString(QStringLiteral("\u4E0A\u6D77"));
  QApplication::sendEvent(entry.txtPlace, &typed);
  if (QWidget* list = QApplication::activePopupWidget()) {
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
  }
  Save(entry, "entry-form-place");
  // Given up again, for the sample person.
  entry.txtPlace->selectAll();
  QTest::keyClick(entry.txtPlace, Qt::Key_Backspace);
}

void SaveAndClose(QWidget& window, const char* name) {
  Save(window, name);
  window.close();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  output = QDir(QString::fromLocal8Bit(argv[1]));
  output.mkpath(QStringLiteral("."));

  ShowEntryForm(tavrin::FrontFrameLabel::Cobrand);
  frmMain& entry = FormInstance<frmMain>::Get();
  entry.txtName->setText(QStringLiteral("Sample Person"));
  if (!QTest::qWaitForWindowExposed(&entry)) std::fprintf(stderr, "the entry form was not shown\n");
  ChooseShanghai(entry);
  FillSamplePerson(entry);
  WhenModal(PickChinaCoastTime);
  entry.lblTimeZone_Click();
  Save(entry, "entry-form");

  entry.cmdCalculation_Click();
  frmFengShuiFourPillar& chart = FormInstance<frmFengShuiFourPillar>::Get();
  constexpr std::array<const char*, 5> kPages = {"chart-year", "chart-month", "chart-day", "chart-hour", "chart-luck"};
  for (int tab = 0; tab < 5; ++tab) {
    chart.TS->setCurrentIndex(tab);
    Save(chart, kPages[tab]);
  }
  chart.TS->setCurrentIndex(0);

  WhenModal([](QWidget& report) { SaveAndClose(report, "report"); });
  chart.cmdSave_Click();
  WhenModal([](QWidget& window) {
    auto& details = static_cast<frmChartDetails&>(window);
    Save(details, "chart-details");
    const QString pdf = output.filePath(QStringLiteral("chart-details.pdf"));
    const QString failure = tavrin::SaveAsPdf(details.SheetPages(), pdf);
    std::printf("%s %s %s\n", failure.isEmpty() ? "wrote" : "could not write", qPrintable(pdf), qPrintable(failure));
    allSaved = allSaved && failure.isEmpty();
    // The whole sheet with the days of the month of Greater Snow shown.
    details.cboMonth->setCurrentIndex(10);
    details.cmdShowDays->click();
    Save(*details.fraSheet, "chart-details-days");
    const QString daysPdf = output.filePath(QStringLiteral("chart-details-days.pdf"));
    const QString daysFailure = tavrin::SaveAsPdf(details.SheetPages(), daysPdf);
    std::printf("%s %s %s\n", daysFailure.isEmpty() ? "wrote" : "could not write", qPrintable(daysPdf),
                qPrintable(daysFailure));
    allSaved = allSaved && daysFailure.isEmpty();
    details.close();
  });
  chart.mnuDetails->trigger();
  WhenModal([](QWidget& about) { SaveAndClose(about, "about"); });
  chart.findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();

  // A precise chart five minutes before Spring Beginning, 4 February 2000 in
  // Beijing: the entry form with the choices, and the warning over the chart.
  chart.cmdBack_Click();
  frmMain& precise = FormInstance<frmMain>::Get();
  FillSamplePerson(precise);
  Choose(*precise.cboDate, "4");
  Choose(*precise.cboYear, "2000");
  Choose(*precise.cboHH, "20");
  Choose(*precise.cboMM, "35");
  precise.txtLongitude->clear();
  precise.ShowZone(QStringLiteral("-8"), QStringLiteral("0"));
  Choose(*precise.cboMethod, "Precise");
  precise.chkTrueSolarTime->setChecked(true);
  Save(precise, "entry-form-precise");
  // The same day entered in the lunar calendar.
  precise.ShowCalendar(true);
  Save(precise, "entry-form-lunar");
  precise.ShowCalendar(false);
  precise.cmdCalculation_Click();
  frmFengShuiFourPillar& preciseChart = FormInstance<frmFengShuiFourPillar>::Get();
  if (auto* warning = preciseChart.findChild<QWidget*>(QStringLiteral("msgBoundary"))) {
    Save(*warning, "boundary-warning");
    warning->close();
  } else {
    allSaved = false;
  }
  WhenModal([](QWidget& details) { SaveAndClose(details, "chart-details-precise"); });
  preciseChart.mnuDetails->trigger();

  // The finder of birth dates with the pillars of that chart's hour after the Jie.
  preciseChart.cmdBack_Click();
  frmMain& finderForm = FormInstance<frmMain>::Get();
  WhenModal([](QWidget& window) {
    auto& finder = static_cast<frmFindPillars&>(window);
    for (const auto& [list, pillar] : {std::pair{finder.cboYearPillar, "庚辰"}, std::pair{finder.cboMonthPillar, "戊寅"},
                                       std::pair{finder.cboDayPillar, "壬辰"}, std::pair{finder.cboHourPillar, "庚戌"}})
      list->setCurrentIndex(list->findText(QString::fromUtf8(pillar), Qt::MatchStartsWith));
    finder.cmdFind->click();
    SaveAndClose(finder, "find-pillars");
  });
  finderForm.mnuFindPillars->trigger();
  return allSaved ? 0 : 1;
}
