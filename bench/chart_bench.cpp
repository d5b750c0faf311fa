#include <benchmark/benchmark.h>

#include <vector>

#include "analysis/chart_analysis.h"
#include "bench/varied_births.h"
#include "engine/chart.h"

namespace tavrin::bench {
namespace {

// Charts of varied births, reusing one Chart as a batch does.
template <CastError (*Compute)(const BirthDetails&, Chart&)>
void Charts(benchmark::State& state) {
  constexpr unsigned kBirths = 4096;
  std::vector<BirthDetails> births;
  for (unsigned i = 0; i < kBirths; ++i) births.push_back(ToBirthDetails(MakeVariedBirth(i)));
  Chart chart;
  unsigned next = 0;
  for (auto _ : state) {
    if (Compute(births[next++ % kBirths], chart) != CastError::none) {
      state.SkipWithError("a birth could not be cast");
      break;
    }
    benchmark::DoNotOptimize(chart);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}

CastError FullChartOf(const BirthDetails& birth, Chart& chart) { return ComputeChart(birth, chart); }

// Target: at least 2,000,000 a second.
void FullChart(benchmark::State& state) { Charts<FullChartOf>(state); }
BENCHMARK(FullChart);

// What the analysis adds to a full chart: reading charts already cast.
// Target: at most one microsecond each.
void ChartAnalysisOfACastChart(benchmark::State& state) {
  constexpr unsigned kBirths = 1024;
  std::vector<BirthDetails> births;
  std::vector<Chart> charts(kBirths);
  for (unsigned i = 0; i < kBirths; ++i) {
    births.push_back(ToBirthDetails(MakeVariedBirth(i)));
    if (ComputeChart(births[i], charts[i]) != CastError::none) {
      state.SkipWithError("a birth could not be cast");
      return;
    }
  }
  const analysis::Today today = analysis::TodayOn(2026, 12, 9);
  analysis::ChartAnalysis chartAnalysis;
  unsigned next = 0;
  for (auto _ : state) {
    const unsigned i = next++ % kBirths;
    if (!analysis::AnalyzeChart(births[i], charts[i], today, chartAnalysis)) {
      state.SkipWithError("a chart could not be analysed");
      break;
    }
    benchmark::DoNotOptimize(chartAnalysis);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ChartAnalysisOfACastChart);
// Pillars and luck periods without the texts, as a CSV batch casts them.
// Target: at least 5,000,000 a second.
void PillarsAndLuck(benchmark::State& state) { Charts<ComputePillarsAndLuck>(state); }
BENCHMARK(PillarsAndLuck);

}  // namespace
}  // namespace tavrin::bench
