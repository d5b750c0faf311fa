#include "entry/open_reading_controls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <string>

#include "birth/gender.h"
#include "birth/longitude.h"
#include "birth/years.h"
#include "entry/frmMain.h"
#include "reading/cast_choices.h"
#include "reading/lunar_entry.h"
#include "reading/name_choice.h"
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
  // The method first, for the year list spans its years.
  const auto options = CastChoicesOf(reading);
  form.ShowOptions(std::holds_alternative<CastOptions>(options) ? std::get<CastOptions>(options) : CastOptions{});
  form.ShowCalendar(false);
  form.txtName->setText(Text(reading[Line::name]));
  ChooseEqual(form.cboYear, reading[Line::year]);
  ChooseEqual(form.cboMonth, reading[Line::month]);
  ChooseEqual(form.cboDate, reading[Line::day]);
  ChooseEqual(form.cboHH, reading[Line::hour]);
  if (const auto minute = MinuteFromLine(reading[Line::minute])) form.cboMM->setCurrentIndex(*minute);
  ChooseEqual(form.cboSS, reading[Line::second]);
  (IsMaleText(reading[Line::gender]) ? form.optMale : form.optFemale)->setChecked(true);

  if (const auto zone = ZoneFromLine(reading[Line::zone])) form.ShowSavedZone(*zone);
  // A reading saved with choices holds ten lines, the tenth empty without a longitude.
  if (!reading.Has(Line::longitude) || (reading[Line::longitude].empty() && !reading.choices.empty())) {
    form.txtLongitude->clear();
  } else if (const auto degrees = LongitudeFromLine(reading[Line::longitude])) {
    form.txtLongitude->setText(Text(LongitudeFieldText(*degrees)));
  }
  const frmMain::ChosenDay day = form.GregorianChosen();
  if (LunarEntryOf(reading, day.year, day.month, day.day)) form.ShowCalendar(true);
}

std::optional<std::string> WhyNotRestored(const Reading& reading) {
  const auto options = CastChoicesOf(reading);
  if (const auto* problem = std::get_if<std::string>(&options)) return *problem;
  if (auto problem = NameChoiceProblem(reading)) return problem;
  if (reading.choices.empty()) return std::nullopt;
  const bool precise = std::get<CastOptions>(options).method == Method::precise;
  const YearSpan years = EntryYears(precise ? Method::precise : Method::classic);
  if (ListedYear(reading[Line::year], years)) return std::nullopt;
  return "line 2 (year) \"" + reading[Line::year] + "\": expected a year from " + std::to_string(years.first) +
         " to " + std::to_string(years.last) + (precise ? " (the precise method)" : " (the classic method)");
}

}  // namespace tavrin
