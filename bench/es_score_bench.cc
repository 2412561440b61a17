// Enrichment score of one gene set on a 20,000-gene ranking, for set sizes
// 15, 100 and 500 (items = gene sets scored).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "quorin_compat/es_score.h"
#include "bench_support.h"

namespace {

using varenko::bench::ranking_weights;

using varenko::core::ScoreType;
using varenko::quorin_compat::calculate_es_quorin;

constexpr std::size_t kGenes = 20000;

void BM_EsScore(benchmark::State& state) {
  const auto k = static_cast<std::size_t>(state.range(0));
  const auto weights = ranking_weights(kGenes, 1);
  std::mt19937 gen(2);
  std::vector<std::size_t> all(kGenes);
  for (std::size_t i = 0; i < kGenes; ++i) all[i] = i;
  std::shuffle(all.begin(), all.end(), gen);
  std::vector<std::size_t> hits(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(k));
  std::sort(hits.begin(), hits.end());

  const auto check = calculate_es_quorin(weights, hits, kGenes, ScoreType::Std);
  if (!(std::fabs(check.es) <= 1.0)) state.SkipWithError("score outside [-1, 1]");
  for (auto _ : state) {
    auto r = calculate_es_quorin(weights, hits, kGenes, ScoreType::Std);
    benchmark::DoNotOptimize(r);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_EsScore)->Arg(15)->Arg(100)->Arg(500);

}  // namespace

BENCHMARK_MAIN();
