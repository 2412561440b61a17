// Tests of the multilevel group driver against the golden cases and on
// degenerate input (every call must end with defined numbers).
#include "multilevel/group.h"

#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <oneapi/tbb/task_arena.h>

#include "support/test_support.h"

namespace varenko::multilevel {
namespace {

using core::ScoreType;
using test::json_f64;
using test::same_bits;

ScoreType parse_score_type(const std::string& s) {
  if (s == "pos") return ScoreType::Pos;
  if (s == "neg") return ScoreType::Neg;
  return ScoreType::Std;
}

TEST(MultilevelGroup, MatchesGoldenCasesBitForBit) {
  const auto doc = test::load_json("golden/multilevel_group.json");
  ASSERT_FALSE(doc.at("cases").empty());
  for (const auto& c : doc.at("cases")) {
    SCOPED_TRACE(c.at("id").get<std::string>());
    const auto ranks = c.at("ranks").get<std::vector<std::int64_t>>();
    std::vector<double> es;
    for (const auto& v : c.at("es")) es.push_back(json_f64(v));
    std::vector<double> expected;
    for (const auto& v : c.at("expected")) expected.push_back(json_f64(v));
    const auto got = run_multilevel_gsea_group_impl(
        c.at("n_genes").get<std::uint32_t>(), ranks, json_f64(c.at("eps")),
        c.at("pathway_size").get<std::uint32_t>(), es,
        parse_score_type(c.at("score_type").get<std::string>()),
        c.at("sample_size").get<std::uint32_t>(), c.at("seed").get<std::uint64_t>()).value();
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_TRUE(same_bits(got[i], expected[i]))
          << "entry " << i << ": got " << got[i] << ", expected " << expected[i];
    }
  }
}

std::vector<std::int64_t> descending_ranks(std::uint32_t n) {
  std::vector<std::int64_t> r(n);
  for (std::uint32_t i = 0; i < n; ++i) r[i] = 3 * static_cast<std::int64_t>(n - i) + 7;
  return r;
}

TEST(MultilevelGroup, OddInputEndsWithDefinedNumbers) {
  enum class Expect { Estimate, NaN, One };
  struct Case {
    const char* name;
    std::uint32_t n;
    std::vector<std::int64_t> ranks;
    std::uint32_t k;
    std::uint32_t sample_size;
    double eps;
    std::vector<double> es;
    Expect expect;
  };
  const std::int64_t big = std::int64_t{1} << 50;
  const Case cases[] = {
      {"sample size 1: no level", 50, descending_ranks(50), 4, 1, 1e-10, {0.8, -0.8}, Expect::NaN},
      {"sample size 0 acts as 1", 50, descending_ranks(50), 4, 0, 1e-10, {0.8}, Expect::NaN},
      {"population of 10000", 40, descending_ranks(40), 3, 10000, 1e-3, {0.9, -0.5}, Expect::Estimate},
      {"pathway of one gene", 50, descending_ranks(50), 1, 51, 1e-10, {1.0, -1.0}, Expect::Estimate},
      {"pathway of n - 1 genes", 50, descending_ranks(50), 49, 51, 1e-10, {0.5, -0.9}, Expect::Estimate},
      {"pathway of every gene: never splits", 20, descending_ranks(20), 20, 51, 1e-10, {0.3}, Expect::NaN},
      {"all weights zero", 50, std::vector<std::int64_t>(50, 0), 3, 51, 1e-10, {0.9, -0.9}, Expect::Estimate},
      {"all weights tied", 50, std::vector<std::int64_t>(50, 9), 5, 51, 1e-10, {0.85, -0.2}, Expect::Estimate},
      {"eps 0, reachable target", 60, descending_ranks(60), 3, 51, 0.0, {0.95}, Expect::Estimate},
      {"eps 0, the best possible score", 60, descending_ranks(60), 3, 51, 0.0, {1.0, -1.0}, Expect::Estimate},
      {"eps 0, a target above every score", 30, descending_ranks(30), 2, 21, 0.0, {7.5}, Expect::Estimate},
      {"no genes", 0, {}, 3, 51, 1e-10, {0.4, -0.2}, Expect::One},
      {"pathway size 0", 50, descending_ranks(50), 0, 51, 1e-10, {0.4}, Expect::One},
      {"weights of another length", 50, descending_ranks(49), 3, 51, 1e-10, {0.4}, Expect::NaN},
      {"pathway larger than the ranking", 10, descending_ranks(10), 11, 51, 1e-10, {0.4}, Expect::NaN},
      {"weight without a magnitude", 3, {5, std::numeric_limits<std::int64_t>::min(), 1}, 1, 51, 1e-10,
       {0.4}, Expect::NaN},
      {"weights beyond exact comparison", 3, {big, big, big}, 1, 51, 1e-10, {0.4}, Expect::NaN},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto start = std::chrono::steady_clock::now();
    const auto got = run_multilevel_gsea_group_impl(c.n, c.ranks, c.eps, c.k, c.es, ScoreType::Std,
                                                    c.sample_size, 12345).value();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LT(seconds, 20.0);
    ASSERT_EQ(got.size(), c.es.size());
    for (const double p : got) {
      switch (c.expect) {
        case Expect::NaN: EXPECT_TRUE(std::isnan(p)) << p; break;
        case Expect::One: EXPECT_EQ(p, 1.0); break;
        case Expect::Estimate:
          EXPECT_GT(p, 0.0);
          EXPECT_LE(p, 1.0);
          break;
      }
    }
  }
}

TEST(MultilevelGroup, EmptyGroupGivesEmptyList) {
  EXPECT_TRUE(run_multilevel_gsea_group_impl(50, descending_ranks(50), 1e-10, 3, {}, ScoreType::Pos, 51, 1).value()
                  .empty());
}

TEST(MultilevelGroup, OneRulerPerTailAnswersEveryScoreOfTheGroup) {
  // Asking for a group's scores together or one by one gives the same answer
  // for the most extreme score of each tail (the rulers are extended to it).
  const auto ranks = descending_ranks(200);
  const std::vector<double> es = {0.7, -0.3, 0.9, -0.85, 0.2};
  const auto together = run_multilevel_gsea_group_impl(200, ranks, 1e-8, 6, es, ScoreType::Std, 51, 99).value();
  const std::vector<double> top = {0.9};
  const std::vector<double> bottom = {-0.85};
  EXPECT_TRUE(same_bits(together[2], run_multilevel_gsea_group_impl(200, ranks, 1e-8, 6, top, ScoreType::Std, 51, 99).value()[0]));
  EXPECT_TRUE(same_bits(together[3], run_multilevel_gsea_group_impl(200, ranks, 1e-8, 6, bottom, ScoreType::Std, 51, 99).value()[0]));
  // Larger magnitudes on one side never get larger p-values.
  EXPECT_LE(together[2], together[0]);
  EXPECT_LE(together[0], together[4]);
  EXPECT_LE(together[3], together[1]);
}

TEST(MultilevelGroup, SameBitsWithOneTwoAndEightThreads) {
  // The samples' walks of a batch of passes may run on several threads; the
  // cases are long enough for batches that are shared (one swap per call with
  // swap facts, and several swaps per call without them).
  struct Case {
    const char* name;
    std::uint32_t n;
    std::uint32_t k;
    std::vector<double> es;
  };
  const Case cases[] = {
      {"small pathway", 3000, 12, {0.97, -0.95}},
      {"larger pathway", 3000, 70, {0.6, -0.55}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto ranks = descending_ranks(c.n);
    std::vector<std::vector<double>> runs;
    for (const int threads : {1, 2, 8}) {
      tbb::task_arena arena(threads);
      arena.execute([&] {
        runs.push_back(run_multilevel_gsea_group_impl(c.n, ranks, 1e-30, c.k, c.es, ScoreType::Std, 101, 7).value());
      });
    }
    for (std::size_t r = 1; r < runs.size(); ++r) {
      ASSERT_EQ(runs[r].size(), runs[0].size());
      for (std::size_t i = 0; i < runs[0].size(); ++i) {
        EXPECT_TRUE(same_bits(runs[r][i], runs[0][i])) << "run " << r << ", entry " << i;
      }
    }
  }
}

TEST(MultilevelGroup, FloorWithoutLogarithmActsAsNoFloor) {
  // A floor that is NaN, 0 or negative never ends the level loop; the target
  // or the end of the splits does, in the same way for all three.
  const auto ranks = descending_ranks(60);
  const std::vector<double> es = {0.95, -0.9};
  const auto none = run_multilevel_gsea_group_impl(60, ranks, 0.0, 3, es, ScoreType::Std, 51, 5).value();
  for (const double eps : {std::numeric_limits<double>::quiet_NaN(), -1.0}) {
    SCOPED_TRACE(eps);
    const auto got = run_multilevel_gsea_group_impl(60, ranks, eps, 3, es, ScoreType::Std, 51, 5).value();
    ASSERT_EQ(got.size(), none.size());
    for (std::size_t i = 0; i < got.size(); ++i) EXPECT_TRUE(same_bits(got[i], none[i])) << i;
  }
}

}  // namespace
}  // namespace varenko::multilevel
