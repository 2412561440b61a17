// Tests of the analysis driver: option clamping, the stage timing lines, which
// pathways give rows and in what order, rows without permutations, and
// bit-identical rows at 1, 2 and 8 threads (the parallel engines and the
// parallel multilevel groups included).
#include "algo/pipeline.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <tbb/global_control.h>
#include <tbb/task_arena.h>

#include "core/records.h"
#include "support/test_support.h"

namespace varenko::algo {
namespace {

using bindings::RunOptions;
using core::EnrichmentResult;
using core::Pathway;
using core::RankedList;
using core::ScoreType;
using test::same_bits;

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();

// "G<i>" (built by appending: GCC 12 warns falsely on "G" + std::to_string(i)).
std::string gene_name(std::size_t i) {
  std::string name = "G";
  name += std::to_string(i);
  return name;
}

// Genes G0..G(n-1) with distinct scores, positive on top, negative below.
RankedList linear_ranking(std::size_t n) {
  std::vector<std::string> genes;
  std::vector<double> scores;
  for (std::size_t i = 0; i < n; ++i) {
    genes.push_back(gene_name(i));
    scores.push_back(static_cast<double>(n) / 2.0 - static_cast<double>(i) + 0.25);
  }
  return RankedList::make(genes, scores);
}

Pathway pathway(std::string name, std::vector<std::string> genes) {
  Pathway p;
  p.name = std::move(name);
  p.genes = std::move(genes);
  return p;
}

std::vector<std::string> gene_range(std::size_t first, std::size_t count) {
  std::vector<std::string> genes;
  for (std::size_t i = first; i < first + count; ++i) genes.push_back(gene_name(i));
  return genes;
}

RunOptions options_for(std::size_t n, std::uint64_t nperm, bool allow_multilevel) {
  RunOptions o;
  o.nperm = nperm;
  o.allow_multilevel = allow_multilevel;
  o.seed = 20240611;
  o.max_size = n - 1;
  o.eps = 1e-10;
  o.sample_size = 11;
  return o;
}

bool same_optional(const std::optional<double>& a, const std::optional<double>& b) {
  if (a.has_value() != b.has_value()) return false;
  return !a || same_bits(*a, *b);
}

// Row equality with NaN equal to NaN and signed zeros distinguished.
void expect_same_rows(const std::vector<EnrichmentResult>& a,
                      const std::vector<EnrichmentResult>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    SCOPED_TRACE(a[i].pathway);
    EXPECT_EQ(a[i].pathway, b[i].pathway);
    EXPECT_EQ(a[i].size, b[i].size);
    EXPECT_TRUE(same_bits(a[i].es, b[i].es));
    EXPECT_TRUE(same_optional(a[i].nes, b[i].nes));
    EXPECT_TRUE(same_bits(a[i].pval, b[i].pval));
    EXPECT_TRUE(same_optional(a[i].padj, b[i].padj));
    EXPECT_TRUE(same_optional(a[i].log2err, b[i].log2err));
    EXPECT_EQ(a[i].leading_edge, b[i].leading_edge);
  }
}

TEST(ClampOptions, Table) {
  struct Case {
    const char* name;
    std::size_t n, min_size, max_size;
    double eps;
    std::uint32_t sample_size;
    std::size_t want_min, want_max;
    double want_eps;
    std::uint32_t want_sample;
  };
  const Case cases[] = {
      {"defaults pass", 100, 1, 99, 1e-50, 101, 1, 99, 1e-50, 101},
      {"min 0 acts as 1", 100, 0, 50, 0.5, 11, 1, 50, 0.5, 11},
      {"max capped at n-1", 10, 3, 1000, 1e-10, 1, 3, 9, 1e-10, 1},
      {"empty ranking", 0, 1, 5, 1e-10, 1, 1, 0, 1e-10, 1},
      {"eps below 0", 10, 1, 9, -3.0, 1, 1, 9, 0.0, 1},
      {"eps above 1", 10, 1, 9, 7.0, 1, 1, 9, 1.0, 1},
      {"eps infinite", 10, 1, 9, -std::numeric_limits<double>::infinity(), 1, 1, 9, 0.0, 1},
      {"sample size 0 acts as 1", 10, 1, 9, 0.1, 0, 1, 9, 0.1, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RunOptions o;
    o.min_size = c.min_size;
    o.max_size = c.max_size;
    o.eps = c.eps;
    o.sample_size = c.sample_size;
    const ClampedOptions got = clamp_options(o, c.n);
    EXPECT_EQ(got.min_size, c.want_min);
    EXPECT_EQ(got.max_size, c.want_max);
    EXPECT_TRUE(same_bits(got.eps, c.want_eps));
    EXPECT_EQ(got.sample_size, c.want_sample);
  }
  RunOptions nan_eps;
  nan_eps.eps = kNan;
  EXPECT_TRUE(std::isnan(clamp_options(nan_eps, 10).eps));
}

TEST(StageTiming, LineFormat) {
  EXPECT_EQ(format_stage_timing("setup", 0.00123), "VARENKO_STAGE\tsetup\t0.001230\n");
  EXPECT_EQ(format_stage_timing("total", 12.5), "VARENKO_STAGE\ttotal\t12.500000\n");
}

// Stage names of the lines written to standard error during one run.
std::vector<std::string> timed_stages(const RunOptions& options, bool with_env) {
  const RankedList ranked = linear_ranking(60);
  const std::vector<Pathway> pathways = {pathway("TOP", gene_range(0, 6)),
                                         pathway("MID", gene_range(25, 8))};
  if (with_env) {
    setenv(kStageTimingEnv, "", 1);
  } else {
    unsetenv(kStageTimingEnv);
  }
  testing::internal::CaptureStderr();
  auto rows = run_gsea_internal(ranked, pathways, options);
  const std::string err = testing::internal::GetCapturedStderr();
  unsetenv(kStageTimingEnv);
  EXPECT_TRUE(rows.ok());
  std::vector<std::string> stages;
  std::istringstream lines(err);
  std::string line;
  while (std::getline(lines, line)) {
    const std::size_t tab1 = line.find('\t');
    const std::size_t tab2 = line.find('\t', tab1 + 1);
    EXPECT_EQ(line.substr(0, tab1), "VARENKO_STAGE");
    const std::string seconds = line.substr(tab2 + 1);
    EXPECT_EQ(seconds.size() - seconds.find('.'), 7u) << line;  // six decimals
    stages.push_back(line.substr(tab1 + 1, tab2 - tab1 - 1));
  }
  return stages;
}

TEST(StageTiming, LinesFollowTheStagesThatRan) {
  using V = std::vector<std::string>;
  EXPECT_EQ(timed_stages(options_for(60, 200, false), true),
            (V{"setup", "pathway_preprocessing", "simple_stage", "simple_postprocessing",
               "finalize_results", "total"}));
  EXPECT_EQ(timed_stages(options_for(60, 200, true), true),
            (V{"setup", "pathway_preprocessing", "simple_stage", "simple_postprocessing",
               "multilevel_refinement", "finalize_results", "total"}));
  EXPECT_EQ(timed_stages(options_for(60, 0, true), true),
            (V{"setup", "pathway_preprocessing", "simple_postprocessing", "finalize_results",
               "total"}));
  EXPECT_TRUE(timed_stages(options_for(60, 200, true), false).empty());
}

TEST(Pipeline, RowsWithoutPermutations) {
  const RankedList ranked = linear_ranking(40);
  const std::vector<Pathway> pathways = {pathway("TOP", gene_range(0, 5))};
  auto rows = run_gsea_internal(ranked, pathways, options_for(40, 0, true));
  ASSERT_TRUE(rows.ok());
  ASSERT_EQ(rows->size(), 1u);
  const EnrichmentResult& r = (*rows)[0];
  EXPECT_EQ(r.size, 5u);
  EXPECT_GT(r.es, 0.9);
  EXPECT_FALSE(r.nes.has_value());
  EXPECT_TRUE(std::isnan(r.pval));
  EXPECT_FALSE(r.padj.has_value());
  EXPECT_FALSE(r.log2err.has_value());
  EXPECT_EQ(r.leading_edge, gene_range(0, 5));
}

TEST(Pipeline, KeepsPathwaysWithinBoundsSortedByNameBytes) {
  const RankedList ranked = linear_ranking(30);
  const std::vector<Pathway> pathways = {
      pathway("dup", gene_range(0, 4)),
      pathway("a", gene_range(3, 5)),
      pathway("EVERYTHING", gene_range(0, 30)),  // size n > max': dropped
      pathway("B", gene_range(10, 3)),
      pathway("NOHITS", {"X1", "X2"}),  // no ranked gene: dropped even with min 0
      pathway("ab", gene_range(20, 6)),
      pathway("dup", gene_range(12, 7)),
      pathway("\xC3\xA9t\xC3\xA9", gene_range(5, 3)),  // UTF-8 bytes sort after ASCII
      pathway("TOOBIG", gene_range(0, 21)),            // above max_size 20
  };
  RunOptions o = options_for(30, 0, false);
  o.min_size = 0;
  o.max_size = 20;
  auto rows = run_gsea_internal(ranked, pathways, o);
  ASSERT_TRUE(rows.ok());
  std::vector<std::string> names;
  std::vector<std::size_t> sizes;
  for (const EnrichmentResult& r : *rows) {
    names.push_back(r.pathway);
    sizes.push_back(r.size);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"B", "a", "ab", "dup", "dup", "\xC3\xA9t\xC3\xA9"}));
  EXPECT_EQ(sizes, (std::vector<std::size_t>{3, 5, 6, 4, 7, 3}));
}

TEST(Pipeline, EmptyInputsGiveNoRows) {
  const std::vector<Pathway> pathways = {pathway("P", {"G0", "G1"})};
  auto no_genes = run_gsea_internal(RankedList(), pathways, options_for(1, 1000, true));
  ASSERT_TRUE(no_genes.ok());
  EXPECT_TRUE(no_genes->empty());
  auto no_pathways = run_gsea_internal(linear_ranking(10), {}, options_for(10, 1000, true));
  ASSERT_TRUE(no_pathways.ok());
  EXPECT_TRUE(no_pathways->empty());
}

// A ranking of 1500 genes and 140 pathways (enough for the parallel engines),
// a few planted at the top and bottom in several sizes (several multilevel groups).
struct DeterminismInput {
  RankedList ranked;
  std::vector<Pathway> pathways;
};

DeterminismInput determinism_input() {
  constexpr std::size_t kGenes = 1500;
  std::mt19937_64 rng(99);
  std::vector<std::string> genes;
  std::vector<double> scores;
  std::normal_distribution<double> normal(0.0, 1.0);
  for (std::size_t i = 0; i < kGenes; ++i) {
    genes.push_back(gene_name(i));
    scores.push_back(normal(rng));
  }
  DeterminismInput in;
  in.ranked = RankedList::make(genes, scores);
  const auto& ranked_genes = in.ranked.genes();
  std::uniform_int_distribution<std::size_t> pick(0, kGenes - 1);
  for (int p = 0; p < 134; ++p) {
    const std::size_t size = 5 + static_cast<std::size_t>(p % 40);
    std::vector<std::string> set;
    for (std::size_t k = 0; k < size; ++k) set.push_back(genes[pick(rng)]);
    in.pathways.push_back(pathway("RANDOM_" + std::to_string(p), std::move(set)));
  }
  for (std::size_t size : {8u, 15u, 24u}) {
    in.pathways.push_back(pathway("TOP_" + std::to_string(size),
                                  {ranked_genes.begin(), ranked_genes.begin() + size}));
    in.pathways.push_back(pathway("BOTTOM_" + std::to_string(size),
                                  {ranked_genes.end() - size, ranked_genes.end()}));
  }
  return in;
}

TEST(Pipeline, SameRowsWithOneTwoAndEightThreads) {
  // Allows eight threads on machines with fewer cores.
  tbb::global_control allow(tbb::global_control::max_allowed_parallelism, 8);
  const DeterminismInput in = determinism_input();
  RunOptions o = options_for(in.ranked.size(), 1000, true);
  o.eps = 1e-8;
  std::vector<std::vector<EnrichmentResult>> runs;
  for (int threads : {1, 2, 8}) {
    tbb::task_arena arena(threads);
    auto rows = run_gsea_internal_in_arena(arena, in.ranked, in.pathways, o);
    ASSERT_TRUE(rows.ok());
    runs.push_back(std::move(*rows));
  }
  ASSERT_EQ(runs[0].size(), in.pathways.size());
  // The planted sets were refined below the simple stage's resolution.
  std::size_t refined = 0;
  for (const EnrichmentResult& r : runs[0]) refined += r.pval < 1.0 / 1001.0;
  EXPECT_GE(refined, 6u);
  expect_same_rows(runs[0], runs[1]);
  expect_same_rows(runs[0], runs[2]);
  // The process-wide pool gives the same rows as well.
  auto pooled = run_gsea_internal(in.ranked, in.pathways, o);
  ASSERT_TRUE(pooled.ok());
  expect_same_rows(runs[0], *pooled);
}

TEST(Pipeline, DefaultModeEntryMatchesTheDriver) {
  const DeterminismInput in = determinism_input();
  const std::span<const Pathway> some(in.pathways.data(), 20);
  auto entry = quorin_with_sample_size_and_kind(in.ranked, some, 1e-10, 1.0, std::nullopt, 500,
                                                7, 1, 1000, ScoreType::Std, 11, 1);
  RunOptions o = options_for(in.ranked.size(), 500, true);
  o.seed = 7;
  o.max_size = 1000;
  auto direct = run_gsea_internal(in.ranked, some, o);
  ASSERT_TRUE(entry.ok());
  ASSERT_TRUE(direct.ok());
  expect_same_rows(*entry, *direct);
  // Giving nperm in the default mode turns refinement off.
  auto pure = quorin_with_sample_size_and_kind(in.ranked, some, 1e-10, 1.0, 500, 500, 7, 1, 1000,
                                               ScoreType::Std, 11, 1);
  o.allow_multilevel = false;
  auto pure_direct = run_gsea_internal(in.ranked, some, o);
  ASSERT_TRUE(pure.ok());
  ASSERT_TRUE(pure_direct.ok());
  expect_same_rows(*pure, *pure_direct);
}

}  // namespace
}  // namespace varenko::algo
