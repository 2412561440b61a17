// Enrichment score of one gene set against a weighted ranking: the running-sum
// statistic (hits step up by weight / NR, misses step down by 1 / (n - k)) with
// its peak position. Pure and allocation-free; safe to call from any thread.
// Invariant: hits are 0-based rank positions, sorted ascending and distinct.
#pragma once

#include <cstddef>
#include <span>

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

}  // namespace varenko::quorin_compat
