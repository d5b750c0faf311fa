#include "chart/cast_chart.h"

#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QTextCursor>

#include "chart/frmFengShuiFourPillar.h"
#include "shell/form_instance.h"

namespace modFengShuiFourPillar {

tavrin::BirthDetails BirthDetails;
std::optional<double> TypedLongitude;
std::array<std::string, tavrin::kPillarCellCount> PillarCells;

namespace {

QString Text(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

void Append(QPlainTextEdit& box, const std::string& text) {
  QTextCursor end(box.document());
  end.movePosition(QTextCursor::End);
  end.insertText(Text(text));
}

}  // namespace

tavrin::CastError CastChart() {
  tavrin::Chart chart;
  const std::string separator = QLocale().decimalPoint().toStdString();
  const tavrin::CastError error = tavrin::ComputeChart(BirthDetails, chart, separator);
  frmFengShuiFourPillar& window = tavrin::FormInstance<frmFengShuiFourPillar>::Get();
  if (error != tavrin::CastError::none) return error;

  for (int slot = 0; slot < 20; ++slot) PillarCells[slot].assign(chart.pillarCells[slot]);

  const std::array<std::array<QLabel*, 5>*, 4> cells = {&window.lblYear, &window.lblMonth, &window.lblDay,
                                                        &window.lblHour};
  for (int block = 0; block < 4; ++block) {
    for (int i = 0; i < 5; ++i) (*cells[block])[i]->setText(Text(PillarCells[block * 5 + i]));
  }
  for (int c = 0; c < tavrin::kLuckCaptionCount; ++c) window.lblLuckPeriods[c]->setText(Text(chart.luckCaptions[c]));

  const std::array<QPlainTextEdit*, 4> boxes = {window.txtYear, window.txtMonth, window.txtDay, window.txtHour};
  for (int block = 0; block < 4; ++block) Append(*boxes[block], chart.interpretation[block]);
  return error;
}

}  // namespace modFengShuiFourPillar
