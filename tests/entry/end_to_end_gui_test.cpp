// Whole journeys through the real windows: the entry form, the zone picker,
// the chart window, the report window and back again.
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include "chart/frmSave.h"
#include "engine/chart.h"
#include "engine/chart_texts.h"
#include "entry/click_label.h"
#include "entry/frmTimeZone.h"
#include "tests/entry/open_reading_fixture.h"

namespace entry_test {
namespace {

// Everything the chart window shows, in one comparable list.
std::vector<QString> Shown(const frmFengShuiFourPillar& chart) {
  std::vector<QString> texts;
  for (const auto* column : {&chart.lblYear, &chart.lblMonth, &chart.lblDay, &chart.lblHour})
    for (QLabel* cell : *column) texts.push_back(cell->text());
  for (QLabel* caption : chart.lblLuckPeriods) texts.push_back(caption->text());
  for (QPlainTextEdit* box : {chart.txtYear, chart.txtMonth, chart.txtDay, chart.txtHour})
    texts.push_back(box->toPlainText());
  return texts;
}

// The same list computed by the engine alone.
std::vector<QString> Expected(const tavrin::BirthDetails& birth, const tavrin::CastOptions& options = {}) {
  tavrin::Chart chart;
  EXPECT_EQ(tavrin::ComputeChart(birth, options, chart), tavrin::CastError::none);
  std::vector<QString> texts;
  const tavrin::PillarCells cells = tavrin::PillarCellsOf(chart);
  for (int slot = 0; slot < 20; ++slot) texts.push_back(QString::fromUtf8(cells[slot]));
  for (const std::string& caption : tavrin::LuckCaptionsOf(chart, QLocale().decimalPoint().toStdString()))
    texts.push_back(QString::fromStdString(caption));
  for (int block = 0; block < 4; ++block)
    texts.push_back(QString::fromStdString(tavrin::InterpretationOf(chart.pillars[block], static_cast<tavrin::PillarBlock>(block)))
                        .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  return texts;
}

class EndToEndTest : public OpenReadingTest {
 protected:
  void TearDown() override {
    delete FormInstance<frmSave>::Existing();
    OpenReadingTest::TearDown();
  }

  // Opens the picker from the form and double-clicks the row showing `zone`.
  void PickZone(const QString& zone) {
    WhenModal<frmTimeZone> onPicker([&](frmTimeZone& picker) {
      const auto rows = picker.lstTimeZone->findItems(zone, Qt::MatchExactly);
      ASSERT_EQ(rows.size(), 1) << zone.toStdString();
      picker.lstTimeZone->scrollToItem(rows[0]);
      const QPoint spot = picker.lstTimeZone->visualItemRect(rows[0]).center();
      QTest::mouseClick(picker.lstTimeZone->viewport(), Qt::LeftButton, {}, spot);
      QTest::mouseDClick(picker.lstTimeZone->viewport(), Qt::LeftButton, {}, spot);
      if (picker.isVisible()) {
        ADD_FAILURE() << "the double-click did not close the picker";
        picker.reject();
      }
    });
    QTest::mouseClick(form().lblTimeZone, Qt::LeftButton);
    ASSERT_EQ(onPicker.seen(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // On the chart window: Save, then the report window's Save into `path`.
  static void SaveReading(frmFengShuiFourPillar& chart, const QString& path) {
    WhenModal<frmSave> onReport([&](frmSave& report) {
      WhenModal<QFileDialog> onDialog([&](QFileDialog& dialog) {
        dialog.selectFile(path);
        static_cast<QDialog&>(dialog).accept();  // as the Save button does
      });
      QTest::mouseClick(report.cmdSave, Qt::LeftButton);
      EXPECT_EQ(onDialog.seen(), 1);
      report.close();
    });
    QTest::mouseClick(chart.cmdSave, Qt::LeftButton);
    ASSERT_EQ(onReport.seen(), 1);
  }
};

TEST_F(EndToEndTest, AZonePickedInThePickerGivesTheEnginesChartForThatZone) {
  PickZone(QStringLiteral("Indian Time, IST, -5.3"));
  Fill({.name = "Asha", .month = "August", .day = 15, .year = 1947, .hour = 0, .minute = 10});
  ASSERT_TRUE(Analyze().empty());

  tavrin::BirthDetails birth = modFengShuiFourPillar::BirthDetails;
  EXPECT_EQ(birth.ZoneOffset, "5.5");
  EXPECT_DOUBLE_EQ(birth.Longitude, 82.5);
  frmFengShuiFourPillar* chart = FormInstance<frmFengShuiFourPillar>::Existing();
  ASSERT_NE(chart, nullptr);
  EXPECT_TRUE(chart->isVisible());
  EXPECT_EQ(Shown(*chart), Expected(birth));
  // A zone left at Greenwich would give another day: 00:10 in India is the
  // previous evening in Greenwich.
  birth.ZoneOffset = "0";
  birth.Longitude = 0;
  EXPECT_NE(Shown(*chart), Expected(birth));
}

TEST_F(EndToEndTest, ASavedReadingReopensFromAFreshFormToTheSameChartZoneIncluded) {
  struct Case {
    const char* what;
    const char* zone;
    const char* longitude;
    const char* file;
    tavrin::CastOptions options;
  };
  const Case cases[] = {
      {"zone meridian", "China Coast Time,CCT,-8.0", "", "meridian.baz", {}},
      {"typed longitude, half-hour zone west", "Newfoundland Standard Time,NST,3.30", "52.7 W", "typed.baz", {}},
      {"precise, true solar time, day from 23:00", "China Coast Time,CCT,-8.0", "", "precise.baz",
       {tavrin::Method::precise, tavrin::SolarTime::trueSun, tavrin::DayStarts::at23}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FreshForm();
    PickZone(QString::fromUtf8(c.zone));
    Fill({.name = "Mei Lin", .month = "February", .day = 10, .year = 1984, .hour = 10, .minute = 30, .second = 59,
          .female = true, .longitude = c.longitude});
    form().ShowOptions(c.options);
    ASSERT_TRUE(Analyze().empty());
    const tavrin::BirthDetails saved = modFengShuiFourPillar::BirthDetails;
    frmFengShuiFourPillar* chart = FormInstance<frmFengShuiFourPillar>::Existing();
    ASSERT_NE(chart, nullptr);
    const std::vector<QString> before = Shown(*chart);
    EXPECT_EQ(before, Expected(saved, c.options));
    const QString path = PathOf(c.file);
    SaveReading(*chart, path);
    ASSERT_TRUE(QFile::exists(path));

    QTest::mouseClick(chart->cmdBack, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(FormInstance<frmFengShuiFourPillar>::Existing(), nullptr);
    frmMain* fresh = FormInstance<frmMain>::Existing();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->lblZoneHour->text(), "0");  // a fresh form starts from Greenwich

    modFengShuiFourPillar::BirthDetails = Sentinel();
    AdoptForm(*fresh);
    ASSERT_TRUE(Open(path).empty());
    ExpectChartShown();
    EXPECT_EQ(Fields(modFengShuiFourPillar::BirthDetails), Fields(saved));
    EXPECT_EQ(modFengShuiFourPillar::Birth.options, c.options);
    EXPECT_EQ(Shown(*FormInstance<frmFengShuiFourPillar>::Existing()), before);
  }
}

}  // namespace
}  // namespace entry_test
