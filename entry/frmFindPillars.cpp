#include "entry/frmFindPillars.h"

#include <QComboBox>
#include <QCompleter>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "birth/zone.h"
#include "engine/pillars.h"
#include "engine/vocabulary.h"
#include "entry/frmMain.h"

namespace {

using tavrin::Pillar;

QString PillarText(const Pillar& pillar) {
  const auto text = [](std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
  };
  return text(tavrin::StemSymbols[pillar.stem].hanzi) + text(tavrin::BranchSymbols[pillar.branch].hanzi) +
         QStringLiteral("  ") + text(tavrin::StemSymbols[pillar.stem].pinyin) + QLatin1Char(' ') +
         text(tavrin::BranchSymbols[pillar.branch].pinyin);
}

// A pillar kept in a list entry as its place in the sixty.
void AddPillar(QComboBox* list, const Pillar& pillar) {
  list->addItem(PillarText(pillar), tavrin::CyclePosition(pillar));
}

Pillar PillarOf(const QComboBox* list) {
  return tavrin::CycleStep({0, 0}, list->currentData().toInt());
}

void AddSixty(QComboBox* list) {
  for (int position = 0; position < 60; ++position) AddPillar(list, tavrin::CycleStep({0, 0}, position));
}

}  // namespace

frmFindPillars::frmFindPillars(frmMain& form) : QDialog(&form), form_(form) {
  setObjectName(QStringLiteral("frmFindPillars"));
  setWindowTitle(QStringLiteral("Find Birth Dates from Pillars"));
  auto* fields = new QFormLayout;
  const auto make = [this](const char* name) {
    auto* list = new QComboBox(this);
    list->setObjectName(QString::fromLatin1(name));
    return list;
  };
  cboYearPillar = make("cboYearPillar");
  cboMonthPillar = make("cboMonthPillar");
  cboDayPillar = make("cboDayPillar");
  cboHourPillar = make("cboHourPillar");
  AddSixty(cboYearPillar);
  AddSixty(cboDayPillar);
  spnZone = new QDoubleSpinBox(this);
  spnZone->setObjectName(QStringLiteral("spnZone"));
  spnZone->setRange(-14, 14);
  spnZone->setDecimals(2);
  spnZone->setSingleStep(0.25);
  spnZone->setValue(8);
  txtZoneName = new QLineEdit(this);
  txtZoneName->setObjectName(QStringLiteral("txtZoneName"));
  txtZoneName->setPlaceholderText(QStringLiteral("optional, e.g. Asia/Shanghai"));
  QStringList zoneNames;
  for (const std::string& name : tavrin::place::ZoneNames()) zoneNames << QString::fromStdString(name);
  auto* completer = new QCompleter(zoneNames, txtZoneName);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  completer->setFilterMode(Qt::MatchContains);
  txtZoneName->setCompleter(completer);
  cboDayStarts = make("cboDayStarts");
  cboDayStarts->addItems(
      {QStringLiteral("Day from midnight"), QStringLiteral("Day from 23:00"), QStringLiteral("Midnight, own Rat")});
  fields->addRow(QStringLiteral("&Year pillar"), cboYearPillar);
  fields->addRow(QStringLiteral("&Month pillar"), cboMonthPillar);
  fields->addRow(QStringLiteral("&Day pillar"), cboDayPillar);
  fields->addRow(QStringLiteral("&Hour pillar"), cboHourPillar);
  fields->addRow(QStringLiteral("&Zone, hours east"), spnZone);
  fields->addRow(QStringLiteral("Or zone &name"), txtZoneName);
  fields->addRow(QStringLiteral("Day &starts"), cboDayStarts);
  cmdFind = new QPushButton(QStringLiteral("&Find"), this);
  cmdFind->setObjectName(QStringLiteral("cmdFind"));
  cmdFind->setDefault(true);
  lstSpans = new QListWidget(this);
  lstSpans->setObjectName(QStringLiteral("lstSpans"));
  lstSpans->setMinimumSize(420, 200);
  auto* column = new QVBoxLayout(this);
  column->addLayout(fields);
  column->addWidget(cmdFind);
  column->addWidget(new QLabel(QStringLiteral("Spans of clock time (precise method), 1600-2199; "
                                              "double-click or Enter fills the entry form:"),
                               this));
  column->addWidget(lstSpans, 1);
  ShowMonths();
  ShowHours();
  connect(cboYearPillar, &QComboBox::currentIndexChanged, this, &frmFindPillars::ShowMonths);
  connect(cboDayPillar, &QComboBox::currentIndexChanged, this, &frmFindPillars::ShowHours);
  connect(cboDayStarts, &QComboBox::currentIndexChanged, this, &frmFindPillars::ShowHours);
  connect(txtZoneName, &QLineEdit::textChanged, this,
          [this](const QString& name) { spnZone->setEnabled(name.trimmed().isEmpty()); });
  connect(cmdFind, &QPushButton::clicked, this, &frmFindPillars::cmdFind_Click);
  connect(lstSpans, &QListWidget::itemActivated, this, &frmFindPillars::lstSpans_Activated);
}

// The twelve months a year of this stem has, from its Tiger month.
void frmFindPillars::ShowMonths() {
  const int shown = cboMonthPillar->currentIndex();
  cboMonthPillar->clear();
  for (const tavrin::MonthSector& sector : tavrin::MonthSectorTable)
    AddPillar(cboMonthPillar, tavrin::MonthPillar(PillarOf(cboYearPillar).stem, sector));
  cboMonthPillar->setCurrentIndex(std::max(shown, 0));
}

// The hours a day of this stem has; with the day from midnight, its late Rat
// hour too (the next day's Rat stem).
void frmFindPillars::ShowHours() {
  const int shown = cboHourPillar->currentIndex();
  cboHourPillar->clear();
  cboHourPillar->addItem(QStringLiteral("(hour not known)"), -1);
  const int dayStem = PillarOf(cboDayPillar).stem;
  const int lastPeriod = cboDayStarts->currentIndex() == 0 ? 12 : 11;
  for (int period = 0; period <= lastPeriod; ++period) {
    const Pillar hour = tavrin::HourPillar(period == 0 ? 0 : 2 * period - 1, dayStem);
    AddPillar(cboHourPillar, hour);
    if (period == 12) cboHourPillar->setItemText(period + 1, cboHourPillar->itemText(period + 1) + " (23:00)");
  }
  cboHourPillar->setCurrentIndex(std::clamp(shown, 0, cboHourPillar->count() - 1));
}

tavrin::DayStarts frmFindPillars::DayStarts() const {
  static constexpr tavrin::DayStarts kChoices[] = {tavrin::DayStarts::midnight, tavrin::DayStarts::at23,
                                                   tavrin::DayStarts::midnightOwnRat};
  return kChoices[std::clamp(cboDayStarts->currentIndex(), 0, 2)];
}

tavrin::calendar::PillarQuery frmFindPillars::Query() const {
  tavrin::calendar::PillarQuery query{PillarOf(cboYearPillar), PillarOf(cboMonthPillar), PillarOf(cboDayPillar),
                                      std::nullopt};
  if (cboHourPillar->currentData().toInt() >= 0) query.hour = PillarOf(cboHourPillar);
  return query;
}

void frmFindPillars::cmdFind_Click() {
  spans_.clear();
  lstSpans->clear();
  const std::string name = txtZoneName->text().trimmed().toStdString();
  if (name.empty()) {
    spans_ = tavrin::calendar::FindSpans(Query(), spnZone->value(), DayStarts(), 1600, 2199);
  } else {
    const auto zone = tavrin::place::ZoneHistory::Lookup(name);
    if (const auto* unknown = std::get_if<tavrin::place::ZoneNotFound>(&zone)) {
      lstSpans->addItem(QString::fromStdString(name + ": " + unknown->message));
      txtZoneName->setFocus();
      return;
    }
    spans_ = tavrin::calendar::FindSpans(Query(), std::get<tavrin::place::ZoneHistory>(zone), DayStarts(), 1600, 2199);
  }
  for (const tavrin::calendar::ClockSpan& span : spans_) {
    std::string text = tavrin::calendar::IsoClockTime(span.first) + "  to  " + tavrin::calendar::IsoClockTime(span.last);
    // A named zone's clocks change; the offset tells a clock time shown twice.
    if (!name.empty()) text += "  " + tavrin::UtcOffsetText(span.offsetSeconds);
    lstSpans->addItem(QString::fromStdString(text));
  }
  if (spans_.empty()) lstSpans->addItem(QStringLiteral("No span of 1600-2199 has these pillars."));
  lstSpans->setCurrentRow(0);
  lstSpans->setFocus();
}

void frmFindPillars::lstSpans_Activated() {
  const int row = lstSpans->currentRow();
  if (row < 0 || row >= static_cast<int>(spans_.size())) return;
  const tavrin::calendar::ClockSpan& span = spans_[static_cast<std::size_t>(row)];
  const tavrin::astro::CivilTime first = tavrin::calendar::ClockTimeOf(span.first);
  // Under summer time the day and hour were read at the standard time's meridian.
  const std::optional<double> longitude =
      span.offsetSeconds == span.meanSeconds
          ? std::nullopt
          : std::optional(tavrin::ZoneMeridian(tavrin::HoursOfOffset(span.meanSeconds)));
  form_.ShowBirthMoment({first.year, first.month, first.day}, first.hour, first.minute, first.second,
                        tavrin::HoursOfOffset(span.offsetSeconds), DayStarts(), longitude);
  accept();
}
