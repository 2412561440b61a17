// The analysis driver on real data: the stages around the permutation engines
// (gene index, pathway preprocessing, finalize) with no permutations, and a
// whole simple-mode run with 1000 permutations. Items are pathways analysed.
// Uses the bundled Hallmark collection and ranking; the C2 collection from the
// shared data folder when it is present. Rates use wall time: the work runs
// on the pool threads, not on the benchmark thread.
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "algo/pipeline.h"
#include "bench_support.h"
#include "core/records.h"
#include "io/gmt_reader.h"

namespace {

using varenko::bindings::RunOptions;
using varenko::core::PathwayDb;
using varenko::core::RankedList;

struct Input {
  RankedList ranked;
  PathwayDb db;
  bool ok = false;
};

Input load(const std::string& rnk_path, const std::string& gmt_path) {
  Input in;
  RankedList ranked = varenko::bench::read_ranking(rnk_path);
  auto db = varenko::io::read_gmt(gmt_path);
  if (ranked.size() == 0 || !db) return in;
  in.ranked = std::move(ranked);
  in.db = std::move(*db);
  in.ok = true;
  return in;
}

const Input& hallmark() {
  static const Input in =
      load(VARENKO_EXAMPLE_DATA_DIR "/tcga_ov_mesenchymal_vs_immunoreactive.rnk",
           VARENKO_EXAMPLE_DATA_DIR "/h.all.v7.1.symbols.gmt");
  return in;
}

const Input& c2() {
  static const Input in = load(VARENKO_SHARED_DATA_DIR "/mov10_oe_vs_control_hek293.rnk",
                               VARENKO_SHARED_DATA_DIR "/c2.all.v7.1.symbols.gmt");
  return in;
}

void run_driver(benchmark::State& state, const Input& in, std::uint64_t nperm) {
  if (!in.ok) {
    state.SkipWithError("benchmark data not found");
    return;
  }
  RunOptions o;
  o.nperm = nperm;
  o.allow_multilevel = false;
  o.seed = 42;
  o.max_size = in.ranked.size() - 1;
  auto check = varenko::algo::run_gsea_internal(in.ranked, in.db.pathways, o);
  if (!check || check->empty()) {
    state.SkipWithError("the driver returned no rows");
    return;
  }
  const std::size_t rows = check->size();
  for (auto _ : state) {
    auto result = varenko::algo::run_gsea_internal(in.ranked, in.db.pathways, o);
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * rows));
  state.counters["rows"] = static_cast<double>(rows);
}

void BM_DriverNoPermutations_Hallmark(benchmark::State& state) { run_driver(state, hallmark(), 0); }
void BM_DriverNoPermutations_C2(benchmark::State& state) { run_driver(state, c2(), 0); }
void BM_DriverSimple1000_Hallmark(benchmark::State& state) { run_driver(state, hallmark(), 1000); }

BENCHMARK(BM_DriverNoPermutations_Hallmark)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DriverNoPermutations_C2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DriverSimple1000_Hallmark)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
