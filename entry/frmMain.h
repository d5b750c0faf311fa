#pragma once

#include "shell/main_form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tavrin {
class ClickLabel;
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
  QPushButton* cmdCalculation;

  void lblTimeZone_Click();
  void cmdOpen_Click();
  void cmdCalculation_Click();

 private:
  void Form_Load();
  void PlaceControls();
  bool ValidateBirthDetails();
  bool CheckLongitude();
  void ShowCheckMessage(const char* text, bool error);
  void StoreBirthDetails();
};
