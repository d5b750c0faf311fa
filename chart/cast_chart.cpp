#include "chart/cast_chart.h"

#include <utility>

#include <QLocale>

#include "chart/frmFengShuiFourPillar.h"
#include "shell/form_instance.h"

namespace modFengShuiFourPillar {

tavrin::BirthDetails BirthDetails;
std::optional<double> TypedLongitude;
tavrin::CastOptions Options;
tavrin::place::PlaceChoices BirthPlace;
std::string BirthPlaceTitle;
std::array<std::string, tavrin::kPillarCellCount> PillarCells;
tavrin::Chart ShownChart;

tavrin::CastError CastChart() {
  tavrin::Chart chart;
  const std::string separator = QLocale().decimalPoint().toStdString();
  const tavrin::CastError error = tavrin::ComputeChart(BirthDetails, Options, chart, separator);
  frmFengShuiFourPillar& window = tavrin::FormInstance<frmFengShuiFourPillar>::Get();
  if (error != tavrin::CastError::none) return error;

  for (int slot = 0; slot < 20; ++slot) PillarCells[slot].assign(chart.pillarCells[slot]);
  window.ShowChart(chart);
  ShownChart = std::move(chart);
  return error;
}

}  // namespace modFengShuiFourPillar
