// Enrichment score of one gene set against a weighted ranking: the running-sum
// statistic (hits step up by weight / NR, misses step down by 1 / (n - k)) with
// its peak position, and the running sum itself for plots. Pure (the score
// allocates nothing); safe to call from any thread.
// Invariant: hits are 0-based rank positions, sorted ascending and distinct.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "core/records.h"

namespace varenko::quorin_compat {

// Score of one gene set and the rank position where it is reached.
struct EsScore {
  double es = 0.0;
  std::size_t peak_position = 0;
};

// Returns the enrichment score of `hits` (0-based, sorted, distinct positions
// into `weights`, n genes in all) for the score type; never fails, and stops the
// process on a hit outside `weights` (a caller's programming error).
EsScore calculate_es_quorin(std::span<const double> weights, std::span<const std::size_t> hits,
                            std::size_t n, core::ScoreType score_type);

// The running sum at the hits, in hit order: top[i] just after hit i's step,
// bottom[i] just before it. Between hits the sum falls by the same step per
// miss, so these 2k values draw the whole curve. Each value is computed as
// calculate_es_quorin computes it, so the curve's extreme for the score type
// equals that function's es exactly.
struct RunningSum {
  std::vector<double> top;
  std::vector<double> bottom;
};

// Returns the running sum of `hits` (as for calculate_es_quorin); empty when
// there is no hit or every gene is one (no curve to draw). Never fails.
RunningSum running_sum_quorin(std::span<const double> weights, std::span<const std::size_t> hits,
                              std::size_t n);

}  // namespace varenko::quorin_compat
