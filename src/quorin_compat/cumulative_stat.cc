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
#include <numeric>

namespace varenko::quorin_compat {
namespace {

// Marks a point that was popped off its block's hull chain.
constexpr std::uint32_t kPopped = 0xffffffffu;
// Hits below this weight gap never pop a hull point (guards near-collinear
// points against rounding noise).
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

void CumulativeStatWorkspace::pass(std::span<const double> weights,
                                   std::span<const std::uint32_t> sample, double gsea_param,
                                   std::span<const std::uint32_t> sample_order, bool reverse,
                                   std::vector<double>& out) {
  const auto k = static_cast<std::uint32_t>(sample.size());
  const auto n = static_cast<std::uint32_t>(weights.size());
  out.assign(k, 0.0);
  if (k == 0) return;
  if (sample_order.size() != sample.size()) std::abort();

  // Preconditions: positions inside the ranking, order entries inside the sample.
  double floor_weight = kFloorCeiling;
  for (const std::uint32_t x : sample) {
    if (x == 0 || x > n) std::abort();
    const double a = std::fabs(weights[x - 1]);
    if (a != 0.0 && !std::isnan(a)) floor_weight = std::min(floor_weight, a);
  }
  const double eps = floor_weight * kFloorScale;

  pos_.resize(k);
  for (std::uint32_t i = 0; i < k; ++i) {
    const std::uint32_t o = sample_order[i];
    if (o >= k) std::abort();
    pos_[o] = i;
  }
  if (reverse) {
    for (std::uint32_t i = 0; i < k; ++i) pos_[i] = k - 1 - pos_[i];
  }

  // Block size b = 2^shift, the smallest power of two with b^2 > K. X and Y
  // share the index layout, so one table of (x, y) pairs holds both. X is kept
  // in doubles: its entries are integers below 2^53, so its sums are exact and
  // equal the integer arithmetic they stand for.
  unsigned shift = 1;
  while ((std::uint64_t{1} << (2 * shift)) <= k) ++shift;
  const std::uint32_t mask = (std::uint32_t{1} << shift) - 1;
  within_.assign((std::size_t{1} << (2 * shift)) + 1, XY{0.0, 0.0});
  before_.assign((k >> shift) + 2, XY{0.0, 0.0});
  XY* const within = within_.data();
  XY* const before = before_.data();
  const std::uint32_t last_prefix_block = k >> shift;

  // add(p, dx, dy): every point r > p moves by (dx, dy).
  auto add = [&](std::uint32_t p, double dx, double dy) {
    const std::uint32_t e = p | mask;
    for (std::uint32_t j = p + 1; j <= e + 1; ++j) {
      within[j].x += dx;
      within[j].y += dy;
    }
    for (std::uint32_t blk = ((e + 1) >> shift) + 1; blk <= last_prefix_block + 1; ++blk) {
      before[blk].x += dx;
      before[blk].y += dy;
    }
  };
  auto point = [&](std::uint32_t r) {
    const XY& w = within[r];
    const XY& bf = before[(r + mask) >> shift];
    return XY{w.x + bf.x, w.y + bf.y};
  };

  // Gaps between consecutive sample positions, read from the top or the bottom.
  if (!reverse) {
    std::int64_t prev = -1;
    for (std::uint32_t i = 0; i < k; ++i) {
      const std::int64_t cur = static_cast<std::int64_t>(sample[sample_order[i]]) - 1;
      add(i, static_cast<double>(cur - prev), 0.0);
      prev = cur;
    }
    add(k, static_cast<double>(static_cast<std::int64_t>(n) - 1 - prev), 0.0);
  } else {
    std::int64_t prev = n;
    for (std::uint32_t i = 0; i < k; ++i) {
      const std::int64_t cur = static_cast<std::int64_t>(sample[sample_order[k - 1 - i]]) - 1;
      add(i, static_cast<double>(prev - cur), 0.0);
      prev = cur;
    }
    add(k, static_cast<double>(prev), 0.0);
  }

  // Hull blocks over the points 0 .. K+1; all points start on Y = 0.
  const std::uint32_t npoints = k + 2;
  const auto s = static_cast<std::uint32_t>(std::sqrt(static_cast<double>(k + 1)));
  const std::uint32_t nblocks = (k + 1) / s + 1;
  prev_.resize(npoints);
  next_.resize(npoints);
  block_start_.resize(nblocks);
  block_end_.resize(nblocks);
  summit_.resize(nblocks);
  std::uint32_t* prev = prev_.data();
  std::uint32_t* next = next_.data();
  std::uint32_t* summit = summit_.data();
  for (std::uint32_t j = 0; j < nblocks; ++j) {
    const std::uint32_t start = j * s;
    const std::uint32_t end = std::min(start + s - 1, k + 1);
    block_start_[j] = start;
    block_end_[j] = end;
    prev[start] = start;
    for (std::uint32_t r = start + 1; r <= end; ++r) {
      prev[r] = r - 1;
      next[r - 1] = r;
    }
    next[end] = end;
    summit[j] = end;
  }

  const bool unit_exponent = std::fabs(gsea_param - 1.0) < kUnitExponentTolerance;
  double nr = 0.0;
  for (std::uint32_t i = 0; i < k; ++i) {
    const std::uint32_t x = sample[i] - 1;
    const std::uint32_t p = pos_[i];
    const double a = std::fabs(weights[x]);
    double w = a > eps ? a : eps;  // a NaN magnitude also takes the floor
    if (!unit_exponent) w = std::pow(w, gsea_param);

    add(p, -1.0, w);
    nr += w;

    // Rebuild the hull of the block of point p + 1, the first moved point.
    const std::uint32_t c = (p + 1) / s;
    const std::uint32_t end_c = block_end_[c];
    std::uint32_t top = std::max(p, block_start_[c]);
    std::uint32_t last = p + 1;
    for (std::uint32_t cur = p + 1; cur <= end_c; ++cur) {
      while (prev[top] != top) {
        const std::uint32_t pp = prev[top];
        const std::uint32_t t = top;
        const XY pc = point(cur);
        const XY pp_xy = point(pp);
        if (pc.y - pp_xy.y < kMinRise) break;
        const XY pt = point(t);
        const double cross =
            (pt.x - pp_xy.x) * (pc.y - pt.y) - (pc.x - pt.x) * (pt.y - pp_xy.y);
        if (cross <= 0.0) break;  // a NaN cross pops
        next[t] = kPopped;
        top = pp;
      }
      prev[cur] = top;
      next[top] = cur;
      top = cur;
      last = cur;
      if (next[cur] != kPopped) break;
    }
    summit[c] = std::max(summit[c], last);

    // Walk every summit towards the block start while the value rises strictly.
    const std::uint32_t n_out = n - (i + 1);
    const double denom = static_cast<double>(n_out);
    const double t = denom / nr;
    double best = 0.0;
    for (std::uint32_t j = 0; j < nblocks; ++j) {
      std::uint32_t r = summit[j];
      const XY pr_xy = point(r);
      double v = t * pr_xy.y - pr_xy.x;
      for (;;) {
        const std::uint32_t pr = prev[r];
        if (pr == r) break;  // the block start: nothing before it
        const XY q = point(pr);
        const double vp = t * q.y - q.x;
        if (!(vp > v)) break;
        r = pr;
        v = vp;
      }
      summit[j] = r;
      // Same as fmax: NaN values are skipped, and no value here is -0.0.
      if (v > best) best = v;
    }
    out[i] = best / denom;
  }
}

std::span<const double> CumulativeStatWorkspace::stats1(std::span<const double> weights,
                                                        std::span<const std::uint32_t> sample,
                                                        double gsea_param,
                                                        std::span<const std::uint32_t> sample_order,
                                                        bool reverse) {
  pass(weights, sample, gsea_param, sample_order, reverse, up_);
  return up_;
}

std::span<const double> CumulativeStatWorkspace::calc(std::span<const double> weights,
                                                      std::span<const std::uint32_t> sample,
                                                      double gsea_param,
                                                      core::ScoreType score_type) {
  sort_sample(sample);
  switch (score_type) {
    case core::ScoreType::Pos:
      pass(weights, sample, gsea_param, order_, false, up_);
      return up_;
    case core::ScoreType::Neg:
      pass(weights, sample, gsea_param, order_, true, down_);
      for (double& v : down_) v = -v;
      return down_;
    case core::ScoreType::Std:
      break;
  }
  pass(weights, sample, gsea_param, order_, false, up_);
  pass(weights, sample, gsea_param, order_, true, down_);
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
