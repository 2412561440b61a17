// Tests of the perturbation: every decision and every draw must match a plain
// reference walk that rescores the whole sample after each swap, and rejected
// swaps must leave the chunked sample exactly as it was.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "esruler_compat/es_ruler.h"
#include "rng_compat/mt19937.h"

namespace varenko::esruler_compat {
namespace {

using Positions = std::vector<std::uint32_t>;

// True when some hit of the sorted sample has its running-sum point above the
// bound; a weightless sample is scored on unit ranks.
bool reference_above(const std::vector<std::int64_t>& ranks, const std::vector<std::uint64_t>& keys,
                     const Positions& sample, const Gsea& bound) {
  const auto k = static_cast<std::int64_t>(sample.size());
  const std::int64_t miss_total = static_cast<std::int64_t>(ranks.size()) - k;
  std::int64_t rank_sum = 0;
  std::uint64_t key = 0;
  for (auto p : sample) {
    rank_sum += ranks[p];
    key ^= keys[p];
  }
  const bool unit = rank_sum == 0;
  if (unit) rank_sum = k;
  std::int64_t cum = 0;
  std::int64_t misses = 0;
  std::int64_t last = -1;
  for (auto p : sample) {
    misses += static_cast<std::int64_t>(p) - last - 1;
    cum += unit ? 1 : ranks[p];
    if (precedes(bound, Gsea{rank_sum, cum, miss_total, misses, key})) return true;
    last = p;
  }
  return false;
}

// The perturbation without chunks, candidate or skipping.
std::int32_t reference_perturbate(const std::vector<std::int64_t>& ranks,
                                  const std::vector<std::uint64_t>& keys, Positions& sample,
                                  const Gsea& bound, rng_compat::Mt19937& rng) {
  const auto k = static_cast<std::uint32_t>(sample.size());
  const auto n = static_cast<std::uint32_t>(ranks.size());
  const std::int32_t iterations = std::max(1, static_cast<std::int32_t>(k * 0.1));
  std::int32_t moves = 0;
  for (std::int32_t it = 0; it < iterations; ++it) {
    const std::uint32_t old_pos = sample[uniform_index(rng, k)];
    const std::uint32_t new_pos = uniform_index(rng, n);
    if (std::binary_search(sample.begin(), sample.end(), new_pos)) {
      if (new_pos == old_pos) ++moves;
      continue;
    }
    Positions next = sample;
    next.erase(std::find(next.begin(), next.end(), old_pos));
    next.insert(std::lower_bound(next.begin(), next.end(), new_pos), new_pos);
    if (reference_above(ranks, keys, next, bound)) {
      sample = next;
      ++moves;
    }
  }
  return moves;
}

// The members chunk by chunk.
template <typename Pos>
Positions flatten(const BasicSampleChunks<Pos>& sc) {
  Positions out;
  for (std::uint32_t h = 0; h + 1 < sc.chunk_starts.size(); ++h) {
    const auto c = sc.chunk(h);
    out.insert(out.end(), c.begin(), c.end());
  }
  return out;
}

// Chunk h holds only positions of its range and chunk_sum its rank total;
// the sample's rank sum and key are those of its members.
template <typename Pos>
void expect_valid_chunks(const BasicSampleChunks<Pos>& sc,
                         const std::vector<std::uint32_t>& chunk_last,
                         const std::vector<std::int64_t>& ranks,
                         const std::vector<std::uint64_t>& keys) {
  const auto count = static_cast<std::uint32_t>(sc.chunk_starts.size() - 1);
  ASSERT_EQ(sc.chunk_starts.front(), 0u);
  ASSERT_EQ(sc.chunk_starts.back() + SampleChunksState::kPadding, sc.positions.size());
  for (std::size_t i = sc.chunk_starts.back(); i < sc.positions.size(); ++i) {
    ASSERT_EQ(sc.positions[i], std::numeric_limits<Pos>::max()) << "padding " << i;
  }
  std::int64_t rank_sum = 0;
  std::uint64_t key = 0;
  for (std::uint32_t h = 0; h < count; ++h) {
    const std::uint32_t lo = h == 0 ? 0 : chunk_last[h - 1];
    std::int64_t sum = 0;
    for (auto p : sc.chunk(h)) {
      if (h + 1 < count) {
        ASSERT_LT(p, chunk_last[h]);
      }
      ASSERT_GE(p, lo);
      sum += ranks[p];
      key ^= keys[p];
    }
    ASSERT_EQ(sum, sc.chunk_sum[h]) << "chunk " << h;
    rank_sum += sum;
  }
  ASSERT_EQ(rank_sum, sc.rank_sum);
  ASSERT_EQ(key, sc.key);
}

struct WalkSetup {
  const char* name;
  std::uint32_t n;
  std::uint32_t k;
  int zero_every;  // every zero_every-th weight is 0 (0: none; 1: all)
  bool tied;       // all non-zero weights equal
  int shift = 0;   // weights multiplied by 2^shift
};

const WalkSetup kSetups[] = {
    {"single gene", 50, 1, 0, false},
    {"small set", 80, 5, 0, false},
    {"two iterations per call", 200, 25, 0, false},
    {"six iterations, seven chunks", 300, 60, 0, false},
    {"all but one gene", 40, 39, 0, false},
    {"many weightless genes", 60, 3, 2, false},
    {"weightless genes in a big set", 120, 30, 3, false},
    {"all weights zero", 30, 4, 1, false},
    {"tied weights", 90, 9, 0, true},
    {"twenty iterations per call", 1000, 200, 0, false},
    {"fifty iterations, twenty-two chunks", 4000, 500, 0, false},
    // Rank sums near 2^46: the scans compare in 64 bits, but the swap's rank
    // sum times the bound's no longer fits them.
    {"huge weights", 300, 60, 0, false, 24},
};

std::vector<std::int64_t> make_ranks(const WalkSetup& s, std::mt19937_64& gen) {
  std::vector<std::int64_t> ranks(s.n);
  for (std::uint32_t p = 0; p < s.n; ++p) {
    const bool zero = s.zero_every == 1 || (s.zero_every > 1 && gen() % s.zero_every != 0);
    ranks[p] = zero ? 0 : (s.tied ? 5 : 1 + static_cast<std::int64_t>(gen() % 100000)) << s.shift;
  }
  std::sort(ranks.begin(), ranks.end(), std::greater<>());
  return ranks;
}

// A ruler with a random population, chunk boundaries set from it and the
// score at the given quantile of the population as the bound.
EsRulerCompat make_ruler(const WalkSetup& s, std::uint32_t sample_size, std::uint64_t seed,
                         double quantile, Gsea& bound) {
  std::mt19937_64 gen(seed);
  EsRulerCompat ruler(make_ranks(s, gen), sample_size, s.k, 1.0);
  for (auto& key : ruler.mutable_gene_keys()) key = gen() & 0xffffffffu;
  std::vector<std::uint32_t> all(s.n);
  for (std::uint32_t i = 0; i < s.n; ++i) all[i] = i;
  for (auto& sample : ruler.mutable_samples()) {
    std::shuffle(all.begin(), all.end(), gen);
    sample.assign(all.begin(), all.begin() + s.k);
    std::sort(sample.begin(), sample.end());
  }
  std::vector<Gsea> scores;
  for (const auto& sample : ruler.samples()) scores.push_back(ruler.score_sample(sample, 0).gsea);
  std::sort(scores.begin(), scores.end(), precedes);
  bound = scores[static_cast<std::size_t>(quantile * static_cast<double>(scores.size() - 1))];
  ruler.reset_chunks(
      std::max<std::uint32_t>(1, static_cast<std::uint32_t>(std::sqrt(double(s.k)))));
  ruler.update_chunk_boundaries();
  return ruler;
}

TEST(Perturbate, DecisionsAndDrawsMatchAFullRescoringWalk) {
  std::vector<std::pair<WalkSetup, double>> runs;
  for (const auto& s : kSetups) {
    for (double q : {0.5, 0.9}) runs.emplace_back(s, q);
  }
  for (const auto& [s, quantile] : runs) {
    SCOPED_TRACE(std::string(s.name) + ", bound at quantile " + std::to_string(quantile));
    Gsea bound;
    EsRulerCompat ruler = make_ruler(s, 12, 1000 + s.n + s.k, quantile, bound);
    std::vector<std::int64_t> ranks;
    std::vector<std::uint64_t> keys;
    {
      // The ruler keeps its ranks private; rebuild them with the same stream.
      std::mt19937_64 gen(1000 + s.n + s.k);
      ranks = make_ranks(s, gen);
      for (std::uint32_t p = 0; p < s.n; ++p) keys.push_back(gen() & 0xffffffffu);
    }
    ASSERT_EQ(keys, ruler.mutable_gene_keys());
    // The same walk with positions kept in 32 bits and scans compared in
    // 128 bits, and with positions in 16 bits and scans in 64 bits, with the
    // processor's widest vectors and with the portable ones.
    auto walk = [&](auto width, bool portable) {
      using Pos = decltype(width);
      SCOPED_TRACE(sizeof(Pos) == 2 ? "narrow arithmetic" : "wide arithmetic");
      SCOPED_TRACE(portable ? "portable kernels" : "widest kernels");
      ruler.set_wide_arithmetic(sizeof(Pos) == 4);
      ruler.set_portable_kernels(portable);
      rng_compat::Mt19937 rng(77 + s.k);
      rng_compat::Mt19937 reference_rng = rng;
      std::int64_t accepted = 0;
      for (std::uint32_t j = 0; j < ruler.sample_size(); ++j) {
        auto sc = ruler.make_chunks<Pos>(ruler.samples()[j]);
        Positions reference = ruler.samples()[j];
        for (int call = 0; call < 40; ++call) {
          const std::int32_t moves = ruler.perturbate(s.k, sc, bound, rng).value();
          const std::int32_t expected =
              reference_perturbate(ranks, keys, reference, bound, reference_rng);
          ASSERT_EQ(moves, expected) << "sample " << j << ", call " << call;
          ASSERT_EQ(flatten(sc), reference) << "sample " << j << ", call " << call;
          expect_valid_chunks(sc, ruler.chunk_last(), ranks, keys);
          accepted += moves;
        }
      }
      EXPECT_GT(accepted, 0);
      EXPECT_EQ(rng.next_u32(), reference_rng.next_u32());
    };
    walk(std::uint32_t{}, false);
    walk(std::uint16_t{}, false);
    walk(std::uint16_t{}, true);
  }
}

// The swaps of the batched passes, some decided by the swap facts alone,
// agree with a full rescoring on every decision, for samples near the bound
// and for samples far above it (where nearly every swap is decided by the
// facts, after accepted swaps have made them stale).
TEST(Perturbate, PassSwapsMatchAFullRescoringWalk) {
  const WalkSetup setups[] = {
      {"single gene", 50, 1, 0, false},      {"small set", 400, 5, 0, false},
      {"fifteen genes", 2000, 15, 0, false}, {"nineteen genes, weightless tail", 600, 19, 3, false},
      {"tied weights", 300, 12, 0, true},
  };
  for (const auto& s : setups) {
    for (const bool top : {false, true}) {
      SCOPED_TRACE(std::string(s.name) + (top ? ", samples at the top" : ", random samples"));
      Gsea bound;
      EsRulerCompat ruler = make_ruler(s, 6, 3000 + s.n + s.k, 0.5, bound);
      std::vector<std::int64_t> ranks;
      std::vector<std::uint64_t> keys;
      {
        std::mt19937_64 gen(3000 + s.n + s.k);
        ranks = make_ranks(s, gen);
        for (std::uint32_t p = 0; p < s.n; ++p) keys.push_back(gen() & 0xffffffffu);
      }
      std::mt19937_64 pick(s.k);
      std::int64_t accepted = 0;
      for (std::uint32_t j = 0; j < ruler.sample_size(); ++j) {
        Positions reference = ruler.samples()[j];
        if (top) {
          // The top genes with a few spread out: far above the median bound.
          for (std::uint32_t i = 0; i < s.k; ++i) reference[i] = i * (i % 3 == 2 ? 7 : 1);
          std::sort(reference.begin(), reference.end());
          reference.erase(std::unique(reference.begin(), reference.end()), reference.end());
          if (reference.size() != s.k) reference = ruler.samples()[j];
        }
        SampleChunks sc = ruler.make_chunks(reference);
        for (int swap = 0; swap < 3000; ++swap) {
          const EsRulerCompat::SwapDraw draw{static_cast<std::uint32_t>(pick() % s.k),
                                             static_cast<std::uint32_t>(pick() % s.n)};
          const std::int32_t moves = ruler.pass_swap(sc, bound, draw).value();
          // The same swap on the plain list.
          const std::uint32_t old_pos = reference[draw.member];
          std::int32_t expected = 0;
          if (std::binary_search(reference.begin(), reference.end(), draw.position)) {
            expected = draw.position == old_pos;
          } else {
            Positions next = reference;
            next.erase(next.begin() + draw.member);
            next.insert(std::lower_bound(next.begin(), next.end(), draw.position), draw.position);
            if (reference_above(ranks, keys, next, bound)) {
              reference = next;
              expected = 1;
            }
          }
          ASSERT_EQ(moves, expected) << "sample " << j << ", swap " << swap;
          ASSERT_EQ(flatten(sc), reference) << "sample " << j << ", swap " << swap;
          accepted += moves;
        }
        expect_valid_chunks(sc, ruler.chunk_last(), ranks, keys);
      }
      EXPECT_GT(accepted, 0);
    }
  }
}

TEST(Perturbate, RejectedSwapsLeaveTheSampleIdentical) {
  for (const auto& s : kSetups) {
    SCOPED_TRACE(s.name);
    Gsea ignored;
    EsRulerCompat ruler = make_ruler(s, 8, 2000 + s.n, 0.5, ignored);
    // Value 1 with the largest key: no point of any sample is above it.
    const Gsea unreachable{1, 1, static_cast<std::int64_t>(s.n - s.k), 0, ~std::uint64_t{0}};
    rng_compat::Mt19937 rng(5 + s.k);
    for (std::uint32_t j = 0; j < ruler.sample_size(); ++j) {
      SampleChunks sc = ruler.make_chunks(ruler.samples()[j]);
      const SampleChunks before = sc;
      for (int call = 0; call < 200; ++call) {
        rng_compat::Mt19937 replay = rng;
        const std::int32_t moves = ruler.perturbate(s.k, sc, unreachable, rng).value();
        // Only draws of the removed gene itself count.
        std::int32_t self_draws = 0;
        const std::int32_t iterations = std::max(1, static_cast<std::int32_t>(s.k * 0.1));
        for (std::int32_t it = 0; it < iterations; ++it) {
          const std::uint32_t old_pos = ruler.samples()[j][uniform_index(replay, s.k)];
          self_draws += uniform_index(replay, s.n) == old_pos;
        }
        ASSERT_EQ(moves, self_draws);
        ASSERT_EQ(sc.positions, before.positions);
        ASSERT_EQ(sc.chunk_starts, before.chunk_starts);
        ASSERT_EQ(sc.chunk_sum, before.chunk_sum);
      }
    }
  }
}

// A sample the walk cannot take is a failure with its message, and draws
// nothing: a walk that made no moves would leave the move budget unreached.
TEST(Perturbate, MalformedSamplesFailWithoutDrawing) {
  const auto& s = kSetups[3];
  Gsea bound;
  EsRulerCompat ruler = make_ruler(s, 4, 9000, 0.5, bound);
  const std::string cut =
      "internal error: the sample is not one of k members cut at the ruler's chunk boundaries";
  using Mend = std::function<void(SampleChunks&)>;
  const std::pair<Mend, std::string> cases[] = {
      {[](SampleChunks& sc) { sc.positions.pop_back(); }, cut},
      {[](SampleChunks& sc) { sc.chunk_starts.push_back(sc.chunk_starts.back()); }, cut},
      {[](SampleChunks& sc) { sc.chunk_sum.clear(); }, cut},
      {[](SampleChunks& sc) { sc.chunk_starts.back() -= 1; }, cut},
  };
  for (const auto& [mend, message] : cases) {
    SampleChunks sc = ruler.make_chunks(ruler.samples()[0]);
    mend(sc);
    rng_compat::Mt19937 rng(3);
    const rng_compat::Mt19937 before = rng;
    const auto moves = ruler.perturbate(s.k, sc, bound, rng);
    ASSERT_FALSE(moves.ok());
    EXPECT_EQ(moves.error(), message);
    EXPECT_EQ(rng.next_u32(), rng_compat::Mt19937(before).next_u32());
    const auto swapped = ruler.pass_swap(sc, bound, {0, 0});
    ASSERT_FALSE(swapped.ok());
    EXPECT_EQ(swapped.error(), message);
  }
}

}  // namespace
}  // namespace varenko::esruler_compat
