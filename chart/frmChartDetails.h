#pragma once

#include <array>
#include <optional>
#include <vector>

#include <QAbstractButton>
#include <QDialog>

#include "analysis/chart_analysis.h"
#include "chart/reading_printer.h"

class QButtonGroup;
class QComboBox;
class QGridLayout;
class QLabel;
class QPushButton;
class QScrollArea;
class QSpinBox;
class QVBoxLayout;

namespace tavrin {

struct BirthDetails;
struct Chart;

// One line of the sheet's heading: a caption and its value.
struct HeaderRow {
  QString caption;
  QString value;
};

// The lines that head the chart details, in order: who and when the chart is
// of, and where when a birth place was chosen. The heading lays out whatever
// rows this gives.
std::vector<HeaderRow> DetailsHeaderRows(const BirthDetails& birth, std::optional<double> typedLongitude,
                                         const QString& place = {});

// A stem over a branch as one column: two small lines, the two characters
// large, their pinyin. Checkable in a group, where the arrow keys move the
// choice; `current` marks the one today falls in.
class PairColumn : public QAbstractButton {
  Q_OBJECT
 public:
  struct Content {
    QString above;
    QString below;
    int stem = 0;
    int branch = 0;
    bool current = false;
  };
  explicit PairColumn(QWidget* parent = nullptr);
  void SetContent(const Content& content);
  const Content& content() const { return content_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;

 private:
  Content content_;
};

// The five element counts as pairs of bars: over the eight characters, and
// with the hidden stems added.
class ElementBars : public QWidget {
  Q_OBJECT
 public:
  explicit ElementBars(QWidget* parent = nullptr);
  void SetCounts(const analysis::ElementCounts& counts);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  analysis::ElementCounts counts_;
};

}  // namespace tavrin

// The chart details: the chart on screen as a practitioner reads it, with its
// characters, ten gods, na yin, life stages, element counts, luck periods
// and the annual pillars of one luck period, the chosen period and year read
// against the chart; its stars, interactions, void and palaces; the months
// of a chosen year and, on demand, the days of a chosen month. Saved as a PDF or printed on one A4 page, or two when the
// days are shown (the second for the months and days). The sheet keeps its
// own size and scrolls in a window that opens no larger than the screen; the
// buttons and the choices of year and month stay below it.
class frmChartDetails : public QDialog {
  Q_OBJECT
 public:
  explicit frmChartDetails(QWidget* parent = nullptr);

  // The sheet that Save as PDF and Print draw: everything but the buttons.
  QWidget* fraSheet;
  // Scrolls the sheet where the window is smaller than it.
  QScrollArea* fraSheetView;
  QLabel* lblTitle;
  QWidget* fraHeader;
  // Captions of the pillar rows: ten god, stem, branch, hidden stems, na yin,
  // life stage, self stage, stars, void.
  std::array<QLabel*, 9> lblRowCaption;
  // Indexed year, month, day, hour, as everywhere; drawn hour first, on the left.
  std::array<QLabel*, 4> lblPillarHeading, lblTenGod, lblStem, lblBranch, lblHidden, lblNaYin, lblLifeStage;
  std::array<QLabel*, 4> lblSelfStage, lblStars, lblVoid;
  // The interactions between the pillars; the palaces, the void and the strength evidence.
  QLabel* lblInteractions;
  QLabel* lblPalaces;
  QLabel* lblElements;
  tavrin::ElementBars* picElements;
  QLabel* lblLuckPeriods;
  // The first period first; drawn from the right, as the pillars run.
  std::array<tavrin::PairColumn*, 8> cmdLuckPeriod;
  QLabel* lblAnnualPillars;
  // The chosen luck period's, annual pillar's and month's stars and interactions with the chart.
  QLabel* lblLuckReading;
  QLabel* lblAnnualReading;
  QLabel* lblMonthReading;
  // The years of the chosen luck period, the first first, drawn from the right;
  // one is chosen as a luck period is.
  std::array<tavrin::PairColumn*, 10> picAnnualPillar;
  // The months of the chosen year, and the days of the chosen month when shown.
  QWidget* fraMonths;
  QLabel* lblMonths;
  QLabel* lblMonthTable;
  QLabel* lblDays;
  QSpinBox* spnMonthsYear;
  QComboBox* cboMonth;
  QPushButton* cmdShowDays;
  QPushButton* cmdSavePdf;
  QPushButton* cmdPrint;
  QPushButton* cmdClose;

  // Shows the chart as read on `today`, with the luck period today falls in
  // chosen (or the nearest one). A chart that cannot be read leaves the
  // window as it was and returns false.
  bool ShowChart(const tavrin::BirthDetails& birth, std::optional<double> typedLongitude, const tavrin::Chart& chart,
                 const tavrin::analysis::Today& today, const QString& place = {});

  // The sheet laid out on one A4 page, landscape.
  tavrin::PdfPages SheetPages() const;

  void cmdLuckPeriod_Click(int period);
  void picAnnualPillar_Click(int index);
  void spnMonthsYear_Change();
  void cboMonth_Change();
  void cmdShowDays_Click();
  void cmdSavePdf_Click();
  void cmdPrint_Click();
  void cmdClose_Click();

 protected:
  // Opens at the size of the sheet and its buttons, bounded by the screen.
  void showEvent(QShowEvent* event) override;

 private:
  // The constructor's steps, in the order the window is built.
  void SetUpWindow();
  QVBoxLayout& BuildSheet();
  void BuildTitle(QVBoxLayout& sheet);
  void BuildHeader(QVBoxLayout& sheet);
  void BuildPillarsAndElements(QVBoxLayout& sheet);
  void BuildPillars(QGridLayout& grid);
  void BuildLuckPeriods(QVBoxLayout& sheet);
  void BuildAnnualPillars(QVBoxLayout& sheet);
  void BuildReading(QVBoxLayout& sheet);
  void BuildMonths(QVBoxLayout& sheet);
  void ShowReading();
  void ShowDays();
  void BuildSheetView();
  void BuildButtons();
  void FitToScreen();
  void ShowHeader(const std::vector<tavrin::HeaderRow>& rows);
  void ShowPillar(int block);

  QButtonGroup* luckGroup_;
  QButtonGroup* annualGroup_;
  QGridLayout* headerGrid_;
  bool fitted_ = false;
  tavrin::analysis::ChartAnalysis analysis_;
  tavrin::Birth birth_{};
};
