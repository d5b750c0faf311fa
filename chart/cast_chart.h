#pragma once

#include <array>
#include <optional>
#include <string>

#include "birth/entered_birth.h"
#include "engine/birth_details.h"
#include "engine/chart.h"
#include "engine/chart_texts.h"

// The chart engine's window side: casts the chart of the shared birth details
// and writes it into the chart window.
namespace modFengShuiFourPillar {

// The person of the last analysis; written by the entry form before CastChart.
extern tavrin::BirthDetails BirthDetails;
// That person as entered, whose birth details BirthDetails holds: the
// birth-place longitude typed (nothing when it was left blank and
// BirthDetails.Longitude holds the zone's meridian), how the chart is cast and
// the birth place chosen, which a saved reading keeps (the longitude only when
// typed, the casting choices that differ from the defaults).
extern tavrin::EnteredBirth Birth;
// The birth place chosen by its full name ("Shanghai, Shanghai Shi, China"), or "" when none was.
extern std::string BirthPlaceTitle;
// The twenty pillar cells of the last chart, five per pillar (year, month,
// day, hour: stem, branch, hidden stems 1 to 3); slot 20 stays empty.
extern std::array<std::string, tavrin::kPillarCellCount> PillarCells;
// The whole chart of the last analysis, which the chart details are read from.
extern tavrin::Chart ShownChart;

// Casts the chart of BirthDetails, fills PillarCells and ShownChart and writes the pillar
// cells, luck periods and interpretation texts into the chart window, which
// it creates (not shown) if there is none. On an error the chart window
// exists but nothing of the chart has been written.
tavrin::CastError CastChart();

}  // namespace modFengShuiFourPillar
