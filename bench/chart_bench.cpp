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

// Pillars and luck periods without the texts, as a CSV batch casts them.
// Target: at least 5,000,000 a second.
void PillarsAndLuck(benchmark::State& state) { Charts<ComputePillarsAndLuck>(state); }
BENCHMARK(PillarsAndLuck);

}  // namespace
}  // namespace tavrin::bench
