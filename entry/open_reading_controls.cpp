#include "entry/open_reading_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <string>

#include "birth/gender.h"
#include "birth/longitude.h"
#include "birth/zone.h"
#include "entry/frmMain.h"
#include "reading/cast_choices.h"
#include "reading/reading_lines.h"

namespace tavrin {
namespace {

using Line = ReadingLine;

QString Text(const std::string& utf8) { return QString::fromStdString(utf8); }

void ChooseEqual(QComboBox* list, const std::string& slot) {
  const int index = list->findText(Text(slot), Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0) list->setCurrentIndex(index);
}

}  // namespace

void RestoreReading(const Reading& reading, frmMain& form) {
  form.txtName->setText(Text(reading[Line::name]));
  ChooseEqual(form.cboYear, reading[Line::year]);
  ChooseEqual(form.cboMonth, reading[Line::month]);
  ChooseEqual(form.cboDate, reading[Line::day]);
  ChooseEqual(form.cboHH, reading[Line::hour]);
  if (const auto minute = MinuteFromLine(reading[Line::minute])) form.cboMM->setCurrentIndex(*minute);
  ChooseEqual(form.cboSS, reading[Line::second]);
  (IsMaleText(reading[Line::gender]) ? form.optMale : form.optFemale)->setChecked(true);

  if (const auto zone = ZoneFromLine(reading[Line::zone])) {
    const ZoneCaptions captions = ZoneCaptionsFor(*zone);
    form.ShowZone(Text(captions.hours), Text(captions.minutes));
  }
  const auto options = CastChoicesOf(reading);
  form.ShowOptions(std::holds_alternative<CastOptions>(options) ? std::get<CastOptions>(options) : CastOptions{});
  if (!reading.Has(Line::longitude)) {
    form.txtLongitude->clear();
  } else if (const auto degrees = LongitudeFromLine(reading[Line::longitude])) {
    form.txtLongitude->setText(Text(LongitudeFieldText(*degrees)));
  }
}

}  // namespace tavrin
