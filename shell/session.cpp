#include "shell/session.h"

#include <QMessageBox>

#include "chart/cast_chart.h"
#include "chart/frmFengShuiFourPillar.h"
#include "entry/frmMain.h"
#include "shell/app_text.h"
#include "shell/form_instance.h"
#include "shell/main_form.h"

namespace tavrin {
namespace {

// A birth near a boundary is told at once, over the chart window, in a box
// that leaves the chart as it is laid out.
void ShowWarnings(const Chart& chart, QWidget& chartWindow) {
  if (!chart.isPrecise || chart.precise.warnings.empty()) return;
  QString text = QStringLiteral("This birth lies near a boundary of the chart:");
  for (const std::string& warning : chart.precise.warnings)
    text += QStringLiteral("\n\n") + QString::fromStdString(warning);
  auto* box = new QMessageBox(QMessageBox::Information, kApplicationTitle, text, QMessageBox::Ok, &chartWindow);
  box->setObjectName(QStringLiteral("msgBoundary"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->open();
}

}  // namespace

void ShowChartInPlaceOf(MainForm& entryForm, const AnalysedBirth& analysed) {
  modFengShuiFourPillar::BirthDetails = DetailsOf(analysed.birth);
  modFengShuiFourPillar::Birth = analysed.birth;
  modFengShuiFourPillar::BirthPlaceTitle = analysed.placeTitle;
  const CastError error = modFengShuiFourPillar::CastChart();
  frmFengShuiFourPillar& chartWindow = FormInstance<frmFengShuiFourPillar>::Get();
  chartWindow.show();
  if (error == CastError::none) ShowWarnings(modFengShuiFourPillar::ShownChart, chartWindow);
  entryForm.CloseForSwap();
}

void ShowEntryFormInPlaceOf(MainForm& chartWindow) {
  FormInstance<frmMain>::Get().show();
  chartWindow.CloseForSwap();
}

}  // namespace tavrin
