// Permutation engines: cost per permutation for K = 15, 100 and 500 on a
// 20,000-gene ranking (items = permutations), and the whole simple stage of a
// default run on real data (about 20,000 genes, 5,500 gene sets, 1000
// permutations) in a two-thread arena.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <unordered_map>
#include <vector>

#include <benchmark/benchmark.h>
#include <oneapi/tbb/task_arena.h>

#include "core/records.h"
#include "quorin_compat/batch_counts.h"
#include "quorin_compat/es_score.h"
#include "bench_support.h"

namespace {

using varenko::bench::ranking_weights;

using varenko::core::ScoreType;
using varenko::quorin_compat::BatchCounts;
namespace qc = varenko::quorin_compat;

using Engine = BatchCounts (*)(std::span<const double>, std::span<const double>,
                               std::span<const std::uint32_t>, double, std::uint32_t, std::uint64_t,
                               ScoreType, varenko::core::RunControl*);

struct Problem {
  std::vector<double> weights;
  std::vector<double> scores;
  std::vector<std::uint32_t> sizes;
};

// 300 pathways with sizes spread over [K / 10, K] (one of exactly K) and
// observed scores of either sign.
Problem synthetic_problem(std::uint32_t k) {
  Problem p;
  p.weights = ranking_weights(20000, 1);
  std::mt19937 gen(5);
  for (int j = 0; j < 300; ++j) {
    const std::uint32_t lo = std::max<std::uint32_t>(1, k / 10);
    p.sizes.push_back(j == 0 ? k : lo + static_cast<std::uint32_t>(gen() % (k - lo + 1)));
    p.scores.push_back((static_cast<double>(gen() % 2001) - 1000.0) / 2000.0);
  }
  return p;
}

// Runs `engine` `perms` permutations per benchmark iteration in an arena of
// `threads` threads.
void run_engine(benchmark::State& state, Engine engine, const Problem& p, std::uint32_t perms,
                int threads) {
  tbb::task_arena arena(threads);
  BatchCounts check;
  arena.execute(
      [&] { check = engine(p.weights, p.scores, p.sizes, 1.0, perms, 42, ScoreType::Std, nullptr); });
  for (std::size_t j = 0; j < p.sizes.size(); ++j) {
    // Every finite permutation score lies on at least one side of zero.
    if (check[j].count_le_zero + check[j].count_ge_zero < perms) {
      state.SkipWithError("a permutation was not counted");
      return;
    }
  }
  std::uint64_t seed = 1;
  for (auto _ : state) {
    arena.execute([&] {
      auto r = engine(p.weights, p.scores, p.sizes, 1.0, perms, seed++, ScoreType::Std, nullptr);
      benchmark::DoNotOptimize(r.data());
    });
  }
  const auto done = static_cast<double>(state.iterations()) * perms;
  state.SetItemsProcessed(static_cast<std::int64_t>(done));
  state.counters["per_perm"] =
      benchmark::Counter(done, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Sequential(benchmark::State& state) {
  const auto p = synthetic_problem(static_cast<std::uint32_t>(state.range(0)));
  run_engine(state, qc::calc_gsea_stat_cumulative_batch_f64, p, 100, 1);
}
void BM_ThreadInvariant(benchmark::State& state) {
  const auto p = synthetic_problem(static_cast<std::uint32_t>(state.range(0)));
  run_engine(state, qc::calc_gsea_stat_cumulative_batch_f64_thread_invariant_parallel, p, 100,
             static_cast<int>(state.range(1)));
}
void BM_Fast(benchmark::State& state) {
  const auto p = synthetic_problem(static_cast<std::uint32_t>(state.range(0)));
  run_engine(state, qc::calc_gsea_stat_cumulative_batch_f64_parallel, p, 100,
             static_cast<int>(state.range(1)));
}
// Wall-clock rates (the parallel engines work on several threads), with the
// CPU time of the whole process beside them.
BENCHMARK(BM_Sequential)
    ->Arg(15)
    ->Arg(100)
    ->Arg(500)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(BM_ThreadInvariant)
    ->ArgsProduct({{15, 100, 500}, {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(BM_Fast)
    ->ArgsProduct({{15, 100, 500}, {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

// The simple stage of a default run: every gene set with at least one ranked
// gene and fewer genes than the ranking, observed scores from the one-set
// scorer, one batch of 1000 permutations.
bool real_problem(Problem& p) {
  const std::string dir = VARENKO_SHARED_DATA_DIR;
  std::ifstream rnk(dir + "/mov10_oe_vs_control_hek293.rnk");
  std::ifstream gmt(dir + "/c2.all.v7.1.symbols.gmt");
  if (!rnk || !gmt) return false;
  std::vector<std::string> genes;
  std::vector<double> scores;
  std::string line;
  while (std::getline(rnk, line)) {
    const auto tab = line.find('\t');
    if (tab == std::string::npos) continue;
    genes.push_back(line.substr(0, tab));
    scores.push_back(std::strtod(line.c_str() + tab + 1, nullptr));
  }
  const auto ranked = varenko::core::RankedList::make(genes, scores);
  const auto prepared = ranked.prepare(1.0);
  p.weights.assign(prepared.int_weights.begin(), prepared.int_weights.end());
  std::unordered_map<std::string, std::size_t> index;
  for (std::size_t i = 0; i < ranked.size(); ++i) index.emplace(ranked.genes()[i], i);
  const std::size_t n = ranked.size();
  while (std::getline(gmt, line)) {
    std::istringstream fields(line);
    std::string field;
    std::vector<std::size_t> hits;
    for (int col = 0; std::getline(fields, field, '\t'); ++col) {
      if (col < 2) continue;
      const auto it = index.find(field);
      if (it != index.end()) hits.push_back(it->second);
    }
    std::sort(hits.begin(), hits.end());
    hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
    if (hits.empty() || hits.size() >= n) continue;
    p.sizes.push_back(static_cast<std::uint32_t>(hits.size()));
    p.scores.push_back(qc::calculate_es_quorin(p.weights, hits, n, ScoreType::Std).es);
  }
  return !p.sizes.empty();
}

void BM_SimpleStage(benchmark::State& state, Engine engine, int threads) {
  Problem p;
  if (!real_problem(p)) {
    state.SkipWithError("shared benchmark data not found");
    return;
  }
  state.counters["pathways"] = static_cast<double>(p.sizes.size());
  state.counters["K"] = static_cast<double>(*std::max_element(p.sizes.begin(), p.sizes.end()));
  state.counters["genes"] = static_cast<double>(p.weights.size());
  run_engine(state, engine, p, 1000, threads);
}
BENCHMARK_CAPTURE(BM_SimpleStage, sequential, qc::calc_gsea_stat_cumulative_batch_f64, 1)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_SimpleStage, thread_invariant_2,
                  qc::calc_gsea_stat_cumulative_batch_f64_thread_invariant_parallel, 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(BM_SimpleStage, fast_2, qc::calc_gsea_stat_cumulative_batch_f64_parallel, 2)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

}  // namespace

BENCHMARK_MAIN();
