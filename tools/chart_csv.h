#pragma once

#include <array>
#include <string>
#include <string_view>

#include "analysis/chart_analysis.h"
#include "engine/birth_details.h"
#include "engine/chart.h"
#include "tools/field_selection.h"

namespace tavrin::cast {

// The chart row's columns, in the order they are written: the birth as cast,
// the twenty pillar cells, the luck direction and start age, the stem and
// branch of each of the eight luck periods, first period first, then the
// analysis in characters: each pillar's ten god (the day's is 日主), na yin
// and life stage, and the element counts over the eight characters and with
// the hidden stems.
inline constexpr std::array<std::string_view, 66> kChartCsvColumns = {
    "name",         "date",         "time",         "zone",         "gender",       "longitude",
    "yearStem",     "yearBranch",   "yearHidden1",  "yearHidden2",  "yearHidden3",  "monthStem",
    "monthBranch",  "monthHidden1", "monthHidden2", "monthHidden3", "dayStem",      "dayBranch",
    "dayHidden1",   "dayHidden2",   "dayHidden3",   "hourStem",     "hourBranch",   "hourHidden1",
    "hourHidden2",  "hourHidden3",  "luckDirection", "luckStartAge", "luck1Stem",   "luck1Branch",
    "luck2Stem",    "luck2Branch",  "luck3Stem",    "luck3Branch",  "luck4Stem",    "luck4Branch",
    "luck5Stem",    "luck5Branch",  "luck6Stem",    "luck6Branch",  "luck7Stem",    "luck7Branch",
    "luck8Stem",    "luck8Branch",  "yearTenGod",   "yearNaYin",    "yearLifeStage", "monthTenGod",
    "monthNaYin",   "monthLifeStage", "dayTenGod",  "dayNaYin",     "dayLifeStage", "hourTenGod",
    "hourNaYin",    "hourLifeStage", "wood",        "fire",         "earth",        "metal",
    "water",        "woodWithHidden", "fireWithHidden", "earthWithHidden", "metalWithHidden", "waterWithHidden"};

// How a batch frames the chart columns: its rows start with the input line
// they were read from and end with the error of a row that could not be cast.
enum class CsvFrame { oneChart, batchRow };

// Appends RFC 4180 rows, CR LF after each. A cell is quoted when it holds a
// comma, a quote, a control character (line breaks among them) or spaces at
// either end (quotes doubled); control characters are kept as they are; bytes
// that are not well-formed UTF-8 become U+FFFD, as in the JSON.
void AppendCsvHeader(std::string& out, const FieldSelection& fields, CsvFrame frame);
void AppendChartCsv(std::string& out, const BirthDetails& birth, const Chart& chart,
                    const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields);
// A batch row: its line, the chart's columns and an empty error.
void AppendBatchChartCsv(std::string& out, long long line, const BirthDetails& birth, const Chart& chart,
                         const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields);
// A batch row that could not be cast: its line, empty chart columns and the error.
void AppendBatchErrorCsv(std::string& out, long long line, std::string_view error, const FieldSelection& fields);

}  // namespace tavrin::cast
