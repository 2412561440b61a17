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
  // One directional pass: the two prefix tables, the hull chains and the
  // block summits, over the points 0 .. K+1.
  struct Pass {
    // An (x, y) pair of the X table (genes outside the set) and the Y table
    // (weight of the set), which share their index layout and are always
    // updated over the same ranges; each lane is an ordinary IEEE double, so
    // pairwise operations round exactly like the two scalar ones.
    using XY = double __attribute__((vector_size(16)));
    // Leading-zero layout: within[r] is the in-block sum of the deltas at
    // indices < r, before[(r + b - 1) / b] the sum of all earlier blocks, so
    // that a point is within[r] + before[...] also for r = 0.
    std::vector<XY> within;
    std::vector<XY> before;
    std::vector<std::uint32_t> pos;  // sorted rank of each sample entry
    std::vector<std::uint32_t> prev;
    std::vector<std::uint32_t> next;
    std::vector<std::uint32_t> block_start;
    std::vector<std::uint32_t> block_end;
    std::vector<std::uint32_t> summit;
    // Per block, the point at the summit and at its predecessor as of the last
    // walk; valid for blocks before dirty_from, whose points have not moved.
    std::vector<XY> at_summit;
    std::vector<XY> at_prev;
    std::uint32_t dirty_from = 0;
    bool cache_ready = false;  // set once every block has been walked
    unsigned shift = 1;        // prefix block size b = 2^shift
    std::uint32_t mask = 1;    // b - 1
    std::uint32_t last_prefix_block = 0;
    std::uint32_t s = 1;        // hull block size
    std::uint32_t nblocks = 0;  // hull blocks

    void init(std::span<const std::uint32_t> sample, std::span<const std::uint32_t> sample_order,
              std::uint32_t n, bool reverse);
    void add(std::uint32_t p, double dx, double dy);
    [[nodiscard]] XY point(std::uint32_t r) const;
    void insert(std::uint32_t i, double w);
    double walk_block(std::uint32_t j, double t);
  };

  void sort_sample(std::span<const std::uint32_t> sample);
  void run(std::span<const double> weights, std::span<const std::uint32_t> sample,
           double gsea_param, std::span<const std::uint32_t> sample_order, bool forward,
           bool backward);

  std::vector<std::uint64_t> keys_;
  std::vector<std::uint32_t> order_;
  Pass fwd_;
  Pass rev_;
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
