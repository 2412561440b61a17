// Tests of the exact score order, the target numerator and the uniform index.
#include "esruler_compat/order.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

#include "rng_compat/mt19937.h"

namespace varenko::esruler_compat {
namespace {

constexpr std::int64_t kTwo30 = std::int64_t{1} << 30;
constexpr std::int64_t kTwo40 = std::int64_t{1} << 40;

TEST(Precedes, WorkedExamplesAndOverflowingOperands) {
  struct Case {
    const char* name;
    Gsea s;
    Gsea o;
    bool s_before_o;
    bool o_before_s;
  };
  const Case cases[] = {
      // Equal values 0.6 - 0.2: the keys decide.
      {"equal value, smaller key first", {100, 60, 50, 10, 7}, {100, 60, 50, 10, 9}, true, false},
      {"identical records", {100, 60, 50, 10, 7}, {100, 60, 50, 10, 7}, false, false},
      // Values 0.3 and 0.4: A = 250000 - 300000 < 0.
      {"value 0.3 before 0.4", {100, 50, 50, 10, 0}, {100, 60, 50, 10, 0}, true, false},
      {"value decides over key", {100, 50, 50, 10, 99}, {100, 60, 50, 10, 0}, true, false},
      // 1/2 and 2/4 with different rank sums are the same value.
      {"equal value from different sums", {2, 1, 10, 0, 3}, {4, 2, 10, 0, 3}, false, false},
      {"keys compare unsigned", {2, 1, 10, 0, 1}, {4, 2, 10, 0, ~std::uint64_t{0}}, true, false},
      // Products beyond 2^63: only the 128-bit path is exact.
      {"128-bit: one unit above one half",
       {kTwo40, kTwo40 / 2, std::int64_t{1} << 31, 0, 5},
       {kTwo40, kTwo40 / 2 + 1, std::int64_t{1} << 31, 0, 0}, true, false},
      {"128-bit: equal values, keys decide",
       {kTwo40, kTwo40 / 2, std::int64_t{1} << 31, 3, 5},
       {kTwo40 / 2, kTwo40 / 4, std::int64_t{1} << 31, 3, 4}, false, true},
      {"128-bit: one miss more is lower",
       {kTwo40, kTwo40 - 1, (std::int64_t{1} << 32) - 1, 1, 0},
       {kTwo40, kTwo40 - 1, (std::int64_t{1} << 32) - 1, 0, 0}, true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(precedes(c.s, c.o), c.s_before_o);
    EXPECT_EQ(precedes(c.o, c.s), c.o_before_s);
  }
}

TEST(Precedes, TargetRecordComparesByValueOnly) {
  EXPECT_EQ(target_numerator(0.5), 536870912);
  const Gsea target = target_record(target_numerator(0.5));
  struct Case {
    const char* name;
    Gsea s;
    bool below_target;
  };
  const Case cases[] = {
      {"exactly 0.5 is at the target", {100, 50, 50, 0, 5}, false},
      {"exactly 0.5 with key 0", {100, 50, 50, 0, 0}, false},
      {"just below 0.5", {100, 49, 50, 0, 5}, true},
      {"0.5 minus one miss", {100, 70, 50, 10, 0}, false},  // 0.7 - 0.2
      {"0.7 minus 11 misses", {100, 70, 50, 11, 0}, true},  // 0.7 - 0.22
      {"large sums, 128-bit", {kTwo30 * 3, kTwo30 * 3 / 2, (std::int64_t{1} << 32) - 1, 0, 1}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(precedes(c.s, target), c.below_target);
  }
}

TEST(TargetNumerator, TruncatesAndSaturates) {
  struct Case {
    const char* name;
    double score;
    std::int64_t expected;
  };
  const Case cases[] = {
      {"zero", 0.0, 0},
      {"one", 1.0, kTwo30},
      {"truncates toward zero", 0.3, 322122547},  // 0.3 * 2^30 = 322122547.2
      {"NaN", std::nan(""), 0},
      {"beyond every score", 1e300, std::int64_t{1} << 31},
      {"infinity", INFINITY, std::int64_t{1} << 31},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(target_numerator(c.score), c.expected);
  }
}

// Replays a fixed list of 32-bit outputs and counts how many were taken.
struct ScriptedEngine {
  std::vector<std::uint32_t> outputs;
  std::size_t taken = 0;
  std::uint32_t next_u32() { return outputs.at(taken++); }
};

TEST(UniformIndex, RejectsOutputsAtOrAboveTheLimit) {
  struct Case {
    const char* name;
    std::uint32_t m;
    std::vector<std::uint32_t> outputs;
    std::uint32_t expected;
    std::size_t taken;
  };
  const Case cases[] = {
      {"m 1000: 4294967000 and above are redrawn", 1000, {4294967295u, 4294967000u, 4294966999u}, 999, 3},
      {"m 1000: first output accepted", 1000, {123456789u}, 789, 1},
      {"m 3: only 4294967295 is redrawn", 3, {4294967295u, 4294967294u}, 4294967294u % 3, 2},
      {"m 1: everything but the maximum maps to 0", 1, {4294967295u, 77u}, 0, 2},
      {"m 2^31: the whole upper half is redrawn", 1u << 31, {2147483648u, 2147483647u}, 2147483647u, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedEngine rng{c.outputs};
    EXPECT_EQ(uniform_index(rng, c.m), c.expected);
    EXPECT_EQ(rng.taken, c.taken);
  }
}

TEST(UniformIndex, FollowsTheEngineBoundedDraw) {
  rng_compat::Mt19937 a(20240607u);
  rng_compat::Mt19937 b(20240607u);
  for (std::uint32_t m : {1u, 2u, 3u, 7u, 101u, 1000u, 20000u, 3000000000u}) {
    for (int i = 0; i < 50; ++i) ASSERT_EQ(uniform_index(a, m), b.bounded(m)) << "m " << m;
  }
}

}  // namespace
}  // namespace varenko::esruler_compat
