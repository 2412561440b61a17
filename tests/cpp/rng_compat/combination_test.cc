#include "rng_compat/combination.h"

#include <algorithm>
#include <cstdint>
#include <set>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace varenko::rng_compat {
namespace {

// Straightforward k-subset with a fresh "seen" set per call: the reference for
// the stamp-table version (same draws, no table reuse).
std::vector<std::uint32_t> reference_combination(std::uint32_t start, std::uint32_t end,
                                                 std::size_t k, Mt19937& rng) {
  const std::uint32_t range = end - start + 1;
  std::vector<std::uint32_t> out;
  std::vector<bool> seen(range, false);
  if (static_cast<double>(range) * 0.5 <= static_cast<double>(k)) {
    if (k == 0 || k > range) return out;
    for (std::uint32_t j = range - static_cast<std::uint32_t>(k); j < range; ++j) {
      const std::uint32_t t = rng.bounded(j + 1);
      const std::uint32_t pick = seen[t] ? j : t;
      seen[pick] = true;
      out.push_back(start + pick);
    }
    for (std::size_t i = out.size() - 1; i >= 1; --i) {
      std::swap(out[i], out[rng.bounded(static_cast<std::uint32_t>(i + 1))]);
    }
    return out;
  }
  for (std::size_t i = 0; i < k; ++i) {
    std::uint32_t t = rng.bounded(range);
    while (seen[t]) t = rng.bounded(range);
    seen[t] = true;
    out.push_back(start + t);
  }
  return out;
}

TEST(Combination, WorkedExamples) {
  struct Case {
    const char* name;
    std::uint32_t start, end;
    std::size_t k;
    std::vector<std::uint32_t> expected;
  };
  const Case cases[] = {
      {"sparse", 1, 10, 3, {6, 10, 5}},
      {"dense", 1, 10, 7, {5, 8, 4, 2, 1, 10, 9}},
      {"k zero", 1, 10, 0, {}},
      {"k above range", 1, 10, 11, {}},
      {"single value", 7, 7, 1, {7}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Mt19937 rng(1);
    EXPECT_EQ(combination(c.start, c.end, c.k, rng), c.expected);
  }
}

TEST(Combination, EmptyResultsDrawNothing) {
  for (const std::size_t k : {std::size_t{0}, std::size_t{11}}) {
    SCOPED_TRACE(k);
    Mt19937 rng(4);
    Mt19937 ref(4);
    EXPECT_TRUE(combination(1, 10, k, rng).empty());
    EXPECT_EQ(rng.next_u32(), ref.next_u32());
  }
}

TEST(Combination, MatchesFreshSetReferenceAcrossRangesAndReuse) {
  // One thread, one table, many calls with growing and shrinking ranges (past
  // the initial 10000 entries) and both cases: stale stamps of earlier calls
  // must never affect a later one.
  struct Case {
    std::uint32_t start, end;
    std::size_t k;
  };
  const Case cases[] = {
      {0, 0, 1},        {0, 1, 1},         {0, 2, 1},        {0, 2, 2},
      {5, 104, 49},     {5, 104, 50},      {0, 19999, 15},   {0, 19999, 500},
      {0, 19999, 10000}, {0, 19999, 19999}, {1, 65536, 3000}, {100, 150000, 2},
      {0, 99, 100},     {0, 1 << 20, 700}, {3, 12, 3},       {0, 2147483, 1},
  };
  Mt19937 rng(2024);
  Mt19937 ref(2024);
  std::vector<std::uint32_t> buffer{99, 98};
  for (int round = 0; round < 3; ++round) {
    for (const auto& c : cases) {
      SCOPED_TRACE(::testing::Message()
                   << "round " << round << " [" << c.start << ", " << c.end << "] k " << c.k);
      combination(c.start, c.end, c.k, rng, buffer);
      const auto expected = reference_combination(c.start, c.end, c.k, ref);
      ASSERT_EQ(buffer, expected);
      std::set<std::uint32_t> distinct(buffer.begin(), buffer.end());
      EXPECT_EQ(distinct.size(), buffer.size());
      if (!buffer.empty()) {
        EXPECT_GE(*distinct.begin(), c.start);
        EXPECT_LE(*distinct.rbegin(), c.end);
      }
    }
  }
}

TEST(Combination, ResultDoesNotDependOnTheThread) {
  // Several threads draw concurrently, each with its own engine and a table in
  // a different state; every thread must get what one thread gets alone.
  constexpr int kThreads = 4;
  constexpr int kCalls = 300;
  const std::size_t ks[] = {15, 100, 500, 12000};
  auto run = [&](std::uint32_t seed) {
    Mt19937 rng(seed);
    std::vector<std::uint32_t> all;
    std::vector<std::uint32_t> out;
    for (int i = 0; i < kCalls; ++i) {
      combination(0, 19999, ks[i % 4], rng, out);
      all.insert(all.end(), out.begin(), out.end());
    }
    return all;
  };
  std::vector<std::vector<std::uint32_t>> expected;
  for (int t = 0; t < kThreads; ++t) expected.push_back(run(static_cast<std::uint32_t>(t + 1)));

  std::vector<std::vector<std::uint32_t>> got(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&, t] { got[t] = run(static_cast<std::uint32_t>(t + 1)); });
  }
  for (auto& th : threads) th.join();
  for (int t = 0; t < kThreads; ++t) EXPECT_EQ(got[t], expected[t]) << "thread " << t;
}

TEST(CombinationDeathTest, RangeCoveringEveryWordStops) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  Mt19937 rng(1);
  EXPECT_DEATH(combination(0, 4294967295u, 1, rng), "must not cover all 2\\^32 values");
  EXPECT_DEATH(combination(5, 4, 1, rng), "start must not exceed end");
}

}  // namespace
}  // namespace varenko::rng_compat
