#pragma once

#include "shell/frame_label_draw.h"
#include "shell/main_form.h"

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
}

// The entry form: the person's name, date and time of birth, time zone,
// optional birth-place longitude and gender. "Analyze My Ba Zi" checks them,
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
  QLabel* lblEnterZone;
  QLabel* lblZoneHour;
  QLabel* lblZoneMinute;
  tavrin::ClickLabel* lblTimeZone;
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
  QPushButton* cmdCalculation;
  QMenu* mnuFile;
  QAction* mnuExit;
  tavrin::LinkLabel* Label14;
  QGroupBox* fraFullBrand;
  tavrin::LinkLabel* lblCobrand;
  tavrin::LinkLabel* lblFullBrand;

  // Shows a zone in the two zone captions: its whole hours west of Greenwich
  // and its minutes with the same sign, as plain decimal texts ("-5", "-30").
  void ShowZone(const QString& hours, const QString& minutes);

  // How the chart is cast: the method, and with the precise one the solar
  // time and where the day begins (the two are greyed out for Classic).
  tavrin::CastOptions ChosenOptions() const;
  void ShowOptions(const tavrin::CastOptions& options);

  void lblTimeZone_Click();
  void cmdOpen_Click();
  void cmdCalculation_Click();
  void mnuExit_Click();

 private:
  void Form_Load();
  void BuildMenu();
  void BuildLinks(QWidget& client);
  void PlaceControls();
  bool ValidateBirthDetails();
  bool CheckLongitude();
  void ShowCheckMessage(const char* text, bool error);
  void StoreBirthDetails();
  void ShowWarnings();
};

// Start-up shows the entry form with the drawn one of its two frame labels
// in front. A form created later, by Back, keeps its own order (lblCobrand
// in front).
void ShowEntryForm(tavrin::FrontFrameLabel front);
