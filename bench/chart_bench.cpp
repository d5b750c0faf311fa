#include <benchmark/benchmark.h>

#include <vector>

#include "analysis/chart_analysis.h"
#include "bench/varied_births.h"
#include "engine/chart.h"

namespace tavrin::bench {
namespace {

// One full chart with every text (pillars, luck captions, interpretation),
// reusing one Chart as a batch does. Target: at least 1,000,000 a second.
void FullChart(benchmark::State& state) {
  constexpr unsigned kBirths = 4096;
  std::vector<BirthDetails> births;
  for (unsigned i = 0; i < kBirths; ++i) births.push_back(ToBirthDetails(MakeVariedBirth(i)));
  Chart chart;
  unsigned next = 0;
  for (auto _ : state) {
    if (ComputeChart(births[next++ % kBirths], chart) != CastError::none) {
      state.SkipWithError("a birth could not be cast");
      break;
    }
    benchmark::DoNotOptimize(chart);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
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

}  // namespace
}  // namespace tavrin::bench
