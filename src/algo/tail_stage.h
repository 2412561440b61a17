// Tail stage of the analysis: gives the pathways that the simple stage left
// without a p-value (too few of its random gene sets scored on the side of
// their score, as happens on strongly one-sided rankings) permutations of
// their own size until enough same-signed scores are seen, then the same
// post-processing and multilevel refinement as every other row. Refined rows
// whose sign fraction rests on fewer than kTailSameSide same-signed scores of
// the simple stage get that fraction from the same permutations instead.
// Every size draws from its own streams, derived from the run seed with
// SplitMix64, so results depend neither on the thread count nor on which
// other pathways are analysed; rows the earlier stages filled are not touched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <random>
#include <span>
#include <vector>

#include "algo/working.h"
#include "core/records.h"
#include "core/result.h"
#include "core/run_control.h"

namespace varenko::algo {

// Same-signed random scores a size's permutations go on to see for each of
// its pathways (unless kTailMaxPermutations comes first): the sign
// probability and the normalising mean then rest on at least this many.
inline constexpr std::uint64_t kTailSameSide = 50;
// Most permutations drawn for one size (2^20; 1.05 million).
inline constexpr std::uint64_t kTailMaxPermutations = std::uint64_t{1} << 20;
// Permutations drawn between two looks at the stopping rule and the stop flag.
inline constexpr std::uint64_t kTailBlock = 4096;

// Output number `stream + 1` of the SplitMix64 generator started from state
// `seed`: the seed of one random stream derived from the run seed.
[[nodiscard]] std::uint64_t derive_stream_seed(std::uint64_t seed, std::uint64_t stream);

// Stream numbers: the permutations of every size come from stream 0 (draw j
// from its own stream derived from that one and j), the multilevel refinement
// of size s from stream 2 s + 1.
[[nodiscard]] inline std::uint64_t tail_permutation_stream() { return 0; }
[[nodiscard]] inline std::uint64_t tail_multilevel_stream(std::size_t size) {
  return 2 * static_cast<std::uint64_t>(size) + 1;
}

// Nested random gene sets for the tail stage: draw j is a sequence of distinct,
// uniformly random rank positions from its own SplitMix64 stream (seeded with
// derive_stream_seed(base, j)), each new position drawn uniformly among those
// not yet drawn (rejection against a bit set). Its first s positions are a
// uniformly random set of size s, whatever the longest size drawn, so one
// draw serves every size at once and each size's sets depend only on the
// base seed and j. One drawer belongs to one thread.
class NestedSetDrawer {
 public:
  NestedSetDrawer(std::size_t n, std::uint64_t base_seed);

  // Starts draw j (forgetting the previous one).
  void start(std::uint64_t j);
  // Draws positions until `count` are drawn (count <= n); the positions in
  // draw order.
  std::span<const std::uint32_t> extend(std::size_t count);
  // The first `count` drawn positions, ascending; valid until the next call.
  const std::vector<std::size_t>& sorted_prefix(std::size_t count);

 private:
  std::uint64_t next();
  std::uint64_t bounded(std::uint64_t range);

  std::uint64_t base_;
  std::size_t n_;
  std::uint64_t state_ = 0;
  std::vector<std::uint64_t> chosen_;   // bit set of the drawn positions
  std::vector<std::uint64_t> members_;  // scratch bit set for sorted_prefix
  std::vector<std::uint32_t> drawn_;
  std::vector<std::size_t> hits_;
};

// A cheap test that a gene set's score (as RandomSetScorer computes it, score
// type Std) is positive, from the weight and count of its genes below a fixed
// ladder of rank thresholds: a lower bound of the positive deviation against
// an upper bound of the negative one, both exact in integers. Most random
// sets of a strongly one-sided ranking pass it, so the sets that could score
// on the rare negative side are the only ones sorted and scored in full.
class PositiveScoreTest {
 public:
  // Requires int_weights to meet RandomSetScorer's exact-arithmetic bound
  // (exact_arithmetic() says whether they do; the test then never passes).
  explicit PositiveScoreTest(std::span<const std::int64_t> int_weights);

  [[nodiscard]] std::size_t regions() const { return thresholds_.size() + 1; }
  // The region of rank position p: the number of thresholds at or below it.
  [[nodiscard]] std::uint8_t region(std::uint32_t p) const { return region_of_[p]; }
  [[nodiscard]] std::int64_t weight(std::uint32_t p) const { return abs_weights_[p]; }
  // Whether a set of `k` genes whose weights and counts per region are
  // `weight_sums` and `counts` surely scores above 0.
  [[nodiscard]] bool passes(std::span<const std::int64_t> weight_sums,
                            std::span<const std::int64_t> counts, std::size_t k) const;

 private:
  std::vector<std::int64_t> thresholds_;  // ascending rank positions, all below n
  std::vector<std::uint8_t> region_of_;
  std::vector<std::int64_t> abs_weights_;
  bool exact_ = false;
};

// Draws uniformly random gene sets of one size (sorted rank positions) for
// brute-force checks of the tail stage (random_set_scores), by another method
// and generator than the stage's own draws: a 64-bit Mersenne Twister, a partial Fisher-Yates shuffle of a permutation of
// all positions kept from draw to draw, its first `size` entries sorted through
// a bit set. One sampler belongs to one thread.
class RandomSetSampler {
 public:
  // Requires 1 <= size <= n.
  RandomSetSampler(std::size_t n, std::size_t size, std::uint64_t seed);

  // The next random set, ascending; valid until the next call.
  const std::vector<std::size_t>& next();

 private:
  // Uniform in [0, range) for range >= 1 (multiply-shift with rejection).
  std::uint64_t bounded(std::uint64_t range);

  std::mt19937_64 rng_;  // the standard fixes its output sequence
  std::vector<std::uint32_t> order_;
  std::vector<std::uint64_t> bits_;
  std::vector<std::size_t> hits_;
  std::size_t size_;
};

// The enrichment score of a set of rank positions by the simple stage's rule,
// computed on the integer weights: the running sum scaled by nr * (n - k)
// stays an integer, so the peak and the sign are found exactly and only the
// final division rounds (the value can differ from calculate_es_quorin's in
// the last bits). Falls back to calculate_es_quorin on the double weights for
// weightless sets and for rankings whose scaled sums would not fit 64 bits.
// Both weight lists must outlive the scorer; the two have equal length.
class RandomSetScorer {
 public:
  RandomSetScorer(std::span<const std::int64_t> int_weights, std::span<const double> weights,
                  core::ScoreType score_type);

  // The score of `hits` (sorted, distinct positions).
  double operator()(std::span<const std::size_t> hits) const;

 private:
  std::span<const std::int64_t> int_weights_;
  std::span<const double> weights_;
  core::ScoreType score_type_;
  bool exact_ = false;
};

// Scores `count` random gene sets of `size` drawn from the stream `seed` with
// RandomSetSampler and the tail stage's scorer, in draw order. `weights` holds
// `int_weights` as doubles. Requires 1 <= size <= weights.size().
std::vector<double> random_set_scores(std::span<const std::int64_t> int_weights,
                                      std::span<const double> weights, std::size_t size,
                                      std::uint64_t count, std::uint64_t seed,
                                      core::ScoreType score_type);

// Whether a row's p-value is a multilevel estimate divided by a sign fraction
// counted from fewer than kTailSameSide same-signed simple-stage scores. Rows
// with fewer than 10 are emptied by the simple stage, so among the rows kept
// with few the fraction is too large and the p-value too small. Rows at the
// floor eps stay bounds and are left alone.
[[nodiscard]] bool needs_sign_fraction(const Working& w, core::ScoreType score_type);

// log2err of a p-value formed as joint / d, with the multilevel estimate
// `joint` (its error grows with the levels climbed down to it, far more than
// the p-value's own when d is small) and d = (same_side + 1) / (drawn + 1):
// the two log-scale variances add up.
[[nodiscard]] double tail_log2err(double joint, std::uint64_t same_side, std::uint64_t drawn,
                                  std::uint32_t sample_size);

// Fills nes, pval, log2err and pval_at_eps of every pathway with a non-zero
// score and no p-value, and pval, log2err and pval_at_eps of every row for
// which needs_sign_fraction holds; other rows are left as they are. Fails only on a
// broken internal invariant of the multilevel sampler; a run asked to stop
// returns early and the caller discards the rows.
core::Status run_tail_stage(const StageContext& ctx, std::vector<Working>& working);

}  // namespace varenko::algo
