#include <benchmark/benchmark.h>

#include <vector>

#include "analysis/chart_analysis.h"
#include "bench/varied_births.h"
#include "engine/chart.h"
#include "engine/chart_texts.h"

namespace tavrin::bench {
namespace {

// Charts of varied births, reusing one Chart as a batch does; `Show` writes
// what is shown of each.
template <typename Show>
void Charts(benchmark::State& state, Show show) {
  constexpr unsigned kBirths = 4096;
  std::vector<Birth> births;
  for (unsigned i = 0; i < kBirths; ++i) births.push_back(*BirthOf(ToBirthDetails(MakeVariedBirth(i))));
  Chart chart;
  unsigned next = 0;
  for (auto _ : state) {
    if (ComputeChart(births[next++ % kBirths], {}, chart) != CastError::none) {
      state.SkipWithError("a birth could not be cast");
      break;
    }
    show(chart);
    benchmark::DoNotOptimize(chart);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}

// With the texts the chart window shows: the pillar cells, the luck captions
// and the four interpretation boxes, into storage reused as the window's is.
// Target: at least 2,000,000 a second.
void FullChart(benchmark::State& state) {
  LuckCaptions captions;
  std::array<std::string, 4> boxes;
  PillarCells cells;
  Charts(state, [&](const Chart& chart) {
    cells = PillarCellsOf(chart);
    WriteLuckCaptions(chart.luckPeriods, ".", captions);
    for (int block = 0; block < 4; ++block)
      boxes[block].assign(InterpretationOf(chart.pillars[block], static_cast<PillarBlock>(block)));
    benchmark::DoNotOptimize(cells);
    benchmark::DoNotOptimize(captions);
    benchmark::DoNotOptimize(boxes);
  });
}
BENCHMARK(FullChart);

// What the analysis adds to a full chart: reading charts already cast.
// Target: at most one microsecond each.
void ChartAnalysisOfACastChart(benchmark::State& state) {
  constexpr unsigned kBirths = 1024;
  std::vector<BirthDetails> births;
  std::vector<Chart> charts(kBirths);
  for (unsigned i = 0; i < kBirths; ++i) {
    births.push_back(ToBirthDetails(MakeVariedBirth(i)));
    if (ComputeChart(births[i], {}, charts[i]) != CastError::none) {
      state.SkipWithError("a birth could not be cast");
      return;
    }
  }
  const analysis::Today today = analysis::TodayOn(2026, 12, 9);
  analysis::ChartAnalysis chartAnalysis;
  unsigned next = 0;
  for (auto _ : state) {
    const unsigned i = next++ % kBirths;
    analysis::AnalyzeChart(*BirthOf(births[i]), charts[i], today, chartAnalysis);
    benchmark::DoNotOptimize(chartAnalysis);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ChartAnalysisOfACastChart);

// The part of that analysis the interactions, stars, void, palaces and
// strength evidence take, on the same charts. Target: at most one microsecond.
void ReadingOfACastChart(benchmark::State& state) {
  constexpr unsigned kBirths = 1024;
  std::vector<Chart> charts(kBirths);
  for (unsigned i = 0; i < kBirths; ++i)
    if (ComputeChart(ToBirthDetails(MakeVariedBirth(i)), {}, charts[i]) != CastError::none) {
      state.SkipWithError("a birth could not be cast");
      return;
    }
  analysis::Interactions interactions;
  unsigned next = 0;
  for (auto _ : state) {
    const std::array<Pillar, 4>& pillars = charts[next++ % kBirths].pillars;
    analysis::FindInteractions(pillars, -1, {}, interactions);
    benchmark::DoNotOptimize(interactions);
    benchmark::DoNotOptimize(analysis::ChartStars(pillars, {}));
    benchmark::DoNotOptimize(analysis::VoidOf(pillars[0]) | analysis::VoidOf(pillars[2]));
    benchmark::DoNotOptimize(analysis::PalacesOf(pillars));
    benchmark::DoNotOptimize(analysis::StrengthEvidenceOf(pillars));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ReadingOfACastChart);
// Precise charts of the same births (with both Jie instants solved), once the
// Sun's table holds their days: a first run over two centuries fills it,
// about 35 series evaluations for every 32 days met. Target: at least
// 200,000 a second.
void PreciseChart(benchmark::State& state) {
  constexpr unsigned kBirths = 4096;
  constexpr CastOptions kPrecise{Method::precise};
  std::vector<BirthDetails> births;
  Chart chart;
  for (unsigned i = 0; i < kBirths; ++i) {
    births.push_back(ToBirthDetails(MakeVariedBirth(i)));
    if (ComputeChart(births.back(), kPrecise, chart) != CastError::none) {
      state.SkipWithError("a birth could not be cast");
      return;
    }
  }
  unsigned next = 0;
  for (auto _ : state) {
    if (ComputeChart(births[next++ % kBirths], kPrecise, chart) != CastError::none) {
      state.SkipWithError("a birth could not be cast");
      break;
    }
    benchmark::DoNotOptimize(chart);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PreciseChart);

// A first precise chart of a month not met before: the Sun's table filled for
// its days, each time for a different month of 1600 to 2199.
void PreciseChartOfANewMonth(benchmark::State& state) {
  Chart chart;
  static int month = 0;  // a new month in every repetition too
  for (auto _ : state) {
    const int year = 1600 + month / 12 % 600, monthOfYear = 1 + month % 12;
    ++month;
    BirthDetails birth = ToBirthDetails(MakeVariedBirth(0));
    birth.BirthYear = static_cast<std::int16_t>(year);
    birth.BirthMonth = static_cast<std::int16_t>(monthOfYear);
    if (ComputeChart(birth, {Method::precise}, chart) != CastError::none) {
      state.SkipWithError("a birth could not be cast");
      break;
    }
    benchmark::DoNotOptimize(chart);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PreciseChartOfANewMonth)->Iterations(600);

// The chart's numbers, pillars and luck periods, as a batch casts them.
// Target: at least 8,000,000 a second.
void PillarsAndLuck(benchmark::State& state) {
  Charts(state, [](const Chart&) {});
}
BENCHMARK(PillarsAndLuck);

}  // namespace
}  // namespace tavrin::bench
