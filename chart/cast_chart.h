#pragma once

#include <array>
#include <optional>
#include <string>

#include "engine/birth_details.h"
#include "engine/cast_options.h"
#include "engine/chart.h"
#include "engine/chart_texts.h"
#include "place/place_choices.h"

// The chart engine's window side: casts the chart of the shared birth details
// and writes it into the chart window.
namespace modFengShuiFourPillar {

// The person of the last analysis; written by the entry form before CastChart.
extern tavrin::BirthDetails BirthDetails;
// The birth-place longitude typed for that person, degrees east, or nothing
// when it was left blank (BirthDetails.Longitude then holds the zone's
// meridian). A saved reading keeps it, and only a typed one.
extern std::optional<double> TypedLongitude;
// How that person's chart is cast, chosen on the entry form with the details;
// a saved reading keeps the choices that differ from the defaults.
extern tavrin::CastOptions Options;
// The birth place chosen for that person, if any, which a saved reading keeps.
extern tavrin::place::PlaceChoices BirthPlace;
// That place by its full name ("Shanghai, Shanghai Shi, China"), or "" when none was chosen.
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
