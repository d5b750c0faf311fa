#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "place/place_catalogue.h"
#include "place/place_search.h"
#include "place/zone_history.h"

namespace tavrin::place {
namespace {

// Reading the whole GeoNames catalogue, as the entry form does once.
// Target: well under 100 ms.
void LoadPlaceCatalogue(benchmark::State& state) {
  for (auto _ : state) {
    auto loaded = PlaceCatalogue::Load(kPlaceDataFolder);
    if (loaded.index() != 0) {
      state.SkipWithError(std::get<1>(loaded).c_str());
      break;
    }
    benchmark::DoNotOptimize(loaded);
  }
}
BENCHMARK(LoadPlaceCatalogue)->Unit(benchmark::kMillisecond);

// One keystroke's search: the prefixes of a few names as they are typed.
// Target: at most 10 ms each.
void PlaceSearchKeystroke(benchmark::State& state) {
  auto loaded = PlaceCatalogue::Load(kPlaceDataFolder);
  if (loaded.index() != 0) {
    state.SkipWithError(std::get<1>(loaded).c_str());
    return;
  }
  const auto& catalogue = std::get<PlaceCatalogue>(loaded);
  std::vector<std::string> typed;
  for (std::string name : {"Shanghai", "springfield, il", "São Paulo", "上海", "London"})
    for (std::size_t length = 1; length <= name.size(); ++length) typed.push_back(name.substr(0, length));
  std::size_t next = 0;
  for (auto _ : state) benchmark::DoNotOptimize(SearchPlaces(catalogue, typed[next++ % typed.size()], 10));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(PlaceSearchKeystroke)->Unit(benchmark::kMicrosecond);

// The offset in force for births spread over a century, the zone found once.
// Target: at least 1,000,000 a second.
void ZoneLookup(benchmark::State& state) {
  const auto zone = ZoneHistory::Find("Asia/Shanghai");
  if (!zone) {
    state.SkipWithError("no tz database");
    return;
  }
  unsigned next = 0;
  for (auto _ : state) {
    const unsigned i = next++;
    const LocalDateTime local{1900 + static_cast<int>(i % 120), 1 + static_cast<int>(i % 12), 1 + static_cast<int>(i % 28),
                              static_cast<int>(i % 24), static_cast<int>(i % 60), 0};
    benchmark::DoNotOptimize(zone->OffsetAt(local, Fold::earlier, 121.46));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(ZoneLookup);

}  // namespace
}  // namespace tavrin::place
