#include "entry/frmMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>
#include <cstdint>
#include <string>
#include <optional>
#include <utility>
#include <variant>

#include "astro/civil_time.h"
#include "birth/entered_birth.h"
#include "birth/longitude.h"
#include "birth/years.h"
#include "birth/zone.h"
#include "calendar/lunar_calendar.h"
#include "engine/birth_moment.h"
#include "engine/number_text.h"
#include "engine/vocabulary.h"
#include "place/place_search.h"
#include "entry/click_label.h"
#include "entry/fold_question.h"
#include "entry/frmFindPillars.h"
#include "entry/place_box.h"
#include "entry/frmTimeZone.h"
#include "entry/open_reading_controls.h"
#include "reading/cast_choices.h"
#include "reading/reading_store.h"
#include "shell/app_font.h"
#include "shell/app_text.h"
#include "shell/brand_frame.h"
#include "shell/file_dialog.h"
#include "shell/form_instance.h"
#include "shell/help_menu.h"
#include "shell/link_captions.h"
#include "shell/link_label.h"
#include "shell/page_address.h"
#include "shell/session.h"
#include "shell/startup.h"
#include "shell/twips.h"

namespace {

constexpr const char* kDescription =
    "As per the Feng Shui belief, the Destiny Chart or the natal chart of an individual consists of four "
    "pillars. Each of the pillars includes an animal sign belonging to the Chinese Zodiac at the bottom and "
    "the top portion consists of one of the five types of Qi in Yin or Yang expression.";

constexpr const char* kMethodTip =
    "Classic: the Sun from the program's own short solar theory, whose solar terms can fall hours away from "
    "the real Sun's; the luck start is counted in degrees of the Sun's path.\n"
    "Precise: the Sun from the IAU 2006/2000A theory, so the year and month change at the minute of each "
    "solar term; the luck start is counted in time, and a birth near a boundary is pointed out.";
constexpr const char* kMethodHint =
    "Classic: the Sun from the program's own short solar theory.\n\n"
    "Precise: the real Sun: the year and month change at the minute of each solar term, and the luck "
    "start is counted in time.";
constexpr const char* kTrueSolarTimeTip =
    "The day and hour pillars from true solar time: local mean solar time plus the equation of time "
    "(up to about 16 minutes either way). Precise method only.";
constexpr const char* kDayStartsTip =
    "Midnight: from 23:00 to 24:00 the day pillar stays and the hour takes the next day's Rat stem.\n"
    "23:00: the day pillar changes at 23:00.\n"
    "Midnight, own Rat: from 23:00 to 24:00 the day pillar stays and the hour keeps its own day's Rat stem.\n"
    "Precise method only.";

constexpr const char* kLongitudeTip =
    "Longitude of the birth place in degrees east (E) or west (W), for example 116.4 E or 74 W; "
    "a number without a letter counts east, a negative one west.\n"
    "With a longitude the chart uses the local mean solar time of the birth place.\n"
    "Leave it blank to use the time zone's own meridian, so the chart follows the clock time as entered.";

constexpr const char* kPlaceTip =
    "The city of birth, typed in any spelling (Shanghai, 上海, Peking, Zurich): choose it from the list.\n"
    "It gives the longitude, and the zone offset its clocks kept on the day of birth, daylight saving time "
    "included.\nA zone picked from \"Time Zone Help\" afterwards stands instead; leave it blank to pick the "
    "zone yourself.";

// The client area below the menu bar. Its top 435 twips hold a link caption
// and from kBrandTop twips down stands the brand frame; the controls placed
// here stay between the two, in three columns: the description, the details
// and the casting choices.
constexpr int kChoicesColumn = 2580;
constexpr int kClientWidth = 8085 + kChoicesColumn;
constexpr int kClientHeight = 5760;
constexpr int kBrandTop = 4860;
// The smallest size the zone words take to fit their room, in points.
constexpr double kSmallestZoneWords = 6;

template <typename Widget, typename... Args>
Widget* Make(QWidget* parent, const char* name, Args&&... args) {
  auto* widget = new Widget(std::forward<Args>(args)..., parent);
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

void AddNumbers(QComboBox* list, int first, int last) {
  for (int n = first; n <= last; ++n) list->addItem(QString::number(n));
}

// A chosen list entry read as a whole number, as the shared record keeps it.
std::int16_t Whole(const QComboBox* list) { return static_cast<std::int16_t>(list->currentText().toInt()); }

// A typed text less the spaces round it (tabs and the like are the text's own).
std::string Typed(const QLineEdit* box) { return std::string(tavrin::TrimSpaces(box->text().toStdString())); }

}  // namespace

frmMain::frmMain(QWidget* parent) : tavrin::MainForm(parent) {
  QWidget& client = BuildWindow();
  BuildHeading(client);
  BuildNameDateAndTime(client);
  BuildPlaceAndZone();
  BuildLongitudeAndGender();
  BuildMethodChoices(client);
  BuildAnalyzeButton(client);
  PlaceControls();
  BuildLinks(client);
  ConnectHandlers();
  Form_Load();
  FollowDateAndTimeWithThePlacesZone();
  tavrin::StartLoadingPlaces();
  FixClientSize(client);
}

// The window's caption and font, its client area and the menu bar.
QWidget& frmMain::BuildWindow() {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(tavrin::kWindowCaption);
  setFont(tavrin::AppFont());
  auto* client = Make<QWidget>(this, "client");
  setCentralWidget(client);
  BuildMenu();
  return *client;
}

// The description on the left; the title and the open button above the details.
void frmMain::BuildHeading(QWidget& client) {
  lblDescription = Make<QLabel>(&client, "lblDescription", kDescription);
  lblDescription->setWordWrap(true);
  lblDescription->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  lblDescription->setFont(tavrin::AppFont(9.75));
  lblDescription->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  lblDescription->setMargin(6);

  lblTitle = Make<QLabel>(&client, "lblTitle", tavrin::kApplicationTitle);
  lblTitle->setAlignment(Qt::AlignCenter);
  lblTitle->setFont(tavrin::AppFont(11, true));
  lblTitle->setAutoFillBackground(true);
  QPalette titleColours = lblTitle->palette();
  titleColours.setColor(QPalette::Window, QColor(0, 0, 64));
  titleColours.setColor(QPalette::WindowText, Qt::white);
  lblTitle->setPalette(titleColours);

  cmdOpen = Make<QPushButton>(&client, "cmdOpen", "&Open Previously Saved Reading");
  // Enter presses the focused button, as Space does; in a dialog Qt does that by itself.
  cmdOpen->setAutoDefault(true);
}

// The frame of the personal details with its heading and the name, date and time rows.
void frmMain::BuildNameDateAndTime(QWidget& client) {
  fraDetails = Make<QGroupBox>(&client, "fraDetails", "Personal Details");
  lblFillUp = Make<QLabel>(fraDetails, "lblFillUp", "Please Fill Up the following details");
  lblFillUp->setFont(tavrin::AppFont(8.25, true));

  lblEnterName = Make<QLabel>(fraDetails, "lblEnterName", "Enter Name");
  txtName = Make<QLineEdit>(fraDetails, "txtName");

  lblEnterDate = Make<QLabel>(fraDetails, "lblEnterDate", "Enter Date of Birth");
  cboMonth = Make<QComboBox>(fraDetails, "cboMonth");
  cboDate = Make<QComboBox>(fraDetails, "cboDate");
  cboYear = Make<QComboBox>(fraDetails, "cboYear");

  lblEnterTime = Make<QLabel>(fraDetails, "lblEnterTime", "Enter Time of Birth");
  cboHH = Make<QComboBox>(fraDetails, "cboHH");
  cboMM = Make<QComboBox>(fraDetails, "cboMM");
  cboSS = Make<QComboBox>(fraDetails, "cboSS");
  lblTimeFormat = Make<QLabel>(fraDetails, "lblTimeFormat", "HH:MM:SS");
}

// The birth place row, the zone row and the zone words under it.
void frmMain::BuildPlaceAndZone() {
  lblEnterPlace = Make<QLabel>(fraDetails, "lblEnterPlace", "Enter Birth Place");
  txtPlace = Make<tavrin::PlaceBox>(fraDetails, "txtPlace");
  txtPlace->setPlaceholderText(QStringLiteral("City (optional), e.g. Shanghai"));
  for (QWidget* placeRow : {static_cast<QWidget*>(lblEnterPlace), static_cast<QWidget*>(txtPlace)})
    placeRow->setToolTip(QString::fromUtf8(kPlaceTip));

  lblEnterZone = Make<QLabel>(fraDetails, "lblEnterZone", "Enter Time Zone");
  lblZoneHour = Make<QLabel>(fraDetails, "lblZoneHour", "0");
  lblZoneMinute = Make<QLabel>(fraDetails, "lblZoneMinute", "0");
  for (QLabel* zone : {lblZoneHour, lblZoneMinute}) {
    zone->setAlignment(Qt::AlignCenter);
    zone->setFont(tavrin::AppFont(8.25, true));
    zone->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  }
  lblTimeZone = Make<tavrin::ClickLabel>(fraDetails, "lblTimeZone", "Time &Zone Help");
  lblTimeZone->setFont(tavrin::AppFont(8.25, true));
  lblTimeZone->setCursor(Qt::PointingHandCursor);
  QPalette linkColours = lblTimeZone->palette();
  linkColours.setColor(QPalette::WindowText, QColor(0, 0, 255));
  lblTimeZone->setPalette(linkColours);
  lblZoneInForce = Make<QLabel>(fraDetails, "lblZoneInForce");
  lblZoneInForce->setFont(tavrin::AppFont(8.25, false));
}

void frmMain::BuildLongitudeAndGender() {
  lblEnterLongitude = Make<QLabel>(fraDetails, "lblEnterLongitude", "Enter Longitude");
  txtLongitude = Make<QLineEdit>(fraDetails, "txtLongitude");
  txtLongitude->setPlaceholderText(QStringLiteral("e.g. 116 E"));
  lblLongitudeHint = Make<QLabel>(fraDetails, "lblLongitudeHint", QStringLiteral("\u00B0 E or W (optional)"));
  for (QWidget* longitude : {static_cast<QWidget*>(lblEnterLongitude), static_cast<QWidget*>(txtLongitude),
                             static_cast<QWidget*>(lblLongitudeHint)}) {
    longitude->setToolTip(kLongitudeTip);
  }

  lblEnterGender = Make<QLabel>(fraDetails, "lblEnterGender", "Enter Gender");
  optMale = Make<QRadioButton>(fraDetails, "optMale", "Male");
  optFemale = Make<QRadioButton>(fraDetails, "optFemale", "Female");
  optMale->setChecked(true);
}

// The casting choices' column at the right.
void frmMain::BuildMethodChoices(QWidget& client) {
  // Alt+M reaches the method; the frame's mnemonic focuses its first control.
  fraMethod = Make<QGroupBox>(&client, "fraMethod", "Chart &Method");
  cboMethod = Make<QComboBox>(fraMethod, "cboMethod");
  cboMethod->addItems({QStringLiteral("Classic"), QStringLiteral("Precise")});
  cboMethod->setToolTip(kMethodTip);
  chkTrueSolarTime = Make<QCheckBox>(fraMethod, "chkTrueSolarTime", "True solar time");
  chkTrueSolarTime->setToolTip(kTrueSolarTimeTip);
  cboDayStarts = Make<QComboBox>(fraMethod, "cboDayStarts");
  cboDayStarts->addItems({QStringLiteral("Day from midnight"), QStringLiteral("Day from 23:00"),
                          QStringLiteral("Midnight, own Rat")});
  cboDayStarts->setToolTip(kDayStartsTip);
  lblMethodHint = Make<QLabel>(fraMethod, "lblMethodHint", kMethodHint);
  lblMethodHint->setWordWrap(true);
  lblMethodHint->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  cboCalendar = Make<QComboBox>(fraMethod, "cboCalendar");
  cboCalendar->addItems({QStringLiteral("Gregorian date"), QStringLiteral("Lunar date 农历")});
  chkLeapMonth = Make<QCheckBox>(fraMethod, "chkLeapMonth", "Leap 闰");
  chkLeapMonth->setEnabled(false);
  lblGregorianDate = Make<QLabel>(fraMethod, "lblGregorianDate");
  ShowOptions({});
}

void frmMain::BuildAnalyzeButton(QWidget& client) {
  cmdCalculation = Make<QPushButton>(&client, "cmdCalculation", "Analyze My Ba Zi");
  cmdCalculation->setFont(tavrin::AppFont(8.25, true));
  cmdCalculation->setAutoDefault(true);
}

void frmMain::ConnectHandlers() {
  connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
  connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
  connect(lblTimeZone, &tavrin::ClickLabel::clicked, this, &frmMain::lblTimeZone_Click);
  connect(cmdCalculation, &QPushButton::clicked, this, &frmMain::cmdCalculation_Click);
  connect(cboMethod, &QComboBox::currentIndexChanged, this, &frmMain::cboMethod_Change);
  connect(cboCalendar, &QComboBox::currentIndexChanged, this, &frmMain::cboCalendar_Change);
  connect(mnuFindPillars, &QAction::triggered, this, &frmMain::mnuFindPillars_Click);
  for (QComboBox* list : {cboMonth, cboYear, cboDate})
    connect(list, &QComboBox::currentIndexChanged, this, &frmMain::LunarDate_Change);
  connect(chkLeapMonth, &QCheckBox::toggled, this, &frmMain::LunarDate_Change);
  connect(txtPlace, &tavrin::PlaceBox::placeChosen, this, &frmMain::Place_Chosen);
}

// The place's zone follows the date and time.
void frmMain::FollowDateAndTimeWithThePlacesZone() {
  for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS}) {
    connect(list, &QComboBox::currentIndexChanged, this, [this] {
      fold_.reset();
      ShowZoneInForce();
    });
  }
}

// The client area keeps its size whatever bars the window carries above it.
void frmMain::FixClientSize(QWidget& client) {
  client.setFixedSize(tavrin::TwipSize(kClientWidth, kClientHeight));
  tavrin::FixAndCentre(*this, sizeHint());
}

void frmMain::BuildMenu() {
  menuBar()->setObjectName(QStringLiteral("menuBar"));
  mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  mnuFindPillars = mnuFile->addAction(QStringLiteral("&Find Birth Dates from Pillars..."));
  mnuFindPillars->setObjectName(QStringLiteral("mnuFindPillars"));
  mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
  mnuExit->setObjectName(QStringLiteral("mnuExit"));
  tavrin::AddHelpMenus(*menuBar(), *this);
}

// The forum link above the controls and the brand frame below them.
void frmMain::BuildLinks(QWidget& client) {
  using tavrin::TwipRect;
  Label14 = tavrin::PlaceLink(client, "Label14", tavrin::EntryForumCaption(), tavrin::kHomePage,
                              TwipRect(1567 + kChoicesColumn / 2, 0, 4950, 435));
  const tavrin::BrandFrame brand = tavrin::MakeBrandFrame(client, TwipRect(0, kBrandTop, 8025 + kChoicesColumn, 855),
                                                          TwipRect(120, 165, 7785 + kChoicesColumn, 615));
  fraFullBrand = brand.frame;
  lblCobrand = brand.cobrand;
  lblFullBrand = brand.fullBrand;
  lblCobrand->raise();  // until the start-up draw chooses
}

void frmMain::PlaceControls() {
  using tavrin::TwipRect;
  lblDescription->setGeometry(TwipRect(120, 450, 2460, 4380));
  fraMethod->setGeometry(TwipRect(8085, 450, 2460, 4380));
  cboMethod->setGeometry(TwipRect(120, 330, 2220, 300));
  chkTrueSolarTime->setGeometry(TwipRect(120, 720, 2220, 300));
  cboDayStarts->setGeometry(TwipRect(120, 1110, 2220, 300));
  lblMethodHint->setGeometry(TwipRect(120, 1560, 2220, 2040));
  cboCalendar->setGeometry(TwipRect(120, 3630, 2220, 300));
  chkLeapMonth->setGeometry(TwipRect(120, 3990, 900, 300));
  lblGregorianDate->setGeometry(TwipRect(1080, 3990, 1260, 300));
  lblTitle->setGeometry(TwipRect(2760, 450, 5205, 300));
  cmdOpen->setGeometry(TwipRect(2760, 795, 5205, 345));
  fraDetails->setGeometry(TwipRect(2760, 1185, 5205, 3255));
  cmdCalculation->setGeometry(TwipRect(2760, 4485, 5205, 345));

  // Inside the frame, below its title: captions on the left, their controls
  // from 1920 twips on, one row every 330 twips.
  lblFillUp->setGeometry(TwipRect(120, 315, 4965, 225));
  const struct {
    QLabel* caption;
    int top;
  } rows[] = {{lblEnterName, 570},  {lblEnterDate, 900},       {lblEnterTime, 1230},  {lblEnterPlace, 1560},
              {lblEnterZone, 1890}, {lblEnterLongitude, 2550}, {lblEnterGender, 2880}};
  for (const auto& row : rows) row.caption->setGeometry(TwipRect(120, row.top, 1740, 300));

  txtName->setGeometry(TwipRect(1920, 570, 3165, 300));
  cboMonth->setGeometry(TwipRect(1920, 900, 1380, 300));
  cboDate->setGeometry(TwipRect(3360, 900, 720, 300));
  cboYear->setGeometry(TwipRect(4140, 900, 945, 300));
  cboHH->setGeometry(TwipRect(1920, 1230, 690, 300));
  cboMM->setGeometry(TwipRect(2670, 1230, 690, 300));
  cboSS->setGeometry(TwipRect(3420, 1230, 690, 300));
  lblTimeFormat->setGeometry(TwipRect(4170, 1230, 915, 300));
  txtPlace->setGeometry(TwipRect(1920, 1560, 3165, 300));
  lblZoneHour->setGeometry(TwipRect(1920, 1890, 540, 300));
  lblZoneMinute->setGeometry(TwipRect(2520, 1890, 540, 300));
  lblTimeZone->setGeometry(TwipRect(3120, 1890, 1965, 300));
  lblZoneInForce->setGeometry(TwipRect(120, 2220, 4965, 300));
  txtLongitude->setGeometry(TwipRect(1920, 2550, 1260, 300));
  lblLongitudeHint->setGeometry(TwipRect(3240, 2550, 1845, 300));
  optMale->setGeometry(TwipRect(1920, 2880, 1050, 300));
  optFemale->setGeometry(TwipRect(3120, 2880, 1200, 300));
}

void frmMain::Form_Load() {
  for (std::string_view month : tavrin::MonthNames) {
    cboMonth->addItem(QString::fromLatin1(month.data(), static_cast<qsizetype>(month.size())));
  }
  AddNumbers(cboDate, 1, 31);
  const tavrin::YearSpan years = tavrin::EntryYears(tavrin::Method::classic);
  AddNumbers(cboYear, years.first, years.last);
  AddNumbers(cboHH, 0, 23);
  AddNumbers(cboMM, 0, 59);
  AddNumbers(cboSS, 0, 59);
  for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS}) list->setCurrentIndex(0);

  // The birth place, the zone link and the longitude follow the time; gender
  // is chosen with the mouse, then come the casting choices, and the saved
  // reading button comes last.
  const QWidget* chain[] = {txtName,      cboMonth,       cboDate, cboYear,   cboHH,     cboMM,
                            cboSS,        txtPlace,       lblTimeZone, txtLongitude, cmdCalculation, optMale,
                            optFemale,    cboMethod,      chkTrueSolarTime, cboDayStarts, cboCalendar,
                            chkLeapMonth, cmdOpen};
  for (std::size_t i = 1; i < std::size(chain); ++i) {
    setTabOrder(const_cast<QWidget*>(chain[i - 1]), const_cast<QWidget*>(chain[i]));
  }
  txtName->setFocus();
}

void frmMain::ShowZone(const QString& hours, const QString& minutes) {
  lblZoneHour->setText(hours);
  lblZoneMinute->setText(minutes);
  pickedHours_ = hours;
  pickedMinutes_ = minutes;
  pickedExactly_.reset();
  if (txtPlace->Chosen() != nullptr) {
    pickedOverPlace_ = true;
    ShowZoneWords(QStringLiteral("Zone picked from the list; the place gives the longitude"));
  }
}

void frmMain::ShowSavedZone(double hoursEast) {
  const tavrin::ZoneCaptions captions = tavrin::ZoneCaptionsFor(hoursEast);
  ShowZone(QString::fromStdString(captions.hours), QString::fromStdString(captions.minutes));
  pickedExactly_ = hoursEast;
}

void frmMain::Place_Chosen(const tavrin::place::Place* place) {
  fold_.reset();
  if (place == nullptr) {
    // Giving the place up brings back the zone picked from the list, and
    // empties the longitude the place wrote.
    if (!pickedOverPlace_) {
      lblZoneHour->setText(pickedHours_);
      lblZoneMinute->setText(pickedMinutes_);
    }
    if (txtLongitude->text() == placeLongitude_) txtLongitude->clear();
    pickedOverPlace_ = false;
    lblZoneInForce->clear();
    return;
  }
  pickedOverPlace_ = false;
  placeLongitude_ = QString::fromStdString(tavrin::LongitudeFieldText(place->longitude));
  txtLongitude->setText(placeLongitude_);
  ShowZoneInForce();
}

void frmMain::RestorePlace(const tavrin::place::PlaceChoices& choices) {
  const tavrin::place::PlaceCatalogue* catalogue = choices.placeId ? tavrin::Places() : nullptr;
  const tavrin::place::Place* place = catalogue ? catalogue->FindById(*choices.placeId) : nullptr;
  txtPlace->Show(place);
  fold_ = choices.fold;
  lblZoneInForce->clear();
  if (place == nullptr) {
    pickedOverPlace_ = false;
    return;
  }
  placeLongitude_ = txtLongitude->text();
  pickedOverPlace_ = choices.timeZone.has_value() && *choices.timeZone != place->timeZone;
  ShowZoneInForce();
}

namespace {

tavrin::place::LocalDateTime ClockTime(const frmMain& form) {
  const frmMain::ChosenDay day = form.GregorianChosen();
  return {day.year, day.month, day.day, Whole(form.cboHH), Whole(form.cboMM), Whole(form.cboSS)};
}

// The lunar date the lists show in the lunar calendar.
tavrin::calendar::LunarDate ChosenLunarDate(const frmMain& form) {
  return {Whole(form.cboYear), form.cboMonth->currentIndex() + 1, form.chkLeapMonth->isChecked(),
          form.cboDate->currentIndex() + 1};
}

}  // namespace

// The zone captions and words for the chosen place at the date and time the
// form shows.
void frmMain::ShowZoneInForce() {
  const tavrin::place::Place* place = txtPlace->Chosen();
  if (place == nullptr || pickedOverPlace_) return;
  const QString zoneName = QString::fromUtf8(place->timeZone.data(), static_cast<qsizetype>(place->timeZone.size()));
  const auto lookup = tavrin::place::ZoneHistory::Lookup(place->timeZone);
  if (const auto* unknown = std::get_if<tavrin::place::ZoneNotFound>(&lookup)) {
    ShowZoneWords(zoneName + QStringLiteral(": ") + QString::fromStdString(unknown->message));
    return;
  }
  const auto* zone = &std::get<tavrin::place::ZoneHistory>(lookup);
  const auto found = zone->OffsetAt(ClockTime(*this), fold_, place->longitude);
  if (const auto* problem = std::get_if<tavrin::place::ZoneTimeProblem>(&found)) {
    // No offset is in force until the question is answered at the analysis.
    lblZoneHour->clear();
    lblZoneMinute->clear();
    ShowZoneWords(zoneName + (problem->kind == tavrin::place::ZoneTimeProblem::Kind::skipped
                                  ? QStringLiteral(": this clock time did not exist (clocks went forward)")
                                  : QStringLiteral(": this clock time happened twice (clocks went back)")));
    return;
  }
  const auto& offset = std::get<tavrin::place::ZoneOffsetInForce>(found);
  const tavrin::ZoneCaptions captions = tavrin::ZoneCaptionsFor(tavrin::HoursOfOffset(offset.seconds));
  lblZoneHour->setText(QString::fromStdString(captions.hours));
  lblZoneMinute->setText(QString::fromStdString(captions.minutes));
  ShowZoneWords(zoneName + QStringLiteral(": ") + QString::fromStdString(tavrin::place::DescribeOffset(offset)));
}

// The words under the zone captions, in full: on one line at the form's size
// when they fit, else wrapped over the room down to the longitude row, in the
// largest size that holds them.
void frmMain::ShowZoneWords(const QString& words) {
  using tavrin::TwipRect;
  lblZoneInForce->setText(words);
  QFont font = tavrin::AppFont(8.25, false);
  const bool oneLine = QFontMetrics(font).horizontalAdvance(words) <= lblZoneInForce->contentsRect().width();
  lblZoneInForce->setWordWrap(!oneLine);
  lblZoneInForce->setGeometry(TwipRect(120, 2220, 4965, oneLine ? 300 : 330));
  if (!oneLine) {
    const QRect room = lblZoneInForce->contentsRect();
    for (double size = 8.25; size > kSmallestZoneWords; size -= 0.25) {
      font.setPointSizeF(size);
      const QRect needed = QFontMetrics(font).boundingRect(room, Qt::TextWordWrap, words);
      if (needed.width() <= room.width() && needed.height() <= room.height()) break;
    }
  }
  lblZoneInForce->setFont(font);
}

tavrin::CastOptions frmMain::ChosenOptions() const {
  tavrin::CastOptions options;
  if (cboMethod->currentIndex() == 1) {
    options.method = tavrin::Method::precise;
    if (chkTrueSolarTime->isChecked()) options.solarTime = tavrin::SolarTime::trueSun;
    if (cboDayStarts->currentIndex() > 0) options.dayStarts = static_cast<tavrin::DayStarts>(cboDayStarts->currentIndex());
  }
  return options;
}

void frmMain::ShowOptions(const tavrin::CastOptions& options) {
  refinements_ = options;
  {
    const QSignalBlocker quiet(cboMethod);
    cboMethod->setCurrentIndex(options.method == tavrin::Method::precise ? 1 : 0);
  }
  ShowMethod();
}

// Leaving Precise keeps its refinements for a return to it while the form is open.
void frmMain::cboMethod_Change() {
  if (cboMethod->currentIndex() != 1 && chkTrueSolarTime->isEnabled()) {
    refinements_.solarTime = chkTrueSolarTime->isChecked() ? tavrin::SolarTime::trueSun : tavrin::SolarTime::mean;
    refinements_.dayStarts = static_cast<tavrin::DayStarts>(std::max(0, cboDayStarts->currentIndex()));
  }
  ShowMethod();
}

// The refinements of the precise method as last chosen, greyed out at their
// defaults for Classic; the year list spans the method's years.
void frmMain::ShowMethod() {
  const bool precise = cboMethod->currentIndex() == 1;
  chkTrueSolarTime->setChecked(precise && refinements_.solarTime == tavrin::SolarTime::trueSun);
  cboDayStarts->setCurrentIndex(precise ? static_cast<int>(refinements_.dayStarts) : 0);
  chkTrueSolarTime->setEnabled(precise);
  cboDayStarts->setEnabled(precise);
  ShowYears(precise ? tavrin::Method::precise : tavrin::Method::classic);
}

// The year list spans the method's years; the chosen year stays when the
// list holds it, and becomes the nearest year the list holds otherwise.
void frmMain::ShowYears(tavrin::Method method) {
  if (cboYear->count() == 0) return;  // Form_Load fills it
  const tavrin::YearSpan years = tavrin::EntryYears(method);
  if (cboYear->itemText(0).toInt() == years.first && cboYear->count() == years.last - years.first + 1) return;
  const int chosen = Whole(cboYear);
  const int shown = std::clamp(chosen, years.first, years.last);
  {
    const QSignalBlocker quiet(cboYear);
    cboYear->clear();
    AddNumbers(cboYear, years.first, years.last);
    cboYear->setCurrentIndex(shown - years.first);
  }
  if (shown != chosen) {
    fold_.reset();
    ShowZoneInForce();
  }
}

void frmMain::lblTimeZone_Click() {
  frmTimeZone picker(this);
  picker.exec();
  if (const std::optional<tavrin::TimeZoneRow> zone = picker.ChosenZone()) {
    ShowZone(QString::number(zone->hours), QString::number(zone->minutes));
  }
}

void frmMain::cmdOpen_Click() {
  const QString path = tavrin::AskFileName(
      *this, {tavrin::FileDialogMode::Open, QStringLiteral("Select the source file"),
              QStringLiteral("Tavrin (*.baz)"), QStringLiteral("baz")});
  if (path.isEmpty()) return;
  // A file that cannot be read changes nothing: restoring empty lines would
  // wipe the name and the gender the user sees.
  const std::string file = QFile::encodeName(path).toStdString();
  tavrin::Reading reading;
  if (!tavrin::HasReadingName(file) || tavrin::LoadReading(file, reading)) {
    ShowCheckMessage("Please Check The File.", true);
    return;
  }
  if (const auto why = tavrin::WhyNotRestored(reading)) {
    ShowCheckMessage(QStringLiteral("Please Check The File.\n") + QString::fromStdString(*why), true);
    return;
  }
  tavrin::RestoreReading(reading, *this);
  const tavrin::place::PlaceChoices place = tavrin::place::ReadPlaceChoices(reading);
  RestorePlace(place);
  if (const auto saved = reading.Choice("place"); saved && txtPlace->Chosen() == nullptr) TellPlaceUnknown(*saved);
  cmdCalculation_Click();
}

// A saved place the list of places lacks: the chart is still cast, from the
// zone offset and the longitude saved with it.
void frmMain::TellPlaceUnknown(std::string_view saved) {
  constexpr qsizetype kShown = 60;
  QString named = QString::fromStdString(std::string(saved));
  if (named.size() > kShown) named = named.left(kShown) + QStringLiteral("...");
  QMessageBox box(QMessageBox::Information, tavrin::kApplicationTitle,
                  QStringLiteral("The birth place saved in this reading (place=%1) is not in the list of places.\n"
                                 "The chart is cast from the zone and the longitude saved with it.")
                      .arg(named),
                  QMessageBox::Ok, this);
  box.setObjectName(QStringLiteral("msgUnknownPlace"));
  box.exec();
}

void frmMain::ShowCheckMessage(const QString& text, bool error) {
  QMessageBox box(error ? QMessageBox::Critical : QMessageBox::Information, tavrin::kApplicationTitle, text,
                  QMessageBox::Ok, this);
  box.exec();
}

bool frmMain::ValidateBirthDetails() {
  if (Typed(txtName).empty()) {
    ShowCheckMessage("Please Enter Your Name", true);
    txtName->setFocus();
    return false;
  }
  if (!optMale->isChecked() && !optFemale->isChecked()) {
    ShowCheckMessage("Please Select Your Gender", true);
    return false;
  }
  // The lunar lists hold only the days of the month shown.
  if (cboCalendar->currentIndex() == 1) return CheckPlace() && CheckLongitude();
  const int month = cboMonth->currentIndex();  // 0 is January
  const int day = cboDate->currentIndex() + 1;
  if (month == 1) {
    // Gregorian leap years: within 1901..2050 every fourth year is one.
    if (day > tavrin::DaysInMonth(Whole(cboYear), 2)) {
      ShowCheckMessage("Please Enter Correct Date Or Month!", false);
      return false;
    }
  }
  const bool thirtyDays = month == 3 || month == 5 || month == 8 || month == 10;
  if (thirtyDays && day == 31) {
    ShowCheckMessage("Please Enter Correct Date Or Month !", false);
    return false;
  }
  return CheckPlace() && CheckLongitude();
}

// A typed place that was not chosen from the list counts when one city
// clearly matches it.
bool frmMain::CheckPlace() {
  if (txtPlace->Chosen() != nullptr || txtPlace->text().trimmed().isEmpty()) return true;
  if (const tavrin::place::Place* best = txtPlace->DominantMatch()) {
    txtPlace->Show(best);
    Place_Chosen(best);
    return true;
  }
  ShowCheckMessage("Please Choose the Birth Place From the List, Or Leave It Blank", false);
  txtPlace->setFocus();
  return false;
}

// The offset the chosen place's zone kept at the birth; false, with a message
// or after the user cancelled the question, when no chart is to be cast.
bool frmMain::ResolvePlaceZone() {
  placeOffset_.reset();
  const tavrin::place::Place* place = txtPlace->Chosen();
  if (place == nullptr || pickedOverPlace_) return true;
  const auto zone = tavrin::place::ZoneHistory::Find(place->timeZone);
  if (!zone) return true;  // the captions stand
  for (;;) {
    const auto found = zone->OffsetAt(ClockTime(*this), fold_, place->longitude);
    if (const auto* offset = std::get_if<tavrin::place::ZoneOffsetInForce>(&found)) {
      placeOffset_ = offset->seconds;
      ShowZoneInForce();
      return true;
    }
    const auto& problem = std::get<tavrin::place::ZoneTimeProblem>(found);
    if (problem.kind == tavrin::place::ZoneTimeProblem::Kind::skipped) {
      QMessageBox box(QMessageBox::Information, tavrin::kApplicationTitle,
                      QString::fromStdString(problem.message) +
                          QStringLiteral(".\nPlease Check the Time of Birth."),
                      QMessageBox::Ok, this);
      box.setObjectName(QStringLiteral("msgNoSuchTime"));
      box.exec();
      return false;
    }
    fold_ = tavrin::AskWhichFold(*this, problem);
    if (!fold_) return false;
  }
}

bool frmMain::CheckLongitude() {
  const std::string typed = Typed(txtLongitude);
  if (typed.empty() || tavrin::ParseLongitude(typed)) return true;
  ShowCheckMessage("Please Enter the Longitude From 180 W To 180 E, Or Leave It Blank", false);
  txtLongitude->setFocus();
  txtLongitude->selectAll();
  return false;
}

tavrin::AnalysedBirth frmMain::AnalysedBirth() const {
  tavrin::BirthEntry entry;
  entry.name = Typed(txtName);
  const ChosenDay chosen = GregorianChosen();
  entry.year = chosen.year;
  entry.month = chosen.month;
  entry.day = chosen.day;
  if (cboCalendar->currentIndex() == 1) entry.lunarEntry = ChosenLunarDate(*this);
  entry.hour = Whole(cboHH);
  entry.minute = Whole(cboMM);
  entry.second = Whole(cboSS);
  // A place's zone, and a saved zone while the captions show it, give the
  // offset to the second, which the captions round to the minute.
  double zoneHoursEast = tavrin::ZoneHoursEast(lblZoneHour->text().toInt(), lblZoneMinute->text().toInt());
  if (placeOffset_) {
    zoneHoursEast = tavrin::HoursOfOffset(*placeOffset_);
  } else if (pickedExactly_) {
    const tavrin::ZoneCaptions saved = tavrin::ZoneCaptionsFor(*pickedExactly_);
    if (QString::fromStdString(saved.hours) == lblZoneHour->text() &&
        QString::fromStdString(saved.minutes) == lblZoneMinute->text())
      zoneHoursEast = *pickedExactly_;
  }
  entry.zoneHoursEast = zoneHoursEast;
  // Without a longitude the place sits on its zone's meridian, where local
  // mean time is the clock time; a chosen place has written its own.
  entry.longitude = tavrin::ParseLongitude(Typed(txtLongitude));
  entry.male = optMale->isChecked();
  entry.options = ChosenOptions();
  tavrin::AnalysedBirth analysed;
  if (const tavrin::place::Place* place = txtPlace->Chosen()) {
    entry.place = place;
    tavrin::place::PlaceChoices& chosen = entry.placeChoices;
    chosen.placeId = place->id;
    chosen.placeName = place->asciiName;
    if (pickedOverPlace_) chosen.timeZone = std::string(tavrin::place::kSavedOffsetStands);
    if (placeOffset_) chosen.fold = fold_;
    analysed.placeTitle = tavrin::place::PlaceTitle(*place);
  }
  // With the offset given and no zone named, the builder finds no fault.
  analysed.birth = std::get<tavrin::EnteredBirth>(tavrin::BuildBirth(entry));
  return analysed;
}

void frmMain::cmdCalculation_Click() {
  if (!ValidateBirthDetails() || !ResolvePlaceZone()) return;
  tavrin::ShowChartInPlaceOf(*this, AnalysedBirth());
}

void frmMain::mnuExit_Click() { close(); }

frmMain::ChosenDay frmMain::GregorianChosen() const {
  if (cboCalendar->currentIndex() == 0) return {Whole(cboYear), cboMonth->currentIndex() + 1, Whole(cboDate)};
  // While the lists are being brought in line the day may pass the month's last, or the leap box stay ticked.
  tavrin::calendar::LunarDate lunar = ChosenLunarDate(*this);
  tavrin::calendar::GregorianDay day = tavrin::calendar::DayOf(lunar);
  if (day.problem == tavrin::calendar::LunarProblem::noSuchLeapMonth) {
    lunar.leap = false;
    day = tavrin::calendar::DayOf(lunar);
  }
  for (; day.problem == tavrin::calendar::LunarProblem::dayOutside && lunar.day > 1; day = tavrin::calendar::DayOf(lunar))
    --lunar.day;
  if (day.problem != tavrin::calendar::LunarProblem::none) return {Whole(cboYear), 1, 1};
  const tavrin::astro::CivilTime date = tavrin::astro::CivilTimeOf(static_cast<double>(day.dayNumber) - 0.5);
  return {date.year, date.month, date.day};
}

void frmMain::ShowCalendar(bool lunar) { cboCalendar->setCurrentIndex(lunar ? 1 : 0); }

void frmMain::mnuFindPillars_Click() {
  frmFindPillars finder(*this);
  finder.exec();
}

void frmMain::ShowBirthMoment(ChosenDay day, int hour, int minute, int second, double zoneHoursEast,
                              tavrin::DayStarts dayStarts, std::optional<double> longitude) {
  ShowCalendar(false);
  ShowOptions({tavrin::Method::precise, tavrin::SolarTime::mean, dayStarts});
  txtPlace->clear();
  txtLongitude->clear();
  if (longitude) txtLongitude->setText(QString::fromStdString(tavrin::LongitudeFieldText(*longitude)));
  const auto choose = [](QComboBox* list, int number) {
    const int index = list->findText(QString::number(number));
    if (index >= 0) list->setCurrentIndex(index);
  };
  choose(cboYear, day.year);
  cboMonth->setCurrentIndex(day.month - 1);
  choose(cboDate, day.day);
  choose(cboHH, hour);
  choose(cboMM, minute);
  choose(cboSS, second);
  ShowSavedZone(zoneHoursEast);
}

// The lists change calendar and keep the day they showed; a lunar year the
// year list lacks (January of its first year) takes its first year.
void frmMain::cboCalendar_Change() {
  const bool lunar = cboCalendar->currentIndex() == 1;
  ChosenDay day{Whole(cboYear), cboMonth->currentIndex() + 1, 0};
  std::optional<tavrin::calendar::LunarDate> lunarDay;
  if (lunar) {
    day.day = Whole(cboDate);
    lunarDay = tavrin::calendar::LunarDateOf(day.year, day.month, day.day);
  } else {
    const tavrin::calendar::LunarDate shown{day.year, day.month, chkLeapMonth->isChecked(), cboDate->currentIndex() + 1};
    if (tavrin::calendar::DayOf(shown).problem == tavrin::calendar::LunarProblem::none) {
      lunarDay = shown;
      const tavrin::astro::CivilTime date = tavrin::astro::CivilTimeOf(
          static_cast<double>(tavrin::calendar::DayOf(shown).dayNumber) - 0.5);
      day = {date.year, date.month, date.day};
    }
  }
  const QSignalBlocker blockMonth(cboMonth), blockDay(cboDate), blockYear(cboYear), blockLeap(chkLeapMonth);
  cboMonth->clear();
  cboDate->clear();
  if (lunar) {
    for (int month = 1; month <= 12; ++month)
      cboMonth->addItem(QString::fromStdString(tavrin::calendar::MonthHanzi(month, false)));
    for (int d = 1; d <= 30; ++d) cboDate->addItem(QString::fromStdString(tavrin::calendar::DayHanzi(d)));
    const tavrin::calendar::LunarDate shown = lunarDay.value_or(tavrin::calendar::LunarDate{day.year, 1, false, 1});
    const int yearIndex = cboYear->findText(QString::number(shown.year));
    cboYear->setCurrentIndex(yearIndex >= 0 ? yearIndex : 0);
    cboMonth->setCurrentIndex(yearIndex >= 0 ? shown.month - 1 : 0);
    cboDate->setCurrentIndex(yearIndex >= 0 ? shown.day - 1 : 0);
    chkLeapMonth->setChecked(yearIndex >= 0 && shown.leap);
  } else {
    for (std::string_view month : tavrin::MonthNames)
      cboMonth->addItem(QString::fromLatin1(month.data(), static_cast<qsizetype>(month.size())));
    AddNumbers(cboDate, 1, 31);
    const int yearIndex = cboYear->findText(QString::number(day.year));
    cboYear->setCurrentIndex(yearIndex >= 0 ? yearIndex : 0);
    cboMonth->setCurrentIndex(yearIndex >= 0 ? day.month - 1 : 0);
    cboDate->setCurrentIndex(yearIndex >= 0 ? day.day - 1 : 0);
    chkLeapMonth->setChecked(false);
  }
  LunarDate_Change();
}

// In the lunar calendar: as many days as the month has, the leap box where
// the year has that leap month, and the Gregorian day shown.
void frmMain::LunarDate_Change() {
  if (cboCalendar->currentIndex() == 0) {
    chkLeapMonth->setEnabled(false);
    lblGregorianDate->clear();
    return;
  }
  const int year = Whole(cboYear), month = cboMonth->currentIndex() + 1;
  const bool leapHere = tavrin::calendar::LeapMonthOf(year) == month;
  const QSignalBlocker blockDay(cboDate), blockLeap(chkLeapMonth);
  chkLeapMonth->setEnabled(leapHere);
  if (!leapHere) chkLeapMonth->setChecked(false);
  int days = 30;
  for (const tavrin::calendar::LunarMonth& each : tavrin::calendar::MonthsOf(year))
    if (each.number == month && each.leap == chkLeapMonth->isChecked()) days = each.days;
  const int shownDay = std::min(cboDate->currentIndex(), days - 1);
  while (cboDate->count() > days) cboDate->removeItem(cboDate->count() - 1);
  for (int d = cboDate->count() + 1; d <= days; ++d)
    cboDate->addItem(QString::fromStdString(tavrin::calendar::DayHanzi(d)));
  cboDate->setCurrentIndex(std::max(shownDay, 0));
  const ChosenDay day = GregorianChosen();
  lblGregorianDate->setText(QStringLiteral("= ") +
                            QString::fromStdString(tavrin::astro::IsoDate({day.year, day.month, day.day})));
}

void ShowEntryForm(tavrin::FrontFrameLabel front) {
  frmMain& form = tavrin::FormInstance<frmMain>::Get();
  form.show();
  tavrin::RaiseFrontFrameLabel(front, *form.lblCobrand, *form.lblFullBrand);
}
