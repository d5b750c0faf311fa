#include "chart/cast_chart.h"

#include <utility>

#include "chart/frmFengShuiFourPillar.h"
#include "shell/form_instance.h"

namespace modFengShuiFourPillar {

tavrin::BirthDetails BirthDetails;
tavrin::EnteredBirth Birth;
std::string BirthPlaceTitle;
std::array<std::string, tavrin::kPillarCellCount> PillarCells;
tavrin::Chart ShownChart;

tavrin::CastError CastChart() {
  tavrin::Chart chart;
  const tavrin::CastError error = tavrin::ComputeChart(BirthDetails, Birth.options, chart);
  frmFengShuiFourPillar& window = tavrin::FormInstance<frmFengShuiFourPillar>::Get();
  if (error != tavrin::CastError::none) return error;

  const tavrin::PillarCells cells = tavrin::PillarCellsOf(chart);
  for (int slot = 0; slot < 20; ++slot) PillarCells[slot].assign(cells[slot]);
  window.ShowChart(chart);
  ShownChart = std::move(chart);
  return error;
}

}  // namespace modFengShuiFourPillar
