// Running-sum enrichment score of one gene set. Every operation is an IEEE
// double operation rounded in the order written, so results are reproducible to
// the bit; only the 1/k of the all-zero-weight case is a precomputed reciprocal.
#include "quorin_compat/es_score.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace varenko::quorin_compat {

EsScore calculate_es_quorin(std::span<const double> weights, std::span<const std::size_t> hits,
                            std::size_t n, core::ScoreType score_type) {
  const std::size_t k = hits.size();
  if (k == 0) return {0.0, 0};
  for (const std::size_t h : hits) {
    if (h >= weights.size()) std::abort();  // precondition: hits lie inside the ranking
  }
  if (k == n) return {0.0, hits[0]};

  double nr = 0.0;
  for (const std::size_t h : hits) nr += std::fabs(weights[h]);

  const double d = static_cast<double>(n - k);
  double max_top = -std::numeric_limits<double>::infinity();
  double min_bottom = std::numeric_limits<double>::infinity();
  std::size_t max_index = 0;
  std::size_t min_index = 0;

  if (nr != 0.0) {
    double cum = 0.0;
    for (std::size_t i = 0; i < k; ++i) {
      const std::size_t h = hits[i];
      const double misses = static_cast<double>(h - i);
      const double w = std::fabs(weights[h]);
      cum += w;
      const double top = cum / nr - misses / d;
      const double bottom = top - w / nr;
      if (top > max_top) {
        max_top = top;
        max_index = i;
      }
      if (bottom < min_bottom) {
        min_bottom = bottom;
        min_index = i;
      }
    }
  } else {
    // Every hit weighs 0: each one counts as 1/k instead.
    const double inv_k = 1.0 / static_cast<double>(k);
    for (std::size_t i = 0; i < k; ++i) {
      const double misses = static_cast<double>(hits[i] - i);
      const double top = static_cast<double>(i + 1) * inv_k - misses / d;
      const double bottom = top - inv_k;
      if (top > max_top) {
        max_top = top;
        max_index = i;
      }
      if (bottom < min_bottom) {
        min_bottom = bottom;
        min_index = i;
      }
    }
  }

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

}  // namespace varenko::quorin_compat
