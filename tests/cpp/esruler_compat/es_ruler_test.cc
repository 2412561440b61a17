// Tests of sample scoring, median splits, chunk boundaries and the extension
// of the ES ruler.
#include "esruler_compat/es_ruler.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "rng_compat/mt19937.h"

namespace varenko::esruler_compat {
namespace {

using Positions = std::vector<std::uint32_t>;

TEST(ScoreSample, PeakAndDominantSideOfHandComputedSamples) {
  struct Case {
    const char* name;
    std::vector<std::int64_t> ranks;
    Positions sample;
    Gsea expected;  // key: XOR of keys 1 << p
    bool pos_dominant;
  };
  const Case cases[] = {
      // Hit 0 gives 4/6 - 0; hit 2 gives 1 - 1/2: the peak is the first hit.
      {"peak at the first hit", {4, 3, 2, 1}, {0, 2}, {6, 4, 2, 0, 0b101}, true},
      // The only point after a hit has value 1 - 3/3 = 0: the peak stays (0, 0);
      // the point before it (value -1) dominates.
      {"no point above zero", {4, 3, 2, 1}, {3}, {1, 0, 3, 0, 0b1000}, false},
      // Hit 1 (5/7) beats hit 0 (2/7) and hit 3 (1 - 1/3).
      {"later hit raises the peak", {2, 3, 1, 2, 2, 0}, {0, 1, 3}, {7, 5, 3, 0, 0b1011}, true},
      // Hits 0 and 2 both reach 1/2: the earlier one is the peak.
      {"earliest of equal maxima", {1, 1, 1, 1}, {0, 2}, {2, 1, 2, 0, 0b101}, true},
      // Ranks sum to 0: every hit weighs 1/2; hit 1 gives 1/2 - 1/2, hit 2 gives
      // 1 - 1/2, while the point before hit 1 has -1/2 and dominates (earliest).
      {"weightless sample scored on unit ranks", {5, 0, 0, 3}, {1, 2}, {2, 2, 2, 1, 0b110}, false},
      {"weightless sample at the top", {0, 0, 7, 3}, {0, 1}, {2, 2, 2, 0, 0b11}, true},
      {"every gene in the sample", {1, 2, 3}, {0, 1, 2}, {6, 0, 0, 0, 0b111}, true},
      // Deviations (cum * 3 - misses * 3) -3, 3, -3, 0: the peak ties with two
      // equal depths, the first of which comes before it.
      {"equal depth before the peak", {3, 2, 2, 1, 1}, {1, 4}, {3, 2, 3, 1, 0b10010}, false},
      // Deviations 0, 2, -2, 0: the peak comes before the equal depth.
      {"peak before an equal depth", {1, 5, 5, 1}, {0, 3}, {2, 1, 2, 0, 0b1001}, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EsRulerCompat ruler(c.ranks, 1, static_cast<std::uint32_t>(c.sample.size()), 1.0);
    for (std::size_t p = 0; p < c.ranks.size(); ++p)
      ruler.mutable_gene_keys()[p] = std::uint64_t{1} << p;
    const ScoredEntry e = ruler.score_sample(c.sample, 7);
    EXPECT_EQ(e.gsea, c.expected);
    EXPECT_EQ(e.pos_dominant, c.pos_dominant);
    EXPECT_EQ(e.sample_index, 7u);
  }
}

// Random sorted k-subset of [0, n).
Positions random_sample(std::mt19937_64& gen, std::uint32_t n, std::uint32_t k) {
  std::vector<std::uint32_t> all(n);
  for (std::uint32_t i = 0; i < n; ++i) all[i] = i;
  std::shuffle(all.begin(), all.end(), gen);
  Positions s(all.begin(), all.begin() + k);
  std::sort(s.begin(), s.end());
  return s;
}

TEST(ScoreSample, OrderIsStrictWeakWithManyWeightlessSamples) {
  // Two thirds of the genes have weight 0, so many small samples sum to 0; keys
  // come from a small range so that equal scores with equal keys occur too.
  std::mt19937_64 gen(424242);
  const std::uint32_t n = 60;
  std::vector<std::int64_t> ranks(n, 0);
  for (std::uint32_t p = 0; p < n; p += 3) ranks[p] = 1 + static_cast<std::int64_t>(gen() % 1000);
  std::vector<Gsea> scores;
  int weightless = 0;
  for (std::uint32_t k = 1; k <= 4; ++k) {
    EsRulerCompat ruler(ranks, 1, k, 1.0);
    for (auto& key : ruler.mutable_gene_keys()) key = gen() % 4;
    for (int i = 0; i < 50; ++i) {
      const Positions s = random_sample(gen, n, k);
      std::int64_t sum = 0;
      for (auto p : s) sum += ranks[p];
      weightless += sum == 0;
      scores.push_back(ruler.score_sample(s, 0).gsea);
    }
  }
  ASSERT_GE(weightless, 60);
  // The axioms within each size (one ruler, equal miss totals), over all triples.
  for (std::size_t lo = 0; lo < scores.size(); lo += 50) {
    const std::size_t hi = lo + 50;
    for (std::size_t a = lo; a < hi; ++a) {
      ASSERT_FALSE(precedes(scores[a], scores[a]));
      for (std::size_t b = lo; b < hi; ++b) {
        const bool ab = precedes(scores[a], scores[b]);
        ASSERT_FALSE(ab && precedes(scores[b], scores[a])) << a << " " << b;
        for (std::size_t c = lo; c < hi; ++c) {
          const bool bc = precedes(scores[b], scores[c]);
          if (ab && bc) {
            ASSERT_TRUE(precedes(scores[a], scores[c])) << a << " " << b << " " << c;
          }
          const bool eq_ab = !ab && !precedes(scores[b], scores[a]);
          const bool eq_bc = !bc && !precedes(scores[c], scores[b]);
          const bool eq_ac = !precedes(scores[a], scores[c]) && !precedes(scores[c], scores[a]);
          if (eq_ab && eq_bc) {
            ASSERT_TRUE(eq_ac) << a << " " << b << " " << c;
          }
        }
      }
    }
  }
}

TEST(ScoreSample, OrderHasNoCycleAmongTwoHundredSamplesOfOneRuler) {
  std::mt19937_64 gen(777);
  const std::uint32_t n = 40;
  const std::uint32_t k = 2;
  std::vector<std::int64_t> ranks(n, 0);
  for (std::uint32_t p = 0; p < n; p += 4) ranks[p] = 1 + static_cast<std::int64_t>(gen() % 50);
  EsRulerCompat ruler(ranks, 1, k, 1.0);
  for (auto& key : ruler.mutable_gene_keys()) key = gen() & 0xffffffffu;
  std::vector<Gsea> scores;
  for (int i = 0; i < 200; ++i)
    scores.push_back(ruler.score_sample(random_sample(gen, n, k), 0).gsea);
  // A strict weak order sorts into a sequence in which nothing later precedes
  // anything earlier, and "precedes" is transitive.
  std::vector<Gsea> sorted = scores;
  std::stable_sort(sorted.begin(), sorted.end(), precedes);
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    for (std::size_t j = i + 1; j < sorted.size(); ++j) {
      ASSERT_FALSE(precedes(sorted[j], sorted[i])) << i << " " << j;
    }
  }
  for (std::size_t a = 0; a < scores.size(); ++a) {
    for (std::size_t b = 0; b < scores.size(); ++b) {
      if (!precedes(scores[a], scores[b])) continue;
      for (std::size_t c = 0; c < scores.size(); ++c) {
        if (precedes(scores[b], scores[c])) {
          ASSERT_TRUE(precedes(scores[a], scores[c]));
        }
      }
    }
  }
}

// A ruler over n tied genes holding single-gene samples: the sample {p} has the
// score 1 - p / (n - 1), so lower positions score higher.
EsRulerCompat single_gene_ruler(std::uint32_t n, const std::vector<std::uint32_t>& genes) {
  EsRulerCompat ruler(std::vector<std::int64_t>(n, 1), static_cast<std::uint32_t>(genes.size()), 1,
                      1.0);
  for (std::uint32_t p = 0; p < n; ++p) ruler.mutable_gene_keys()[p] = 1000 + p;
  for (std::size_t s = 0; s < genes.size(); ++s) ruler.mutable_samples()[s] = {genes[s]};
  return ruler;
}

std::vector<std::uint32_t> indices_of(const std::vector<ScoredEntry>& entries) {
  std::vector<std::uint32_t> out;
  for (const auto& e : entries) out.push_back(e.sample_index);
  return out;
}

TEST(ResampleGenesets, SplitsAtTheMedianAndRefillsFromTheUpperPart) {
  EsRulerCompat ruler = single_gene_ruler(10, {3, 0, 7, 5, 1});
  rng_compat::Mt19937 rng(99);
  rng_compat::Mt19937 replay = rng;
  ruler.resample_genesets(rng);
  ASSERT_EQ(ruler.levels().size(), 1u);
  const Level& level = ruler.levels()[0];
  EXPECT_EQ(indices_of(level.lower), (std::vector<std::uint32_t>{2, 3}));     // genes 7, 5
  EXPECT_EQ(indices_of(level.upper), (std::vector<std::uint32_t>{0, 4, 1}));  // genes 3, 1, 0
  EXPECT_EQ(level.bound, (Gsea{1, 1, 9, 5, 1005}));
  // Two duplicates of random upper samples first, then the upper samples.
  const std::uint32_t upper_genes[] = {3, 1, 0};
  std::vector<Positions> expected;
  for (int i = 0; i < 2; ++i) expected.push_back({upper_genes[uniform_index(replay, 3)]});
  for (auto g : upper_genes) expected.push_back({g});
  EXPECT_EQ(ruler.samples(), expected);
  EXPECT_EQ(rng.next_u32(), replay.next_u32());  // exactly two draws were made
}

TEST(ResampleGenesets, LowerPartIsTheWholeBlockEqualToTheSmallest) {
  // Entries 0 .. 2 (the median included) are equal duplicates.
  EsRulerCompat ruler = single_gene_ruler(10, {7, 7, 0, 7, 1});
  rng_compat::Mt19937 rng(5);
  ruler.resample_genesets(rng);
  ASSERT_EQ(ruler.levels().size(), 1u);
  const Level& level = ruler.levels()[0];
  EXPECT_EQ(indices_of(level.lower), (std::vector<std::uint32_t>{0, 1, 3}));  // index order kept
  EXPECT_EQ(indices_of(level.upper), (std::vector<std::uint32_t>{4, 2}));
  EXPECT_EQ(level.bound, (Gsea{1, 1, 9, 7, 1007}));
}

TEST(ResampleGenesets, NoSplitWhenAllSamplesAreEqual) {
  struct Case {
    const char* name;
    std::vector<std::uint32_t> genes;
  };
  const Case cases[] = {{"one sample", {4}}, {"identical samples", {2, 2, 2, 2}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EsRulerCompat ruler = single_gene_ruler(10, c.genes);
    const auto before = ruler.samples();
    rng_compat::Mt19937 rng(1);
    rng_compat::Mt19937 untouched = rng;
    ruler.resample_genesets(rng);
    EXPECT_TRUE(ruler.levels().empty());
    EXPECT_EQ(ruler.samples(), before);
    EXPECT_EQ(rng.next_u32(), untouched.next_u32());
  }
}

TEST(ChunkBoundaries, MediansOfThePositionsAtTheChunkStarts) {
  // k = 9: three chunks; the chunks start at sample offsets 3 and 6.
  EsRulerCompat ruler(std::vector<std::int64_t>(40, 2), 3, 9, 1.0);
  ruler.mutable_samples() = {{20, 21, 22, 23, 24, 25, 26, 27, 28},
                             {0, 1, 2, 3, 4, 5, 6, 7, 8},
                             {10, 11, 12, 13, 14, 15, 16, 17, 18}};
  ruler.reset_chunks(3);
  ruler.update_chunk_boundaries();
  EXPECT_EQ(ruler.chunk_last(), (std::vector<std::uint32_t>{13, 16, 40}));
  const SampleChunks sc = ruler.make_chunks(ruler.samples()[2]);
  EXPECT_EQ(sc.chunk_starts,
            (std::vector<std::uint32_t>{0, 3, 6, 9}));  // {10..12}, {13..15}, {16..18}
  EXPECT_EQ(sc.chunk_sum, (std::vector<std::int64_t>{6, 6, 6}));
  const SampleChunks low = ruler.make_chunks(ruler.samples()[1]);
  EXPECT_EQ(low.chunk_starts, (std::vector<std::uint32_t>{0, 9, 9, 9}));  // all in the first chunk
}

TEST(Extend, TargetZeroStopsAfterTheFirstSplit) {
  std::vector<std::int64_t> ranks;
  for (int i = 0; i < 80; ++i) ranks.push_back(200 - 2 * i);
  EsRulerCompat ruler(ranks, 21, 4, 1.0);
  ASSERT_TRUE(ruler.extend(31337, 0.0, 1e-10).ok());
  ASSERT_EQ(ruler.levels().size(), 1u);
  EXPECT_EQ(ruler.chunk_count(), 2u);
  EXPECT_EQ(ruler.chunk_last().back(), 80u);
}

TEST(Extend, LevelsRiseAndStdCountsNoMoreThanCountAll) {
  std::vector<std::int64_t> ranks;
  for (int i = 0; i < 150; ++i) ranks.push_back(1000 - 6 * i);
  EsRulerCompat ruler(ranks, 31, 6, 1.0);
  ASSERT_TRUE(ruler.extend(2024, 0.95, 1e-8).ok());
  const auto& levels = ruler.levels();
  ASSERT_GE(levels.size(), 5u);
  for (std::size_t i = 1; i < levels.size(); ++i) {
    EXPECT_TRUE(precedes(levels[i - 1].bound, levels[i].bound)) << "level " << i;
    EXPECT_TRUE(precedes(levels[i].bound, levels[i].upper.front().gsea));
  }
  double previous = 1.0;
  for (double es : {0.0, 0.2, 0.4, 0.6, 0.8, 0.95}) {
    SCOPED_TRACE(es);
    const double all = ruler.get_pvalue(true, es);
    const double pos_only = ruler.get_pvalue(false, es);
    EXPECT_GT(all, 0.0);
    EXPECT_LE(all, previous);
    EXPECT_LE(pos_only, all);
    previous = all;
  }
}

// The passes keep positions in 16 bits and compare the points of a scan in
// 64 bits when the ranking allows it, and use the processor's widest vectors;
// with 32-bit positions and 128-bit comparisons, and with the portable
// vectors, every level, sample and p-value is the same.
TEST(Extend, SameResultsWithEveryArithmeticAndKernel) {
  struct Setup {
    std::uint32_t n;
    std::uint32_t k;
    double es;
  };
  const Setup setups[] = {{300, 5, 0.9}, {2000, 30, 0.6}, {2000, 64, 0.45}, {5000, 300, 0.3}};
  for (const auto& s : setups) {
    SCOPED_TRACE("n " + std::to_string(s.n) + ", k " + std::to_string(s.k));
    std::mt19937_64 gen(s.n + s.k);
    std::vector<std::int64_t> ranks(s.n);
    for (auto& r : ranks) r = static_cast<std::int64_t>(gen() % 100000);
    std::sort(ranks.begin(), ranks.end(), std::greater<>());
    EsRulerCompat narrow(ranks, 41, s.k, 1.0);
    ASSERT_TRUE(narrow.extend(77, s.es, 1e-30).ok());
    ASSERT_GE(narrow.levels().size(), 3u);
    // Positions in 32 bits and scans in 128, and the portable vector kernels.
    for (const bool wide_arithmetic : {true, false}) {
      SCOPED_TRACE(wide_arithmetic ? "wide arithmetic" : "portable kernels");
      EsRulerCompat other(ranks, 41, s.k, 1.0);
      other.set_wide_arithmetic(wide_arithmetic);
      other.set_portable_kernels(!wide_arithmetic);
      ASSERT_TRUE(other.extend(77, s.es, 1e-30).ok());
      ASSERT_EQ(narrow.levels().size(), other.levels().size());
      for (std::size_t i = 0; i < narrow.levels().size(); ++i) {
        const auto& a = narrow.levels()[i];
        const auto& b = other.levels()[i];
        ASSERT_EQ(a.bound, b.bound) << "level " << i;
        ASSERT_EQ(a.upper.size(), b.upper.size()) << "level " << i;
        for (std::size_t j = 0; j < a.upper.size(); ++j) {
          ASSERT_EQ(a.upper[j].gsea, b.upper[j].gsea) << "level " << i << ", entry " << j;
          ASSERT_EQ(a.upper[j].sample_index, b.upper[j].sample_index);
        }
      }
      EXPECT_EQ(narrow.samples(), other.samples());
      for (double es : {0.1, 0.3, s.es}) {
        EXPECT_EQ(narrow.get_pvalue(true, es), other.get_pvalue(true, es)) << es;
        EXPECT_EQ(narrow.get_pvalue(false, es), other.get_pvalue(false, es)) << es;
      }
    }
  }
}

TEST(GetPvalue, NaNWithoutLevels) {
  EsRulerCompat ruler(std::vector<std::int64_t>(10, 1), 1, 3, 1.0);
  ASSERT_TRUE(ruler.extend(1, 0.5, 1e-10).ok());  // a population of one sample never splits
  EXPECT_TRUE(ruler.levels().empty());
  EXPECT_TRUE(std::isnan(ruler.get_pvalue(true, 0.5)));
}

TEST(FixedBoundDraw, SameDrawsAndRemaindersAsTheGenericIndex) {
  for (std::uint32_t m : {1u, 2u, 3u, 7u, 15u, 101u, 20000u, 1u << 31, 3000000007u, 0xffffffffu}) {
    SCOPED_TRACE(m);
    const FixedBoundDraw draw(m);
    for (std::uint32_t a : {0u, 1u, m - 1, m, m + 1, 0x7fffffffu, 0xfffffffeu, 0xffffffffu}) {
      ASSERT_EQ(draw.remainder(a), a % m) << "a " << a;
    }
    rng_compat::Mt19937 a(m);
    rng_compat::Mt19937 b(m);
    for (int i = 0; i < 2000; ++i) ASSERT_EQ(draw(a), uniform_index(b, m));
  }
}

}  // namespace
}  // namespace varenko::esruler_compat
