// Construction (stable descending sort) and integer scaling of a ranking.
#include "core/records.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace varenko::core {
namespace {

constexpr double kTwoPow30 = 1073741824.0;  // the integer weights sum to about this
constexpr double kTwoPow63 = 9223372036854775808.0;

}  // namespace

std::int64_t round_to_int64_saturating(double x) {
  if (std::isnan(x)) return 0;
  const double r = std::nearbyint(x);  // default rounding mode: half to even
  if (r >= kTwoPow63) return std::numeric_limits<std::int64_t>::max();
  if (r < -kTwoPow63) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(r);
}

RankedList RankedList::make(std::vector<std::string> genes, std::vector<double> scores) {
  const std::size_t n = scores.size();
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  // Descending by score; NaN scores form one class placed last. stable_sort keeps
  // input order among equal scores (and among NaNs), and -0.0 ties +0.0.
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    const double sa = scores[a];
    const double sb = scores[b];
    if (std::isnan(sa)) return false;
    if (std::isnan(sb)) return true;
    return sa > sb;
  });
  RankedList out;
  out.genes_.reserve(n);
  out.scores_.reserve(n);
  for (std::size_t i : order) {
    out.genes_.push_back(std::move(genes[i]));
    out.scores_.push_back(scores[i]);
  }
  return out;
}

PreparedStats RankedList::prepare(double p) const {
  PreparedStats st;
  const std::size_t n = scores_.size();
  st.weights.resize(n);
  double total = -0.0;
  double max_abs = 0.0;  // largest finite magnitude among the non-NaN scores
  bool all_finite = true;
  bool any_nonzero = false;
  for (std::size_t i = 0; i < n; ++i) {
    const double s = scores_[i];
    // A NaN score (ranked last) weighs nothing and stays out of the total;
    // pow(NaN, 0) would be 1, so it is handled before the power.
    if (std::isnan(s)) {
      st.weights[i] = 0.0;
      continue;
    }
    st.weights[i] = std::pow(std::fabs(s), p);
    total += st.weights[i];
    all_finite = all_finite && std::isfinite(s);
    any_nonzero = any_nonzero || s != 0.0;
    if (std::isfinite(s)) max_abs = std::max(max_abs, std::fabs(s));
  }
  // Finite scores whose powers overflow the total (or all underflow to 0):
  // 2^30 / S would turn every weight into 0. The shares w_i / S do not change
  // when every score is divided by the largest magnitude first, and then the
  // largest weight is 1 and the total lies in [1, n].
  if (all_finite && any_nonzero && (std::isinf(total) || total == 0.0)) {
    double scaled_total = -0.0;
    std::vector<double> scaled(n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
      if (std::isnan(scores_[i])) continue;
      scaled[i] = std::pow(std::fabs(scores_[i]) / max_abs, p);
      scaled_total += scaled[i];
    }
    if (std::isfinite(scaled_total) && scaled_total > 0.0) {
      st.weights = std::move(scaled);
      total = scaled_total;
    }
  }
  const double q = kTwoPow30 / total;
  // When the weights are so small that 2^30 / S overflows (subnormal scores),
  // scaling by f would make every weight infinite and saturate; scale each
  // weight by its share of the total instead.
  const bool share_scaling = total > 0.0 && std::isinf(q);
  const double f = (q >= 1.0) ? std::floor(q) : q;
  st.int_weights.resize(n);
  std::uint64_t sum = 0;  // unsigned: wraps instead of overflowing on absurd inputs
  for (std::size_t i = 0; i < n; ++i) {
    const double scaled = share_scaling ? kTwoPow30 * (st.weights[i] / total) : f * st.weights[i];
    st.int_weights[i] = round_to_int64_saturating(scaled);
    sum += static_cast<std::uint64_t>(st.int_weights[i]);
  }
  st.int_total = static_cast<std::int64_t>(sum);
  return st;
}

Status check_finite_scores(std::span<const std::string> genes, std::span<const double> scores) {
  const std::size_t n = std::min(genes.size(), scores.size());
  for (std::size_t i = 0; i < n; ++i) {
    if (std::isinf(scores[i])) {
      return fail("ranking score of gene '" + genes[i] + "' is not finite");
    }
  }
  return Status::success();
}

Status check_gsea_param(double p) {
  if (!std::isfinite(p) || p < 0.0) {
    return fail("gsea_param must be a finite value greater than or equal to 0");
  }
  return Status::success();
}

}  // namespace varenko::core
