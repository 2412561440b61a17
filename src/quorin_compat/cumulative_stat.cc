// Cumulative permutation statistic. Two block prefix-sum tables hold the
// running-sum coordinates of the K + 2 points (X: genes outside the set, Y:
// weight inside it); the points are cut into blocks of about sqrt(K + 1), each
// with an upper hull chain and a summit pointer that only walks towards the
// block start as the slope falls. Every floating-point operation happens in a
// fixed order, so results are reproducible to the bit.
#include "quorin_compat/cumulative_stat.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace varenko::quorin_compat {
namespace {

// Marks a point that was popped off its block's hull chain.
constexpr std::uint32_t kPopped = 0xffffffffu;
// A new chain point that rises less than this above the predecessor of the
// chain's last point never pops it (keeps rounding noise from reshaping
// near-flat stretches of the hull).
constexpr double kMinRise = 1e-13;
// Ceiling of the weight floor, and the factor that puts the floor well below
// the smallest real weight of the sample.
constexpr double kFloorCeiling = 1e-5;
constexpr double kFloorScale = 0.0009765625;  // 2^-10
// Exponents this close to 1 leave the weights unchanged.
constexpr double kUnitExponentTolerance = 1e-15;

}  // namespace

void CumulativeStatWorkspace::sort_sample(std::span<const std::uint32_t> sample) {
  // Sorting (value, index) keys orders by value, then by draw index.
  keys_.resize(sample.size());
  for (std::size_t i = 0; i < sample.size(); ++i) {
    keys_[i] = (static_cast<std::uint64_t>(sample[i]) << 32) | i;
  }
  std::sort(keys_.begin(), keys_.end());
  order_.resize(sample.size());
  for (std::size_t i = 0; i < sample.size(); ++i) order_[i] = static_cast<std::uint32_t>(keys_[i]);
}

void CumulativeStatWorkspace::Pass::init(std::span<const std::uint32_t> sample,
                                         std::span<const std::uint32_t> sample_order,
                                         std::uint32_t n, bool reverse) {
  const auto k = static_cast<std::uint32_t>(sample.size());
  pos.resize(k);
  for (std::uint32_t i = 0; i < k; ++i) pos[sample_order[i]] = reverse ? k - 1 - i : i;

  // Prefix block size b = 2^shift, the smallest power of two with b^2 > K. X
  // is kept in doubles: its entries are integers below 2^53, so its sums are
  // exact and equal the integer arithmetic they stand for.
  shift = 1;
  while ((std::uint64_t{1} << (2 * shift)) <= k) ++shift;
  mask = (std::uint32_t{1} << shift) - 1;
  last_prefix_block = k >> shift;
  within.assign((std::size_t{1} << (2 * shift)) + 1, XY{0.0, 0.0});
  before.assign(last_prefix_block + 2, XY{0.0, 0.0});

  // X starts as the gaps between consecutive sample positions, read from the
  // top or the bottom: X(r) = q_{r-1} + 1 and X(K+1) = n. Its entries are
  // integer sums, so the tables are filled directly rather than by K adds.
  std::int64_t last = reverse ? static_cast<std::int64_t>(n) : -1;
  double total = 0.0;     // sum of the deltas at indices < idx
  double in_block = 0.0;  // sum of the deltas of idx's block up to idx
  for (std::uint32_t idx = 0; idx <= k; ++idx) {
    std::int64_t gap = 0;
    if (idx == k) {
      gap = reverse ? last : static_cast<std::int64_t>(n) - 1 - last;
    } else if (!reverse) {
      const std::int64_t cur = static_cast<std::int64_t>(sample[sample_order[idx]]) - 1;
      gap = cur - last;
      last = cur;
    } else {
      const std::int64_t cur = static_cast<std::int64_t>(sample[sample_order[k - 1 - idx]]) - 1;
      gap = last - cur;
      last = cur;
    }
    if ((idx & mask) == 0) {
      in_block = 0.0;
      before[(idx >> shift) + 1][0] = total;
    }
    const auto d = static_cast<double>(gap);
    in_block += d;
    total += d;
    within[idx + 1][0] = in_block;
  }

  // Hull blocks over the points 0 .. K+1; all points start on Y = 0, so each
  // block's full chain is its hull.
  const std::uint32_t npoints = k + 2;
  s = static_cast<std::uint32_t>(std::sqrt(static_cast<double>(k + 1)));
  nblocks = (k + 1) / s + 1;
  prev.resize(npoints);
  next.resize(npoints);
  block_start.resize(nblocks);
  block_end.resize(nblocks);
  summit.resize(nblocks);
  for (std::uint32_t j = 0; j < nblocks; ++j) {
    const std::uint32_t start = j * s;
    const std::uint32_t end = std::min(start + s - 1, k + 1);
    block_start[j] = start;
    block_end[j] = end;
    prev[start] = start;
    for (std::uint32_t r = start + 1; r <= end; ++r) {
      prev[r] = r - 1;
      next[r - 1] = r;
    }
    next[end] = end;
    summit[j] = end;
  }
  at_summit.resize(nblocks);
  at_prev.resize(nblocks);
  dirty_from = 0;
  cache_ready = false;
}

// Every point r > p moves by (dx, dy).
inline void CumulativeStatWorkspace::Pass::add(std::uint32_t p, double dx, double dy) {
  const std::uint32_t e = p | mask;
  const XY d{dx, dy};
  XY* const w = within.data();
  for (std::uint32_t j = p + 1; j <= e + 1; ++j) w[j] += d;
  XY* const bf = before.data();
  for (std::uint32_t blk = ((e + 1) >> shift) + 1; blk <= last_prefix_block + 1; ++blk)
    bf[blk] += d;
}

inline CumulativeStatWorkspace::Pass::XY CumulativeStatWorkspace::Pass::point(
    std::uint32_t r) const {
  return within[r] + before[(r + mask) >> shift];
}

// Adds sample entry i (weight w) to the set: its point and every later point
// move by (-1, +w), and the hull of the block of the first moved point is
// rebuilt from there.
inline void CumulativeStatWorkspace::Pass::insert(std::uint32_t i, double w) {
  const std::uint32_t p = pos[i];
  add(p, -1.0, w);

  const std::uint32_t c = (p + 1) / s;
  const std::uint32_t end_c = block_end[c];
  std::uint32_t top = std::max(p, block_start[c]);
  std::uint32_t last = p + 1;
  for (std::uint32_t cur = p + 1; cur <= end_c; ++cur) {
    if (prev[top] != top) {
      // Pop the chain's last point T (predecessor P) while T lies below the
      // segment from P to cur (a positive cross product); P becomes the last.
      const XY pc = point(cur);
      XY pt = point(top);
      while (prev[top] != top) {
        const std::uint32_t pp = prev[top];
        const XY pq = point(pp);
        if (pc[1] - pq[1] < kMinRise) break;
        const double cross = (pt[0] - pq[0]) * (pc[1] - pt[1]) - (pc[0] - pt[0]) * (pt[1] - pq[1]);
        if (cross <= 0.0) break;  // a NaN cross pops
        next[top] = kPopped;
        top = pp;
        pt = pq;
      }
    }
    prev[cur] = top;
    next[top] = cur;
    top = cur;
    last = cur;
    if (next[cur] != kPopped) break;  // the chain beyond cur is unchanged
  }
  summit[c] = std::max(summit[c], last);
  // Points up to p did not move: the blocks before c keep their cached points.
  dirty_from = cache_ready ? c : 0;
}

// Moves block j's summit towards the block start while the value
// t * Y - X rises strictly, and returns the value at the summit. Blocks whose
// points did not move since the last walk read their cached points, which are
// the very values point() would return.
inline double CumulativeStatWorkspace::Pass::walk_block(std::uint32_t j, double t) {
  std::uint32_t r = summit[j];
  const std::uint32_t pr0 = prev[r];
  if (j < dirty_from) {
    // Clean block: if the summit stays, the cache stays valid as it is.
    const XY here = at_summit[j];
    const double v = t * here[1] - here[0];
    if (pr0 == r) return v;
    const XY q = at_prev[j];
    const double vp = t * q[1] - q[0];
    if (!(vp > v)) return v;
  }
  XY here = point(r);
  double v = t * here[1] - here[0];
  std::uint32_t pr = pr0;
  if (pr != r) {
    XY q = point(pr);
    double vp = t * q[1] - q[0];
    while (vp > v) {
      r = pr;
      v = vp;
      here = q;
      pr = prev[r];
      if (pr == r) break;  // the block start: nothing before it
      q = point(pr);
      vp = t * q[1] - q[0];
    }
    at_prev[j] = q;
  }
  summit[j] = r;
  at_summit[j] = here;
  return v;
}

void CumulativeStatWorkspace::run(std::span<const double> weights,
                                  std::span<const std::uint32_t> sample, double gsea_param,
                                  std::span<const std::uint32_t> sample_order, bool forward,
                                  bool backward) {
  const auto k = static_cast<std::uint32_t>(sample.size());
  const auto n = static_cast<std::uint32_t>(weights.size());
  if (forward) up_.assign(k, 0.0);
  if (backward) down_.assign(k, 0.0);
  if (k == 0) return;

  // The callers pass a permutation of 0..K-1 as the order. Positions must lie
  // inside the ranking. Weight floor: a share of the smallest non-zero weight
  // of the whole sample.
  double floor_weight = kFloorCeiling;
  for (const std::uint32_t x : sample) {
    if (x == 0 || x > n) std::abort();
    const double a = std::fabs(weights[x - 1]);
    if (a != 0.0 && !std::isnan(a)) floor_weight = std::min(floor_weight, a);
  }
  const double eps = floor_weight * kFloorScale;

  if (forward) fwd_.init(sample, sample_order, n, false);
  if (backward) rev_.init(sample, sample_order, n, true);
  const std::uint32_t nblocks = forward ? fwd_.nblocks : rev_.nblocks;

  const bool unit_exponent = std::fabs(gsea_param - 1.0) < kUnitExponentTolerance;
  double nr = 0.0;
  for (std::uint32_t i = 0; i < k; ++i) {
    const double a = std::fabs(weights[sample[i] - 1]);
    double w = a > eps ? a : eps;  // a NaN magnitude also takes the floor
    if (!unit_exponent) w = std::pow(w, gsea_param);
    nr += w;
    if (forward) fwd_.insert(i, w);
    if (backward) rev_.insert(i, w);

    const std::uint32_t n_out = n - (i + 1);
    const double denom = static_cast<double>(n_out);
    const double t = denom / nr;
    // best starts at 0 and skips NaN values like fmax; no value here is -0.0.
    double best_up = 0.0;
    double best_down = 0.0;
    if (forward && backward) {
      // Both walks in one loop: two independent dependency chains per block.
      for (std::uint32_t j = 0; j < nblocks; ++j) {
        const double vu = fwd_.walk_block(j, t);
        const double vd = rev_.walk_block(j, t);
        if (vu > best_up) best_up = vu;
        if (vd > best_down) best_down = vd;
      }
    } else if (forward) {
      for (std::uint32_t j = 0; j < nblocks; ++j) {
        const double vu = fwd_.walk_block(j, t);
        if (vu > best_up) best_up = vu;
      }
    } else {
      for (std::uint32_t j = 0; j < nblocks; ++j) {
        const double vd = rev_.walk_block(j, t);
        if (vd > best_down) best_down = vd;
      }
    }
    fwd_.cache_ready = forward;
    rev_.cache_ready = backward;
    if (forward) up_[i] = best_up / denom;
    if (backward) down_[i] = best_down / denom;
  }
}

std::span<const double> CumulativeStatWorkspace::stats1(std::span<const double> weights,
                                                        std::span<const std::uint32_t> sample,
                                                        double gsea_param,
                                                        std::span<const std::uint32_t> sample_order,
                                                        bool reverse) {
  // The order comes from the caller here: it must be a permutation of 0..K-1.
  std::vector<bool> seen(sample.size(), false);
  if (sample_order.size() != sample.size()) std::abort();
  for (const std::uint32_t o : sample_order) {
    if (o >= seen.size() || seen[o]) std::abort();
    seen[o] = true;
  }
  run(weights, sample, gsea_param, sample_order, !reverse, reverse);
  return reverse ? down_ : up_;
}

std::span<const double> CumulativeStatWorkspace::calc(std::span<const double> weights,
                                                      std::span<const std::uint32_t> sample,
                                                      double gsea_param,
                                                      core::ScoreType score_type) {
  sort_sample(sample);
  switch (score_type) {
    case core::ScoreType::Pos:
      run(weights, sample, gsea_param, order_, true, false);
      return up_;
    case core::ScoreType::Neg:
      run(weights, sample, gsea_param, order_, false, true);
      for (double& v : down_) v = -v;
      return down_;
    case core::ScoreType::Std:
      break;
  }
  // Forward first, then reverse: equal deviations give 0.
  run(weights, sample, gsea_param, order_, true, true);
  for (std::size_t i = 0; i < up_.size(); ++i) {
    const double up = up_[i];
    const double down = down_[i];
    if (up == down) {
      up_[i] = 0.0;
    } else if (up < down) {
      up_[i] = -down;
    }
  }
  return up_;
}

std::vector<double> calc_gsea_stat_cumulative_f64(std::span<const double> weights,
                                                  std::span<const std::uint32_t> sample,
                                                  double gsea_param, core::ScoreType score_type) {
  CumulativeStatWorkspace ws;
  const auto res = ws.calc(weights, sample, gsea_param, score_type);
  return {res.begin(), res.end()};
}

std::vector<double> gsea_stats1_f64(std::span<const double> weights,
                                    std::span<const std::uint32_t> sample, double gsea_param,
                                    std::span<const std::uint32_t> sample_order, bool reverse) {
  CumulativeStatWorkspace ws;
  const auto res = ws.stats1(weights, sample, gsea_param, sample_order, reverse);
  return {res.begin(), res.end()};
}

}  // namespace varenko::quorin_compat
