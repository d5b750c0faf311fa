#include "chart/frmSave.h"

#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

#include "chart/cast_chart.h"
#include "chart/clipboard_guard.h"
#include "chart/reading_printer.h"
#include "birth/entered_birth.h"
#include "reading/reading_store.h"
#include "shell/app_font.h"
#include "shell/app_text.h"
#include "shell/brand_frame.h"
#include "shell/file_dialog.h"
#include "shell/link_captions.h"
#include "shell/link_label.h"
#include "shell/main_form.h"
#include "shell/page_address.h"
#include "shell/twips.h"

using tavrin::TwipRect;

namespace {

// Layout in twips (left, top, width, height). The link lines above RTB and
// the brand frame below the buttons keep their places free.
constexpr int kClientWidth = 6525, kClientHeight = 5655;
const QRect kRTB = TwipRect(30, 390, 6465, 3975);
const QRect kSavePdf = TwipRect(2925, 4410, 1245, 345);
const QRect kSave = TwipRect(4200, 4410, 1125, 345);
const QRect kPrint = TwipRect(5355, 4410, 1125, 345);
constexpr double kReadingPointSize = 9.75;
// The top link lines are narrower here than on the chart window.
constexpr double kLinkLinePointSize = 7.5;

QPushButton* MakeButton(QWidget& parent, const char* name, const char* caption, const QRect& rect) {
  auto* button = new QPushButton(QString::fromLatin1(caption), &parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(rect);
  button->setAutoDefault(false);  // Enter in the dialog saves nothing by surprise
  return button;
}

}  // namespace

frmSave::frmSave(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmSave"));
  setWindowTitle(QString::fromLatin1(tavrin::kWindowCaption));
  setFont(tavrin::AppFont());

  RTB = new QTextEdit(this);
  RTB->setObjectName(QStringLiteral("RTB"));
  RTB->setGeometry(kRTB);
  RTB->setFont(tavrin::AppFont(kReadingPointSize));
  RTB->setReadOnly(true);
  cmdSavePdf = MakeButton(*this, "cmdSavePdf", "Save as P&DF", kSavePdf);
  cmdSave = MakeButton(*this, "cmdSave", "&Save", kSave);
  cmdPrint = MakeButton(*this, "cmdPrint", "&Print", kPrint);
  BuildLinks();

  RTBGuard = new tavrin::ClipboardGuard(*RTB);

  connect(cmdSavePdf, &QPushButton::clicked, this, &frmSave::cmdSavePdf_Click);
  connect(cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
  connect(cmdPrint, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);

  tavrin::FixAndCentre(*this, tavrin::TwipSize(kClientWidth, kClientHeight));
  Form_Load();
}

// The two link lines above the reading and the brand frame below the buttons.
void frmSave::BuildLinks() {
  Label14 = tavrin::PlaceLink(*this, "Label14", tavrin::kForumCaption, tavrin::kHomePage,
                              TwipRect(1147, 0, 4230, 195));
  // One pixel lower than its place in twips, which shares a pixel row with Label14.
  Label1 = tavrin::PlaceLink(*this, "Label1", tavrin::VisitNowCaption(), tavrin::kHomePage,
                             TwipRect(1267, 180, 3990, 195).translated(0, 1));
  for (tavrin::LinkLabel* line : {Label14, Label1}) line->setFont(tavrin::AppFont(kLinkLinePointSize));
  const tavrin::BrandFrame brand =
      tavrin::MakeBrandFrame(*this, TwipRect(30, 4800, 6465, 855), TwipRect(120, 165, 6225, 615));
  fraFullBrand = brand.frame;
  lblCobrand = brand.cobrand;
  lblFullBrand = brand.fullBrand;
  lblFullBrand->raise();
}

void frmSave::Form_Load() { RTB->clear(); }

void frmSave::cmdSave_Click() {
  const QString path = tavrin::AskFileName(
      *this, {tavrin::FileDialogMode::Save, QString::fromLatin1(tavrin::kApplicationTitle),
              QStringLiteral("Rich Text Format (*.baz)"), QStringLiteral("baz")});
  if (path.isEmpty()) return;
  // The file holds the birth details of the chart, never the report text.
  const tavrin::Reading reading = tavrin::ReadingOf(modFengShuiFourPillar::BirthDetails, modFengShuiFourPillar::Birth);
  if (const auto failure = tavrin::SaveReading(QFile::encodeName(path).toStdString(), reading)) {
    tavrin::ShowNotSaved(*this, QStringLiteral("The reading was not saved."), QString::fromLocal8Bit(failure->c_str()));
  }
}

void frmSave::cmdPrint_Click() {
  // With nothing selected the whole reading is printed.
  QTextCursor cursor = RTB->textCursor();
  cursor.clearSelection();
  RTB->setTextCursor(cursor);
  tavrin::PrintAndTell(*this, tavrin::DocumentPages(*RTB->document()), QStringLiteral("The reading was not printed."));
}

void frmSave::cmdSavePdf_Click() {
  tavrin::SaveAsPdfAskingWhere(*this, tavrin::DocumentPages(*RTB->document()),
                               QStringLiteral("The reading was not saved as a PDF file."));
}
