// Tests of the simple permutation stage: chunk layouts and seeds, the
// one-pathway random stream, the engine choice, post-processing rules,
// thread-count invariance and the statistical behaviour of the p-values.
#include "algo/simple_stage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include <sys/resource.h>

#include <gtest/gtest.h>
#include <tbb/task_arena.h>

#include "algo_support/support.h"
#include "core/records.h"
#include "quorin_compat/es_score.h"
#include "rng_compat/r_compat.h"
#include "stage_run.h"
#include "support/test_support.h"

namespace varenko::algo {
namespace {

using core::ScoreType;
using test::same_bits;

std::vector<std::size_t> random_set(std::size_t n, std::size_t k, std::mt19937& rng) {
  std::vector<std::size_t> all(n);
  for (std::size_t i = 0; i < n; ++i) all[i] = i;
  std::shuffle(all.begin(), all.end(), rng);
  all.resize(k);
  return all;
}

void expect_same_working(const std::vector<Working>& a, const std::vector<Working>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    SCOPED_TRACE("pathway " + std::to_string(i));
    EXPECT_EQ(a[i].counts.count_le, b[i].counts.count_le);
    EXPECT_EQ(a[i].counts.count_ge, b[i].counts.count_ge);
    EXPECT_EQ(a[i].counts.count_le_zero, b[i].counts.count_le_zero);
    EXPECT_EQ(a[i].counts.count_ge_zero, b[i].counts.count_ge_zero);
    EXPECT_TRUE(same_bits(a[i].counts.sum_le_zero, b[i].counts.sum_le_zero));
    EXPECT_TRUE(same_bits(a[i].counts.sum_ge_zero, b[i].counts.sum_ge_zero));
  }
}

TEST(SimpleStage, ChunkLayouts) {
  struct Case {
    std::uint64_t nperm;
    bool multilevel;
    std::vector<std::uint32_t> expected;
  };
  std::vector<std::uint32_t> big(127, 1563);
  big.push_back(1499);
  const Case cases[] = {
      {1000, false, {1000}},
      {2500, false, {1000, 1000, 500}},
      {999, false, {999}},
      {2000, false, {1000, 1000}},
      {200000, false, big},
      {200000, true, {200000}},
      {12, true, {12}},
      {0, false, {}},
      {0, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.nperm) + (c.multilevel ? " multilevel" : " simple"));
    EXPECT_EQ(simple_chunk_sizes(c.nperm, c.multilevel), c.expected);
  }
  // A large budget still makes at most 128 chunks, whose sizes add up to it.
  const auto sizes = simple_chunk_sizes(10000000, false);
  EXPECT_EQ(sizes.size(), 128u);
  std::uint64_t total = 0;
  for (const auto s : sizes) total += s;
  EXPECT_EQ(total, 10000000u);
}

// The chunk seeds of the reference runs, derived from the mode rules of the entry.
TEST(SimpleStage, ChunkSeedsOfReferenceRuns) {
  for (const char* file : {"golden/pipeline_rows.json", "golden/mended_rows.json"}) {
    const auto data = test::load_json(file);
    for (const auto& c : data.at("cases")) {
      SCOPED_TRACE(c.at("id").get<std::string>());
      const auto& kw = c.at("kwargs");
      std::string mode = kw.value("mode", std::string("quorin"));
      std::transform(mode.begin(), mode.end(), mode.begin(),
                     [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
      const std::uint64_t simple = kw.value("nPermSimple", std::uint64_t{1000});
      const bool has_nperm = kw.contains("nperm") && !kw.at("nperm").is_null();
      std::uint64_t nperm = simple;
      bool multilevel = mode == "multilevel" || (mode == "quorin" && !has_nperm);
      if (mode != "multilevel" && has_nperm) nperm = kw.at("nperm").get<std::uint64_t>();
      const auto seed = kw.at("seed").get<std::uint64_t>();
      rng_compat::RMt19937SeedCompat gen(static_cast<std::uint32_t>(seed));
      const auto chunks = plan_simple_chunks(nperm, multilevel, gen, 1);
      const auto& expected = c.at("intermediate").at("simple_chunks");
      ASSERT_EQ(chunks.size(), expected.size());
      for (std::size_t i = 0; i < chunks.size(); ++i) {
        EXPECT_EQ(chunks[i].permutations, expected[i][0].get<std::uint32_t>());
        EXPECT_EQ(chunks[i].seed, expected[i][1].get<std::uint64_t>());
      }
    }
  }
}

TEST(SimpleStage, EngineChoice) {
  struct Case {
    std::size_t kept;
    int threads;
    bool fast;
    SimpleEngine expected;
  };
  const Case cases[] = {
      {1, 8, false, SimpleEngine::SinglePathway},
      {1, 8, true, SimpleEngine::SinglePathway},
      {2, 8, false, SimpleEngine::Sequential},
      {127, 8, false, SimpleEngine::Sequential},
      {127, 8, true, SimpleEngine::Sequential},
      {128, 1, false, SimpleEngine::Sequential},
      {128, 1, true, SimpleEngine::Sequential},
      {128, 2, false, SimpleEngine::ThreadInvariantParallel},
      {500, 8, true, SimpleEngine::FastParallel},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.kept) + " pathways, " + std::to_string(c.threads) +
                 " threads, fast " + std::to_string(c.fast));
    EXPECT_EQ(choose_simple_engine(c.kept, c.threads, c.fast), c.expected);
  }
}

// One kept pathway: the stage scores the L'Ecuyer-CMRG samples of each chunk seed
// one by one, and the float sums run over all permutations in draw order.
TEST(SimpleStage, OnePathwayScoresLecuyerSamples) {
  for (const std::uint64_t nperm : {1000u, 2500u}) {
    for (const std::uint32_t kind : {0u, 1u}) {
      SCOPED_TRACE("nperm " + std::to_string(nperm) + " kind " + std::to_string(kind));
      StageRun run(random_scores(300, 7), 1.0, ScoreType::Std);
      run.ctx.seed = 0xABCDEF0012345678ULL;
      run.ctx.nperm = nperm;
      run.ctx.sample_kind = kind;
      run.add_pathway({0, 3, 5, 40, 77, 120, 200});
      std::vector<Working> stage = run.working;
      SimpleStageOutput out;
      ASSERT_TRUE(run_simple_stage(run.ctx, stage, out).ok());
      EXPECT_FALSE(out.seed_generator.has_value());

      Working expected = run.working[0];
      rng_compat::RMt19937SeedCompat seeds(0x12345678u);
      for (const auto size : simple_chunk_sizes(nperm, false)) {
        const auto chunk_seed = rng_compat::r_unif_index_with_kind(seeds, 1000000000, kind) + 1;
        rng_compat::RLecuyerCmrgSeedCompat gen(static_cast<std::uint32_t>(chunk_seed));
        for (std::uint32_t it = 0; it < size; ++it) {
          auto s = rng_compat::sample_int_no_replace_with_kind(gen, 300, 7, kind);
          ASSERT_TRUE(s.ok());
          std::vector<std::size_t> hits;
          for (const auto v : *s) hits.push_back(v - 1);
          std::sort(hits.begin(), hits.end());
          const double x = quorin_compat::calculate_es_quorin(run.weights, hits, 300,
                                                              ScoreType::Std).es;
          if (x <= expected.es) ++expected.counts.count_le;
          if (x >= expected.es) ++expected.counts.count_ge;
          if (x <= 0) {
            ++expected.counts.count_le_zero;
            expected.counts.sum_le_zero += x;
          }
          if (x >= 0) {
            ++expected.counts.count_ge_zero;
            expected.counts.sum_ge_zero += x;
          }
        }
      }
      expect_same_working(stage, {expected});
      // No exact zeros here.
      EXPECT_EQ(stage[0].counts.count_le_zero + stage[0].counts.count_ge_zero, nperm);
    }
  }
}

// A single pathway larger than the ranking (which the driver's size bounds rule
// out) comes back as a failure with the sampler's message, not a stopped process.
TEST(SimpleStage, SinglePathwayLargerThanRankingFails) {
  StageRun run(random_scores(30, 4), 1.0, ScoreType::Std);
  run.ctx.seed = 3;
  run.ctx.nperm = 10;
  run.add_pathway({0, 1, 2});
  run.working[0].size = 31;
  SimpleStageOutput out;
  EXPECT_ERROR(run_simple_stage(run.ctx, run.working, out),
               "sample_int_no_replace: size (31) must be <= n (30)");
}

// With multilevel refinement allowed the generator is kept after the single chunk seed.
TEST(SimpleStage, KeepsSeedGeneratorForMultilevel) {
  StageRun run(random_scores(200, 3), 1.0, ScoreType::Pos);
  run.ctx.seed = 77;
  run.ctx.nperm = 500;
  run.ctx.allow_multilevel = true;
  run.add_pathway({1, 2, 3});
  run.add_pathway({10, 20});
  SimpleStageOutput out;
  ASSERT_TRUE(run_simple_stage(run.ctx, run.working, out).ok());
  ASSERT_TRUE(out.seed_generator.has_value());
  rng_compat::RMt19937SeedCompat manual(77);
  EXPECT_EQ(out.multilevel_chunk_seed, rng_compat::r_unif_index_with_kind(manual, 1000000000, 1) + 1);
  EXPECT_EQ(rng_compat::r_unif_index_with_kind(*out.seed_generator, 1000000000, 1),
            rng_compat::r_unif_index_with_kind(manual, 1000000000, 1));
}

// Ten million permutations in one chunk stream through the engine: the counters
// add up and the peak memory of the process barely grows. The run happens in a
// fresh process (a death-test child that re-executes this binary), so the peak
// it is compared with is its own baseline, not what earlier tests left behind.
// Sanitizer and debug builds run a smaller budget to stay within a few seconds.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__) || !defined(NDEBUG)
constexpr std::uint32_t kLargeBudget = 200000;
#else
constexpr std::uint32_t kLargeBudget = 10000000;
#endif

// The child's side: exits with 0 when memory stayed bounded and the counters
// add up, else prints what went wrong and exits with 1.
[[noreturn]] void run_large_budget_and_exit() {
  StageRun run(random_scores(40, 12), 1.0, ScoreType::Pos);
  run.ctx.seed = 10;
  run.ctx.nperm = kLargeBudget;
  run.ctx.allow_multilevel = true;
  run.add_pathway({0});
  run.add_pathway({1, 30});
  rusage before{};
  getrusage(RUSAGE_SELF, &before);
  SimpleStageOutput out;
  if (const core::Status ran = run_simple_stage(run.ctx, run.working, out); !ran.ok()) {
    std::fprintf(stderr, "simple stage failed: %s\n", ran.error().c_str());
    std::exit(1);
  }
  simple_postprocessing(run.ctx, run.working, out);
  rusage after{};
  getrusage(RUSAGE_SELF, &after);
  const long grown_kib = after.ru_maxrss - before.ru_maxrss;
  bool ok = grown_kib < 64 * 1024;
  if (!ok) std::fprintf(stderr, "peak memory grew by %ld KiB\n", grown_kib);
  for (const Working& w : run.working) {
    const quorin_compat::PermutationCounts& c = w.counts;
    if (std::uint64_t{c.count_le_zero} + c.count_ge_zero < kLargeBudget || !(w.pval > 0.0)) {
      std::fprintf(stderr, "counters do not add up: %llu + %llu, p-value %g\n",
                   static_cast<unsigned long long>(c.count_le_zero),
                   static_cast<unsigned long long>(c.count_ge_zero), w.pval);
      ok = false;
    }
  }
  std::exit(ok ? 0 : 1);
}

TEST(SimpleStage, TenMillionPermutationsKeepMemoryBounded) {
  // "threadsafe" re-executes the binary for the child instead of forking this
  // process, whose worker threads would not survive a fork.
  const std::string style = GTEST_FLAG_GET(death_test_style);
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(run_large_budget_and_exit(), ::testing::ExitedWithCode(0), "");
  GTEST_FLAG_SET(death_test_style, style);
}

// 130 pathways use the thread-invariant engine when the arena has several
// threads; the counters and sums must not depend on the thread count.
TEST(SimpleStage, SameCountersWithOneTwoAndEightThreads) {
  if (std::getenv(kFastNonexactSimpleEnv) != nullptr) GTEST_SKIP() << "fast engine requested";
  StageRun run(random_scores(500, 11), 1.0, ScoreType::Std);
  run.ctx.seed = 2024;
  run.ctx.nperm = 2500;
  std::mt19937 rng(5);
  for (int i = 0; i < 130; ++i) run.add_pathway(random_set(500, 5 + i % 40, rng));
  std::vector<std::vector<Working>> results;
  for (const int threads : {1, 2, 8}) {
    tbb::task_arena arena(threads);
    std::vector<Working> w = run.working;
    SimpleStageOutput out;
    arena.execute([&] {
      ASSERT_TRUE(run_simple_stage(run.ctx, w, out).ok());
      simple_postprocessing(run.ctx, w, out);
    });
    results.push_back(std::move(w));
  }
  expect_same_working(results[0], results[1]);
  expect_same_working(results[0], results[2]);
  for (std::size_t i = 0; i < results[0].size(); ++i) {
    EXPECT_TRUE(same_bits(results[0][i].pval, results[2][i].pval));
  }
}

TEST(SimplePostprocessing, Rules) {
  const double psi_spread = algo_support::trigamma_f64(1.0) - algo_support::trigamma_f64(1001.0);
  struct Case {
    std::string name;
    ScoreType type;
    double es;
    std::uint32_t le, ge, le_zero, ge_zero;
    double sum_le, sum_ge;
    bool multilevel;
    std::optional<double> nes;
    double pval;
    std::optional<double> log2err;
    std::uint64_t k, z;
  };
  const double nan = std::nan("");
  const Case cases[] = {
      {"std positive, nothing above", ScoreType::Std, 0.8, 1000, 0, 501, 499, -150.0, 249.5, false,
       0.8 / 0.5, 1.0 / 500.0, std::sqrt(psi_spread) * 1.4426950408889634, 0, 499},
      {"std negative", ScoreType::Std, -0.6, 3, 1000, 600, 400, -240.0, 100.0, false, -0.6 / 0.4,
       4.0 / 601.0,
       std::sqrt(algo_support::trigamma_f64(4.0) - algo_support::trigamma_f64(1001.0)) *
           1.4426950408889634,
       3, 600},
      {"std zero takes k below and z above", ScoreType::Std, 0.0, 7, 9, 500, 500, -100.0, 100.0,
       false, 0.0, 8.0 / 501.0,
       std::sqrt(algo_support::trigamma_f64(8.0) - algo_support::trigamma_f64(1001.0)) *
           1.4426950408889634,
       7, 500},
      {"pos with negative es has no nes", ScoreType::Pos, -0.1, 10, 990, 500, 500, -50.0, 50.0,
       false, std::nullopt, nan, std::nullopt, 990, 500},
      {"neg with positive es has no nes", ScoreType::Neg, 0.1, 990, 10, 500, 500, -50.0, 50.0,
       false, std::nullopt, nan, std::nullopt, 990, 500},
      {"no permutation on the positive side", ScoreType::Std, 0.5, 1000, 0, 1000, 0, -300.0, 0.0,
       false, std::nullopt, nan, std::nullopt, 0, 0},
      {"multilevel with z 9 drops the estimate", ScoreType::Pos, 0.9, 1000, 0, 991, 9, -99.1, 4.5,
       true, std::nullopt, nan, std::nullopt, 0, 9},
      {"multilevel with z 10 keeps it", ScoreType::Pos, 0.9, 1000, 0, 990, 10, -99.0, 5.0, true,
       1.8, 1.0 / 11.0, std::sqrt(psi_spread) * 1.4426950408889634, 0, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    StageRun run({3, 2, 1, -1}, 1.0, c.type);
    run.ctx.nperm = 1000;
    run.ctx.allow_multilevel = c.multilevel;
    Working w;
    w.es = c.es;
    w.counts.count_le = c.le;
    w.counts.count_ge = c.ge;
    w.counts.count_le_zero = c.le_zero;
    w.counts.count_ge_zero = c.ge_zero;
    w.counts.sum_le_zero = c.sum_le;
    w.counts.sum_ge_zero = c.sum_ge;
    std::vector<Working> working{w};
    SimpleStageOutput out;
    simple_postprocessing(run.ctx, working, out);
    EXPECT_EQ(working[0].nes.has_value(), c.nes.has_value());
    if (c.nes && working[0].nes) {
      EXPECT_TRUE(same_bits(*working[0].nes, *c.nes));
    }
    EXPECT_TRUE(same_bits(working[0].pval, c.pval)) << working[0].pval;
    EXPECT_EQ(working[0].log2err.has_value(), c.log2err.has_value());
    if (c.log2err && working[0].log2err) {
      EXPECT_TRUE(same_bits(*working[0].log2err, *c.log2err));
    }
    EXPECT_EQ(out.n_more_extreme, std::vector<std::uint64_t>{c.k});
    EXPECT_EQ(out.zero_side, std::vector<std::uint64_t>{c.z});
  }
}

// Without permutations every p-value stays NaN and nothing else is set.
TEST(SimplePostprocessing, NoPermutationsGiveNan) {
  StageRun run(random_scores(50, 1), 1.0, ScoreType::Std);
  run.add_pathway({0, 1, 2});
  run.add_pathway({40, 45});
  SimpleStageOutput out;
  simple_postprocessing(run.ctx, run.working, out);
  for (const Working& w : run.working) {
    EXPECT_TRUE(std::isnan(w.pval));
    EXPECT_FALSE(w.nes.has_value());
    EXPECT_FALSE(w.log2err.has_value());
  }
  EXPECT_EQ(out.zero_side.size(), 2u);
}

// On a ranking without signal the p-values of random gene sets are close to
// uniform (Kolmogorov-Smirnov distance below the 1% critical value), and a set
// planted at the top of the ranking gets the smallest possible p-value.
TEST(SimpleStageStatistics, NullPvaluesAreUniformAndPlantedSetIsExtreme) {
  constexpr std::size_t kGenes = 2000;
  constexpr std::size_t kPathways = 500;
  StageRun run(random_scores(kGenes, 99), 1.0, ScoreType::Std);
  run.ctx.seed = 31337;
  run.ctx.nperm = 1000;
  std::mt19937 rng(123);
  std::uniform_int_distribution<std::size_t> size_dist(15, 150);
  for (std::size_t i = 0; i < kPathways; ++i) run.add_pathway(random_set(kGenes, size_dist(rng), rng));
  run.add_pathway({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19});
  SimpleStageOutput out;
  ASSERT_TRUE(run_simple_stage(run.ctx, run.working, out).ok());
  simple_postprocessing(run.ctx, run.working, out);

  std::vector<double> p;
  for (std::size_t i = 0; i < kPathways; ++i) {
    ASSERT_TRUE(std::isfinite(run.working[i].pval));
    p.push_back(run.working[i].pval);
  }
  std::sort(p.begin(), p.end());
  double d = 0.0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const double n = static_cast<double>(p.size());
    d = std::max({d, std::fabs(p[i] - static_cast<double>(i) / n),
                  std::fabs(static_cast<double>(i + 1) / n - p[i])});
  }
  EXPECT_LT(d, 1.63 / std::sqrt(static_cast<double>(kPathways)));

  const Working& planted = run.working.back();
  EXPECT_GT(planted.es, 0.0);
  EXPECT_EQ(planted.counts.count_ge, 0u);
  EXPECT_EQ(planted.pval, 1.0 / (planted.counts.count_ge_zero + 1.0));
  EXPECT_LT(planted.pval, 3.0 / 1001.0);
  ASSERT_TRUE(planted.nes.has_value());
  EXPECT_GT(*planted.nes, 2.0);
}

// Degenerate rankings and options still give defined numbers.
TEST(SimpleStage, DegenerateInputsFinish) {
  struct Case {
    std::string name;
    std::vector<double> scores;
    double gsea_param;
    std::vector<std::vector<std::size_t>> pathways;
  };
  std::vector<double> normal = random_scores(60, 4);
  const Case cases[] = {
      {"all-zero scores", std::vector<double>(60, 0.0), 1.0, {{0, 1, 2}, {5, 9}}},
      {"all-tied scores", std::vector<double>(60, 1.5), 1.0, {{0, 1, 2}, {5, 9}}},
      {"gseaParam 0", normal, 0.0, {{0, 1, 2}, {5, 9}}},
      {"gseaParam 100", normal, 100.0, {{0, 1, 2}, {5, 9}}},
      {"one pathway of one gene", normal, 1.0, {{0}}},
      {"pathway of n - 1 genes", std::vector<double>(normal.begin(), normal.begin() + 5), 1.0,
       {{0, 1, 2, 3}}},
  };
  for (const Case& c : cases) {
    for (const ScoreType type : {ScoreType::Std, ScoreType::Pos, ScoreType::Neg}) {
      SCOPED_TRACE(c.name + " type " + std::to_string(static_cast<int>(type)));
      StageRun run(c.scores, c.gsea_param, type);
      run.ctx.seed = 5;
      run.ctx.nperm = 1500;
      for (const auto& p : c.pathways) run.add_pathway(p);
      SimpleStageOutput out;
      ASSERT_TRUE(run_simple_stage(run.ctx, run.working, out).ok());
      simple_postprocessing(run.ctx, run.working, out);
      for (const Working& w : run.working) {
        EXPECT_LE(w.counts.count_le_zero, 1500u);
        EXPECT_LE(w.counts.count_ge_zero, 1500u);
        if (!std::isnan(w.pval)) {
          EXPECT_GT(w.pval, 0.0);
          EXPECT_LE(w.pval, 1.0);
          ASSERT_TRUE(w.log2err.has_value());
          EXPECT_FALSE(std::isnan(*w.log2err));
        }
      }
    }
  }
}

}  // namespace
}  // namespace varenko::algo
