// The per-member swap facts: which comparison a sample's swaps take against
// a bound, and the facts of removing each member of a small sample.
#include "esruler_compat/swap_facts.h"

#include <algorithm>
#include <array>
#include <limits>

#include "esruler_compat/point_tests.h"

namespace varenko::esruler_compat {

// The new ranks r for which a swap with swap facts `e` (removed member's
// rest of the sample summing to rsT) keeps the members before the new
// position below the bound, (rsT + r) W* > X cum*, i.e. r > floor(X cum* /
// W*) - rsT, and satisfies the suffix bound alpha + r beta < 0; empty when
// there are none.
SwapCache::RankRange rejection_range(const SwapCache::Entry& e,
                                                   std::int64_t x, std::int64_t rest_sum) {
  constexpr Int128 kMax = std::numeric_limits<std::int64_t>::max();
  SwapCache::RankRange range;  // empty
  Int128 low = Int128{x} * e.prefix_cum / e.prefix_weight - rest_sum + 1;
  Int128 high = kMax;
  const Int128 alpha = e.suffix_alpha;
  const Int128 beta = e.suffix_beta;
  if (beta > 0) {
    if (alpha >= 0) return range;
    high = (-alpha - 1) / beta;  // r beta < -alpha
  } else if (alpha >= 0) {
    if (beta == 0) return range;
    low = std::max(low, alpha / -beta + 1);  // r (-beta) > alpha
  }
  low = std::max<Int128>(low, 0);
  if (low > high || low > kMax) return range;
  range.low = static_cast<std::int64_t>(low);
  range.high = static_cast<std::int64_t>(std::min(high, kMax));
  return range;
}

// With member `removed` taken out, the other members T_0 < ... < T_{k-2}
// keep their points (cum_j, misses_j) when the new position comes after
// them, and shift to (cum_j + r, misses_j - 1) when it comes before them
// (r: the new rank; the rank sum becomes rs = rsT + r). A point is above the
// bound when D = X cum - rs W > 0 (or D = 0 and the key is greater), with
// W = b0 misses + K. For the first q members (all W > 0) that holds for
// some member exactly when rs W* < X cum* for the best ratio cum / W among
// them; for the others D = alpha_j + r beta_j, bounded above by the
// maxima of alpha and beta over them.
template <typename Pos>
void EsRulerCompat::fill_swap_facts(BasicSampleChunks<Pos>& sample, std::uint32_t removed,
                                    std::int64_t b0) const {
  const std::uint32_t k = pathway_size_;
  auto& cache = sample.cache;
  const Pos* flat = sample.positions.data();
  const std::int64_t x = cache.narrow_x;
  const std::int64_t bound_k = cache.narrow_k;
  // Entry (removed, q) lives at q * k + removed: the counts q near k, which
  // most draws ask for, share a few cache lines for all removed members.
  auto row = [&](std::uint32_t q) -> SwapCache::Entry& {
    return cache.entries[std::size_t{q} * k + removed];
  };
  const std::int64_t rest_sum = sample.rank_sum - ranks_[flat[removed]];
  // Forward: the prefix facts, and each remaining member's rank sum and W.
  std::array<std::int64_t, kCachedSampleLimit> cums;
  std::array<std::int64_t, kCachedSampleLimit> weights;
  std::int64_t cum = 0;
  std::int64_t best_cum = 0;
  std::int64_t best_weight = 1;  // no member yet: never above
  bool usable = true;
  std::uint32_t q = 0;
  for (std::uint32_t i = 0; i < k; ++i) {
    if (i == removed) continue;
    auto& e = row(q);
    e.prefix_cum = best_cum;
    e.prefix_weight = best_weight;
    e.before_cum = cum;
    const std::int64_t p = flat[i];
    cum += ranks_[p];
    const std::int64_t weight = b0 * (p - q) + bound_k;
    if (weight <= 0) usable = false;
    if (usable && Int128{cum} * best_weight > Int128{best_cum} * weight) {
      best_cum = cum;
      best_weight = weight;
    }
    cums[q] = cum;
    weights[q] = weight;
    ++q;
  }
  auto& last = row(q);
  last.prefix_cum = best_cum;
  last.prefix_weight = best_weight;
  last.before_cum = cum;
  last.suffix_alpha = kNoPoint;
  last.suffix_beta = 0;
  // Backward: the suffix maxima of the shifted points (misses - 1, so W - b0).
  Int128 alpha = kNoPoint;
  Int128 beta = 0;
  for (std::uint32_t i = q; i-- > 0;) {
    alpha = std::max(alpha, Int128{x} * cums[i] - Int128{rest_sum} * (weights[i] - b0));
    beta = std::max(beta, Int128{x} - weights[i] + b0);
    auto& e = row(i);
    e.suffix_alpha = alpha;
    e.suffix_beta = beta;
  }
  cache.stamp[removed] = cache.generation;
  cache.usable[removed] = usable;
}

bool EsRulerCompat::has_swap_facts(const SampleChunksState& sample, std::size_t members,
                                   const Gsea& bound) const {
  const std::uint32_t k = pathway_size_;
  const auto& cache = sample.cache;
  return k <= kCachedSampleLimit && swap_iterations(k) == 1 && cache.test == kNarrow &&
         cache.stamp.size() == k && members == k && cache.bound == bound;
}

void EsRulerCompat::choose_swap_test(std::uint32_t k, SampleChunksState& sample,
                                     const Gsea& bound) const {
  auto& cache = sample.cache;
  const std::int64_t miss_total = static_cast<std::int64_t>(ranks_.size()) - k;
  // A new bound (or size): choose the comparison and forget the swap facts
  // by starting a new generation (facts and ranges of older ones never
  // match it, so their storage is kept as it is).
  cache.bound = bound;
  cache.size = k;
  cache.next_generation();
  bool keeps_facts = false;
  sample.peaks.clear();
  const bool same_ruler = bound.miss_total == miss_total && miss_total > 0 &&
                          miss_total < (std::int64_t{1} << 32) && bound.rank_sum > 0 &&
                          bound.rank_sum < kRankSumLimit && bound.peak_rank_sum >= 0 &&
                          bound.peak_rank_sum < kRankSumLimit && bound.peak_misses >= 0 &&
                          bound.peak_misses <= miss_total;
  cache.test = kGeneral;
  if (same_ruler) {
    const Int128 x = Int128{bound.rank_sum} * miss_total;
    const Int128 c =
        Int128{bound.peak_rank_sum} * miss_total - Int128{bound.rank_sum} * bound.peak_misses;
    const Int128 reach = Int128{bound.rank_sum} * static_cast<std::int64_t>(ranks_.size());
    constexpr Int128 kNarrowLimit = Int128{1} << 62;
    cache.wide_x = x;
    cache.wide_k = c;
    cache.test = kWide;
    if (x < kNarrowLimit && reach + (c < 0 ? -c : c) < kNarrowLimit) {
      cache.narrow_x = static_cast<std::int64_t>(x);
      cache.narrow_k = static_cast<std::int64_t>(c);
      cache.test = kNarrow;
      // Largest miss count m with X - (b0 m + K) >= 0 (floor division).
      // With more misses W = b0 m + K exceeds X, and a point with rank sum
      // cum <= rs has D = X cum - rs W < 0 (rs > 0): no point with more
      // misses is above the bound, whatever the ranks.
      const Int128 room = x - c;
      const Int128 b0 = bound.rank_sum;
      const Int128 limit = room >= 0 ? room / b0 : -((-room + b0 - 1) / b0);
      cache.miss_limit = static_cast<std::int64_t>(limit);
      if (k <= kCachedSampleLimit && std::uint64_t{k} * k * sample_size_ <= kCacheEntryBudget) {
        keeps_facts = true;
        if (cache.stamp.size() != k) {
          cache.stamp.assign(k, 0);
          cache.usable.assign(k, 0);
        }
        const std::size_t entry_count = std::size_t{k} * k;
        if (cache.reject_ranks.size() != entry_count) {
          cache.reject_ranks.assign(entry_count, SwapCache::RankRange{});
        }
        cache.entries.resize(entry_count);  // read only under a current stamp
      }
    }
  }
  if (!keeps_facts) cache.stamp.clear();
}

template void EsRulerCompat::fill_swap_facts(BasicSampleChunks<std::uint16_t>&, std::uint32_t,
                                             std::int64_t) const;
template void EsRulerCompat::fill_swap_facts(BasicSampleChunks<std::uint32_t>&, std::uint32_t,
                                             std::int64_t) const;

}  // namespace varenko::esruler_compat
