// Cumulative permutation statistic: reference vectors, the documented worked
// examples and agreement with scoring each prefix on its own.
#include "quorin_compat/cumulative_stat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "quorin_compat/es_score.h"
#include "support/test_support.h"

namespace varenko::quorin_compat {
namespace {

using core::ScoreType;

ScoreType parse_type(const std::string& s) {
  if (s == "pos") return ScoreType::Pos;
  if (s == "neg") return ScoreType::Neg;
  return ScoreType::Std;
}

TEST(CumulativeStat, GoldenVectorsMatchBitForBit) {
  const auto doc = test::load_json("golden/cumulative_stat.json");
  ASSERT_FALSE(doc["cases"].empty());
  CumulativeStatWorkspace ws;  // one workspace across cases also checks its reuse
  for (const auto& c : doc["cases"]) {
    SCOPED_TRACE(c["id"].get<std::string>());
    std::vector<double> weights;
    for (const auto& w : c["weights"])
      weights.push_back(static_cast<double>(w.get<std::int64_t>()));
    ASSERT_EQ(weights.size(), c["n"].get<std::size_t>());
    const auto sample = c["sample"].get<std::vector<std::uint32_t>>();
    const double gsea_param = test::json_f64(c["gsea_param"]);
    const ScoreType type = parse_type(c["score_type"].get<std::string>());
    const auto& want = c["expected"];
    const auto got = ws.calc(weights, sample, gsea_param, type);
    const auto fresh = calc_gsea_stat_cumulative_f64(weights, sample, gsea_param, type);
    ASSERT_EQ(got.size(), want.size());
    ASSERT_EQ(fresh.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
      const double w = test::json_f64(want[i]);
      EXPECT_TRUE(test::same_bits(got[i], w)) << "entry " << i << ": " << got[i] << " vs " << w;
      EXPECT_TRUE(test::same_bits(fresh[i], w)) << "entry " << i;
    }
  }
}

TEST(CumulativeStat, WorkedExamples) {
  struct Case {
    const char* name;
    std::vector<double> weights;
    std::vector<std::uint32_t> sample;
    ScoreType type;
    std::size_t entry;
    double want;
  };
  const std::vector<double> ones(11, 1.0);
  const std::vector<Case> cases = {
      {"four genes, prefix 1", {4, 3, 2, 1}, {3, 1}, ScoreType::Std, 0, -2.0 / 3.0},
      {"four genes, prefix 2", {4, 3, 2, 1}, {3, 1}, ScoreType::Std, 1, 2.0 / 3.0},
      // The sample holds position n: the last block's summit stays on the end
      // point, so the peak of 0.2 of gene 9 alone is not reported.
      {"last block holds the peak", ones, {9, 1, 2, 3, 4, 5, 6, 7, 8, 11}, ScoreType::Pos, 0, 0.0},
      {"same sample without position n",
       ones,
       {9, 1, 2, 3, 4, 5, 6, 7, 8, 10},
       ScoreType::Pos,
       0,
       0.2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto res = calc_gsea_stat_cumulative_f64(c.weights, c.sample, 1.0, c.type);
    ASSERT_EQ(res.size(), c.sample.size());
    EXPECT_DOUBLE_EQ(res[c.entry], c.want);
  }
  EXPECT_TRUE(calc_gsea_stat_cumulative_f64(ones, {}, 1.0, ScoreType::Std).empty());
}

TEST(CumulativeStat, ReversePassIsTheForwardPassOfTheMirroredRanking) {
  // Reading the ranking from the bottom equals reading the mirrored ranking
  // (position p becomes n - 1 - p) from the top, bit for bit.
  std::mt19937 gen(7);
  const std::uint32_t n = 300;
  std::vector<double> weights(n);
  for (auto& w : weights) w = static_cast<double>(gen() % 100000 + 1);
  std::vector<double> mirrored(weights.rbegin(), weights.rend());
  std::vector<std::uint32_t> all(n);
  for (std::uint32_t i = 0; i < n; ++i) all[i] = i + 1;
  std::shuffle(all.begin(), all.end(), gen);
  const std::vector<std::uint32_t> sample(all.begin(), all.begin() + 60);
  std::vector<std::uint32_t> mirrored_sample;
  for (const auto x : sample) mirrored_sample.push_back(n + 1 - x);

  auto order_of = [](const std::vector<std::uint32_t>& s) {
    std::vector<std::uint32_t> order(s.size());
    for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](auto a, auto b) { return s[a] < s[b]; });
    return order;
  };
  const auto down = gsea_stats1_f64(weights, sample, 1.0, order_of(sample), true);
  const auto up = gsea_stats1_f64(mirrored, mirrored_sample, 1.0, order_of(mirrored_sample), false);
  ASSERT_EQ(down.size(), up.size());
  for (std::size_t i = 0; i < up.size(); ++i) EXPECT_TRUE(test::same_bits(down[i], up[i])) << i;
}

TEST(CumulativeStat, AgreesWithScoringEachPrefix) {
  // Random samples without positions 1 and n (which trigger the last-block
  // effect) and with non-zero weights (where the weight floor changes
  // nothing): each entry is the score of its prefix up to rounding.
  std::mt19937 gen(12345);
  CumulativeStatWorkspace ws;
  for (int trial = 0; trial < 40; ++trial) {
    SCOPED_TRACE(trial);
    const auto n = static_cast<std::uint32_t>(50 + gen() % 1500);
    std::vector<double> weights(n);
    for (auto& w : weights) w = static_cast<double>(gen() % 1000000 + 1);
    std::sort(weights.rbegin(), weights.rend());
    std::vector<std::uint32_t> inner(n - 2);
    for (std::uint32_t i = 0; i < n - 2; ++i) inner[i] = i + 2;
    std::shuffle(inner.begin(), inner.end(), gen);
    const auto k = static_cast<std::uint32_t>(1 + gen() % std::min<std::uint32_t>(n - 2, 300));
    const std::vector<std::uint32_t> sample(inner.begin(), inner.begin() + k);
    const ScoreType type = std::array{ScoreType::Std, ScoreType::Pos, ScoreType::Neg}[trial % 3];
    const auto res = ws.calc(weights, sample, 1.0, type);
    std::vector<std::size_t> hits;
    for (std::uint32_t i = 0; i < k; ++i) {
      hits.insert(std::upper_bound(hits.begin(), hits.end(), sample[i] - 1), sample[i] - 1);
      const double want = calculate_es_quorin(weights, hits, n, type).es;
      if (type == ScoreType::Std) {
        // Near-ties of the two deviations are decided by the last bits, which
        // the two computations round differently.
        const double above = calculate_es_quorin(weights, hits, n, ScoreType::Pos).es;
        const double below = calculate_es_quorin(weights, hits, n, ScoreType::Neg).es;
        if (std::fabs(above + below) < 1e-9) continue;
      }
      ASSERT_NEAR(res[i], want, 1e-12) << "prefix " << i;
    }
  }
}

TEST(CumulativeStat, ZeroWeightGeneStillMovesItsPoint) {
  // A sampled gene of weight 0 weighs the floor, so alone it is scored as a
  // tiny-weight hit: its running sum rises to 1 at its position.
  const std::vector<double> weights = {5, 0, 3, 2, 1};
  const auto res =
      calc_gsea_stat_cumulative_f64(weights, std::vector<std::uint32_t>{2}, 1.0, ScoreType::Pos);
  ASSERT_EQ(res.size(), 1u);
  EXPECT_DOUBLE_EQ(res[0], 1.0 - 1.0 / 4.0);
}

}  // namespace
}  // namespace varenko::quorin_compat
