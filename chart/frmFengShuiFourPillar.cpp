#include "chart/frmFengShuiFourPillar.h"

#include <algorithm>

#include <QDateTime>
#include <QLocale>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTextCursor>

#include "chart/cast_chart.h"
#include "chart/chart_window_texts.h"
#include "chart/clipboard_guard.h"
#include "chart/frmChartDetails.h"
#include "chart/frmSave.h"
#include "chart/reading_report.h"
#include "engine/chart.h"
#include "engine/vocabulary.h"
#include "shell/app_font.h"
#include "shell/app_text.h"
#include "shell/brand_frame.h"
#include "shell/form_instance.h"
#include "shell/help_menu.h"
#include "shell/link_captions.h"
#include "shell/link_label.h"
#include "shell/page_address.h"
#include "shell/session.h"
#include "shell/twips.h"

using tavrin::TwipRect;

namespace {

// Window layout in twips (left, top, width, height). Page rectangles are on
// the page; the pages stand in the tab strip's area.
constexpr int kClientWidth = 8085, kClientHeight = 4845;
constexpr int kTabAreaTop = 840;
const QRect kTabArea = TwipRect(0, kTabAreaTop, 8100, 3105);
const QRect kPageInTabArea = TwipRect(0, 1140 - kTabAreaTop, 8100, 2850);
constexpr std::array<int, 4> kExplanationHeight = {975, 975, 1215, 855};  // year, month, day, hour page
constexpr int kCellLeft = 6227, kCellTop = 120, kCellPitch = 360;
constexpr int kCellWidth = 1815, kCellHeight = 285;  // pillar cells and luck labels alike
constexpr std::array<int, 4> kLuckColumnLeft = {255, 2175, 4095, 6015};
constexpr int kLuckBlockTop = 120, kLuckBlockPitch = 1440, kLuckRowPitch = 360;

// Paragraph size that keeps the longest explanation inside its rectangle.
constexpr double kExplanationPointSize = 7.5;

const QColor kTitleBack(0, 0, 64);
const QColor kExplanationText(0, 128, 0);
const QColor kCellText(255, 0, 0);

QString Text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

QString IndexedName(const char* name, int index) {
  return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QLabel* MakeLabel(QWidget& parent, const QString& name, const QRect& rect, const QString& text = {}) {
  auto* label = new QLabel(text, &parent);
  label->setObjectName(name);
  label->setGeometry(rect);
  return label;
}

void Paint(QLabel& label, const QColor& text, const QColor& back) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::Window, back);
  palette.setColor(QPalette::WindowText, text);
  label.setPalette(palette);
  label.setAutoFillBackground(true);
}

// Text of the given colour on the system window colour.
void OnWindowColour(QLabel& label, const QColor& text) { Paint(label, text, label.palette().color(QPalette::Base)); }

// Keeps the tabs within the strip's height above the pages.
class TabStripStyle : public QProxyStyle {
 public:
  explicit TabStripStyle(int tabHeight) : tabHeight_(tabHeight) {}
  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override {
    QSize result = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type == CT_TabBarTab) result.setHeight(std::min(result.height(), tabHeight_));
    return result;
  }

 private:
  int tabHeight_;
};

}  // namespace

frmFengShuiFourPillar::frmFengShuiFourPillar(QWidget* parent) : tavrin::MainForm(parent) {
  setObjectName(QStringLiteral("frmFengShuiFourPillar"));
  setWindowTitle(QString::fromLatin1(tavrin::kWindowCaption));
  setFont(tavrin::AppFont());

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("client"));
  setCentralWidget(client);

  BuildMenu();
  Label1 = MakeLabel(*client, QStringLiteral("Label1"), TwipRect(2835, 525, 1890, 210),
                     QString::fromLatin1(tavrin::kApplicationTitle));
  Label1->setFont(tavrin::AppFont(8.25, true));
  Label1->setAlignment(Qt::AlignCenter);
  Paint(*Label1, Qt::white, kTitleBack);
  BuildTabStrip(*client);
  BuildButtons(*client);
  BuildLinks(*client);

  txtYearGuard = new tavrin::ClipboardGuard(*txtYear);
  txtMonthGuard = new tavrin::ClipboardGuard(*txtMonth);
  txtDayGuard = new tavrin::ClipboardGuard(*txtDay);
  txtHourGuard = new tavrin::ClipboardGuard(*txtHour);

  connect(TS, &QTabBar::currentChanged, this, &frmFengShuiFourPillar::TS_Click);
  connect(new QShortcut(QKeySequence::NextChild, this), &QShortcut::activated, this, [this] { SelectNextTab(1); });
  connect(new QShortcut(QKeySequence::PreviousChild, this), &QShortcut::activated, this, [this] { SelectNextTab(-1); });
  connect(cmdSave, &QPushButton::clicked, this, &frmFengShuiFourPillar::cmdSave_Click);
  connect(cmdBack, &QPushButton::clicked, this, &frmFengShuiFourPillar::cmdBack_Click);
  connect(mnuDetails, &QAction::triggered, this, &frmFengShuiFourPillar::mnuDetails_Click);
  connect(mnuBack, &QAction::triggered, this, &frmFengShuiFourPillar::mnuBack_Click);
  connect(mnuExit, &QAction::triggered, this, &frmFengShuiFourPillar::mnuExit_Click);

  // Every chart opens on the year pillar.
  TS->setCurrentIndex(0);
  BringToFront(*fraSubject[0]);

  tavrin::FixAndCentre(*this, tavrin::TwipSize(kClientWidth, kClientHeight) + QSize(0, menuBar()->sizeHint().height()));
}

void frmFengShuiFourPillar::BuildMenu() {
  menuBar()->setObjectName(QStringLiteral("menuBar"));
  mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
  mnuFile->setObjectName(QStringLiteral("mnuFile"));
  mnuDetails = mnuFile->addAction(QStringLiteral("Chart &Details..."));
  mnuDetails->setObjectName(QStringLiteral("mnuDetails"));
  mnuDetails->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
  mnuBack = mnuFile->addAction(QStringLiteral("&Back"));
  mnuBack->setObjectName(QStringLiteral("mnuBack"));
  mnuSep = mnuFile->addSeparator();
  mnuSep->setObjectName(QStringLiteral("mnuSep"));
  mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
  mnuExit->setObjectName(QStringLiteral("mnuExit"));
  tavrin::AddHelpMenus(*menuBar(), *this);
}

void frmFengShuiFourPillar::BuildTabStrip(QWidget& client) {
  auto* tabArea = new QWidget(&client);
  tabArea->setObjectName(QStringLiteral("fraTabStrip"));
  tabArea->setGeometry(kTabArea);

  TS = new QTabBar(tabArea);
  TS->setObjectName(QStringLiteral("TS"));
  TS->setExpanding(false);
  auto* style = new TabStripStyle(kPageInTabArea.top());
  style->setParent(this);  // outlives the tab strip, which goes with the client area
  TS->setStyle(style);
  for (std::string_view heading : tavrin::PillarHeadings) {
    TS->addTab(QString::fromLatin1(heading.data(), static_cast<qsizetype>(heading.size())));
  }
  TS->addTab(QString::fromLatin1(tavrin::chart_window::kLuckPeriodsTab));
  TS->setGeometry(0, 0, kTabArea.width(), kPageInTabArea.top());

  fraSubject[0] = BuildPillarPage(*tabArea, 0, lblYear, txtYear);
  fraSubject[1] = BuildPillarPage(*tabArea, 1, lblMonth, txtMonth);
  fraSubject[2] = BuildPillarPage(*tabArea, 2, lblDay, txtDay);
  fraSubject[3] = BuildPillarPage(*tabArea, 3, lblHour, txtHour);
  fraSubject[4] = BuildLuckPage(*tabArea);
}

QFrame* frmFengShuiFourPillar::BuildPillarPage(QWidget& tabArea, int page, std::array<QLabel*, 5>& cells,
                                               QPlainTextEdit*& box) {
  auto* frame = new QFrame(&tabArea);
  frame->setObjectName(IndexedName("fraSubject", page));
  frame->setGeometry(kPageInTabArea);
  frame->setAutoFillBackground(true);

  const int captionIndex = 3 - page;
  QLabel*& explanation = lblCaption[captionIndex];
  explanation =
      MakeLabel(*frame, IndexedName("lblCaption", captionIndex), TwipRect(45, 120, 6000, kExplanationHeight[page]),
                QString::fromLatin1(tavrin::chart_window::kPillarExplanations[captionIndex]));
  explanation->setFont(tavrin::AppFont(kExplanationPointSize));
  explanation->setWordWrap(true);
  explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  OnWindowColour(*explanation, kExplanationText);

  static constexpr std::array<const char*, 4> kCellNames = {"lblYear", "lblMonth", "lblDay", "lblHour"};
  for (int i = 0; i < 5; ++i) {
    cells[i] = MakeLabel(*frame, IndexedName(kCellNames[page], i),
                         TwipRect(kCellLeft, kCellTop + kCellPitch * i, kCellWidth, kCellHeight));
    OnWindowColour(*cells[i], kCellText);
  }

  lblLabel[page] = MakeLabel(*frame, IndexedName("lblLabel", page), TwipRect(45, 1560, 1395, 195),
                             QString::fromLatin1(tavrin::chart_window::kInterpretation));

  static constexpr std::array<const char*, 4> kBoxNames = {"txtYear", "txtMonth", "txtDay", "txtHour"};
  box = new QPlainTextEdit(frame);
  box->setObjectName(QLatin1String(kBoxNames[page]));
  box->setGeometry(TwipRect(42, 1920, 8000, 855));
  box->setReadOnly(true);
  return frame;
}

QFrame* frmFengShuiFourPillar::BuildLuckPage(QWidget& tabArea) {
  auto* frame = new QFrame(&tabArea);
  frame->setObjectName(IndexedName("fraSubject", 4));
  frame->setGeometry(kPageInTabArea);
  frame->setAutoFillBackground(true);

  // Slot s: column s mod 4 of block s div 4; age, stem and branch top to bottom.
  for (int slot = 0; slot < 8; ++slot) {
    const int left = kLuckColumnLeft[slot % 4];
    const int top = kLuckBlockTop + kLuckBlockPitch * (slot / 4);
    for (int row = 0; row < 3; ++row) {
      const int index = 8 * row + slot;
      lblLuckPeriods[index] = MakeLabel(*frame, IndexedName("lblLuckPeriods", index),
                                        TwipRect(left, top + kLuckRowPitch * row, kCellWidth, kCellHeight));
      OnWindowColour(*lblLuckPeriods[index], frame->palette().color(QPalette::Text));
    }
  }
  return frame;
}

void frmFengShuiFourPillar::BuildButtons(QWidget& client) {
  cmdSave = new QPushButton(QStringLiteral("&Save"), &client);
  cmdSave->setObjectName(QStringLiteral("cmdSave"));
  cmdSave->setGeometry(TwipRect(6795, 4080, 1215, 350));
  // Enter presses the focused button, as Space does; in a dialog Qt does that by itself.
  cmdSave->setAutoDefault(true);
  cmdBack = new QPushButton(QStringLiteral("&Back"), &client);
  cmdBack->setObjectName(QStringLiteral("cmdBack"));
  cmdBack->setGeometry(TwipRect(6795, 4440, 1215, 350));
  cmdBack->setAutoDefault(true);
}

// The two link lines above the title and the brand frame below the tab strip.
void frmFengShuiFourPillar::BuildLinks(QWidget& client) {
  Label14 = tavrin::PlaceLink(client, "Label14", tavrin::kForumCaption, tavrin::kHomePage,
                              TwipRect(1740, 0, 4830, 195));
  Label3 = tavrin::PlaceLink(client, "Label3", tavrin::VisitNowCaption(), tavrin::kHomePage,
                             TwipRect(1920, 240, 4470, 195));
  // One pixel lower than its place in twips, whose top row is the tab strip's last.
  const tavrin::BrandFrame brand = tavrin::MakeBrandFrame(client, TwipRect(60, 3935, 6585, 855).translated(0, 1),
                                                          TwipRect(120, 165, 6225, 615));
  fraFullBrand = brand.frame;
  lblCobrand = brand.cobrand;
  lblFullBrand = brand.fullBrand;
  lblCobrand->raise();
}

void frmFengShuiFourPillar::ShowChart(const tavrin::Chart& chart) {
  const std::array<std::array<QLabel*, 5>*, 4> columns = {&lblYear, &lblMonth, &lblDay, &lblHour};
  const tavrin::PillarCells cells = tavrin::PillarCellsOf(chart);
  for (std::size_t slot = 0; slot < 20; ++slot) (*columns[slot / 5])[slot % 5]->setText(Text(cells[slot]));
  // The ages in the decimal separator of the user's regional settings.
  const tavrin::LuckCaptions captions = tavrin::LuckCaptionsOf(chart, QLocale().decimalPoint().toStdString());
  for (std::size_t c = 0; c < lblLuckPeriods.size(); ++c) lblLuckPeriods[c]->setText(Text(captions[c]));
  const std::array<QPlainTextEdit*, 4> boxes = {txtYear, txtMonth, txtDay, txtHour};
  for (std::size_t pillar = 0; pillar < boxes.size(); ++pillar) {
    QTextCursor end(boxes[pillar]->document());
    end.movePosition(QTextCursor::End);
    end.insertText(Text(tavrin::InterpretationOf(chart.pillars[pillar], static_cast<tavrin::PillarBlock>(pillar))));
  }
}

void frmFengShuiFourPillar::TS_Click() {
  for (int tab = 1; tab <= 4; ++tab) {
    if (TS->currentIndex() == tab - 1) {
      BringToFront(*fraSubject[tab - 1]);
      return;
    }
  }
  BringToFront(*fraSubject[4]);
}

void frmFengShuiFourPillar::SelectNextTab(int step) {
  const int count = TS->count();
  TS->setCurrentIndex((TS->currentIndex() + step + count) % count);
}

void frmFengShuiFourPillar::BringToFront(QFrame& page) {
  // The pages overlap exactly; hiding the ones behind also keeps their
  // controls out of the keyboard's reach.
  page.raise();
  for (QFrame* other : fraSubject) other->setVisible(other == &page);
}

void frmFengShuiFourPillar::cmdSave_Click() {
  // The reading replaces whatever the report window held; the paragraphs are
  // read from the pages, year first.
  frmSave& report = tavrin::FormInstance<frmSave>::Get();
  tavrin::ComposeReadingReport(
      *report.RTB, modFengShuiFourPillar::PillarCells,
      {lblCaption[3]->text(), lblCaption[2]->text(), lblCaption[1]->text(), lblCaption[0]->text()});
  report.exec();
}

void frmFengShuiFourPillar::cmdBack_Click() { mnuBack_Click(); }

void frmFengShuiFourPillar::mnuDetails_Click() {
  // Read on today's date in universal time, as the caster reads it.
  const QDate today = QDateTime::currentDateTimeUtc().date();
  frmChartDetails& details = tavrin::FormInstance<frmChartDetails>::Get();
  // The chosen birth place by its full name, or by the name the reading kept.
  const tavrin::place::PlaceChoices& chosen = modFengShuiFourPillar::Birth.placeChoices;
  QString place;
  if (chosen.placeId) {
    place = QString::fromStdString(modFengShuiFourPillar::BirthPlaceTitle.empty() ? chosen.placeName
                                                                                  : modFengShuiFourPillar::BirthPlaceTitle);
  }
  if (!details.ShowChart(modFengShuiFourPillar::BirthDetails, modFengShuiFourPillar::Birth.typedLongitude,
                         modFengShuiFourPillar::ShownChart,
                         tavrin::analysis::TodayOn(today.year(), today.month(), today.day()), place)) {
    details.close();  // no chart has been cast into this window
    return;
  }
  details.exec();
}

void frmFengShuiFourPillar::mnuBack_Click() { tavrin::ShowEntryFormInPlaceOf(*this); }

void frmFengShuiFourPillar::mnuExit_Click() { close(); }
