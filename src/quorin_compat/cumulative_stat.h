// Cumulative permutation statistic: scores every prefix of one random sample of
// K distinct genes in a single pass, keeping per-block upper convex hulls of the
// running-sum points so that each prefix costs about sqrt(K) operations.
// Entry i of a result is the score of the set of the first i + 1 sampled genes.
// Results are bit-reproducible (fixed operation order). A workspace belongs to
// one thread at a time; the free functions are pure and thread-safe.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/records.h"

namespace varenko::quorin_compat {

// Reusable scratch space for the cumulative statistic, so that scoring many
// samples in a row allocates nothing once its buffers have grown to size K.
class CumulativeStatWorkspace {
 public:
  // Scores every prefix of `sample` (1-based positions into `weights`, distinct,
  // in draw order) for the score type; the returned view stays valid until the
  // next call on this workspace. Stops the process on a position outside 1..n.
  std::span<const double> calc(std::span<const double> weights,
                               std::span<const std::uint32_t> sample, double gsea_param,
                               core::ScoreType score_type);

  // One directional pass: the largest deviation above zero of every prefix,
  // read from the top of the ranking (reverse false) or from the bottom
  // (reverse true). `sample_order` lists the sample indices by increasing
  // position. The view stays valid until the next call on this workspace.
  std::span<const double> stats1(std::span<const double> weights,
                                 std::span<const std::uint32_t> sample, double gsea_param,
                                 std::span<const std::uint32_t> sample_order, bool reverse);

 private:
  void sort_sample(std::span<const std::uint32_t> sample);
  void pass(std::span<const double> weights, std::span<const std::uint32_t> sample,
            double gsea_param, std::span<const std::uint32_t> sample_order, bool reverse,
            std::vector<double>& out);

  std::vector<std::uint32_t> order_;
  std::vector<std::uint32_t> pos_;
  // Prefix tables with a leading zero entry: within_[r] is the in-block sum of
  // the deltas at indices < r, before_[(r + b - 1) / b] the sum of all earlier
  // blocks, so that prefix(r) = within_[r] + before_[...] also holds for r = 0.
  // Each entry pairs the X table (genes outside the set) with the Y table
  // (weight of the set), which are always updated over the same ranges.
  struct XY {
    double x;
    double y;
  };
  std::vector<XY> within_;
  std::vector<XY> before_;
  std::vector<std::uint64_t> keys_;
  std::vector<std::uint32_t> prev_;
  std::vector<std::uint32_t> next_;
  std::vector<std::uint32_t> block_start_;
  std::vector<std::uint32_t> block_end_;
  std::vector<std::uint32_t> summit_;
  std::vector<double> up_;
  std::vector<double> down_;
};

// Returns the score of every prefix of `sample` (1-based positions, distinct,
// in draw order; K < n) for the score type; stops the process on a position
// outside 1..n.
std::vector<double> calc_gsea_stat_cumulative_f64(std::span<const double> weights,
                                                  std::span<const std::uint32_t> sample,
                                                  double gsea_param, core::ScoreType score_type);

// Returns the non-negative largest running-sum deviation of every prefix of
// `sample` in the forward (reverse false) or backward (reverse true) direction;
// `sample_order` must list 0..K-1 by increasing sample position. Stops the
// process on a position outside 1..n or an order entry outside 0..K-1.
std::vector<double> gsea_stats1_f64(std::span<const double> weights,
                                    std::span<const std::uint32_t> sample, double gsea_param,
                                    std::span<const std::uint32_t> sample_order, bool reverse);

}  // namespace varenko::quorin_compat
