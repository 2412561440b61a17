// Running-sum enrichment score of one gene set. Every operation is an IEEE
// double operation rounded in the order written, so results are reproducible to
// the bit; only the 1/k of the all-zero-weight case is a precomputed reciprocal.
#include "quorin_compat/es_score.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace varenko::quorin_compat {

namespace {

// Walks the hits in rank order and calls visit(i, top, bottom) for each: `top`
// is the running sum just after hit i's step, `bottom` just before it (after
// the misses that precede it). Both the enrichment score and the running sum
// that plots draw come from this one walk, so they agree to the bit.
// Precondition: 0 < k < n and every hit lies inside `weights`.
template <typename Visit>
void walk_hits(std::span<const double> weights, std::span<const std::size_t> hits, std::size_t n,
               Visit&& visit) {
  const std::size_t k = hits.size();
  double nr = 0.0;
  for (const std::size_t h : hits) nr += std::fabs(weights[h]);

  const double d = static_cast<double>(n - k);
  if (nr != 0.0) {
    double cum = 0.0;
    for (std::size_t i = 0; i < k; ++i) {
      const std::size_t h = hits[i];
      const double misses = static_cast<double>(h - i);
      const double w = std::fabs(weights[h]);
      cum += w;
      const double top = cum / nr - misses / d;
      const double bottom = top - w / nr;
      visit(i, top, bottom);
    }
  } else {
    // Every hit weighs 0: each one counts as 1/k instead.
    const double inv_k = 1.0 / static_cast<double>(k);
    for (std::size_t i = 0; i < k; ++i) {
      const double misses = static_cast<double>(hits[i] - i);
      const double top = static_cast<double>(i + 1) * inv_k - misses / d;
      const double bottom = top - inv_k;
      visit(i, top, bottom);
    }
  }
}

void check_hits(std::span<const double> weights, std::span<const std::size_t> hits) {
  for (const std::size_t h : hits) {
    if (h >= weights.size()) std::abort();  // precondition: hits lie inside the ranking
  }
}

}  // namespace

EsScore calculate_es_quorin(std::span<const double> weights, std::span<const std::size_t> hits,
                            std::size_t n, core::ScoreType score_type) {
  const std::size_t k = hits.size();
  if (k == 0) return {0.0, 0};
  check_hits(weights, hits);
  if (k == n) return {0.0, hits[0]};

  double max_top = -std::numeric_limits<double>::infinity();
  double min_bottom = std::numeric_limits<double>::infinity();
  std::size_t max_index = 0;
  std::size_t min_index = 0;
  walk_hits(weights, hits, n, [&](std::size_t i, double top, double bottom) {
    if (top > max_top) {
      max_top = top;
      max_index = i;
    }
    if (bottom < min_bottom) {
      min_bottom = bottom;
      min_index = i;
    }
  });

  const EsScore pos{max_top, hits[max_index]};
  const EsScore neg{min_bottom, hits[min_index]};
  switch (score_type) {
    case core::ScoreType::Pos:
      return pos;
    case core::ScoreType::Neg:
      return neg;
    case core::ScoreType::Std:
      break;
  }
  if (max_top == -min_bottom) return {0.0, hits[0]};
  return max_top > -min_bottom ? pos : neg;
}

RunningSum running_sum_quorin(std::span<const double> weights, std::span<const std::size_t> hits,
                              std::size_t n) {
  RunningSum sum;
  const std::size_t k = hits.size();
  if (k == 0 || k == n) return sum;
  check_hits(weights, hits);
  sum.top.resize(k);
  sum.bottom.resize(k);
  walk_hits(weights, hits, n, [&](std::size_t i, double top, double bottom) {
    sum.top[i] = top;
    sum.bottom[i] = bottom;
  });
  return sum;
}

}  // namespace varenko::quorin_compat
