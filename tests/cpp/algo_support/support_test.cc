#include "algo_support/support.h"

#include <cmath>
#include <limits>
#include <mutex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/log.h"
#include "support/test_support.h"

namespace varenko::algo_support {
namespace {

using core::RankedList;
using core::ScoreType;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Ranking whose genes are G0, G1, ... in the given (descending) score order.
RankedList ranking(std::size_t n) {
  std::vector<std::string> genes;
  std::vector<double> scores;
  for (std::size_t i = 0; i < n; ++i) {
    genes.push_back(std::string("G").append(std::to_string(i)));
    scores.push_back(static_cast<double>(n - i));
  }
  return RankedList::make(genes, scores);
}

TEST(GeneIndex, RepeatedNameKeepsItsLastPosition) {
  auto index = build_gene_index(RankedList::make({"A", "B", "A"}, {3, 2, 1}));
  ASSERT_EQ(index.size(), 2u);
  EXPECT_EQ(index.at("A"), 2u);
  EXPECT_EQ(index.at("B"), 1u);
}

TEST(PathwayHits, AreSortedDistinctPositionsOfKnownGenes) {
  auto ranked = RankedList::make({"A", "B", "C"}, {3, 2, 1});
  auto index = build_gene_index(ranked);
  struct Case {
    const char* name;
    std::vector<std::string> genes;
    std::vector<std::size_t> hits;
  };
  const Case cases[] = {
      {"unknown dropped, duplicate once", {"C", "X", "A", "C"}, {0, 2}},
      {"no gene known", {"X", "Y"}, {}},
      {"empty pathway", {}, {}},
      {"names are case-sensitive", {"a", "B"}, {1}},
      {"all genes in reverse", {"C", "B", "A"}, {0, 1, 2}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    core::Pathway p{"P", std::nullopt, c.genes};
    EXPECT_EQ(extract_pathway_hits(p, index), c.hits);
  }
}

TEST(LeadingEdge, TakesTheSideOfThePeakChosenByScoreTypeAndSign) {
  auto ranked = ranking(9);
  const std::vector<std::size_t> hits = {1, 4, 7};
  struct Case {
    const char* name;
    ScoreType type;
    double es;
    std::size_t peak;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"std positive: top first, peak included", ScoreType::Std, 0.4, 4, {"G1", "G4"}},
      {"std negative: bottom first, peak included", ScoreType::Std, -0.4, 4, {"G7", "G4"}},
      {"std zero", ScoreType::Std, 0.0, 4, {}},
      {"std NaN", ScoreType::Std, kNaN, 4, {}},
      {"pos with negative es", ScoreType::Pos, -0.2, 4, {"G1", "G4"}},
      {"neg with positive es", ScoreType::Neg, 0.2, 4, {"G7", "G4"}},
      {"pos with zero es", ScoreType::Pos, 0.0, 1, {"G1"}},
      {"peak between hits", ScoreType::Std, 0.4, 5, {"G1", "G4"}},
      {"peak before every hit", ScoreType::Std, 0.4, 0, {}},
      {"negative, peak after every hit", ScoreType::Std, -0.4, 8, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(leading_edge(hits, c.peak, c.es, c.type, ranked), c.expected);
  }
}

std::vector<core::EnrichmentResult> rows_with(const std::vector<double>& pvals) {
  std::vector<core::EnrichmentResult> rows(pvals.size());
  for (std::size_t i = 0; i < pvals.size(); ++i) rows[i].pval = pvals[i];
  return rows;
}

TEST(BhAdjustment, CountsEveryRowAndSkipsNonFinitePvalues) {
  const double inf = std::numeric_limits<double>::infinity();
  const std::optional<double> absent;
  struct Case {
    const char* name;
    std::vector<double> pvals;
    std::vector<std::optional<double>> padj;
  };
  const Case cases[] = {
      {"worked example", {0.01, 0.04, kNaN, 0.03}, {0.04, 0.04 * 4 / 3, absent, 0.04 * 4 / 3}},
      {"equal p-values share padj", {0.02, 0.02, 0.5}, {0.03, 0.03, 0.5}},
      {"capped at one", {0.9, 0.8}, {0.9, 0.9}},
      {"infinite p-value is skipped but counted", {0.1, inf}, {0.2, absent}},
      {"all NaN", {kNaN, kNaN}, {absent, absent}},
      {"empty", {}, {}},
      {"single", {0.3}, {0.3}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto rows = rows_with(c.pvals);
    if (!rows.empty()) rows.back().padj = 7.0;  // a stale value must not survive
    apply_bh_adjustment(rows);
    ASSERT_EQ(rows.size(), c.padj.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      SCOPED_TRACE("row " + std::to_string(i));
      ASSERT_EQ(rows[i].padj.has_value(), c.padj[i].has_value());
      if (c.padj[i]) {
        EXPECT_DOUBLE_EQ(*rows[i].padj, *c.padj[i]);
      }
    }
  }
}

TEST(BhAdjustment, FollowsTheStepUpArithmeticExactly) {
  // 0.03 * 4 / 2 and 0.04 * 4 / 3 must be formed exactly as (p * N) / i.
  auto rows = rows_with({0.01, 0.04, kNaN, 0.03});
  apply_bh_adjustment(rows);
  EXPECT_TRUE(test::same_bits(*rows[1].padj, 0.04 * 4.0 / 3.0));
  EXPECT_TRUE(test::same_bits(*rows[0].padj, 0.01 * 4.0 / 1.0));
}

TEST(RefineMultilevel, GatesAndIntervalDecideRefinement) {
  struct Case {
    const char* name;
    std::uint64_t k, z;
    double pval;
    std::uint64_t nperm, sample_size;
    bool expected;
  };
  const Case cases[] = {
      {"k zero: infinite half-width", 0, 10, 0.001, 1000, 101, true},
      {"z below ten", 0, 9, 0.001, 1000, 101, false},
      {"pval NaN", 0, 500, kNaN, 1000, 101, false},
      {"pval infinite", 0, 500, std::numeric_limits<double>::infinity(), 1000, 101, false},
      {"no permutations", 0, 500, 0.001, 0, 101, false},
      {"small k: simple interval wide", 2, 500, 0.003, 1000, 101, true},
      {"middle k: simple interval narrow", 500, 500, 0.5, 1000, 101, false},
      {"k equals nperm", 1000, 1000, 1.0, 1000, 101, false},
      {"k above nperm does not fail", 1001, 1000, 1.0, 1000, 101, false},
      {"tiny sample: large multilevel error", 10, 500, 0.01, 1000, 1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(should_refine_multilevel(c.k, c.z, c.pval, c.nperm, c.sample_size), c.expected);
  }
}

void expect_relative(double actual, double expected, double tol) {
  EXPECT_LE(std::fabs(actual - expected), tol * std::fabs(expected))
      << "actual " << actual << " expected " << expected;
}

TEST(SpecialFunctions, BetaQuantileMatchesReference) {
  const auto ref = test::load_json("r_reference.json");
  ASSERT_GT(ref.at("qbeta").size(), 0u);
  for (const auto& row : ref.at("qbeta")) {
    const double a = row.at("a").get<double>();
    const double b = row.at("b").get<double>();
    const double p = row.at("p").get<double>();
    SCOPED_TRACE("a " + std::to_string(a) + " b " + std::to_string(b) + " p " + std::to_string(p));
    expect_relative(beta_quantile_f64(a, b, p), test::json_f64(row.at("value")), 1e-13);
  }
  for (const auto& bad : {std::array<double, 3>{0.0, 1.0, 0.5}, {1.0, -1.0, 0.5}, {1.0, 1.0, 1.5},
                          {kNaN, 1.0, 0.5}, {1.0, 1.0, kNaN}}) {
    EXPECT_TRUE(std::isnan(beta_quantile_f64(bad[0], bad[1], bad[2])));
  }
}

TEST(SpecialFunctions, TrigammaMatchesReference) {
  const auto ref = test::load_json("r_reference.json");
  const auto& xs = ref.at("trigamma").at("x");
  const auto& values = ref.at("trigamma").at("value");
  ASSERT_EQ(xs.size(), values.size());
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const double x = test::json_f64(xs[i]);
    SCOPED_TRACE("x " + std::to_string(x));
    expect_relative(trigamma_f64(x), test::json_f64(values[i]), 1e-13);
  }
  EXPECT_TRUE(std::isnan(trigamma_f64(kNaN)));
}

// Captures the records of the facade for one test.
class CapturedWarnings : public ::testing::Test {
 protected:
  struct Entry {
    core::log::Level level;
    std::string target;
    std::string message;
  };
  void SetUp() override {
    core::log::set_sink([this](const core::log::Record& r) {
      std::lock_guard<std::mutex> lock(mutex_);
      entries_.push_back({r.level, std::string(r.target), std::string(r.message)});
    });
  }
  void TearDown() override { core::log::reset(); }
  std::vector<std::string> messages() {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::string> out;
    for (const auto& e : entries_) {
      EXPECT_EQ(e.level, core::log::Level::Warn);
      EXPECT_EQ(e.target, "varenko::algo_support");
      out.push_back(e.message);
    }
    entries_.clear();
    return out;
  }

 private:
  std::mutex mutex_;
  std::vector<Entry> entries_;
};

std::string tie_message(const char* count, const char* percent) {
  std::string m = "detected ";
  m += count;
  m += " tied non-zero ranking scores (";
  m += percent;
  m += "% of genes); ties are resolved by input order and can slightly affect enrichment outcomes";
  return m;
}

const std::string kPositive =
    "all ranking scores are positive while scoreType='std'; for one-tailed enrichment, consider "
    "scoreType='pos'";

TEST_F(CapturedWarnings, PrepareStatsWarnsOnTiesAndAllPositiveScores) {
  struct Case {
    const char* name;
    std::vector<double> scores;
    ScoreType type;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"zeros are not ties", {2, 2, 2, 0, 0, 1}, ScoreType::Std, {tie_message("2", "33.33")}},
      {"all positive with std", {3, 2, 2}, ScoreType::Std,
       {tie_message("1", "33.33"), kPositive}},
      {"all positive with pos", {3, 2, 1}, ScoreType::Pos, {}},
      {"empty ranking with std", {}, ScoreType::Std, {kPositive}},
      {"signed zeros", {-0.0, 0.0, 0.0, -1}, ScoreType::Std, {}},
      {"NaN ties count", {kNaN, kNaN, -1}, ScoreType::Neg,
       {tie_message("1", "33.33"), "2 genes have a NaN ranking score; they are ranked last with "
                                   "zero weight"}},
      {"one NaN", {2, kNaN, 1}, ScoreType::Std,
       {"1 genes have a NaN ranking score; they are ranked last with zero weight"}},
      {"equal values by exact bits", {-2, -2, -2, -2, -3, -4, -5, -6}, ScoreType::Std,
       {tie_message("3", "37.50")}},
      {"rounding of the percentage", {1, 1, -1, -2, -3, -4, -5}, ScoreType::Std,
       {tie_message("1", "14.29")}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> genes;
    for (std::size_t i = 0; i < c.scores.size(); ++i) genes.push_back(std::string("g").append(std::to_string(i)));
    warn_prepare_stats(RankedList::make(genes, c.scores), c.type);
    EXPECT_EQ(messages(), c.expected);
  }
}

TEST_F(CapturedWarnings, WeightPrecisionCountsNonZeroScoresScaledToZero) {
  struct Case {
    const char* name;
    std::vector<double> scores;
    double gsea_param;
    std::size_t lost;
  };
  const Case cases[] = {
      {"ordinary scores", {3, 2, 1, 0, -1, -2.5}, 1.0, 0},
      {"zeros and NaN weigh nothing by right", {2, 0, -0.0, kNaN, -1}, 1.0, 0},
      // The total is about 1e9, so one unit of score is about one unit of weight.
      {"one score 1e9 times the others", {1e9, 1.2, 0.4, -0.3, -1}, 1.0, 2},
      {"a large exponent", {2, 1.5, 1, -1}, 50.0, 2},  // 1.5^50 keeps a weight of about 600
      {"exponent 0 weighs every gene alike", {1e300, 1e-300, -1}, 0.0, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> genes;
    for (std::size_t i = 0; i < c.scores.size(); ++i) genes.push_back(std::string("g").append(std::to_string(i)));
    const RankedList ranked = RankedList::make(genes, c.scores);
    const core::PreparedStats stats = ranked.prepare(c.gsea_param);
    EXPECT_EQ(count_lost_weights(ranked, stats), c.lost);
    warn_weight_precision(ranked, stats);
    const std::vector<std::string> texts = messages();
    if (c.lost == 0) {
      EXPECT_TRUE(texts.empty());
    } else {
      ASSERT_EQ(texts.size(), 1u);
      const std::string start =
          std::to_string(c.lost) + " genes with a non-zero ranking score get weight 0";
      EXPECT_EQ(texts[0].rfind(start, 0), 0u) << texts[0];
    }
  }
}

TEST_F(CapturedWarnings, NothingReachesASinkBelowWarnLevel) {
  core::log::set_max_level(core::log::LevelFilter::Error);
  warn_prepare_stats(RankedList::make({"a", "b"}, {1, 1}), ScoreType::Std);
  EXPECT_TRUE(messages().empty());
}

}  // namespace
}  // namespace varenko::algo_support
