#include "core/records.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

#include <gtest/gtest.h>

namespace varenko::core {
namespace {

__extension__ using Int128 = __int128;  // exact sums of 64-bit weights

TEST(RankedList, SortsDescendingKeepingInputOrderOfTies) {
  struct Case {
    const char* name;
    std::vector<std::string> genes;
    std::vector<double> scores;
    std::vector<std::string> expected;
  };
  const double nan = std::nan("");
  const Case cases[] = {
      {"empty", {}, {}, {}},
      {"ties keep input order", {"A", "B", "C", "D"}, {3, -1, 3, 2}, {"A", "C", "D", "B"}},
      {"signed zeros tie", {"A", "B", "C"}, {-0.0, 0.0, 1.0}, {"C", "A", "B"}},
      {"NaN last in input order", {"A", "B", "C", "D"}, {nan, 1.0, nan, 2.0}, {"D", "B", "A", "C"}},
      {"infinities", {"A", "B", "C"}, {-INFINITY, 0.0, INFINITY}, {"C", "B", "A"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto r = RankedList::make(c.genes, c.scores);
    EXPECT_EQ(r.genes(), c.expected);
    ASSERT_EQ(r.scores().size(), c.expected.size());
  }
}

TEST(RankedList, PrepareScalesToIntegerWeights) {
  const double nan = std::nan("");
  struct Case {
    const char* name;
    std::vector<double> scores;
    double p;
    std::vector<std::int64_t> expected;
    std::int64_t total;
  };
  const Case cases[] = {
      {"empty", {}, 1.0, {}, 0},
      {"two equal", {1, 1}, 1.0, {536870912, 536870912}, 1073741824},
      {"all zero", {0, 0, 0}, 1.0, {0, 0, 0}, 0},
      {"p zero: floor(2^30/n) each", {5, -2, 0}, 0.0, {357913941, 357913941, 357913941}, 1073741823},
      {"q below one is not floored", {3.0 * 1073741824.0}, 1.0, {1073741824}, 1073741824},
      {"half to even", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                        1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
                        1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
       0.0, std::vector<std::int64_t>(64, 16777216), 1073741824},
      // 2^30 / S overflows for subnormal scores: each weight is its share of 2^30.
      {"subnormal scores", {5e-324, 5e-324}, 1.0, {536870912, 536870912}, 1073741824},
      {"subnormal shares", {1.5e-323, 5e-324}, 1.0, {805306368, 268435456}, 1073741824},
      // A NaN score is ranked last, weighs 0 and stays out of the total, for any p.
      {"NaN weighs nothing", {1, nan, 1}, 1.0, {536870912, 536870912, 0}, 1073741824},
      {"NaN with p zero", {nan, 5, -2}, 0.0, {536870912, 536870912, 0}, 1073741824},
      // Powers that overflow (or all underflow) the total: the shares are taken
      // after dividing by the largest magnitude, so no non-zero score gets 0.
      {"sum of powers overflows", {1e308, 1e308, -5e307}, 1.0,
       {429496729, 429496729, 214748364}, 1073741822},
      {"power overflows", {1e200, 1e199}, 2.0, {1063110716, 10631107}, 1073741823},
      {"all powers underflow", {1e-200, -1e-200, nan}, 2.0, {536870912, 536870912, 0},
       1073741824},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> genes(c.scores.size(), "g");
    auto st = RankedList::make(genes, c.scores).prepare(c.p);
    EXPECT_EQ(st.int_weights, c.expected);
    EXPECT_EQ(st.int_total, c.total);
  }
}

TEST(RankedList, HalfwayProductsRoundToEven) {
  // f = 2^30 / 4 = 268435456 with scores summing to 4; f * 0.5^... stays exact,
  // so use values whose products land on .5 exactly.
  EXPECT_EQ(round_to_int64_saturating(2.5), 2);
  EXPECT_EQ(round_to_int64_saturating(3.5), 4);
  EXPECT_EQ(round_to_int64_saturating(-2.5), -2);
  EXPECT_EQ(round_to_int64_saturating(std::nan("")), 0);
  EXPECT_EQ(round_to_int64_saturating(1e300), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(round_to_int64_saturating(-1e300), std::numeric_limits<std::int64_t>::min());
  EXPECT_EQ(round_to_int64_saturating(9223372036854775808.0), std::numeric_limits<std::int64_t>::max());
}

TEST(RankedList, PrepareNeverOverflowsOnOddScores) {
  // Random mixtures of tiny, huge, zero and non-finite scores: the total stays
  // the sum of the weights and no weight is negative.
  std::mt19937_64 gen(12345);
  const double pool[] = {0.0, 5e-324, 1e-310, 1e-300, 1.0, 3.5, 1e300, 1.7e308, INFINITY,
                         -INFINITY, std::nan(""), -2.0, -1e-320};
  for (int round = 0; round < 2000; ++round) {
    const std::size_t n = 1 + gen() % 8;
    std::vector<double> scores(n);
    for (auto& s : scores) s = pool[gen() % std::size(pool)];
    const double p = (gen() % 3 == 0) ? 0.0 : (gen() % 2 ? 1.0 : 2.0);
    auto st = RankedList::make(std::vector<std::string>(n, "g"), scores).prepare(p);
    Int128 sum = 0;
    for (auto w : st.int_weights) {
      EXPECT_GE(w, 0);
      sum += w;
    }
    EXPECT_LE(sum, static_cast<Int128>(std::numeric_limits<std::int64_t>::max()));
    EXPECT_EQ(static_cast<Int128>(st.int_total), sum);
  }
}

TEST(EnrichmentResult, ExportIsAnIndependentCopy) {
  EnrichmentResult row{"P", 3, 0.5, 1.2, 0.01, 0.02, std::nan(""), {"A", "B"}};
  auto copy = row.export_row();
  EXPECT_EQ(copy.pathway, "P");
  EXPECT_EQ(copy.leading_edge, row.leading_edge);
  copy.leading_edge.push_back("C");
  EXPECT_EQ(row.leading_edge.size(), 2u);
  EXPECT_FALSE(EnrichmentResult{}.nes.has_value());
}

}  // namespace
}  // namespace varenko::core
