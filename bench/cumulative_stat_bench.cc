// Cumulative statistic on a 20,000-gene ranking for K = 15, 100, 500 and 2000
// (items = samples scored), against scoring the K prefixes one by one: either
// sorting each prefix afresh or keeping one sorted hit list up to date.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include <benchmark/benchmark.h>

#include "quorin_compat/cumulative_stat.h"
#include "quorin_compat/es_score.h"
#include "bench_support.h"

namespace {

using varenko::bench::ranking_weights;

using varenko::core::ScoreType;
using varenko::quorin_compat::calculate_es_quorin;
using varenko::quorin_compat::CumulativeStatWorkspace;

constexpr std::uint32_t kGenes = 20000;

// K distinct 1-based positions in random order, avoiding the ends of the
// ranking so that the one-by-one scorer agrees with the cumulative result.
std::vector<std::uint32_t> random_sample(std::size_t k, std::uint32_t seed) {
  std::mt19937 gen(seed);
  std::vector<std::uint32_t> all(kGenes - 2);
  for (std::uint32_t i = 0; i < all.size(); ++i) all[i] = i + 2;
  std::shuffle(all.begin(), all.end(), gen);
  return {all.begin(), all.begin() + static_cast<std::ptrdiff_t>(k)};
}

// Scores prefix i by copying and sorting the first i + 1 positions and
// running the one-set scorer.
double prefixes_sorted_each(const std::vector<double>& weights,
                            const std::vector<std::uint32_t>& sample,
                            std::vector<std::size_t>& hits) {
  double acc = 0.0;
  for (std::size_t i = 0; i < sample.size(); ++i) {
    hits.assign(sample.begin(), sample.begin() + static_cast<std::ptrdiff_t>(i + 1));
    for (auto& h : hits) h -= 1;
    std::sort(hits.begin(), hits.end());
    acc += calculate_es_quorin(weights, hits, kGenes, ScoreType::Std).es;
  }
  return acc;
}

// Scores prefix i by inserting sample[i] into a sorted hit list and running
// the one-set scorer.
double prefixes_one_by_one(const std::vector<double>& weights,
                           const std::vector<std::uint32_t>& sample, std::vector<std::size_t>& hits,
                           std::vector<double>* out) {
  hits.clear();
  double acc = 0.0;
  for (const std::uint32_t x : sample) {
    hits.insert(std::upper_bound(hits.begin(), hits.end(), x - 1), x - 1);
    const double es = calculate_es_quorin(weights, hits, kGenes, ScoreType::Std).es;
    if (out != nullptr) out->push_back(es);
    acc += es;
  }
  return acc;
}

void BM_Cumulative(benchmark::State& state) {
  const auto k = static_cast<std::size_t>(state.range(0));
  const auto weights = ranking_weights(kGenes, 1);
  const auto sample = random_sample(k, 3);
  CumulativeStatWorkspace ws;

  // Check once: every prefix agrees with the one-by-one scorer.
  std::vector<std::size_t> hits;
  std::vector<double> want;
  prefixes_one_by_one(weights, sample, hits, &want);
  const auto got = ws.calc(weights, sample, 1.0, ScoreType::Std);
  for (std::size_t i = 0; i < k; ++i) {
    if (std::fabs(got[i] - want[i]) > 1e-9) {
      state.SkipWithError("cumulative result differs from the one-by-one scores");
      return;
    }
  }
  for (auto _ : state) {
    auto r = ws.calc(weights, sample, 1.0, ScoreType::Std);
    benchmark::DoNotOptimize(r.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
  state.counters["prefixes/s"] =
      benchmark::Counter(static_cast<double>(state.iterations() * k), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Cumulative)->Arg(15)->Arg(100)->Arg(500)->Arg(2000);

void BM_PrefixesOneByOne(benchmark::State& state) {
  const auto k = static_cast<std::size_t>(state.range(0));
  const auto weights = ranking_weights(kGenes, 1);
  const auto sample = random_sample(k, 3);
  std::vector<std::size_t> hits;
  hits.reserve(k);
  for (auto _ : state) {
    benchmark::DoNotOptimize(prefixes_one_by_one(weights, sample, hits, nullptr));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
  state.counters["prefixes/s"] =
      benchmark::Counter(static_cast<double>(state.iterations() * k), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PrefixesOneByOne)->Arg(15)->Arg(100)->Arg(500);

void BM_PrefixesSortedEach(benchmark::State& state) {
  const auto k = static_cast<std::size_t>(state.range(0));
  const auto weights = ranking_weights(kGenes, 1);
  const auto sample = random_sample(k, 3);
  std::vector<std::size_t> hits;
  hits.reserve(k);
  std::vector<double> want;
  const double check = prefixes_one_by_one(weights, sample, hits, &want);
  if (prefixes_sorted_each(weights, sample, hits) != check) {
    state.SkipWithError("the two one-by-one scorers disagree");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(prefixes_sorted_each(weights, sample, hits));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
  state.counters["prefixes/s"] =
      benchmark::Counter(static_cast<double>(state.iterations() * k), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PrefixesSortedEach)->Arg(15)->Arg(100)->Arg(500);

}  // namespace

BENCHMARK_MAIN();
