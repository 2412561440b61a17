// Benchmarks of the two p-value stages of the analysis: the simple permutation
// stage (batch engines and the one-pathway stream), the multilevel refinement
// stage, and an accuracy check of the multilevel p-value of a planted pathway
// against a brute-force permutation estimate (reported as counters).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "algo/multilevel_stage.h"
#include "algo/simple_stage.h"
#include "algo/working.h"
#include "core/records.h"
#include "core/worker_pool.h"
#include "quorin_compat/es_score.h"

namespace {

using varenko::algo::SimpleStageOutput;
using varenko::algo::StageContext;
using varenko::algo::Working;
using varenko::core::ScoreType;

// Runs the simple stage; its only failure is a broken internal invariant,
// which ends the benchmark run with the stage's message.
void run_simple_stage_checked(const StageContext& ctx, std::vector<Working>& working,
                              SimpleStageOutput& out) {
  const varenko::core::Status status = varenko::algo::run_simple_stage(ctx, working, out);
  if (!status) {
    std::fprintf(stderr, "%s\n", status.error().c_str());
    std::abort();
  }
}

// A random ranking with its prepared weights and a list of kept pathways.
struct StageInput {
  varenko::core::RankedList ranked;
  varenko::core::PreparedStats stats;
  std::vector<double> weights;
  StageContext ctx;
  std::vector<Working> working;

  StageInput(std::size_t n, std::uint32_t seed, ScoreType type) {
    std::mt19937 rng(seed);
    std::normal_distribution<double> normal;
    std::vector<std::string> genes(n);
    std::vector<double> scores(n);
    for (std::size_t i = 0; i < n; ++i) {
      genes[i] = std::string("g").append(std::to_string(i));
      scores[i] = normal(rng);
    }
    ranked = varenko::core::RankedList::make(genes, scores);
    stats = ranked.prepare(1.0);
    weights.assign(stats.int_weights.begin(), stats.int_weights.end());
    ctx.ranked = &ranked;
    ctx.stats = &stats;
    ctx.weights = weights;
    ctx.n = n;
    ctx.score_type = type;
    ctx.sample_size = 101;
    ctx.eps = 1e-50;
  }

  void add(std::vector<std::size_t> hits) {
    std::sort(hits.begin(), hits.end());
    hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
    Working w;
    w.es = varenko::quorin_compat::calculate_es_quorin(weights, hits, ctx.n, ctx.score_type).es;
    w.size = hits.size();
    w.hits = std::move(hits);
    working.push_back(std::move(w));
  }

  void add_random(std::size_t k, std::mt19937& rng) {
    std::vector<std::size_t> all(ctx.n);
    for (std::size_t i = 0; i < ctx.n; ++i) all[i] = i;
    std::shuffle(all.begin(), all.end(), rng);
    all.resize(k);
    add(all);
  }

  // `k` genes drawn from the top `window` positions of the ranking.
  void add_planted(std::size_t k, std::size_t window, std::mt19937& rng) {
    std::vector<std::size_t> all(window);
    for (std::size_t i = 0; i < window; ++i) all[i] = i;
    std::shuffle(all.begin(), all.end(), rng);
    all.resize(k);
    add(all);
  }
};

// Simple stage over m random pathways of sizes 15..500 on 12000 genes, run in
// the process-wide pool as the driver does. Args: pathways, permutations.
void BM_SimpleStage(benchmark::State& state) {
  const auto m = static_cast<std::size_t>(state.range(0));
  const auto nperm = static_cast<std::uint64_t>(state.range(1));
  StageInput input(12000, 1, ScoreType::Std);
  input.ctx.seed = 42;
  input.ctx.nperm = nperm;
  std::mt19937 rng(2);
  std::uniform_int_distribution<std::size_t> size(15, 500);
  for (std::size_t i = 0; i < m; ++i) input.add_random(size(rng), rng);

  auto run = [&] {
    std::vector<Working> w = input.working;
    SimpleStageOutput out;
    varenko::core::worker_pool().execute([&] {
      run_simple_stage_checked(input.ctx, w, out);
      varenko::algo::simple_postprocessing(input.ctx, w, out);
    });
    return w;
  };
  const auto check = run();
  for (const Working& w : check) {
    if (w.counts.count_le_zero + w.counts.count_ge_zero < nperm) state.SkipWithError("permutations went uncounted");
  }
  for (auto _ : state) benchmark::DoNotOptimize(run());
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(nperm));
  state.counters["threads"] = static_cast<double>(varenko::core::worker_pool_threads());
}
BENCHMARK(BM_SimpleStage)
    ->Args({10, 1000})
    ->Args({130, 1000})
    ->Args({130, 10000})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The one-pathway stream (L'Ecuyer-CMRG samples scored one by one). Args: genes, size.
void BM_SimpleStageOnePathway(benchmark::State& state) {
  StageInput input(static_cast<std::size_t>(state.range(0)), 3, ScoreType::Std);
  input.ctx.seed = 7;
  input.ctx.nperm = 2000;
  std::mt19937 rng(4);
  input.add_random(static_cast<std::size_t>(state.range(1)), rng);
  auto run = [&] {
    std::vector<Working> w = input.working;
    SimpleStageOutput out;
    run_simple_stage_checked(input.ctx, w, out);
    return w;
  };
  const auto check = run();
  if (check[0].counts.count_le_zero + check[0].counts.count_ge_zero < 2000) state.SkipWithError("uncounted");
  for (auto _ : state) benchmark::DoNotOptimize(run());
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 2000);
}
BENCHMARK(BM_SimpleStageOnePathway)
    ->Args({1000, 20})
    ->Args({12000, 100})
    ->Args({20000, 100})
    ->Unit(benchmark::kMillisecond);

// Multilevel stage on planted pathways in several size groups (plus unrefined
// random ones), after a 1000-permutation simple stage. Arg: planted pathways.
void BM_MultilevelStage(benchmark::State& state) {
  const auto planted = static_cast<std::size_t>(state.range(0));
  StageInput input(5000, 5, ScoreType::Std);
  input.ctx.seed = 11;
  input.ctx.nperm = 1000;
  input.ctx.allow_multilevel = true;
  input.ctx.eps = 1e-10;
  std::mt19937 rng(6);
  for (std::size_t i = 0; i < planted; ++i) input.add_planted(10 + 5 * (i % 4), 120, rng);
  for (std::size_t i = 0; i < 20; ++i) input.add_random(30, rng);
  SimpleStageOutput simple;
  run_simple_stage_checked(input.ctx, input.working, simple);
  varenko::algo::simple_postprocessing(input.ctx, input.working, simple);
  const auto groups = varenko::algo::select_multilevel_groups(input.ctx, input.working, simple);
  std::size_t refined = 0;
  for (const auto& g : groups) refined += g.indices.size();
  if (refined == 0) state.SkipWithError("no planted pathway was refined");

  for (auto _ : state) {
    std::vector<Working> w = input.working;
    SimpleStageOutput s = simple;
    varenko::core::Status status = varenko::core::fail("the stage did not run");
    varenko::core::worker_pool().execute(
        [&] { status = varenko::algo::run_multilevel_stage(input.ctx, w, s); });
    if (!status.ok()) state.SkipWithError(status.error().c_str());
    benchmark::DoNotOptimize(w);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(refined));
  state.counters["groups"] = static_cast<double>(groups.size());
  state.counters["refined"] = static_cast<double>(refined);
}
BENCHMARK(BM_MultilevelStage)->Arg(4)->Arg(16)->UseRealTime()->Unit(benchmark::kMillisecond);

// Accuracy of the multilevel p-value of a planted pathway (true p-value about
// 1e-4 to 1e-5): compares it with a brute-force estimate from range(0)
// permutations of the simple stage. Counters: both p-values, the multilevel
// log2err, the brute-force standard error on the log2 scale and
// |log2 p_multilevel - log2 p_brute| / log2err ("deviation", expected below 3).
// Arg 1: the planted window (smaller = more extreme pathway).
void BM_MultilevelAccuracy(benchmark::State& state) {
  const auto brute_perms = static_cast<std::uint64_t>(state.range(0));
  const auto window = static_cast<std::size_t>(state.range(1));
  double p_ml = 0.0;
  double p_bf = 0.0;
  double log2err = 0.0;
  double bf_se = 0.0;
  for (auto _ : state) {
    StageInput input(1000, 21, ScoreType::Std);
    std::mt19937 rng(8);
    input.add_planted(20, window, rng);
    // A second pathway keeps the batch engine in use for the brute force.
    input.add_random(20, rng);

    // Multilevel: 1000 simple permutations, then refinement.
    input.ctx.seed = 1234;
    input.ctx.nperm = 1000;
    input.ctx.allow_multilevel = true;
    std::vector<Working> ml = input.working;
    SimpleStageOutput simple;
    varenko::core::Status status = varenko::core::fail("the stage did not run");
    varenko::core::worker_pool().execute([&] {
      run_simple_stage_checked(input.ctx, ml, simple);
      varenko::algo::simple_postprocessing(input.ctx, ml, simple);
      status = varenko::algo::run_multilevel_stage(input.ctx, ml, simple);
    });
    if (!status.ok() || !ml[0].log2err) {
      state.SkipWithError("planted pathway was not refined");
      return;
    }
    p_ml = ml[0].pval;
    log2err = *ml[0].log2err;

    // Brute force with a different seed.
    input.ctx.seed = 98765;
    input.ctx.nperm = brute_perms;
    input.ctx.allow_multilevel = false;
    std::vector<Working> bf = input.working;
    SimpleStageOutput out;
    varenko::core::worker_pool().execute([&] {
      run_simple_stage_checked(input.ctx, bf, out);
      varenko::algo::simple_postprocessing(input.ctx, bf, out);
    });
    p_bf = bf[0].pval;
    bf_se = 1.0 / std::sqrt(static_cast<double>(bf[0].counts.count_ge) + 1.0) / std::log(2.0);
  }
  state.counters["p_multilevel"] = p_ml;
  state.counters["p_brute"] = p_bf;
  state.counters["log2err"] = log2err;
  state.counters["brute_log2_se"] = bf_se;
  state.counters["deviation"] = std::fabs(std::log2(p_ml) - std::log2(p_bf)) / log2err;
  // 1 when the two estimates agree within 3 log2err (the expected outcome).
  state.counters["agree"] = std::fabs(std::log2(p_ml) - std::log2(p_bf)) <= 3.0 * log2err ? 1 : 0;
}
BENCHMARK(BM_MultilevelAccuracy)
    ->Args({1000000, 400})
    ->Args({10000000, 400})
    ->Args({10000000, 350})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
