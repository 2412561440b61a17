// What a chunked sample keeps for the upward walk besides its members
// (private to the module; SampleChunksState holds one of each). None of it
// ever changes a decision: it only makes decisions cheaper.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "esruler_compat/order.h"

namespace varenko::esruler_compat {

// Facts about the sample kept per removed member while the sample and the
// bound stay the same, for deciding most swaps of a small sample in
// constant time (see swap_facts.h).
struct SwapCache {
  Gsea bound;                 // the bound the entries belong to
  std::uint32_t size = 0;     // the k the entries belong to
  std::uint8_t test = 0;      // prepared comparison kind (0: none yet)
  std::int64_t narrow_x = 0;  // its constants X and K
  std::int64_t narrow_k = 0;
  Int128 wide_x = 0;
  Int128 wide_k = 0;
  std::uint32_t generation = 1;      // bumped whenever the sample or bound changes
  std::vector<std::uint32_t> stamp;  // per removed member: generation of its entries
  std::vector<std::uint8_t> usable;  // per removed member
  // No point with more than `miss_limit` misses before it is above the
  // bound, whatever the ranks (set with the narrow comparison). So a new
  // hit with more misses has its own point below the bound. Such a swap is rejected
  // exactly when its new rank lies in the range of the entry (q, removed
  // member), at [q * k + i]: the members before it stay below the bound
  // and the suffix bound holds. A range is derived from its entry when
  // first needed and belongs to the generation it was derived in.
  std::int64_t miss_limit = 0;
  struct RankRange {
    std::int64_t low = 1;
    std::int64_t high = 0;
    std::uint32_t generation = 0;
  };
  std::vector<RankRange> reject_ranks;
  // Per removed member i and count q of remaining members before the new
  // position, at [q * k + i] (one cache line each).
  struct Entry {
    std::int64_t prefix_cum = 0;     // best point among the first q: rank sum
    std::int64_t prefix_weight = 0;  // and its b0 * misses + K (> 0)
    std::int64_t before_cum = 0;     // rank sum of the first q
    std::int64_t padding = 0;
    Int128 suffix_alpha = 0;  // max over the rest of their shifted D at r = 0
    Int128 suffix_beta = 0;   // max over the rest of dD / dr
  };
  std::vector<Entry> entries;

  // Starts a new generation: no stamp or range of an earlier one matches
  // it (after the counter wraps, all are reset).
  void next_generation() {
    if (++generation == 0) {
      std::fill(stamp.begin(), stamp.end(), 0);
      for (auto& range : reject_ranks) range.generation = 0;
      generation = 1;
    }
  }
};

// Per chunk: an upper bound on M * c - rs * m over the chunk's members (M:
// the ruler's miss total, c: the chunk's rank sum up to and including the
// member, m: non-members between the chunk's first position and it) for the
// rank sum rs it was taken at; exact when recorded, raised by each member
// put into the chunk since. Lets a scan pass over a chunk none of whose
// points can be above the bound; kept only for the narrow comparison.
struct ChunkPeak {
  std::int64_t peak = 0;
  std::int64_t rank_sum = 0;  // rs the peak was taken at
  bool valid = false;
};

// A member's running-sum point in the current sample (the non-members
// before it and the rank sum up to and including it), kept up to date by
// the swaps; a swap keeping it above the bound is accepted without a scan.
// Position -1: none known.
struct Candidate {
  std::int64_t position = -1;
  std::int64_t misses = 0;
  std::int64_t rank_sum = 0;
};

}  // namespace varenko::esruler_compat
