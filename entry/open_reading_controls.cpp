#include "entry/open_reading_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <charconv>
#include <cmath>
#include <string>

#include "chart/reading_entries.h"
#include "entry/frmMain.h"

namespace tavrin {
namespace {

// Slot numbers, one per line of the reading file.
enum Slot { kName, kYear, kMonth, kDay, kHour, kMinute, kSecond, kZone, kGender, kLongitude };

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

void ChooseEqual(QComboBox* list, const std::string& slot) {
  const int index = list->findText(Text(slot), Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0) list->setCurrentIndex(index);
}

// Degrees east as the longitude field takes them: the shortest plain decimal
// that reads back as the same degrees, then E or W ("116 E", "74.5 W").
QString LongitudeFieldText(double degreesEast) {
  char digits[512];  // room for any double in fixed notation
  const char* end = std::to_chars(digits, digits + sizeof digits, std::abs(degreesEast), std::chars_format::fixed).ptr;
  return QString::fromLatin1(digits, end - digits) + (degreesEast < 0 ? QStringLiteral(" W") : QStringLiteral(" E"));
}

}  // namespace

void RestoreReading(const ReadingSlots& reading, frmMain& form) {
  const auto& slot = reading.text;
  form.txtName->setText(Text(slot[kName]));
  ChooseEqual(form.cboYear, slot[kYear]);
  ChooseEqual(form.cboMonth, slot[kMonth]);
  ChooseEqual(form.cboDate, slot[kDay]);
  ChooseEqual(form.cboHH, slot[kHour]);
  if (const auto minute = MinuteFromSlot(slot[kMinute])) form.cboMM->setCurrentIndex(*minute);
  ChooseEqual(form.cboSS, slot[kSecond]);
  (IsMaleSlot(slot[kGender]) ? form.optMale : form.optFemale)->setChecked(true);

  if (const auto zone = ZoneFromSlot(slot[kZone])) {
    const ZoneCaptions captions = ZoneCaptionsFor(*zone);
    form.lblZoneHour->setText(Text(captions.hours));
    form.lblZoneMinute->setText(Text(captions.minutes));
  }
  if (reading.linesRead <= kLongitude) {
    form.txtLongitude->clear();
  } else if (const auto degrees = LongitudeFromSlot(slot[kLongitude])) {
    form.txtLongitude->setText(LongitudeFieldText(*degrees));
  }
}

}  // namespace tavrin
