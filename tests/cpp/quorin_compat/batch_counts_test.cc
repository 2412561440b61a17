// Permutation counting engines: reference counts, equality of the sequential
// and thread-invariant engines at several thread counts, the fast engine's
// chunk streams, and the counting rule's edge cases.
#include "quorin_compat/batch_counts.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <oneapi/tbb/task_arena.h>

#include "quorin_compat/cumulative_stat.h"
#include "rng_compat/combination.h"
#include "rng_compat/mt19937.h"
#include "support/test_support.h"

namespace varenko::quorin_compat {
namespace {

using core::ScoreType;

struct Inputs {
  std::vector<double> weights;
  std::vector<double> scores;
  std::vector<std::uint32_t> sizes;
  double gsea_param = 1.0;
  std::uint32_t iterations = 0;
  std::uint64_t seed = 0;
  ScoreType type = ScoreType::Std;
};

BatchCounts run_sequential(const Inputs& in) {
  return calc_gsea_stat_cumulative_batch_f64(in.weights, in.scores, in.sizes, in.gsea_param,
                                             in.iterations, in.seed, in.type);
}
BatchCounts run_invariant(const Inputs& in) {
  return calc_gsea_stat_cumulative_batch_f64_thread_invariant_parallel(
      in.weights, in.scores, in.sizes, in.gsea_param, in.iterations, in.seed, in.type);
}
BatchCounts run_fast(const Inputs& in) {
  return calc_gsea_stat_cumulative_batch_f64_parallel(
      in.weights, in.scores, in.sizes, in.gsea_param, in.iterations, in.seed, in.type);
}

void expect_same(const BatchCounts& a, const BatchCounts& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    SCOPED_TRACE("pathway " + std::to_string(i));
    EXPECT_EQ(a[i].count_le, b[i].count_le);
    EXPECT_EQ(a[i].count_ge, b[i].count_ge);
    EXPECT_EQ(a[i].count_le_zero, b[i].count_le_zero);
    EXPECT_EQ(a[i].count_ge_zero, b[i].count_ge_zero);
    EXPECT_TRUE(test::same_bits(a[i].sum_le_zero, b[i].sum_le_zero));
    EXPECT_TRUE(test::same_bits(a[i].sum_ge_zero, b[i].sum_ge_zero));
  }
}

// One counter of every pathway, in pathway order.
template <typename T>
std::vector<T> column(const BatchCounts& b, T PermutationCounts::*field) {
  std::vector<T> out;
  for (const PermutationCounts& c : b) out.push_back(c.*field);
  return out;
}

ScoreType parse_type(const std::string& s) {
  if (s == "pos") return ScoreType::Pos;
  if (s == "neg") return ScoreType::Neg;
  return ScoreType::Std;
}

Inputs read_case(const nlohmann::json& c) {
  Inputs in;
  for (const auto& w : c["weights"])
    in.weights.push_back(static_cast<double>(w.get<std::int64_t>()));
  for (const auto& s : c["scores"]) in.scores.push_back(test::json_f64(s));
  in.sizes = c["sizes"].get<std::vector<std::uint32_t>>();
  in.gsea_param = test::json_f64(c["gsea_param"]);
  in.iterations = c["iterations"].get<std::uint32_t>();
  in.seed = c["seed"].get<std::uint64_t>();
  in.type = parse_type(c["score_type"].get<std::string>());
  return in;
}

BatchCounts read_expected(const nlohmann::json& e) {
  BatchCounts b(e["count_le"].size());
  for (std::size_t i = 0; i < b.size(); ++i) {
    b[i].count_le = e["count_le"][i].get<std::uint32_t>();
    b[i].count_ge = e["count_ge"][i].get<std::uint32_t>();
    b[i].count_le_zero = e["count_le_zero"][i].get<std::uint32_t>();
    b[i].count_ge_zero = e["count_ge_zero"][i].get<std::uint32_t>();
    b[i].sum_le_zero = test::json_f64(e["sum_le_zero"][i]);
    b[i].sum_ge_zero = test::json_f64(e["sum_ge_zero"][i]);
  }
  return b;
}

TEST(BatchCounts, GoldenSequentialAndThreadInvariantAtAnyThreadCount) {
  const auto doc = test::load_json("golden/batch_counts.json");
  ASSERT_FALSE(doc["cases"].empty());
  for (const auto& c : doc["cases"]) {
    SCOPED_TRACE(c["id"].get<std::string>());
    const Inputs in = read_case(c);
    const BatchCounts want = read_expected(c["expected"]);
    expect_same(run_sequential(in), want);
    for (const int threads : {1, 2, 8}) {
      SCOPED_TRACE(threads);
      tbb::task_arena arena(threads);
      arena.execute([&] { expect_same(run_invariant(in), want); });
    }
  }
}

Inputs synthetic(std::uint32_t iterations, ScoreType type) {
  Inputs in;
  const std::uint32_t n = 400;
  for (std::uint32_t i = 0; i < n; ++i)
    in.weights.push_back(static_cast<double>((n - i) * 7919 % 100003 + 1));
  // Several sizes, some shared, scores on both sides of zero and exactly zero.
  in.sizes = {1, 3, 3, 8, 15, 15, 40, 2, 8, 25};
  in.scores = {0.5, -0.3, -0.3, 0.0, 0.2, -0.6, 0.1, 0.9, -0.05, 0.0};
  in.iterations = iterations;
  in.seed = 0x1234567890abcdefull;
  in.type = type;
  return in;
}

TEST(BatchCounts, ThreadInvariantEqualsSequentialAcrossBlockBoundaries) {
  for (const std::uint32_t iterations : {4095u, 4096u, 4097u}) {
    for (const ScoreType type : {ScoreType::Std, ScoreType::Neg}) {
      SCOPED_TRACE(iterations);
      const Inputs in = synthetic(iterations, type);
      const BatchCounts seq = run_sequential(in);
      for (const int threads : {1, 2, 8}) {
        SCOPED_TRACE(threads);
        tbb::task_arena arena(threads);
        arena.execute([&] { expect_same(run_invariant(in), seq); });
      }
    }
  }
}

TEST(BatchCounts, EarlyExitsReturnZeroCounts) {
  const Inputs base = synthetic(100, ScoreType::Std);
  struct Case {
    const char* name;
    Inputs in;
  };
  Inputs no_iterations = base;
  no_iterations.iterations = 0;
  Inputs no_pathways = base;
  no_pathways.scores.clear();
  no_pathways.sizes.clear();
  for (const Case& c : {Case{"iterations 0", no_iterations}, Case{"no pathways", no_pathways}}) {
    SCOPED_TRACE(c.name);
    const BatchCounts zero = empty_batch_counts(c.in.sizes.size());
    expect_same(run_sequential(c.in), zero);
    expect_same(run_invariant(c.in), zero);
    expect_same(run_fast(c.in), zero);
  }
}

TEST(BatchCounts, CountingRuleTiesAndEqualSizes) {
  // One permutation whose prefix-8 score becomes the observed score of the
  // two size-8 pathways: both count it on both sides, and equally.
  Inputs in = synthetic(1, ScoreType::Std);
  rng_compat::Mt19937 rng(static_cast<std::uint32_t>(in.seed));
  const std::vector<std::uint32_t> sample = rng_compat::combination(1, 400, 40, rng);
  const double x8 = calc_gsea_stat_cumulative_f64(in.weights, sample, 1.0, in.type)[7];
  in.scores[3] = x8;
  in.scores[8] = x8;
  const BatchCounts got = run_sequential(in);
  for (const std::size_t j : {3u, 8u}) {
    SCOPED_TRACE(j);
    EXPECT_EQ(got[j].count_le, 1u);
    EXPECT_EQ(got[j].count_ge, 1u);
    EXPECT_EQ(got[j].count_le_zero + got[j].count_ge_zero, x8 == 0.0 ? 2u : 1u);
    EXPECT_TRUE(test::same_bits(x8 < 0 ? got[j].sum_le_zero : got[j].sum_ge_zero, x8));
  }
  // Same size, same observed score: same counts.
  EXPECT_EQ(got[1].count_le, got[2].count_le);
  EXPECT_EQ(got[1].count_ge, got[2].count_ge);
}

TEST(BatchCounts, MergeAddsEntryByEntry) {
  BatchCounts b = empty_batch_counts(3);
  b[0] = {.count_le = 1, .count_ge_zero = 4, .sum_le_zero = -0.5, .sum_ge_zero = 0.75};
  b[1] = {.count_le = 2};
  b[2] = {.count_le = 3, .count_ge_zero = 6, .sum_le_zero = -1.25, .sum_ge_zero = 2.0};
  const BatchCounts from_zero = merge_batch_counts(empty_batch_counts(3), b);
  expect_same(from_zero, b);
  const BatchCounts twice = merge_batch_counts(b, b);
  EXPECT_EQ(column(twice, &PermutationCounts::count_le), (std::vector<std::uint32_t>{2, 4, 6}));
  EXPECT_EQ(column(twice, &PermutationCounts::sum_ge_zero), (std::vector<double>{1.5, 0.0, 4.0}));
}

// Rebuilds one chunk of the fast engine by hand.
BatchCounts fast_chunk_by_hand(const Inputs& in, std::uint32_t chunk, std::uint32_t first,
                               std::uint32_t count) {
  std::uint64_t z = in.seed ^ (std::uint64_t{chunk} << 1) ^ first;
  z += 0x9e3779b97f4a7c15ull;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  z ^= z >> 31;
  rng_compat::Mt19937 rng(static_cast<std::uint32_t>(z));
  const auto n = static_cast<std::uint32_t>(in.weights.size());
  std::uint32_t k = 0;
  for (const auto s : in.sizes) k = std::max(k, s);
  BatchCounts out = empty_batch_counts(in.sizes.size());
  for (std::uint32_t it = 0; it < count; ++it) {
    std::vector<std::uint32_t> sample;
    if (k > n / 2) {  // dense: partial shuffle of 1..n from the front
      std::vector<std::uint32_t> perm(n);
      for (std::uint32_t i = 0; i < n; ++i) perm[i] = i + 1;
      for (std::uint32_t j = k; j-- > 0;) std::swap(perm[j], perm[j + rng.bounded(n - j)]);
      sample.assign(perm.begin(), perm.begin() + k);
    } else {  // sparse: rejection of repeated draws
      std::vector<bool> taken(n, false);
      while (sample.size() < k) {
        const std::uint32_t t = rng.bounded(n);
        if (!taken[t]) {
          taken[t] = true;
          sample.push_back(t + 1);
        }
      }
    }
    const auto res = calc_gsea_stat_cumulative_f64(in.weights, sample, 1.0, in.type);
    for (std::size_t j = 0; j < in.sizes.size(); ++j) {
      const double x = res[in.sizes[j] - 1];
      const double e = in.scores[j];
      out[j].count_le += x <= e;
      out[j].count_ge += e <= x;
      if (x <= 0) {
        ++out[j].count_le_zero;
        out[j].sum_le_zero += x;
      }
      if (x >= 0) {
        ++out[j].count_ge_zero;
        out[j].sum_ge_zero += x;
      }
    }
  }
  return out;
}

TEST(BatchCounts, FastEngineChunksFollowTheThreadCount) {
  // One thread: 8 chunks; 1000 iterations give 8 chunks of 125, chunk c
  // covering 125 c .. 125 c + 124 and seeded from seed ^ (c << 1) ^ first.
  const Inputs in = synthetic(1000, ScoreType::Std);
  BatchCounts want = empty_batch_counts(in.sizes.size());
  for (std::uint32_t c = 0; c < 8; ++c)
    want = merge_batch_counts(want, fast_chunk_by_hand(in, c, 125 * c, 125));
  BatchCounts one;
  tbb::task_arena(1).execute([&] { one = run_fast(in); });
  for (const auto field : {&PermutationCounts::count_le, &PermutationCounts::count_ge,
                           &PermutationCounts::count_le_zero, &PermutationCounts::count_ge_zero}) {
    EXPECT_EQ(column(one, field), column(want, field));
  }
  for (std::size_t j = 0; j < in.sizes.size(); ++j) {
    EXPECT_NEAR(one[j].sum_le_zero, want[j].sum_le_zero, 1e-9);
    EXPECT_NEAR(one[j].sum_ge_zero, want[j].sum_ge_zero, 1e-9);
  }

  // Same thread count, same counts; another thread count, other chunks.
  BatchCounts two_a;
  BatchCounts two_b;
  tbb::task_arena two(2);
  two.execute([&] { two_a = run_fast(in); });
  two.execute([&] { two_b = run_fast(in); });
  const auto le = &PermutationCounts::count_le;
  const auto ge_zero = &PermutationCounts::count_ge_zero;
  EXPECT_EQ(column(two_a, le), column(two_b, le));
  EXPECT_EQ(column(two_a, ge_zero), column(two_b, ge_zero));
  EXPECT_NE(column(two_a, le), column(one, le));
}

TEST(BatchCounts, FastEngineDenseSamplesFollowThePartialShuffle) {
  // K above n / 2 takes the partial-shuffle path. One iteration is one chunk,
  // so even the sums are exact.
  Inputs in;
  for (std::uint32_t i = 0; i < 30; ++i) in.weights.push_back(30.0 - i);
  in.sizes = {20, 29, 5};
  in.scores = {0.1, -0.2, 0.0};
  in.iterations = 1;
  in.seed = 99;
  BatchCounts got;
  tbb::task_arena(1).execute([&] { got = run_fast(in); });
  expect_same(got, fast_chunk_by_hand(in, 0, 0, 1));
}

TEST(BatchCounts, ManyBlocksKeepMatchingTheSequentialEngine) {
  // Dozens of blocks with tiny samples: the block buffer is reused, so memory
  // stays at one block whatever the iteration count.
  Inputs in = synthetic(0, ScoreType::Pos);
  in.sizes = {1, 2, 3};
  in.scores = {0.3, 0.6, 0.2};
  in.iterations = 30 * 4096 + 17;
  tbb::task_arena arena(2);
  BatchCounts inv;
  arena.execute([&] { inv = run_invariant(in); });
  expect_same(inv, run_sequential(in));
}

}  // namespace
}  // namespace varenko::quorin_compat
