#include "chart/cast_chart.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>

#include "tests/chart/chart_window_fixture.h"

namespace tavrin {
namespace {

using testing::Birth;
using testing::SampleBirth;
using CastChartTest = testing::ChartWindowTest;

constexpr char kJia[] = "It is like a tree which is upward growing and is tall, sturdy and stubborn by natures.";
constexpr char kGui[] = "Contrarily, Yin water is the lake water which is deep yet calm with strong undercurrents.";

std::string Caption(const QLabel* label) { return label->text().toStdString(); }

TEST_F(CastChartTest, SampleChartFillsTheCellLabelsAndPillarCellsAlike) {
  modFengShuiFourPillar::PillarCells[20].clear();
  frmFengShuiFourPillar& window = Cast(SampleBirth());
  EXPECT_FALSE(window.isVisible()) << "the entry form shows the window, not CastChart";
  const std::array<const std::array<QLabel*, 5>*, 4> blocks = {&window.lblYear, &window.lblMonth, &window.lblDay,
                                                               &window.lblHour};
  std::vector<std::string> labels;
  for (int slot = 0; slot < 20; ++slot) {
    labels.push_back(Caption((*blocks[slot / 5])[slot % 5]));
    EXPECT_EQ(modFengShuiFourPillar::PillarCells[slot], labels.back()) << "slot " << slot;
  }
  EXPECT_EQ(modFengShuiFourPillar::PillarCells[20], "");
  const std::vector<std::string> year = {"+Wood [Jia]", "Rat [Zi]", "-Water [Gui]", "", ""};
  const std::vector<std::string> month = {"+Fire [Bing]", "Tiger [Yin]", "+Wood [Jia]", "+Fire [Bing]", "+Earth [Wu]"};
  const std::vector<std::string> hour = {"-Earth [Ji]", "Snake [Si]", "+Fire [Bing]", "+Earth [Wu]", "+Metal [Geng]"};
  EXPECT_EQ(std::vector(labels.begin(), labels.begin() + 5), year);
  EXPECT_EQ(std::vector(labels.begin() + 5, labels.begin() + 10), month);
  EXPECT_EQ(std::vector(labels.begin() + 15, labels.end()), hour);
}

TEST_F(CastChartTest, LuckCaptionsPutTheFirstPeriodInSlotSevenAndTheEighthInSlotZero) {
  struct Case {
    const char* name;
    BirthDetails birth;
    std::vector<std::pair<int, const char*>> captions;
  };
  const Case cases[] = {
      {"1984 man, forward from 8.17",
       SampleBirth(),
       {{7, "8.17"}, {15, "-Fire [Ding]"}, {23, "Rabbit [Mao]"}, {0, "78.17"}, {6, "18.17"}}},
      {"2000 man, backward from 8.46",
       Birth(2000, 1, 1, 12, 0, "0", 0, 1),
       {{7, "8.46"}, {15, "-Wood [Yi]"}, {23, "Pig [Hai]"}, {0, "78.46"}, {8, "+Earth [Wu]"}, {16, "Dragon [Chen]"}}},
  };
  for (const Case& c : cases) {
    DeleteMainWindows();
    frmFengShuiFourPillar& window = Cast(c.birth);
    for (const auto& [index, text] : c.captions) {
      EXPECT_EQ(Caption(window.lblLuckPeriods[index]), text) << c.name << ", lblLuckPeriods(" << index << ")";
    }
  }
}

TEST_F(CastChartTest, AgesUseTheUsersDecimalSeparator) {
  const QLocale saved;
  QLocale::setDefault(QLocale(QLocale::German));
  frmFengShuiFourPillar& window = Cast(SampleBirth());
  QLocale::setDefault(saved);
  EXPECT_EQ(Caption(window.lblLuckPeriods[7]), "8,17");
  EXPECT_EQ(Caption(window.lblLuckPeriods[0]), "78,17");
}

TEST_F(CastChartTest, EachInterpretationBoxReceivesItsOwnPillar) {
  frmFengShuiFourPillar& window = Cast(SampleBirth());
  EXPECT_EQ(window.txtYear->toPlainText().toStdString(),
            std::string("+Wood [Jia]\n") + kJia + "\n-Water [Gui]\n" + kGui + "\n");
  const std::array<QPlainTextEdit*, 4> boxes = {window.txtYear, window.txtMonth, window.txtDay, window.txtHour};
  for (int block = 0; block < 4; ++block) {
    const QString stem = QString::fromStdString(modFengShuiFourPillar::PillarCells[block * 5]);
    EXPECT_TRUE(boxes[block]->toPlainText().startsWith(stem + "\n")) << boxes[block]->objectName().toStdString();
  }
  EXPECT_TRUE(window.txtHour->toPlainText().contains(".\n\n+Fire [Bing]\n")) << "an empty line after each";
}

TEST_F(CastChartTest, ACastErrorLeavesTheWindowCreatedButUnwritten) {
  modFengShuiFourPillar::PillarCells[0] = "kept";
  BirthDetails birth = SampleBirth();
  birth.ZoneOffset = "x";
  frmFengShuiFourPillar& window = Cast(birth, CastError::zoneOffsetNotANumber);
  EXPECT_EQ(modFengShuiFourPillar::PillarCells[0], "kept");
  for (const auto* cells : {&window.lblYear, &window.lblMonth, &window.lblDay, &window.lblHour}) {
    for (const QLabel* cell : *cells) EXPECT_EQ(Caption(cell), "") << cell->objectName().toStdString();
  }
  for (const QLabel* luck : window.lblLuckPeriods) EXPECT_EQ(Caption(luck), "") << luck->objectName().toStdString();
  for (const QPlainTextEdit* box : {window.txtYear, window.txtMonth, window.txtDay, window.txtHour}) {
    EXPECT_TRUE(box->toPlainText().isEmpty()) << box->objectName().toStdString();
  }
}

}  // namespace
}  // namespace tavrin
