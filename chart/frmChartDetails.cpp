#include "chart/frmChartDetails.h"

#include <algorithm>
#include <cmath>

#include <QBoxLayout>
#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QSpinBox>
#include <QStyle>
#include <QTextLayout>
#include <QWindow>

#include "analysis/symbols.h"
#include "astro/delta_t.h"
#include "birth/longitude.h"
#include "birth/zone.h"
#include "calendar/lunar_calendar.h"
#include "engine/birth_details.h"
#include "engine/chart.h"
#include "engine/number_text.h"
#include "place/zone_history.h"
#include "shell/app_font.h"
#include "shell/app_text.h"
#include "shell/main_form.h"

using tavrin::analysis::BranchSymbols;
using tavrin::analysis::ElementNames;
using tavrin::analysis::StemSymbols;

namespace {

QString Text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QString IndexedName(const char* name, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// Wood, fire, earth, metal, water.
const std::array<QColor, tavrin::analysis::kElementCount> kElementColours = {
    QColor(0, 128, 0), QColor(200, 0, 0), QColor(140, 85, 30), QColor(150, 120, 0), QColor(0, 70, 190)};
const QColor kCurrentMark(200, 0, 0);
const QColor kChosenBack(220, 232, 250);
const QColor kChosenFrame(0, 0, 128);
const QColor kCaptionText(0, 0, 64);

QColor StemColour(int stem) { return kElementColours[static_cast<int>(StemSymbols[stem].element)]; }
QColor BranchColour(int branch) { return kElementColours[static_cast<int>(BranchSymbols[branch].element)]; }

// Sizes in points: the pillars' characters, the pairs' characters, the terms'
// characters, and the text beside them.
constexpr double kPillarHanziSize = 26;
constexpr double kPairHanziSize = 15;
constexpr double kTermHanziSize = 12;
constexpr double kSmallSize = 7.5;
constexpr double kTextSize = 8.25;

// Pillars are drawn as charts traditionally are: hour, day, month, year
// from the left, so that time runs from right to left.
constexpr std::array<int, 4> kColumnOfBlock = {4, 3, 2, 1};
constexpr std::array<std::pair<const char*, const char*>, 4> kPillarNames = {
    {{"年柱", "Year"}, {"月柱", "Month"}, {"日柱", "Day"}, {"时柱", "Hour"}}};
constexpr std::array<std::pair<const char*, const char*>, 9> kRowNames = {{{"十神", "Ten god"},
                                                                           {"天干", "Stem"},
                                                                           {"地支", "Branch"},
                                                                           {"藏干", "Hidden stems"},
                                                                           {"纳音", "Na yin"},
                                                                           {"十二长生", "Life stage"},
                                                                           {"自坐", "Self stage"},
                                                                           {"神煞", "Stars"},
                                                                           {"空亡", "Void"}}};
constexpr int kReadingColumnWidth = 420;
constexpr int kMonthCellWidth = 62;
constexpr int kPillarColumnWidth = 168;
constexpr int kHeaderPairsPerLine = 3;
constexpr int kHeaderValueWidth = 190;
constexpr int kSheetMargin = 14;

QString Span(const QString& text, double pointSize, const QColor& colour = {}) {
  QString style = QStringLiteral("font-size:%1pt;").arg(pointSize);
  if (colour.isValid()) style += QStringLiteral("color:%1;").arg(colour.name());
  return QStringLiteral("<span style=\"%1\">%2</span>").arg(style, text.toHtmlEscaped());
}

// A term's characters above its English name.
QString TermHtml(const tavrin::analysis::Term& term) {
  return Span(Text(term.hanzi), kTermHanziSize) + QStringLiteral("<br>") + Text(term.english).toHtmlEscaped();
}

QLabel* MakeLabel(QWidget& parent, const QString& name, const QFont& font,
                  Qt::Alignment alignment = Qt::AlignHCenter | Qt::AlignTop) {
  auto* label = new QLabel(&parent);
  label->setObjectName(name);
  label->setFont(font);
  label->setAlignment(alignment);
  return label;
}

QLabel* MakeCaption(QWidget& parent, const QString& name, const QString& hanzi, const QString& english) {
  QLabel* label = MakeLabel(parent, name, tavrin::HanziFont(kTextSize, true), Qt::AlignLeft | Qt::AlignVCenter);
  label->setText(hanzi + QLatin1Char(' ') + english);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, kCaptionText);
  label->setPalette(palette);
  return label;
}

QPushButton* MakeButton(QWidget& parent, const char* name, const char* caption) {
  auto* button = new QPushButton(QString::fromLatin1(caption), &parent);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  return button;
}

// A plain text in lines of a fixed width, broken between words or, where a
// word is longer than a line, inside it, so that all of it is shown.
class WrappedText : public QLabel {
 public:
  WrappedText(QWidget& parent, int width) : QLabel(&parent) {
    setTextFormat(Qt::PlainText);
    setFixedWidth(width);
  }
  QSize sizeHint() const override { return {width(), LayOut(nullptr)}; }
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    LayOut(&painter);
  }

 private:
  // The height of the text's lines; draws them when given a painter.
  int LayOut(QPainter* painter) const {
    QTextLayout lines(text(), font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    lines.setTextOption(option);
    const int leading = fontMetrics().leading();
    qreal height = 0;
    lines.beginLayout();
    for (QTextLine line = lines.createLine(); line.isValid(); line = lines.createLine()) {
      line.setLineWidth(width());
      if (height > 0) height += leading;
      line.setPosition({0, height});
      height += line.height();
    }
    lines.endLayout();
    if (painter != nullptr) lines.draw(painter, {0, 0});
    return std::max(fontMetrics().height(), static_cast<int>(std::ceil(height)));
  }
};

// Scrolls the sheet, and asks for room for all of it with no scroll bar.
class SheetView : public QScrollArea {
 public:
  explicit SheetView(QWidget& parent) : QScrollArea(&parent) {}
  QSize sizeHint() const override {
    const int frame = 2 * frameWidth();
    return widget() ? widget()->size() + QSize(frame, frame) : QScrollArea::sizeHint();
  }
};

// "Age 8.46": the start age as the engine gives it, at most two decimals.
QString AgeText(double age) { return QStringLiteral("Age %1").arg(QLocale().toString(age, 'g', 4)); }

QString YearsText(int first, int last) { return QStringLiteral("%1–%2").arg(first).arg(last); }

}  // namespace

namespace tavrin {

namespace {

// "Precise", and the choices that refine it, short enough to be shown whole:
// "Precise, true solar time", "Precise, true sun, day at 23:00".
QString PreciseMethodText(const CastOptions& options) {
  const bool trueSun = options.solarTime == SolarTime::trueSun;
  QString text = QStringLiteral("Precise");
  if (trueSun)
    text += options.dayStarts != DayStarts::midnight ? QStringLiteral(", true sun") : QStringLiteral(", true solar time");
  if (options.dayStarts == DayStarts::at23) text += QStringLiteral(", day at 23:00");
  if (options.dayStarts == DayStarts::midnightOwnRat) text += QStringLiteral(", own Rat stem");
  return text;
}

}  // namespace

std::vector<HeaderRow> DetailsHeaderRows(const BirthDetails& birth, std::optional<double> typedLongitude,
                                         const QString& place) {
  // The zone as given, or an offset of odd seconds (local mean time, say) in hours, minutes and seconds.
  const QString given = Text(birth.ZoneOffset);
  const auto hours = ParseDecimal(TrimSpaces(birth.ZoneOffset));
  const long long seconds = hours ? std::llround(*hours * 3600) : 0;
  const QString zone = seconds % 60 != 0 ? Text(tavrin::OffsetText(static_cast<int>(seconds)))
                       : given.startsWith(QLatin1Char('-')) ? given
                                                             : QLatin1Char('+') + given;
  std::vector<HeaderRow> rows = {
      {QStringLiteral("Name"), Text(birth.Name)},
      {QStringLiteral("Born"), QStringLiteral("%1 %2 %3").arg(birth.BirthDay).arg(Text(birth.MonthName)).arg(birth.BirthYear)},
      {QStringLiteral("Time"), QStringLiteral("%1:%2:%3")
                                   .arg(birth.BirthHour, 2, 10, QLatin1Char('0'))
                                   .arg(birth.BirthMinute, 2, 10, QLatin1Char('0'))
                                   .arg(birth.BirthSecond, 2, 10, QLatin1Char('0'))},
      {QStringLiteral("Zone"), QStringLiteral("UTC") + zone},
      {QStringLiteral("Gender"), Text(birth.GenderText)},
  };
  if (!place.isEmpty()) rows.push_back({QStringLiteral("Place"), place});
  if (typedLongitude) rows.push_back({QStringLiteral("Longitude"), Text(LongitudeFieldText(*typedLongitude))});
  return rows;
}

PairColumn::PairColumn(QWidget* parent) : QAbstractButton(parent) { setFont(HanziFont(kSmallSize)); }

void PairColumn::SetContent(const Content& content) {
  content_ = content;
  // What a screen reader says; no '&', so no access key.
  setText(QStringList{content.above, content.below,
                      Text(StemSymbols[content.stem].hanzi) + Text(BranchSymbols[content.branch].hanzi),
                      content.current ? QStringLiteral("now") : QString()}
              .join(QLatin1Char(' '))
              .trimmed());
  update();
}

QSize PairColumn::sizeHint() const {
  const int small = QFontMetrics(HanziFont(kSmallSize)).height();
  const int large = QFontMetrics(HanziFont(kPairHanziSize)).height();
  return {QFontMetrics(font()).horizontalAdvance(QStringLiteral("Age 88.88 ")) + 12, 4 * small + 2 * large + 14};
}

// Tab enters a row of choices at the one chosen, as it enters a row of option buttons.
void PairColumn::focusInEvent(QFocusEvent* event) {
  QAbstractButton* chosen = group() != nullptr ? group()->checkedButton() : nullptr;
  const bool tabbed = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
  if (tabbed && chosen != nullptr && chosen != this) {
    chosen->setFocus(event->reason());
    return;
  }
  QAbstractButton::focusInEvent(event);
}

void PairColumn::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
  painter.fillRect(box, isChecked() ? kChosenBack : palette().color(QPalette::Base));
  painter.setPen(QPen(content_.current ? kCurrentMark : (isChecked() ? kChosenFrame : QColor(190, 190, 190)),
                      content_.current || isChecked() ? 2 : 1));
  painter.drawRect(box);

  const QFont small = HanziFont(kSmallSize);
  const QFont large = HanziFont(kPairHanziSize);
  const int smallHeight = QFontMetrics(small).height();
  const int largeHeight = QFontMetrics(large).height();
  QRect line(0, 6, width(), smallHeight);
  const auto draw = [&painter, &line](const QFont& font, const QColor& colour, const QString& text, int height) {
    line.setHeight(height);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignVCenter, text);
    line.translate(0, height);
  };
  const QColor text = palette().color(QPalette::Text);
  draw(small, text, content_.above, smallHeight);
  draw(small, text, content_.below, smallHeight);
  draw(large, StemColour(content_.stem), Text(StemSymbols[content_.stem].hanzi), largeHeight);
  draw(large, BranchColour(content_.branch), Text(BranchSymbols[content_.branch].hanzi), largeHeight);
  draw(small, text, Text(StemSymbols[content_.stem].pinyin) + QLatin1Char(' ') + Text(BranchSymbols[content_.branch].pinyin),
       smallHeight);
  if (content_.current) draw(HanziFont(kSmallSize, true), kCurrentMark, QStringLiteral("now"), smallHeight);
  // The keyboard's place is for the screen, not for the sheet's PDF.
  if (hasFocus() && painter.paintEngine()->type() != QPaintEngine::Pdf) {
    painter.setPen(QPen(kChosenFrame, 1, Qt::DotLine));
    painter.drawRect(box.adjusted(3, 3, -3, -3));
  }
}

ElementBars::ElementBars(QWidget* parent) : QWidget(parent) { setFont(HanziFont(kSmallSize)); }

void ElementBars::SetCounts(const analysis::ElementCounts& counts) {
  counts_ = counts;
  QStringList said;
  for (int e = 0; e < analysis::kElementCount; ++e)
    said << QStringLiteral("%1 %2 %3").arg(Text(ElementNames[e].english)).arg(counts.eightCharacters[e]).arg(counts.withHiddenStems[e]);
  setAccessibleDescription(said.join(QStringLiteral(", ")));
  update();
}

namespace {
constexpr int kBarHeight = 9;
constexpr int kBarGap = 2;
constexpr int kElementRowHeight = 2 * kBarHeight + kBarGap + 9;
constexpr int kLegendHeight = 18;
}  // namespace

QSize ElementBars::sizeHint() const { return {250, kLegendHeight + analysis::kElementCount * kElementRowHeight + 4}; }

void ElementBars::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QFontMetrics metrics(font());
  const QColor text = palette().color(QPalette::WindowText);
  const int nameWidth = metrics.horizontalAdvance(QStringLiteral("木 Water ")) + 4;
  const int numberWidth = metrics.horizontalAdvance(QStringLiteral(" 88"));
  const int barSpace = width() - nameWidth - numberWidth - 2;
  const int most = std::max(1, *std::max_element(counts_.withHiddenStems.begin(), counts_.withHiddenStems.end()));

  // The legend: a solid bar for the eight characters, a pale one with the hidden stems.
  const auto legend = [&](int left, const QColor& colour, const QString& caption) {
    painter.fillRect(QRect(left, 5, 14, kBarHeight), colour);
    painter.setPen(text);
    painter.drawText(QRect(left + 18, 0, width(), kLegendHeight - 2), Qt::AlignLeft | Qt::AlignVCenter, caption);
    return left + 18 + metrics.horizontalAdvance(caption) + 12;
  };
  const int next = legend(0, QColor(96, 96, 96), QStringLiteral("eight characters"));
  legend(next, QColor(200, 200, 200), QStringLiteral("with hidden stems"));

  for (int e = 0; e < analysis::kElementCount; ++e) {
    const int top = kLegendHeight + e * kElementRowHeight;
    const QColor colour = kElementColours[e];
    painter.setPen(colour);
    painter.drawText(QRect(0, top, nameWidth, 2 * kBarHeight + kBarGap), Qt::AlignLeft | Qt::AlignVCenter,
                     Text(ElementNames[e].hanzi) + QLatin1Char(' ') + Text(ElementNames[e].english));
    const std::array<std::pair<int, QColor>, 2> bars = {
        {{counts_.eightCharacters[e], colour}, {counts_.withHiddenStems[e], colour.lighter(170)}}};
    for (int b = 0; b < 2; ++b) {
      const int barTop = top + b * (kBarHeight + kBarGap);
      const int length = barSpace * bars[b].first / most;
      painter.fillRect(QRect(nameWidth, barTop, length, kBarHeight), bars[b].second);
      painter.setPen(text);
      painter.drawText(QRect(nameWidth + length + 3, barTop - 3, numberWidth, kBarHeight + 6),
                       Qt::AlignLeft | Qt::AlignVCenter, QString::number(bars[b].first));
    }
  }
}

}  // namespace tavrin

frmChartDetails::frmChartDetails(QWidget* parent) : QDialog(parent) {
  SetUpWindow();
  QVBoxLayout& sheet = BuildSheet();
  BuildTitle(sheet);
  BuildHeader(sheet);
  BuildPillarsAndElements(sheet);
  BuildLuckPeriods(sheet);
  BuildAnnualPillars(sheet);
  BuildReading(sheet);
  BuildMonths(sheet);
  BuildSheetView();
  BuildButtons();
}

void frmChartDetails::SetUpWindow() {
  setObjectName(QStringLiteral("frmChartDetails"));
  setWindowTitle(QStringLiteral("Chart Details - ") + QString::fromLatin1(tavrin::kWindowCaption));
  setFont(tavrin::HanziFont(kTextSize));
}

QVBoxLayout& frmChartDetails::BuildSheet() {
  fraSheet = new QWidget(this);
  fraSheet->setObjectName(QStringLiteral("fraSheet"));
  fraSheet->setAutoFillBackground(true);
  QPalette sheetPalette = fraSheet->palette();
  sheetPalette.setColor(QPalette::Window, Qt::white);
  fraSheet->setPalette(sheetPalette);
  auto* sheet = new QVBoxLayout(fraSheet);
  sheet->setContentsMargins(kSheetMargin, kSheetMargin, kSheetMargin, kSheetMargin);
  sheet->setSpacing(6);
  // The sheet keeps the size its content needs, whatever the window's.
  sheet->setSizeConstraint(QLayout::SetFixedSize);
  return *sheet;
}

void frmChartDetails::BuildTitle(QVBoxLayout& sheet) {
  lblTitle = MakeLabel(*fraSheet, QStringLiteral("lblTitle"), tavrin::HanziFont(12, true), Qt::AlignLeft);
  lblTitle->setText(QStringLiteral("八字 Chart Details"));
  sheet.addWidget(lblTitle);
}

void frmChartDetails::BuildHeader(QVBoxLayout& sheet) {
  fraHeader = new QWidget(fraSheet);
  fraHeader->setObjectName(QStringLiteral("fraHeader"));
  headerGrid_ = new QGridLayout(fraHeader);
  headerGrid_->setContentsMargins(0, 0, 0, 0);
  headerGrid_->setHorizontalSpacing(10);
  headerGrid_->setVerticalSpacing(2);
  sheet.addWidget(fraHeader);
}

void frmChartDetails::BuildPillarsAndElements(QVBoxLayout& sheet) {
  auto* middle = new QHBoxLayout;
  auto* pillars = new QGridLayout;
  pillars->setHorizontalSpacing(6);
  pillars->setVerticalSpacing(4);
  BuildPillars(*pillars);
  middle->addLayout(pillars);
  middle->addSpacing(10);
  auto* elements = new QVBoxLayout;
  lblElements = MakeCaption(*fraSheet, QStringLiteral("lblElements"), QStringLiteral("五行"), QStringLiteral("Elements"));
  picElements = new tavrin::ElementBars(fraSheet);
  picElements->setObjectName(QStringLiteral("picElements"));
  elements->addWidget(lblElements);
  elements->addWidget(picElements);
  elements->addStretch();
  middle->addLayout(elements);
  sheet.addLayout(middle);
}

void frmChartDetails::BuildLuckPeriods(QVBoxLayout& sheet) {
  lblLuckPeriods = MakeCaption(*fraSheet, QStringLiteral("lblLuckPeriods"), QStringLiteral("大运"),
                               QStringLiteral("Luck periods (choose one for its years)"));
  sheet.addWidget(lblLuckPeriods);
  auto* luck = new QHBoxLayout;
  luckGroup_ = new QButtonGroup(this);
  luckGroup_->setExclusive(true);
  for (int period = 8; period >= 1; --period) {
    auto* column = new tavrin::PairColumn(fraSheet);
    column->setObjectName(IndexedName("cmdLuckPeriod", period - 1));
    column->setCheckable(true);
    column->setFocusPolicy(Qt::StrongFocus);
    luckGroup_->addButton(column, period);
    cmdLuckPeriod[period - 1] = column;
    luck->addWidget(column);
    connect(column, &QAbstractButton::toggled, this, [this, period, column](bool on) {
      if (!on) return;
      cmdLuckPeriod_Click(period);
      if (isVisible()) fraSheetView->ensureWidgetVisible(column);
    });
  }
  sheet.addLayout(luck);
}

void frmChartDetails::BuildAnnualPillars(QVBoxLayout& sheet) {
  lblAnnualPillars = MakeCaption(*fraSheet, QStringLiteral("lblAnnualPillars"), QStringLiteral("流年"), QString());
  sheet.addWidget(lblAnnualPillars);
  auto* annual = new QHBoxLayout;
  annualGroup_ = new QButtonGroup(this);
  annualGroup_->setExclusive(true);
  for (int i = 9; i >= 0; --i) {
    auto* cell = new tavrin::PairColumn(fraSheet);
    cell->setObjectName(IndexedName("picAnnualPillar", i));
    cell->setCheckable(true);
    cell->setFocusPolicy(Qt::StrongFocus);
    annualGroup_->addButton(cell, i);
    picAnnualPillar[i] = cell;
    annual->addWidget(cell);
    connect(cell, &QAbstractButton::toggled, this, [this, i, cell](bool on) {
      if (!on) return;
      picAnnualPillar_Click(i);
      if (isVisible()) fraSheetView->ensureWidgetVisible(cell);
    });
  }
  sheet.addLayout(annual);
  for (QLabel** reading : {&lblLuckReading, &lblAnnualReading}) {
    *reading = MakeLabel(*fraSheet, reading == &lblLuckReading ? QStringLiteral("lblLuckReading")
                                                                : QStringLiteral("lblAnnualReading"),
                         tavrin::HanziFont(kTextSize), Qt::AlignLeft);
    (*reading)->setTextFormat(Qt::RichText);
    (*reading)->setWordWrap(true);
    sheet.addWidget(*reading);
  }
}

void frmChartDetails::BuildReading(QVBoxLayout& sheet) {
  auto* reading = new QHBoxLayout;
  lblInteractions = MakeLabel(*fraSheet, QStringLiteral("lblInteractions"), tavrin::HanziFont(kTextSize),
                              Qt::AlignLeft | Qt::AlignTop);
  lblPalaces = MakeLabel(*fraSheet, QStringLiteral("lblPalaces"), tavrin::HanziFont(kTextSize), Qt::AlignLeft | Qt::AlignTop);
  for (QLabel* label : {lblInteractions, lblPalaces}) {
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setFixedWidth(kReadingColumnWidth);
    reading->addWidget(label);
  }
  reading->addStretch();
  sheet.addLayout(reading);
}

void frmChartDetails::BuildMonths(QVBoxLayout& sheet) {
  fraMonths = new QWidget(fraSheet);
  fraMonths->setObjectName(QStringLiteral("fraMonths"));
  auto* months = new QVBoxLayout(fraMonths);
  months->setContentsMargins(0, 0, 0, 0);
  lblMonths = MakeCaption(*fraMonths, QStringLiteral("lblMonths"), QStringLiteral("流月"), QString());
  lblMonthTable = MakeLabel(*fraMonths, QStringLiteral("lblMonthTable"), tavrin::HanziFont(kSmallSize), Qt::AlignLeft);
  lblDays = MakeLabel(*fraMonths, QStringLiteral("lblDays"), tavrin::HanziFont(kSmallSize), Qt::AlignLeft);
  for (QLabel* label : {lblMonthTable, lblDays}) label->setTextFormat(Qt::RichText);
  months->addWidget(lblMonths);
  months->addWidget(lblMonthTable);
  lblMonthReading = MakeLabel(*fraMonths, QStringLiteral("lblMonthReading"), tavrin::HanziFont(kTextSize), Qt::AlignLeft);
  lblMonthReading->setTextFormat(Qt::RichText);
  lblMonthReading->setWordWrap(true);
  months->addWidget(lblMonthReading);
  months->addWidget(lblDays);
  lblDays->hide();
  sheet.addWidget(fraMonths);
}

void frmChartDetails::BuildSheetView() {
  fraSheetView = new SheetView(*this);
  fraSheetView->setObjectName(QStringLiteral("fraSheetView"));
  fraSheetView->setFrameShape(QFrame::NoFrame);
  fraSheetView->setPalette(fraSheet->palette());
  fraSheetView->viewport()->setAutoFillBackground(true);
  fraSheetView->setWidget(fraSheet);
  auto* window = new QVBoxLayout(this);
  window->setContentsMargins(0, 0, 0, 8);
  window->addWidget(fraSheetView, 1);
}

void frmChartDetails::BuildPillars(QGridLayout& grid) {
  for (int row = 0; row < static_cast<int>(kRowNames.size()); ++row) {
    lblRowCaption[row] = MakeCaption(*fraSheet, IndexedName("lblRowCaption", row), Text(kRowNames[row].first),
                                     Text(kRowNames[row].second));
    lblRowCaption[row]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    grid.addWidget(lblRowCaption[row], row + 1, 0);
  }
  const QFont text = tavrin::HanziFont(kTextSize);
  for (int block = 0; block < 4; ++block) {
    const int column = kColumnOfBlock[block];
    lblPillarHeading[block] = MakeLabel(*fraSheet, IndexedName("lblPillarHeading", block), tavrin::HanziFont(10, true));
    lblPillarHeading[block]->setText(Text(kPillarNames[block].first) + QLatin1Char(' ') + Text(kPillarNames[block].second));
    lblTenGod[block] = MakeLabel(*fraSheet, IndexedName("lblTenGod", block), text);
    lblStem[block] = MakeLabel(*fraSheet, IndexedName("lblStem", block), text);
    lblBranch[block] = MakeLabel(*fraSheet, IndexedName("lblBranch", block), text);
    lblHidden[block] = MakeLabel(*fraSheet, IndexedName("lblHidden", block), text, Qt::AlignLeft | Qt::AlignTop);
    lblNaYin[block] = MakeLabel(*fraSheet, IndexedName("lblNaYin", block), text);
    lblLifeStage[block] = MakeLabel(*fraSheet, IndexedName("lblLifeStage", block), text);
    lblSelfStage[block] = MakeLabel(*fraSheet, IndexedName("lblSelfStage", block), text);
    lblStars[block] = MakeLabel(*fraSheet, IndexedName("lblStars", block), text);
    lblVoid[block] = MakeLabel(*fraSheet, IndexedName("lblVoid", block), text);
    const std::array<QLabel*, 10> cells = {lblPillarHeading[block], lblTenGod[block], lblStem[block],
                                           lblBranch[block],        lblHidden[block], lblNaYin[block],
                                           lblLifeStage[block],     lblSelfStage[block], lblStars[block],
                                           lblVoid[block]};
    for (int row = 0; row < static_cast<int>(cells.size()); ++row) {
      cells[row]->setWordWrap(true);
      cells[row]->setFixedWidth(kPillarColumnWidth);
      cells[row]->setTextFormat(row == 0 ? Qt::PlainText : Qt::RichText);
      grid.addWidget(cells[row], row, column);
    }
  }
}

void frmChartDetails::BuildButtons() {
  auto* buttons = new QHBoxLayout;
  buttons->setContentsMargins(kSheetMargin, 0, kSheetMargin, 0);
  buttons->addStretch();
  auto* yearCaption = new QLabel(QStringLiteral("Months of &year"), this);
  spnMonthsYear = new QSpinBox(this);
  spnMonthsYear->setObjectName(QStringLiteral("spnMonthsYear"));
  spnMonthsYear->setRange(tavrin::astro::kFirstPreciseYear, tavrin::astro::kLastPreciseYear);
  yearCaption->setBuddy(spnMonthsYear);
  auto* monthCaption = new QLabel(QStringLiteral("&Month"), this);
  cboMonth = new QComboBox(this);
  cboMonth->setObjectName(QStringLiteral("cboMonth"));
  for (int sector = 0; sector < 12; ++sector) cboMonth->addItem(Text(tavrin::JieWords(sector)));
  monthCaption->setBuddy(cboMonth);
  cmdShowDays = MakeButton(*this, "cmdShowDays", "Show d&ays");
  cmdShowDays->setCheckable(true);
  for (QWidget* choice : std::initializer_list<QWidget*>{yearCaption, spnMonthsYear, monthCaption, cboMonth, cmdShowDays})
    buttons->insertWidget(buttons->count() - 1, choice);
  connect(spnMonthsYear, &QSpinBox::valueChanged, this, &frmChartDetails::spnMonthsYear_Change);
  connect(cboMonth, &QComboBox::currentIndexChanged, this, &frmChartDetails::cboMonth_Change);
  connect(cmdShowDays, &QPushButton::clicked, this, &frmChartDetails::cmdShowDays_Click);
  cmdSavePdf = MakeButton(*this, "cmdSavePdf", "Save as P&DF");
  cmdPrint = MakeButton(*this, "cmdPrint", "&Print");
  cmdClose = MakeButton(*this, "cmdClose", "&Close");
  for (QPushButton* button : {cmdSavePdf, cmdPrint, cmdClose}) buttons->addWidget(button);
  static_cast<QBoxLayout*>(layout())->addLayout(buttons);
  connect(cmdSavePdf, &QPushButton::clicked, this, &frmChartDetails::cmdSavePdf_Click);
  connect(cmdPrint, &QPushButton::clicked, this, &frmChartDetails::cmdPrint_Click);
  connect(cmdClose, &QPushButton::clicked, this, &frmChartDetails::cmdClose_Click);
}

bool frmChartDetails::ShowChart(const tavrin::BirthDetails& birth, std::optional<double> typedLongitude,
                                const tavrin::Chart& chart, const tavrin::analysis::Today& today,
                                const QString& place) {
  tavrin::analysis::ChartAnalysis read;
  const auto cast = tavrin::BirthOf(birth);
  if (!cast) return false;
  tavrin::analysis::AnalyzeChart(*cast, chart, today, read);
  analysis_ = read;
  birth_ = *cast;
  std::vector<tavrin::HeaderRow> header = tavrin::DetailsHeaderRows(birth, typedLongitude, place);
  if (chart.isPrecise) header.push_back({QStringLiteral("Method"), tavrin::PreciseMethodText(chart.precise.options)});
  if (const auto lunar = tavrin::calendar::LunarDateOf(birth.BirthYear, birth.BirthMonth, birth.BirthDay))
    header.push_back({QStringLiteral("Lunar date"), Text(tavrin::calendar::LunarDateHanzi(*lunar))});
  ShowHeader(header);
  for (int block = 0; block < 4; ++block) ShowPillar(block);
  picElements->SetCounts(analysis_.elements);
  ShowReading();
  const QSignalBlocker blockYear(spnMonthsYear), blockMonth(cboMonth);
  spnMonthsYear->setValue(today.pillarYear);
  cboMonth->setCurrentIndex(0);
  spnMonthsYear_Change();
  for (int period = 1; period <= 8; ++period) {
    const tavrin::analysis::LuckYears& years = analysis_.luckYears[period - 1];
    cmdLuckPeriod[period - 1]->SetContent({AgeText(years.startAge), YearsText(years.startYear, years.endYear),
                                           years.stem, years.branch, analysis_.currentLuckPeriod == period});
  }
  // Today's period, or the nearest one when today is before the first or after the last.
  int chosen = analysis_.currentLuckPeriod;
  if (chosen == 0) chosen = today.year < analysis_.luckYears[0].startYear ? 1 : 8;
  QAbstractButton* column = cmdLuckPeriod[chosen - 1];
  if (column->isChecked()) {
    cmdLuckPeriod_Click(chosen);
  } else {
    column->setChecked(true);
  }
  column->setFocus();
  return true;
}

void frmChartDetails::ShowHeader(const std::vector<tavrin::HeaderRow>& rows) {
  while (QLayoutItem* item = headerGrid_->takeAt(0)) {
    delete item->widget();
    delete item;
  }
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const int line = static_cast<int>(i) / kHeaderPairsPerLine;
    const int pair = static_cast<int>(i) % kHeaderPairsPerLine;
    QLabel* caption = MakeLabel(*fraHeader, IndexedName("lblHeaderCaption", static_cast<int>(i)),
                                tavrin::HanziFont(kTextSize, true), Qt::AlignLeft | Qt::AlignTop);
    caption->setText(rows[i].caption);
    // A long name takes more lines rather than widening the sheet past its page.
    auto* value = new WrappedText(*fraHeader, kHeaderValueWidth);
    value->setObjectName(IndexedName("lblHeaderValue", static_cast<int>(i)));
    value->setFont(tavrin::HanziFont(kTextSize));
    value->setText(rows[i].value);
    value->setToolTip(rows[i].value);
    headerGrid_->addWidget(caption, line, 2 * pair);
    headerGrid_->addWidget(value, line, 2 * pair + 1);
  }
  // The pairs keep to the left; what width is left over stays at the right.
  headerGrid_->setColumnStretch(2 * kHeaderPairsPerLine, 1);
}

void frmChartDetails::ShowPillar(int block) {
  const tavrin::analysis::PillarAnalysis& pillar = analysis_.pillars[block];
  const auto& stem = StemSymbols[pillar.stem.stem];
  const auto& branch = BranchSymbols[pillar.branch];
  lblTenGod[block]->setText(TermHtml(pillar.stem.tenGod));
  lblStem[block]->setText(Span(Text(stem.hanzi), kPillarHanziSize, StemColour(pillar.stem.stem)) + QStringLiteral("<br>") +
                          (Text(stem.pinyin) + QStringLiteral(" · ") + Text(stem.label)).toHtmlEscaped());
  lblBranch[block]->setText(Span(Text(branch.hanzi), kPillarHanziSize, BranchColour(pillar.branch)) +
                            QStringLiteral("<br>") +
                            (Text(branch.pinyin) + QStringLiteral(" · ") + Text(branch.label)).toHtmlEscaped());
  QStringList hidden;
  for (int i = 0; i < pillar.hiddenCount; ++i) {
    const tavrin::analysis::StemReading& reading = pillar.hidden[i];
    hidden << Span(Text(StemSymbols[reading.stem].hanzi), kTermHanziSize, StemColour(reading.stem)) +
                  QLatin1Char(' ') +
                  (Text(reading.tenGod.hanzi) + QLatin1Char(' ') + Text(reading.tenGod.english)).toHtmlEscaped();
  }
  lblHidden[block]->setText(hidden.join(QStringLiteral("<br>")));
  lblNaYin[block]->setText(TermHtml(pillar.naYin));
  lblLifeStage[block]->setText(TermHtml(pillar.lifeStage));
  lblSelfStage[block]->setText(TermHtml(pillar.selfStage));
  QStringList stars;
  for (int star = 0; star < tavrin::analysis::kStarCount; ++star)
    if (pillar.stars >> star & 1)
      stars << (Text(tavrin::analysis::StarTable[star].name.hanzi) + QLatin1Char(' ') +
                Text(tavrin::analysis::StarTable[star].name.english))
                   .toHtmlEscaped();
  lblStars[block]->setText(stars.isEmpty() ? QStringLiteral("–") : stars.join(QStringLiteral("<br>")));
  QStringList voids;
  if (pillar.inDayVoid) voids << QStringLiteral("of the day");
  if (pillar.inYearVoid) voids << QStringLiteral("of the year");
  lblVoid[block]->setText(voids.isEmpty() ? QStringLiteral("–")
                                          : Span(QStringLiteral("空亡 ") + voids.join(QStringLiteral(", ")), kTextSize,
                                                 kCurrentMark));
}

namespace {

QString PillarNamesText(unsigned pillars) {
  QStringList names;
  for (int block = 0; block < 4; ++block)
    if (pillars >> block & 1) names << QString::fromLatin1(kPillarNames[block].second);
  return names.isEmpty() ? QStringLiteral("none") : names.join(QStringLiteral(", "));
}

QString BranchesText(tavrin::analysis::StarMarks marks) {
  QString text;
  for (int branch = 0; branch < tavrin::kBranchCount; ++branch)
    if (marks >> branch & 1) text += Text(BranchSymbols[branch].hanzi);
  return text;
}

QString PairText(const tavrin::Pillar& pillar) {
  return Text(StemSymbols[pillar.stem].hanzi) + Text(BranchSymbols[pillar.branch].hanzi);
}

QString CaptionHtml(const QString& hanzi, const QString& english) {
  return QStringLiteral("<b style=\"color:%1\">%2 %3</b>").arg(kCaptionText.name(), hanzi, english.toHtmlEscaped());
}


// "大运 庚午: stars 羊刃 Goat Blade; with the chart 甲庚冲 Jia Geng Clash (Year), ...": what
// a luck, annual or month pillar brings to the four.
QString OtherPillarHtml(const QString& caption, const tavrin::Pillar& other,
                        const tavrin::analysis::ChartAnalysis& chartAnalysis) {
  const tavrin::analysis::OtherPillarReading reading = chartAnalysis.ReadAgainstChart(other);
  QStringList stars;
  for (int star = 0; star < tavrin::analysis::kStarCount; ++star)
    if (reading.stars >> star & 1)
      stars << Text(tavrin::analysis::StarTable[star].name.hanzi) + QLatin1Char(' ') +
                   Text(tavrin::analysis::StarTable[star].name.english).toHtmlEscaped();
  QStringList interactions;
  for (const tavrin::analysis::Interaction& each : reading.interactions.All())
    interactions << Text(each.Rule().hanzi) + QLatin1Char(' ') + Text(each.Rule().english).toHtmlEscaped() +
                        QStringLiteral(" (") + PillarNamesText(each.pillars & 0xF) + QLatin1Char(')');
  return QStringLiteral("<b>%1 %2</b>: stars %3; with the chart %4")
      .arg(caption.toHtmlEscaped(), PairText(other),
           stars.isEmpty() ? QStringLiteral("none") : stars.join(QStringLiteral(", ")),
           interactions.isEmpty() ? QStringLiteral("none") : interactions.join(QStringLiteral(", ")));
}

}  // namespace

void frmChartDetails::ShowReading() {
  // Listed with the pillars each joins, as the pillars stand above: hour, day, month, year.
  QString interactions = CaptionHtml(QStringLiteral("刑冲合会"), QStringLiteral("Interactions"));
  if (analysis_.interactions.count == 0) interactions += QStringLiteral("<br>none");
  for (const tavrin::analysis::Interaction& found : analysis_.interactions.All()) {
    const auto& rule = found.Rule();
    interactions += QStringLiteral("<br>") + Span(Text(rule.hanzi), kTextSize) + QLatin1Char(' ') +
                    Text(rule.english).toHtmlEscaped();
    if (found.element != tavrin::analysis::kNoElement)
      interactions += QStringLiteral(" (%1)").arg(Text(ElementNames[found.element].english));
    interactions += QStringLiteral(": ") + PillarNamesText(found.pillars);
  }
  lblInteractions->setText(interactions);

  const auto& palaces = analysis_.palaces;
  const auto& evidence = analysis_.strength;
  const auto yesNo = [](bool yes) { return yes ? QStringLiteral("yes") : QStringLiteral("no"); };
  lblPalaces->setText(
      CaptionHtml(QStringLiteral("宫"), QStringLiteral("Palaces")) +
      QStringLiteral("<br>胎元 Conception pillar %1<br>命宫 Life palace %2<br>身宫 Body palace %3")
          .arg(PairText(palaces.conception), PairText(palaces.life), PairText(palaces.body)) +
      QStringLiteral("<br>") + CaptionHtml(QStringLiteral("空亡"), QStringLiteral("Void")) +
      QStringLiteral("<br>of the day's decade %1, of the year's %2")
          .arg(BranchesText(analysis_.dayVoid), BranchesText(analysis_.yearVoid)) +
      QStringLiteral("<br>") + CaptionHtml(QStringLiteral("旺衰"), QStringLiteral("Strength evidence")) +
      QStringLiteral("<br>得令 In season: %1<br>得地 Rooted in: %2<br>得势 Supported by: %3")
          .arg(yesNo(evidence.inSeason), PillarNamesText(evidence.rootedIn), PillarNamesText(evidence.supportedBy)));
}

void frmChartDetails::spnMonthsYear_Change() {
  const int year = spnMonthsYear->value();
  if (!tavrin::analysis::ReadMonths(year, birth_, analysis_)) return;
  lblMonths->setText(QStringLiteral("流月 Months of %1, each from its Jie (local time)").arg(year));
  QString table = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\" border=\"1\" style=\"border-color:#bbb\"><tr>");
  for (const tavrin::analysis::MonthOfYear& month : analysis_.months) {
    const bool chosen = month.sector == cboMonth->currentIndex();
    const auto& t = month.startLocal;
    table += QStringLiteral("<td width=\"%1\" align=\"center\"%2>%3<br>%4-%5 %6:%7<br>%8<br>%9</td>")
                 .arg(kMonthCellWidth)
                 .arg(chosen ? QStringLiteral(" bgcolor=\"%1\"").arg(kChosenBack.name()) : QString())
                 .arg(Text(tavrin::JieWords(month.sector)).toHtmlEscaped())
                 .arg(t.month, 2, 10, QLatin1Char('0'))
                 .arg(t.day, 2, 10, QLatin1Char('0'))
                 .arg(t.hour, 2, 10, QLatin1Char('0'))
                 .arg(t.minute, 2, 10, QLatin1Char('0'))
                 .arg(Span(Text(StemSymbols[month.pillar.stem].hanzi), kPairHanziSize, StemColour(month.pillar.stem)) +
                      Span(Text(BranchSymbols[month.pillar.branch].hanzi), kPairHanziSize,
                           BranchColour(month.pillar.branch)))
                 .arg(t.year);
  }
  lblMonthTable->setText(table + QStringLiteral("</tr></table>"));
  const tavrin::analysis::MonthOfYear& chosen = analysis_.months[std::max(0, cboMonth->currentIndex())];
  lblMonthReading->setText(
      OtherPillarHtml(QStringLiteral("流月 ") + Text(tavrin::JieWords(chosen.sector)), chosen.pillar, analysis_));
  ShowDays();
}

void frmChartDetails::cboMonth_Change() { spnMonthsYear_Change(); }

void frmChartDetails::cmdShowDays_Click() {
  cmdShowDays->setText(cmdShowDays->isChecked() ? QStringLiteral("Hide d&ays") : QStringLiteral("Show d&ays"));
  ShowDays();
}

void frmChartDetails::ShowDays() {
  lblDays->setVisible(cmdShowDays->isChecked());
  if (!cmdShowDays->isChecked() || analysis_.monthsYear == 0) return;
  // The days of the calendar month in which the chosen month's Jie falls.
  const auto& start = analysis_.months[std::max(0, cboMonth->currentIndex())].startLocal;
  tavrin::analysis::ReadDays(start.year, start.month, analysis_);
  constexpr int kDaysPerRow = 8;
  QString table = QStringLiteral("<b>流日 Days of %1-%2</b> (today marked)"
                                 "<table cellspacing=\"0\" cellpadding=\"2\" border=\"1\"><tr>")
                      .arg(start.year, 4, 10, QLatin1Char('0'))
                      .arg(start.month, 2, 10, QLatin1Char('0'));
  for (int i = 0; i < analysis_.dayCount; ++i) {
    const tavrin::analysis::DayOfMonth& day = analysis_.days[i];
    if (i > 0 && i % kDaysPerRow == 0) table += QStringLiteral("</tr><tr>");
    const bool today = analysis_.IsToday(day);
    table += QStringLiteral("<td width=\"%1\" align=\"center\"%2>%3 %4%5</td>")
                 .arg(kMonthCellWidth)
                 .arg(today ? QStringLiteral(" bgcolor=\"#fde0e0\"") : QString())
                 .arg(day.day)
                 .arg(Span(PairText(day.pillar), kTermHanziSize))
                 .arg(today ? QStringLiteral(" <b style=\"color:%1\">today</b>").arg(kCurrentMark.name()) : QString());
  }
  lblDays->setText(table + QStringLiteral("</tr></table>"));
}

void frmChartDetails::cmdLuckPeriod_Click(int period) {
  const tavrin::analysis::LuckYears& years = analysis_.luckYears[period - 1];
  lblAnnualPillars->setText(QStringLiteral("流年 Annual pillars of luck period %1, %2")
                                .arg(period)
                                .arg(YearsText(years.startYear, years.endYear)));
  lblLuckReading->setText(OtherPillarHtml(QStringLiteral("大运 Luck period %1").arg(period),
                                          {years.stem, years.branch}, analysis_));
  const int firstAge = years.startYear - analysis_.birthYear;
  int chosen = -1;  // today's year where the period holds it, else its first shown
  for (int i = 0; i < 10; ++i) {
    const int age = firstAge + i;
    tavrin::PairColumn& cell = *picAnnualPillar[i];
    cell.setVisible(age >= 0 && age <= tavrin::analysis::kLastAnnualAge);
    if (!cell.isVisibleTo(this)) continue;
    const tavrin::analysis::AnnualPillar annual = analysis_.AnnualPillarAt(age);
    cell.SetContent({QString::number(annual.year), QStringLiteral("Age %1").arg(annual.age), annual.stem,
                     annual.branch, analysis_.currentAnnualPillar == age});
    if (chosen < 0 || cell.content().current) chosen = i;
  }
  if (chosen < 0) {
    lblAnnualReading->clear();
    return;
  }
  if (picAnnualPillar[chosen]->isChecked()) {
    picAnnualPillar_Click(chosen);
  } else {
    picAnnualPillar[chosen]->setChecked(true);
  }
}

void frmChartDetails::picAnnualPillar_Click(int index) {
  const tavrin::PairColumn::Content& cell = picAnnualPillar[index]->content();
  lblAnnualReading->setText(OtherPillarHtml(QStringLiteral("流年 ") + cell.above, {cell.stem, cell.branch}, analysis_));
}

tavrin::PdfPages frmChartDetails::SheetPages() const {
  return [this](QPdfWriter& pdf) {
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageOrientation(QPageLayout::Landscape);
    pdf.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    QPainter painter(&pdf);
    fraSheet->ensurePolished();
    fraSheet->layout()->activate();
    // With the days shown the months and days take a page of their own.
    const int split = lblDays->isVisibleTo(fraSheet) ? fraMonths->y() : fraSheet->height();
    const QRect first(0, 0, fraSheet->width(), split);
    const QRect second(0, split, fraSheet->width(), fraSheet->height() - split);
    const double scale = std::min(pdf.width() / static_cast<double>(first.width()),
                                  pdf.height() / static_cast<double>(std::max(first.height(), second.height())));
    painter.scale(scale, scale);
    fraSheet->render(&painter, QPoint(), QRegion(first));
    if (second.height() <= 0) return;
    pdf.newPage();
    fraSheet->render(&painter, QPoint(), QRegion(second));
  };
}

void frmChartDetails::showEvent(QShowEvent* event) {
  // Sized once its widgets are shown, when the sheet's lines of text have
  // their heights, and before it is placed over the screen.
  if (!event->spontaneous() && !fitted_) {
    fitted_ = true;
    FitToScreen();
  }
  QDialog::showEvent(event);
}

void frmChartDetails::FitToScreen() {
  fraSheet->layout()->activate();
  fraSheetView->updateGeometry();  // the view asks for the sheet's size as it is now
  // The window's frame is known once the window is shown; before that, room
  // is kept for a title bar and borders.
  QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
  if (frame.isNull()) {
    const int border = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    frame = QMargins(border, style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this) + border, border, border);
  }
  const QSize room = screen()->availableGeometry().size().shrunkBy(frame);
  QSize size = sizeHint();
  bool wide = size.width() > room.width();
  bool tall = size.height() > room.height();
  // The scroll bar along one side takes room from the other.
  const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, fraSheetView);
  if (wide && !tall) tall = size.height() + bar > room.height();
  if (tall && !wide) wide = size.width() + bar > room.width();
  if (tall) size.rwidth() += bar;
  if (wide) size.rheight() += bar;
  resize(size.boundedTo(room));
}

void frmChartDetails::cmdSavePdf_Click() {
  tavrin::SaveAsPdfAskingWhere(*this, SheetPages(), QStringLiteral("The chart details were not saved as a PDF file."));
}

void frmChartDetails::cmdPrint_Click() {
  tavrin::PrintAndTell(*this, SheetPages(), QStringLiteral("The chart details were not printed."));
}

void frmChartDetails::cmdClose_Click() { close(); }
