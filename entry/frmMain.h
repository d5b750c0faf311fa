#pragma once

#include <optional>
#include <string_view>

#include <QString>

#include "place/place_catalogue.h"
#include "place/place_choices.h"
#include "shell/frame_label_draw.h"
#include "shell/main_form.h"
#include "shell/session.h"

#include "engine/cast_options.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace tavrin {
class ClickLabel;
class LinkLabel;
class PlaceBox;
}

// The entry form: the person's name, date and time of birth, optional birth
// place, time zone, optional birth-place longitude and gender. A chosen birth
// place gives the longitude, and its zone's history the zone offset in force
// at the birth, until a zone is picked from the list. "Analyze My Ba Zi" checks them,
// stores them in the shared birth details, casts the chart and swaps this
// window for the chart window. "Open Previously Saved Reading" puts a saved
// reading back into the controls and then analyzes it the same way.
class frmMain : public tavrin::MainForm {
  Q_OBJECT
 public:
  explicit frmMain(QWidget* parent = nullptr);

  QLabel* lblDescription;
  QLabel* lblTitle;
  QPushButton* cmdOpen;
  QGroupBox* fraDetails;
  QLabel* lblFillUp;
  QLabel* lblEnterName;
  QLineEdit* txtName;
  QLabel* lblEnterDate;
  QComboBox* cboMonth;
  QComboBox* cboDate;
  QComboBox* cboYear;
  QLabel* lblEnterTime;
  QComboBox* cboHH;
  QComboBox* cboMM;
  QComboBox* cboSS;
  QLabel* lblTimeFormat;
  QLabel* lblEnterPlace;
  tavrin::PlaceBox* txtPlace;
  QLabel* lblEnterZone;
  QLabel* lblZoneHour;
  QLabel* lblZoneMinute;
  tavrin::ClickLabel* lblTimeZone;
  QLabel* lblZoneInForce;  // the birth place's zone and its state at the birth, in words
  QLabel* lblEnterLongitude;
  QLineEdit* txtLongitude;
  QLabel* lblLongitudeHint;
  QLabel* lblEnterGender;
  QRadioButton* optMale;
  QRadioButton* optFemale;
  QGroupBox* fraMethod;
  QComboBox* cboMethod;
  QCheckBox* chkTrueSolarTime;
  QComboBox* cboDayStarts;
  QLabel* lblMethodHint;
  QComboBox* cboCalendar;       // Gregorian, or the Chinese lunar calendar for the date lists
  QCheckBox* chkLeapMonth;      // the lunar month is the leap one; enabled where the year has it
  QLabel* lblGregorianDate;     // the Gregorian day a lunar date stands for
  QPushButton* cmdCalculation;
  QMenu* mnuFile;
  QAction* mnuFindPillars;
  QAction* mnuExit;
  tavrin::LinkLabel* Label14;
  QGroupBox* fraFullBrand;
  tavrin::LinkLabel* lblCobrand;
  tavrin::LinkLabel* lblFullBrand;

  // Shows a zone in the two zone captions: its whole hours west of Greenwich
  // and its minutes with the same sign, as plain decimal texts ("-5", "-30").
  // With a birth place chosen, this zone then stands instead of the place's.
  void ShowZone(const QString& hours, const QString& minutes);
  // Shows a saved zone offset, hours east, in the captions, rounded to the
  // minute; while they show it the chart is cast with it exactly as saved
  // (a local mean time keeps its seconds).
  void ShowSavedZone(double hoursEast);
  // Chooses a saved reading's birth place again, or none; the captions and
  // the longitude field keep what the reading gave them.
  void RestorePlace(const tavrin::place::PlaceChoices& choices);

  // How the chart is cast: the method, and with the precise one the solar
  // time and where the day begins (the two are greyed out for Classic).
  tavrin::CastOptions ChosenOptions() const;

  // Turns the date lists to the lunar calendar (or back), showing the same
  // day; a reading entered as a lunar date opens so.
  void ShowCalendar(bool lunar);
  // The Gregorian date the lists stand for, in either calendar.
  struct ChosenDay {
    int year, month, day;
  };
  ChosenDay GregorianChosen() const;
  // A birth moment found from the pillars: the Gregorian date and clock time,
  // the zone's offset, the longitude (the offset's meridian when none is
  // given) and the precise method.
  void ShowBirthMoment(ChosenDay day, int hour, int minute, int second, double zoneHoursEast,
                       tavrin::DayStarts dayStarts, std::optional<double> longitude = std::nullopt);
  void ShowOptions(const tavrin::CastOptions& options);

  void cboMethod_Change();
  void cboCalendar_Change();
  void mnuFindPillars_Click();
  void LunarDate_Change();
  void lblTimeZone_Click();
  void cmdOpen_Click();
  void cmdCalculation_Click();
  void mnuExit_Click();

 private:
  void Form_Load();
  QWidget& BuildWindow();
  void BuildMenu();
  void BuildHeading(QWidget& client);
  void BuildNameDateAndTime(QWidget& client);
  void BuildPlaceAndZone();
  void BuildLongitudeAndGender();
  void BuildMethodChoices(QWidget& client);
  void BuildAnalyzeButton(QWidget& client);
  void ConnectHandlers();
  void FollowDateAndTimeWithThePlacesZone();
  void FixClientSize(QWidget& client);
  void BuildLinks(QWidget& client);
  void PlaceControls();
  bool ValidateBirthDetails();
  bool CheckLongitude();
  bool CheckPlace();
  void Place_Chosen(const tavrin::place::Place* place);
  void ShowZoneInForce();
  void ShowZoneWords(const QString& words);
  void ShowMethod();
  void ShowYears(tavrin::Method method);
  bool ResolvePlaceZone();
  void ShowCheckMessage(const QString& text, bool error);
  void TellPlaceUnknown(std::string_view saved);
  // What the analysis hands on: the entries, checked, as the birth details and choices.
  tavrin::AnalysedBirth AnalysedBirth() const;

  QString pickedHours_ = QStringLiteral("0");  // the zone last picked from the list
  QString pickedMinutes_ = QStringLiteral("0");
  std::optional<double> pickedExactly_;  // hours east of a saved zone the picked captions round
  QString placeLongitude_;   // what choosing the place wrote in the longitude field
  bool pickedOverPlace_ = false;  // a zone picked after the place stands instead of the place's
  std::optional<tavrin::place::Fold> fold_;  // for a clock time the place's zone showed twice
  std::optional<int> placeOffset_;  // seconds east in force at the birth, found at the analysis
  tavrin::CastOptions refinements_;  // the precise method's solar time and day start, kept while Classic is shown
};

// Start-up shows the entry form with the drawn one of its two frame labels
// in front. A form created later, by Back, keeps its own order (lblCobrand
// in front).
void ShowEntryForm(tavrin::FrontFrameLabel front);
