#include <benchmark/benchmark.h>

#include <vector>

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

}  // namespace
}  // namespace tavrin::bench
