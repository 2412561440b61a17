// Multilevel group driver on a 20,000-gene ranking: one extremely enriched
// pathway (the top 15 genes, floor 1e-50, sample size 101), and groups of
// sizes 15, 100 and 500 with planted enriched pathways (items = groups). With
// the shared data folder present, also groups of the default run of the large
// collection on the real MOV10 ranking: the two slowest (sizes 1481 and 862)
// and two of the many mid-sized ones (336 and 145).
// Timed in wall-clock time: a ruler shares its samples' walks among the worker
// pool's threads (run under `taskset -c 0` for one thread).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "multilevel/group.h"

namespace {

using varenko::core::ScoreType;
using varenko::multilevel::run_multilevel_gsea_group_impl;

constexpr std::uint32_t kGenes = 20000;

// Integer weights of a normal-ish ranking, descending, summing to ~2^30.
std::vector<std::int64_t> ranking_weights(std::uint32_t n, std::uint32_t seed) {
  const std::vector<double> d = varenko::bench::ranking_weights(n, seed);
  return std::vector<std::int64_t>(d.begin(), d.end());
}

// Positive running-sum peak of the sorted positions `hits`.
double positive_es(const std::vector<std::int64_t>& w, const std::vector<std::uint32_t>& hits) {
  double rank_sum = 0.0;
  for (auto p : hits) rank_sum += static_cast<double>(w[p]);
  const double miss = 1.0 / static_cast<double>(w.size() - hits.size());
  double cum = 0.0;
  double best = 0.0;
  std::int64_t last = -1;
  for (auto p : hits) {
    cum -= static_cast<double>(static_cast<std::int64_t>(p) - last - 1) * miss;
    cum += static_cast<double>(w[p]) / rank_sum;
    best = std::max(best, cum);
    last = p;
  }
  return best;
}

void BM_ExtremePathway(benchmark::State& state) {
  const auto weights = ranking_weights(kGenes, 7);
  const std::vector<double> es = {1.0};  // the top 15 genes: every hit before any miss
  const auto check =
      run_multilevel_gsea_group_impl(kGenes, weights, 1e-50, 15, es, ScoreType::Pos, 101, 42).value();
  if (!(check[0] > 0.0 && check[0] < 1e-45)) {
    state.SkipWithError("unexpected p-value for the top 15 genes");
    return;
  }
  for (auto _ : state) {
    auto p =
        run_multilevel_gsea_group_impl(kGenes, weights, 1e-50, 15, es, ScoreType::Pos, 101, 42).value();
    benchmark::DoNotOptimize(p.data());
  }
  state.counters["pvalue"] = check[0];
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ExtremePathway)->Unit(benchmark::kMillisecond)->UseRealTime();

// Three planted pathways per group: genes drawn from the top 4%, 10% and 30%.
void BM_Group(benchmark::State& state) {
  const auto k = static_cast<std::uint32_t>(state.range(0));
  const auto weights = ranking_weights(kGenes, 11);
  std::mt19937 gen(k);
  std::vector<double> es;
  for (double share : {0.04, 0.10, 0.30}) {
    std::vector<std::uint32_t> pool(static_cast<std::uint32_t>(share * kGenes));
    for (std::uint32_t i = 0; i < pool.size(); ++i) pool[i] = i;
    std::shuffle(pool.begin(), pool.end(), gen);
    std::vector<std::uint32_t> hits(pool.begin(), pool.begin() + k);
    std::sort(hits.begin(), hits.end());
    es.push_back(positive_es(weights, hits));
  }
  const auto check =
      run_multilevel_gsea_group_impl(kGenes, weights, 1e-50, k, es, ScoreType::Pos, 101, 42).value();
  for (const double p : check) {
    if (!(p > 0.0 && p <= 1.0)) {
      state.SkipWithError("p-value out of range");
      return;
    }
  }
  for (auto _ : state) {
    auto p = run_multilevel_gsea_group_impl(kGenes, weights, 1e-50, k, es, ScoreType::Pos, 101, 42).value();
    benchmark::DoNotOptimize(p.data());
  }
  state.counters["min_pvalue"] = *std::min_element(check.begin(), check.end());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Group)->Arg(15)->Arg(100)->Arg(500)->Unit(benchmark::kMillisecond)->UseRealTime();

// Integer weights of the MOV10 ranking as the analysis prepares them (empty
// when the shared data folder is absent).
const std::vector<std::int64_t>& mov10_weights() {
  static const std::vector<std::int64_t> weights = [] {
    const auto ranked =
        varenko::bench::read_ranking(VARENKO_SHARED_DATA_DIR "/mov10_oe_vs_control_hek293.rnk");
    if (ranked.size() == 0) return std::vector<std::int64_t>{};
    return ranked.prepare(1.0).int_weights;
  }();
  return weights;
}

// One group of the real run: size k, one score (the sign picks the tail).
void BM_RealGroup(benchmark::State& state, std::uint32_t k, double es) {
  const auto& weights = mov10_weights();
  if (weights.empty()) {
    state.SkipWithError("mov10_oe_vs_control_hek293.rnk not found in the shared data folder");
    return;
  }
  const auto n = static_cast<std::uint32_t>(weights.size());
  const std::vector<double> scores = {es};
  double p = 0.0;
  for (auto _ : state) {
    p = run_multilevel_gsea_group_impl(n, weights, 1e-50, k, scores, ScoreType::Std, 101, 42).value()[0];
    benchmark::DoNotOptimize(p);
  }
  state.counters["pvalue"] = p;
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(BM_RealGroup, k1481_neg, 1481, -0.466506)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_RealGroup, k862_pos, 862, 0.494143)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_RealGroup, k336_neg, 336, -0.541430)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(BM_RealGroup, k145_pos, 145, 0.616824)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
