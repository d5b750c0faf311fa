#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "bench/varied_births.h"
#include "tools/caster.h"

namespace tavrin::bench {
namespace {

// Counts what is written and keeps none of it.
class DiscardingBuffer : public std::streambuf {
 public:
  long long written = 0;

 protected:
  int_type overflow(int_type c) override {
    ++written;
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char*, std::streamsize count) override {
    written += count;
    return count;
  }
};

// The caster as `tavrin-cast --batch - --json` runs it, on 100,000 CSV rows
// built once. Target: under 0.5 s for the batch.
void CasterBatchToJsonLines(benchmark::State& state) {
  constexpr unsigned kRows = 100'000;
  std::string rows = "name,date,time,zone,gender,longitude\n";
  for (unsigned i = 0; i < kRows; ++i) rows += ToCsvRow(MakeVariedBirth(i), i);
  const std::vector<std::string> args = {"--batch", "-", "--json"};
  DiscardingBuffer sink;
  std::ostream out(&sink);
  std::ostringstream err;
  for (auto _ : state) {
    state.PauseTiming();
    std::istringstream in(rows);
    state.ResumeTiming();
    if (cast::RunCaster(args, in, out, err) != cast::kDone) {
      state.SkipWithError(err.str().c_str());
      break;
    }
  }
  state.SetItemsProcessed(state.iterations() * kRows);
  state.SetBytesProcessed(sink.written);
}
BENCHMARK(CasterBatchToJsonLines)->Unit(benchmark::kMillisecond)->UseRealTime();  // rows are cast on threads of their own

}  // namespace
}  // namespace tavrin::bench
