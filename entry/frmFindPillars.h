#pragma once

#include <QDialog>

#include <vector>

#include "calendar/pillar_search.h"

class QComboBox;
class QDoubleSpinBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class frmMain;

// File, Find Birth Dates from Pillars... on the entry form: four pickers that
// offer only pillars that can stand together (the month's stem follows the
// year's, the hour's the day's), the zone (hours east, or a tz database name
// whose clocks' changes the spans follow) and the day's start, and the spans
// of clock time 1600-2199 whose precise chart has them. Activating a span
// (double-click or Enter) fills the entry form with its first second, its
// offset, the standard meridian under summer time and the precise method,
// and closes the window.
class frmFindPillars : public QDialog {
  Q_OBJECT
 public:
  explicit frmFindPillars(frmMain& form);

  QComboBox* cboYearPillar;
  QComboBox* cboMonthPillar;
  QComboBox* cboDayPillar;
  QComboBox* cboHourPillar;  // first entry: no hour
  QDoubleSpinBox* spnZone;   // hours east
  QLineEdit* txtZoneName;    // a tz database zone instead, when not empty
  QComboBox* cboDayStarts;
  QPushButton* cmdFind;
  QListWidget* lstSpans;

  // The pillars the pickers show, and the day's start chosen.
  tavrin::calendar::PillarQuery Query() const;
  tavrin::DayStarts DayStarts() const;

 private:
  void ShowMonths();
  void ShowHours();
  void cmdFind_Click();
  void lstSpans_Activated();

  frmMain& form_;
  std::vector<tavrin::calendar::ClockSpan> spans_;
};
