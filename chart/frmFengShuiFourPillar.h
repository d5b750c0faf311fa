#pragma once

#include <array>

#include "shell/main_form.h"

class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTabBar;

namespace tavrin {
class ClipboardGuard;
class LinkLabel;
struct Chart;
}

// The chart window: the four pillars, their interpretations and the luck
// periods of one chart on a five-page tab strip. It computes nothing; CastChart
// hands it the computed chart to show.
class frmFengShuiFourPillar : public tavrin::MainForm {
  Q_OBJECT
 public:
  explicit frmFengShuiFourPillar(QWidget* parent = nullptr);

  QLabel* Label1;
  QTabBar* TS;
  // Page k belongs to tab k + 1; the last one shows the luck periods.
  std::array<QFrame*, 5> fraSubject;
  // Explanation paragraphs: hour page 0, day 1, month 2, year 3.
  std::array<QLabel*, 4> lblCaption;
  // The pillar cells, top to bottom: stem, branch, hidden stems 1 to 3.
  std::array<QLabel*, 5> lblYear, lblMonth, lblDay, lblHour;
  std::array<QLabel*, 4> lblLabel;
  QPlainTextEdit* txtYear;
  QPlainTextEdit* txtMonth;
  QPlainTextEdit* txtDay;
  QPlainTextEdit* txtHour;
  // Ages 0..7, stems 8..15, branches 16..23; slot c shows luck period 8 - c.
  std::array<QLabel*, 24> lblLuckPeriods;
  QPushButton* cmdSave;
  QPushButton* cmdBack;
  QMenu* mnuFile;
  QAction* mnuDetails;
  QAction* mnuBack;
  QAction* mnuSep;
  QAction* mnuExit;
  tavrin::LinkLabel* Label14;
  tavrin::LinkLabel* Label3;
  QGroupBox* fraFullBrand;
  tavrin::LinkLabel* lblCobrand;
  tavrin::LinkLabel* lblFullBrand;

  // Writes `chart` into the controls: the pillar cells into lblYear to
  // lblHour, the luck captions into lblLuckPeriods, and each pillar's
  // interpretation appended to its box (a freshly loaded window's are empty).
  void ShowChart(const tavrin::Chart& chart);

  void TS_Click();
  void cmdSave_Click();
  void cmdBack_Click();
  void mnuDetails_Click();
  void mnuBack_Click();
  void mnuExit_Click();

 private:
  void BuildMenu();
  void BuildTabStrip(QWidget& client);
  QFrame* BuildPillarPage(QWidget& tabArea, int page, std::array<QLabel*, 5>& cells, QPlainTextEdit*& box);
  QFrame* BuildLuckPage(QWidget& tabArea);
  void BuildButtons(QWidget& client);
  void BuildLinks(QWidget& client);
  void SelectNextTab(int step);
  void BringToFront(QFrame& page);

  // Empty the clipboard on each event of their box, while it holds our copy.
  tavrin::ClipboardGuard* txtYearGuard;
  tavrin::ClipboardGuard* txtMonthGuard;
  tavrin::ClipboardGuard* txtDayGuard;
  tavrin::ClipboardGuard* txtHourGuard;
};
