#include <benchmark/benchmark.h>

#include "astro/moon.h"
#include "calendar/lunar_calendar.h"
#include "calendar/pillar_search.h"
#include "engine/birth_moment.h"

namespace tavrin::calendar {
namespace {

// The lunar date of each day of 2000 in turn, once the year's new moons and
// principal terms are known. Target: under 5 microseconds.
void LunarDateOfADay(benchmark::State& state) {
  const long long first = static_cast<long long>(JulianDay0(2000, 1, 1) + 0.5);
  for (long long day = first; day < first + 366; ++day) benchmark::DoNotOptimize(LunarDateOf(day));
  long long next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(LunarDateOf(first + next++ % 366));
}
BENCHMARK(LunarDateOfADay);

// The same the other way: a lunar date of 2000 to its civil day.
void CivilDayOfALunarDate(benchmark::State& state) {
  benchmark::DoNotOptimize(MonthsOf(2000));
  int next = 0;
  for (auto _ : state) {
    const int n = next++;
    benchmark::DoNotOptimize(DayOf({2000, n % 12 + 1, false, n % 29 + 1}));
  }
}
BENCHMARK(CivilDayOfALunarDate);

// Every span of 1600-2199 in UTC+8 with four given pillars. The first run
// computes the Sun's table around the months it looks at; the benchmark's
// repetitions find it computed. Target: under a second.
void FindAllSpansOfFourPillars(benchmark::State& state) {
  const PillarQuery query = std::get<PillarQuery>(ParsePillars("庚辰 戊寅 壬辰 庚戌"));
  for (auto _ : state) benchmark::DoNotOptimize(FindSpans(query, 8, DayStarts::midnight, 1600, 2199));
}
BENCHMARK(FindAllSpansOfFourPillars)->Unit(benchmark::kMillisecond);

// The same in a zone whose clocks changed some three hundred times.
void FindAllSpansOfFourPillarsInANamedZone(benchmark::State& state) {
  const PillarQuery query = std::get<PillarQuery>(ParsePillars("庚辰 戊寅 壬辰 庚戌"));
  const std::optional<place::ZoneHistory> zone = place::ZoneHistory::Find("America/New_York");
  if (!zone) {
    state.SkipWithError("no America/New_York in the tz database");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(FindSpans(query, *zone, DayStarts::midnight, 1600, 2199));
}
BENCHMARK(FindAllSpansOfFourPillarsInANamedZone)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tavrin::calendar

namespace tavrin::astro {
namespace {

// One new moon solved from its published instant, a different one each time.
void SolveANewMoon(benchmark::State& state) {
  int number = 0;
  for (auto _ : state) benchmark::DoNotOptimize(NewMoon(number++ % 1000));
}
BENCHMARK(SolveANewMoon)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tavrin::astro
