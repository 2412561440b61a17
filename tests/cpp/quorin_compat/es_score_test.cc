// Enrichment score of one gene set: reference vectors and the documented rules.
#include "quorin_compat/es_score.h"

#include <cstddef>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace varenko::quorin_compat {
namespace {

using core::ScoreType;

struct NamedType {
  const char* key;
  ScoreType type;
};
constexpr NamedType kTypes[] = {
    {"std", ScoreType::Std}, {"pos", ScoreType::Pos}, {"neg", ScoreType::Neg}};

TEST(EsScore, GoldenVectorsMatchBitForBit) {
  const auto doc = test::load_json("golden/es_score.json");
  ASSERT_FALSE(doc["cases"].empty());
  for (const auto& c : doc["cases"]) {
    SCOPED_TRACE(c["id"].get<std::string>());
    const auto n = c["n"].get<std::size_t>();
    std::vector<double> weights;
    for (const auto& w : c["weights"])
      weights.push_back(static_cast<double>(w.get<std::int64_t>()));
    const auto hits = c["hits"].get<std::vector<std::size_t>>();
    for (const auto& t : kTypes) {
      SCOPED_TRACE(t.key);
      const auto& want = c["expected"][t.key];
      const EsScore got = calculate_es_quorin(weights, hits, n, t.type);
      EXPECT_TRUE(test::same_bits(got.es, test::json_f64(want["es"])))
          << got.es << " vs " << test::json_f64(want["es"]);
      EXPECT_EQ(got.peak_position, want["peak_position"].get<std::size_t>());
    }
  }
}

TEST(EsScore, DocumentedCases) {
  struct Case {
    const char* name;
    std::vector<double> weights;
    std::vector<std::size_t> hits;
    ScoreType type;
    double es;
    std::size_t peak;
  };
  const std::vector<Case> cases = {
      {"worked example", {4, 3, 2, 1}, {0, 2}, ScoreType::Std, 2.0 / 3.0, 0},
      {"no hits", {4, 3, 2, 1}, {}, ScoreType::Std, 0.0, 0},
      {"every gene a hit", {4, 3, 2, 1}, {0, 1, 2, 3}, ScoreType::Pos, 0.0, 0},
      // Hits at 0 and 3 of 4 with equal weights: +0.5 at the top, -0.5 before
      // the last hit, so the two deviations tie exactly and std gives 0.
      {"std tie", {1, 1, 1, 1}, {0, 3}, ScoreType::Std, 0.0, 0},
      // All hit weights 0: each hit counts 1/k; top after hit 1 is 1 - 0/2.
      {"zero weights", {0, 5, 0, 5}, {0, 2}, ScoreType::Pos, 0.5, 0},
      // Hits at 1 and 3 of 4 weigh 1/2 each and misses 1/2: top 0 at both.
      // The earlier hit keeps the peak.
      {"equal maxima keep the first hit", {1, 1, 1, 1}, {1, 3}, ScoreType::Pos, 0.0, 1},
      {"neg side", {1, 1, 1, 1}, {2, 3}, ScoreType::Neg, -1.0, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const EsScore got = calculate_es_quorin(c.weights, c.hits, c.weights.size(), c.type);
    EXPECT_TRUE(test::same_bits(got.es, c.es)) << got.es;
    EXPECT_EQ(got.peak_position, c.peak);
  }
}

}  // namespace
}  // namespace varenko::quorin_compat
