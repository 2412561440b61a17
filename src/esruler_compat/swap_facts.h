// The per-member swap facts of small samples (private to the module): for a
// sample of at most kCachedSampleLimit members against a bound of its own
// ruler, facts derived once per removed member decide most swaps in constant
// time, with the same decision as the exact walk.
#pragma once

#include <cstddef>
#include <cstdint>

#include "esruler_compat/es_ruler.h"
#include "esruler_compat/kernels.h"
#include "esruler_compat/order.h"
#include "esruler_compat/point_tests.h"
#include "esruler_compat/walk_state.h"

namespace varenko::esruler_compat {

// Samples up to this size keep the per-member swap facts (k * k entries of 64
// bytes each), as long as the whole population's facts stay within the budget.
constexpr std::uint32_t kCachedSampleLimit = 48;
constexpr std::uint64_t kCacheEntryBudget = std::uint64_t{1} << 19;
// Below every suffix bound: an empty suffix holds no point.
constexpr Int128 kNoPoint = -(Int128{1} << 126);

// What the swap facts say about one swap.
enum class FactsVerdict : std::uint8_t { kKept, kRejected, kUndecided };

// The swap facts' decision on a swap with facts entry `e` (see
// SwapCache::Entry): narrow constants X = `x`, b0 = `b0`, K = `bound_k`; the
// swapped sample's rank sum (not 0), the new rank and the new hit's misses.
// `key_wins()` says whether the swapped sample's key is greater than the
// bound's; it is asked only on a tie. Kept when some member before the new
// position, or the new hit itself, is above the bound; rejected when in
// addition no member after it can be.
template <typename KeyWins>
inline FactsVerdict facts_verdict(const SwapCache::Entry& e, std::int64_t x, std::int64_t b0,
                                  std::int64_t bound_k, std::int64_t rank_sum,
                                  std::int64_t new_rank, std::int64_t misses,
                                  const KeyWins& key_wins) {
  // Some of the members before the new position is above the bound.
  const Int128 lhs = Int128{rank_sum} * e.prefix_weight;
  const Int128 rhs = Int128{x} * e.prefix_cum;
  if (lhs < rhs || (lhs == rhs && key_wins())) return FactsVerdict::kKept;
  // The new hit's own point.
  const Int128 d =
      Int128{x} * (e.before_cum + new_rank) - Int128{rank_sum} * (b0 * misses + bound_k);
  if (d > 0 || (d == 0 && key_wins())) return FactsVerdict::kKept;
  return e.suffix_alpha + Int128{new_rank} * e.suffix_beta < 0 ? FactsVerdict::kRejected
                                                               : FactsVerdict::kUndecided;
}

// The new ranks r for which a swap with swap facts `e` (removed member's
// rest of the sample summing to `rest_sum`) is rejected by the facts
// whatever else holds: empty when there are none.
SwapCache::RankRange rejection_range(const SwapCache::Entry& e, std::int64_t x,
                                     std::int64_t rest_sum);

inline void EsRulerCompat::prepare_swap_cache(std::uint32_t k, SampleChunksState& sample,
                                              const Gsea& bound) const {
  const auto& cache = sample.cache;
  if (cache.test == kUnprepared || cache.size != k || !(cache.bound == bound)) {
    choose_swap_test(k, sample, bound);
  }
}

// Whether the swap facts of a sample that keeps them (see has_swap_facts)
// reject the swap `d` by themselves, with the same decision as the exact
// walk; false when they do not decide it or keep it.
template <typename Pos>
inline bool EsRulerCompat::rejected_by_facts(BasicSampleChunks<Pos>& sample, const Gsea& bound,
                                             SwapDraw d) const {
  const std::uint32_t k = pathway_size_;
  auto& cache = sample.cache;
  const Pos* flat = sample.positions.data();
  const std::uint32_t before = count_below(flat, k, d.position);
  const bool member = before < k && flat[before] == d.position;
  if (member) return false;
  if (cache.stamp[d.member] != cache.generation) fill_swap_facts(sample, d.member, bound.rank_sum);
  if (cache.usable[d.member] == 0) return false;
  // Most swaps of a sample far above the rest: a new hit far down whose rank
  // lies in the entry's rejection range (the same decision as facts_verdict,
  // made by two comparisons).
  const std::uint32_t q = d.member < before ? before - 1 : before;
  const std::int64_t new_rank = ranks_[d.position];
  if (static_cast<std::int64_t>(d.position) - static_cast<std::int64_t>(q) > cache.miss_limit) {
    auto& range = cache.reject_ranks[std::size_t{q} * k + d.member];
    if (range.generation != cache.generation) {
      range = rejection_range(cache.entries[std::size_t{q} * k + d.member], cache.narrow_x,
                              sample.rank_sum - ranks_[flat[d.member]]);
      range.generation = cache.generation;
    }
    if (range.low <= new_rank && new_rank <= range.high) return true;
  }
  // The removed member's rank is read only here: most swaps end above.
  const std::int64_t old_rank = ranks_[flat[d.member]];
  const std::int64_t rank_sum = sample.rank_sum + new_rank - old_rank;
  if (rank_sum == 0) return false;
  const auto key_wins = [&] {
    return (sample.key ^ gene_keys_[flat[d.member]] ^ gene_keys_[d.position]) > bound.key;
  };
  const std::int64_t misses = static_cast<std::int64_t>(d.position) - q;
  return facts_verdict(cache.entries[std::size_t{q} * k + d.member], cache.narrow_x,
                       bound.rank_sum, cache.narrow_k, rank_sum, new_rank, misses,
                       key_wins) == FactsVerdict::kRejected;
}

}  // namespace varenko::esruler_compat
