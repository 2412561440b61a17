// Tests of the tail stage: the derived stream seeds, the sampler's uniformity,
// the integer scorer against the analysis' score, and whole runs on a skewed
// ranking (every row filled, other rows untouched, any thread count).
#include "algo/tail_stage.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <tbb/global_control.h>
#include <tbb/task_arena.h>

#include "algo/pipeline.h"
#include "bindings/run_options.h"
#include "core/records.h"
#include "quorin_compat/es_score.h"
#include "support/test_support.h"

namespace varenko::algo {
namespace {

using core::EnrichmentResult;
using core::ScoreType;
using test::same_bits;

TEST(TailStage, StreamSeedsAreSplitMix64Outputs) {
  // SplitMix64's published first outputs from state 0.
  EXPECT_EQ(derive_stream_seed(0, 0), 0xE220A8397B1DCDAFULL);
  EXPECT_EQ(derive_stream_seed(0, 1), 0x6E789E6AA1B965F4ULL);
  for (std::size_t size : {1, 100, 101}) EXPECT_NE(tail_permutation_stream(), tail_multilevel_stream(size));
}

TEST(TailStage, SamplersDrawEverySubsetEquallyOften) {
  RandomSetSampler sampler(5, 2, 17);
  NestedSetDrawer nested(5, 17);
  std::uint64_t draw = 0;
  // The nested drawer's first two positions, then its first three of the same
  // draws: each prefix is uniform on its own.
  const std::vector<std::function<std::vector<std::size_t>()>> draws = {
      [&] { return sampler.next(); },
      [&] {
        nested.start(draw++);
        (void)nested.extend(2);
        return nested.sorted_prefix(2);
      },
      [&] {
        nested.start(draw++);
        (void)nested.extend(4);
        return nested.sorted_prefix(3);
      },
  };
  for (std::size_t c = 0; c < draws.size(); ++c) {
    SCOPED_TRACE(c);
    std::map<std::vector<std::size_t>, int> seen;
    constexpr int kDraws = 100000;
    for (int i = 0; i < kDraws; ++i) {
      const std::vector<std::size_t> hits = draws[c]();
      ASSERT_TRUE(std::is_sorted(hits.begin(), hits.end()));
      ASSERT_EQ(std::adjacent_find(hits.begin(), hits.end()), hits.end());
      ++seen[hits];
    }
    ASSERT_EQ(seen.size(), 10u);
    for (const auto& [subset, count] : seen) EXPECT_NEAR(count, kDraws / 10, 500);
  }
}

TEST(TailStage, PositiveScoreTestPassesOnlySetsThatScoreAbove0) {
  // Weights stretched upward as on a one-sided ranking, and weights too large
  // for the scorer's integer sums, where the test never passes.
  std::mt19937_64 rng(9);
  std::normal_distribution<double> normal(0.0, 1.0);
  std::vector<std::int64_t> skewed(3000);
  for (std::int64_t& w : skewed) {
    const double z = normal(rng);
    w = static_cast<std::int64_t>(1000.0 * (z > 0.0 ? std::exp(1.5 * z) : z));
  }
  std::sort(skewed.begin(), skewed.end(), std::greater<>());
  std::vector<std::int64_t> huge(skewed);
  for (std::int64_t& w : huge) w *= std::int64_t{1} << 40;
  for (const auto* weights : {&skewed, &huge}) {
    const std::vector<double> as_double(weights->begin(), weights->end());
    const RandomSetScorer scorer(*weights, as_double, ScoreType::Std);
    const PositiveScoreTest test(*weights);
    NestedSetDrawer drawer(weights->size(), 4);
    int passed = 0;
    int negative = 0;
    constexpr int kDraws = 20000;
    for (int j = 0; j < kDraws; ++j) {
      drawer.start(static_cast<std::uint64_t>(j));
      std::vector<std::int64_t> sums(test.regions());
      std::vector<std::int64_t> counts(test.regions());
      for (const std::uint32_t p : drawer.extend(40)) {
        sums[test.region(p)] += test.weight(p);
        ++counts[test.region(p)];
      }
      const double x = scorer(drawer.sorted_prefix(40));
      negative += x <= 0.0;
      if (test.passes(sums, counts, 40)) {
        ++passed;
        ASSERT_GT(x, 0.0) << j;
      }
    }
    if (weights == &huge) {
      EXPECT_EQ(passed, 0);
    } else {
      EXPECT_GT(negative, 0);  // the test has sets to reject
      EXPECT_GT(passed, kDraws / 2);
    }
  }
}

TEST(TailStage, ScorerAgreesWithTheAnalysisScore) {
  struct Case {
    const char* name;
    std::vector<std::int64_t> weights;
    ScoreType score_type;
  };
  std::mt19937_64 rng(5);
  std::vector<std::int64_t> spread(300);
  for (std::int64_t& w : spread) w = static_cast<std::int64_t>(rng() % 1000000);
  std::vector<std::int64_t> sparse(300, 0);  // mostly weightless: the fallback path
  sparse[3] = 7;
  sparse[250] = 11;
  const Case cases[] = {
      {"spread std", spread, ScoreType::Std},
      {"spread pos", spread, ScoreType::Pos},
      {"spread neg", spread, ScoreType::Neg},
      {"sparse std", sparse, ScoreType::Std},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<double> as_double(c.weights.begin(), c.weights.end());
    const RandomSetScorer scorer(c.weights, as_double, c.score_type);
    RandomSetSampler sampler(c.weights.size(), 20, 3);
    for (int i = 0; i < 2000; ++i) {
      const std::vector<std::size_t>& hits = sampler.next();
      const double expected =
          quorin_compat::calculate_es_quorin(as_double, hits, c.weights.size(), c.score_type).es;
      const double got = scorer(hits);
      ASSERT_NEAR(got, expected, 1e-12) << i;
      ASSERT_EQ(got < 0.0, expected < 0.0) << i;
    }
  }
}

// Scores stretched upward: random sets of 60 genes score below 0 only a few
// times in 1,000, so the bottom sets get no p-value from the simple stage.
struct SkewedInput {
  core::RankedList ranked;
  std::vector<core::Pathway> pathways;
};

SkewedInput skewed_input() {
  constexpr std::size_t kGenes = 1200;
  std::mt19937_64 rng(11);
  std::normal_distribution<double> normal(0.0, 1.0);
  std::vector<std::string> genes;
  std::vector<double> scores;
  for (std::size_t i = 0; i < kGenes; ++i) {
    std::string name = "G";
    name += std::to_string(i);
    genes.push_back(name);
    const double z = normal(rng);
    scores.push_back(z > 0.0 ? std::exp(2.0 * z) : z);
  }
  SkewedInput in;
  in.ranked = core::RankedList::make(genes, scores);
  const auto& ranked = in.ranked.genes();
  auto add = [&](std::string name, std::size_t from, std::size_t count, std::size_t step) {
    core::Pathway p;
    p.name = std::move(name);
    for (std::size_t k = 0; k < count; ++k) p.genes.push_back(ranked[from + k * step]);
    in.pathways.push_back(std::move(p));
  };
  add("LOW_60", kGenes - 600, 60, 10);
  add("LOW_50", kGenes - 500, 50, 10);
  add("TOP_60", 0, 60, 1);
  add("MIDDLE_40", 500, 40, 1);
  return in;
}

bindings::RunOptions skewed_options(bool fill) {
  bindings::RunOptions o;
  o.nperm = 1000;
  o.seed = 42;
  o.min_size = 1;
  o.max_size = 1000;
  o.eps = 1e-50;
  o.sample_size = 101;
  o.fill_empty_rows = fill;
  return o;
}

TEST(TailStage, FillsEmptyRowsAloneAndTheSameWithAnyThreadCount) {
  tbb::global_control allow(tbb::global_control::max_allowed_parallelism, 8);
  const SkewedInput in = skewed_input();
  tbb::task_arena one(1);
  auto plain = run_gsea_internal_in_arena(one, in.ranked, in.pathways, skewed_options(false));
  ASSERT_TRUE(plain.ok());
  std::size_t empty = 0;
  for (const EnrichmentResult& r : *plain) empty += std::isnan(r.pval);
  ASSERT_EQ(empty, 2u);  // the two LOW sets: the case the stage is for

  std::vector<std::vector<EnrichmentResult>> runs;
  for (int threads : {1, 2, 8}) {
    tbb::task_arena arena(threads);
    auto rows = run_gsea_internal_in_arena(arena, in.ranked, in.pathways, skewed_options(true));
    ASSERT_TRUE(rows.ok());
    runs.push_back(std::move(*rows));
  }
  for (std::size_t i = 0; i < plain->size(); ++i) {
    const EnrichmentResult& before = (*plain)[i];
    const EnrichmentResult& after = runs[0][i];
    SCOPED_TRACE(after.pathway);
    ASSERT_TRUE(after.nes.has_value());
    EXPECT_TRUE(std::isfinite(after.pval));
    if (std::isnan(before.pval)) {
      EXPECT_LT(*after.nes, 0.0);
      EXPECT_LT(after.pval, 1e-3);
    } else {
      EXPECT_TRUE(same_bits(before.pval, after.pval));
      EXPECT_TRUE(same_bits(*before.nes, *after.nes));
      EXPECT_EQ(before.log2err.has_value(), after.log2err.has_value());
      EXPECT_EQ(before.pval_at_eps, after.pval_at_eps);
    }
    for (std::size_t t = 1; t < runs.size(); ++t) EXPECT_EQ(runs[t][i], after);
  }
}

}  // namespace
}  // namespace varenko::algo
