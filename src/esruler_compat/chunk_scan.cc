// The chunk scans of the upward walk: the optimistic bound of each chunk,
// recorded chunk peaks and, where neither rules a chunk out, the walk of its
// points one by one.
#include "esruler_compat/chunk_scan.h"

#include <algorithm>
#include <cstdint>

namespace varenko::esruler_compat {
namespace {

// Visits the points of chunk h of the swapped sample in order, the removed
// member left out and the new position merged in, calling visit(position,
// rank) until it returns true; whether it did.
template <typename Pos, typename Visit>
inline bool walk_swapped_chunk(const ChunkView<Pos>& v, const SwapUnderTest& s, std::uint32_t h,
                               Visit&& visit) {
  const std::uint32_t first = v.starts[h];
  const Pos* chunk = v.flat + first;
  const std::uint32_t length = v.starts[h + 1] - first;
  const bool has_old = h == s.removed_chunk;
  const bool has_new = h == s.new_chunk;
  for (std::uint32_t i = 0; i < length; ++i) {
    if (has_new && i == s.new_offset && visit(s.new_pos, s.new_rank)) return true;
    if (has_old && i == s.removed_offset) continue;
    if (visit(chunk[i], v.ranks[chunk[i]])) return true;
  }
  return has_new && s.new_offset == length && visit(s.new_pos, s.new_rank);
}

// The points of one swapped sample against the bound: the exact D of a
// point (rank sum c up to and including it, m non-members before it) is
//   D = X c - rs (b0 m + K) = b0 Z - rs K,  Z = M c - rs m  (X = b0 M),
// and the point is above the bound when D > floor (D > 0, or D = 0 with the
// greater key). When rs n is below 2^60 every Z is too (c <= rs, m <= M < n),
// and with rs K = b0 q + r (0 <= r < b0) D > floor exactly when Z >=
// threshold: Z > q, or Z = q when r = 0 and the key is greater. So a scan
// compares 64-bit values, after one division per swap; recorded chunk peaks
// (in units of Z) are consulted then too.
struct ScanPoints {
  ScanPoints(const NarrowPointTest& test, std::int64_t miss_total, std::int64_t n,
             const SwapUnderTest& s)
      : t(test), rs(s.rank_sum), floor(s.key > test.bound_key ? -1 : 0), m_total(miss_total) {
    narrow = Int128{rs} * n < kPeakLimit;
    if (!narrow) return;
    // rs K = b0 (rs k_over_b0) + rs k_mod_b0, the last split by one 64-bit
    // division when rs b0 fits (|rs k_over_b0| <= rs M stays below 2^60).
    std::int64_t q = 0;
    std::int64_t r = 0;
    if (Int128{rs} * t.b0 < (Int128{1} << 63)) {
      const auto rest = static_cast<std::uint64_t>(rs) * static_cast<std::uint64_t>(t.k_mod_b0);
      const auto b0 = static_cast<std::uint64_t>(t.b0);
      q = rs * t.k_over_b0 + static_cast<std::int64_t>(rest / b0);
      r = static_cast<std::int64_t>(rest % b0);
    } else {
      const Int128 rs_k = Int128{rs} * t.k;
      Int128 wide_q = rs_k / t.b0;
      Int128 wide_r = rs_k % t.b0;
      if (wide_r < 0) {
        wide_q -= 1;
        wide_r += t.b0;
      }
      q = static_cast<std::int64_t>(wide_q);
      r = static_cast<std::int64_t>(wide_r);
    }
    threshold = q + (r == 0 && floor < 0 ? 0 : 1);
  }
  [[nodiscard]] Int128 d(std::int64_t c, std::int64_t m) const {
    return Int128{t.x} * c - Int128{rs} * (t.b0 * m + t.k);
  }
  [[nodiscard]] std::int64_t z(std::int64_t c, std::int64_t m) const {
    return m_total * c - rs * m;
  }

  const NarrowPointTest& t;
  std::int64_t rs;
  Int128 floor;
  std::int64_t m_total;
  bool narrow = false;
  std::int64_t threshold = 0;  // with `narrow`
};

// Whether some point of chunk h of the swapped sample is above the bound,
// given the rank sum `cum` and the non-members `misses` before the chunk's
// first position, walking it point by point (comparing Z when kZ). With
// `peaks`, a walked chunk holding neither the removed member nor the new
// position has its peak recorded.
template <bool kZ, typename Pos>
[[gnu::noinline]] bool chunk_has_point_above(const ScanPoints& sp, const ChunkView<Pos>& v,
                                             ChunkPeak* peaks, const SwapUnderTest& s,
                                             std::uint32_t h, std::int64_t cum, std::int64_t misses,
                                             FoundPoint& found) {
  const std::uint32_t first = v.starts[h];
  const Pos* chunk = v.flat + first;
  const std::uint32_t length = v.starts[h + 1] - first;
  const std::int64_t start = h == 0 ? 0 : static_cast<std::int64_t>(v.chunk_last[h - 1]);
  std::int64_t last = start - 1;
  const bool has_old = h == s.removed_chunk;
  const bool has_new = h == s.new_chunk;
  auto above = [&](std::int64_t c, std::int64_t m) {
    if constexpr (kZ) {
      return sp.z(c, m) >= sp.threshold;
    } else {
      return sp.d(c, m) > sp.floor;
    }
  };
  if (kZ && peaks != nullptr && !has_old && !has_new) {
    const std::int64_t base = sp.z(cum, misses);
    std::int64_t best = kEmptyPeak;
    for (std::uint32_t i = 0; i < length; ++i) {
      const std::int64_t p = chunk[i];
      misses += p - last - 1;
      cum += v.ranks[p];
      last = p;
      const std::int64_t zv = sp.z(cum, misses);
      if (zv >= sp.threshold) {
        found = {p, misses, cum};
        return true;
      }
      best = std::max(best, zv - base);
    }
    auto& pk = peaks[h];
    pk.peak = best;
    pk.rank_sum = sp.rs;
    pk.valid = true;
    return false;
  }
  auto visit = [&](std::int64_t p, std::int64_t rank) {
    misses += p - last - 1;
    cum += rank;
    last = p;
    if (!above(cum, misses)) return false;
    found = {p, misses, cum};
    return true;
  };
  return walk_swapped_chunk(v, s, h, visit);
}

// Whether some point of the swapped sample is above the bound (the first
// one found goes to `found`), comparing Z when kZ. Every point of chunk h
// lies at or below the chunk's optimistic point (its whole rank sum with the
// misses before it) and, with a recorded peak (consulted with Z), below the
// chunk's base plus the peak (with the new member's rise when it goes into
// the chunk, and raised by the most a smaller rank sum than the peak's can
// add, over the chunk's width); a chunk is walked point by point only when
// both bounds are above the bound. Past `miss_limit` misses no point is
// above the bound.
template <bool kZ, typename Pos>
bool scan_points(const ScanPoints& sp, std::int64_t miss_limit, const ChunkView<Pos>& v,
                 ChunkPeak* peaks, const SwapUnderTest& s, FoundPoint& found) {
  const std::int64_t rs = sp.rs;
  const std::int64_t m_total = sp.m_total;
  const std::int64_t* const sums = v.sums;
  const std::uint32_t* const ends = v.starts + 1;
  const std::uint32_t* const chunk_last = v.chunk_last;
  // The chunks are taken in runs around the earlier (lo) and the later (hi)
  // of the removed member's and the new position's chunks: before lo, lo
  // itself, between lo and hi, hi itself (none when lo = hi) and after hi.
  // Within a run the swapped sample has a fixed number of members more or
  // fewer before each chunk than the current one (none before lo and after
  // hi; between them one fewer when the removed member comes first, one more
  // when the new one does); only the sums of lo and hi change. Each run of
  // several chunks has a loop of its own that keeps only the running sums,
  // the run's limits and the chunk index live.
  const std::uint32_t lo = std::min(s.removed_chunk, s.new_chunk);
  const std::uint32_t hi = std::max(s.removed_chunk, s.new_chunk);
  const std::int64_t between = s.removed_chunk < s.new_chunk ? -1 : 1;
  // The rank sum before chunk h, its first position and the members of the
  // current sample before it.
  std::int64_t cum = 0;
  std::int64_t start = 0;
  std::int64_t before = 0;
  std::uint32_t h = 0;
  // Whether the swapped sample's optimistic point of chunk h (rank sum `next`
  // up to its end, `misses` non-members before it) is above the bound.
  auto optimistic_above = [&](std::int64_t next, std::int64_t misses) {
    if constexpr (kZ) {
      return sp.z(next, misses) >= sp.threshold;
    } else {
      return sp.d(next, misses) > sp.floor;
    }
  };
  // Whether chunk h (`misses` non-members before it) holds a point above the
  // bound, once its optimistic point is: the recorded peak may still rule it
  // out.
  auto holds_point_above = [&](std::int64_t misses) {
    if (kZ && peaks != nullptr && peaks[h].valid) {
      // Z below 2^60 in size, the peak between -2^62 and 2^61 + 2^46 and the
      // raise below 2^60 (see ScanPoints and kPeakLimit): the sum fits in 64
      // bits.
      const auto& pk = peaks[h];
      const std::int64_t peak =
          h == s.new_chunk ? static_cast<std::int64_t>(peak_after_insert(pk, m_total, s.new_rank))
                    : pk.peak;
      const std::int64_t width = static_cast<std::int64_t>(chunk_last[h]) - start;
      if (sp.z(cum, misses) + peak + std::max<std::int64_t>(0, pk.rank_sum - rs) * width <
          sp.threshold) {
        return false;
      }
    }
    return chunk_has_point_above<kZ>(sp, v, peaks, s, h, cum, misses, found);
  };
  // Tests the chunks up to `end`, the swapped sample having `extra` members
  // more before each than the current one. Returns 1 when a point above the
  // bound was found, -1 when the miss limit was passed, else 0. With `gap`
  // non-members before a chunk in the current sample the swapped sample has
  // gap - extra; with Z the optimistic test is M (cum + sum) - rs gap >=
  // threshold - rs extra.
  auto run = [&](std::uint32_t end, std::int64_t extra) {
    const std::int64_t limit = miss_limit + extra;
    const std::int64_t reach = sp.threshold - rs * extra;
    for (; h < end; ++h) {
      const std::int64_t gap = start - before;
      if (gap > limit) [[unlikely]]
        return -1;
      const std::int64_t next = cum + sums[h];
      bool above = false;
      if constexpr (kZ) {
        above = m_total * next - rs * gap >= reach;
      } else {
        above = optimistic_above(next, gap - extra);
      }
      if (above) [[unlikely]] {
        if (holds_point_above(gap - extra)) return 1;
      }
      cum = next;
      start = chunk_last[h];
      before = ends[h];
    }
    return 0;
  };
  // Chunk h alone, its sum changed by `change`.
  auto single = [&](std::int64_t extra, std::int64_t change) {
    const std::int64_t gap = start - before;
    if (gap > miss_limit + extra) return -1;
    const std::int64_t next = cum + sums[h] + change;
    if (optimistic_above(next, gap - extra) && holds_point_above(gap - extra)) return 1;
    cum = next;
    start = chunk_last[h];
    before = ends[h];
    ++h;
    return 0;
  };
  auto change_of = [&](std::uint32_t c) {
    return (c == s.removed_chunk ? -s.old_rank : 0) + (c == s.new_chunk ? s.new_rank : 0);
  };
  int r = run(lo, 0);
  if (r == 0) r = single(0, change_of(lo));
  if (hi != lo) {
    if (r == 0) r = run(hi, between);
    if (r == 0) r = single(between, change_of(hi));
  }
  if (r == 0) r = run(v.count, 0);
  return r > 0;
}

}  // namespace

template <typename Pos>
bool scan_narrow(const NarrowPointTest& t, std::int64_t n, std::int64_t miss_total,
                 std::int64_t miss_limit, const ChunkView<Pos>& v, ChunkPeak* peaks,
                 const SwapUnderTest& s, bool wide, FoundPoint& found) {
  const ScanPoints sp(t, miss_total, n, s);
  return sp.narrow && !wide ? scan_points<true>(sp, miss_limit, v, peaks, s, found)
                            : scan_points<false>(sp, miss_limit, v, peaks, s, found);
}

template <typename PointTest, typename Pos>
bool scan_plain(const PointTest& above, const ChunkView<Pos>& v, const SwapUnderTest& s,
                std::uint32_t unit_size, FoundPoint& found) {
  const bool unit = unit_size > 0;
  const std::int64_t rank_sum = unit ? static_cast<std::int64_t>(unit_size) : s.rank_sum;
  std::int64_t cum = 0;
  std::int64_t misses = 0;
  std::int64_t last = -1;
  auto visit = [&](std::int64_t p, std::int64_t rank) {
    misses += p - last - 1;
    cum += unit ? 1 : rank;
    last = p;
    if (!above(rank_sum, cum, misses, s.key)) return false;
    found = {p, misses, cum};
    return true;
  };
  for (std::uint32_t h = 0; h < v.count; ++h) {
    const std::uint32_t length = v.starts[h + 1] - v.starts[h];
    const bool has_old = h == s.removed_chunk;
    const bool has_new = h == s.new_chunk;
    if (!unit) {
      const std::int64_t chunk_sum =
          v.sums[h] - (has_old ? s.old_rank : 0) + (has_new ? s.new_rank : 0);
      if (!above(rank_sum, cum + chunk_sum, misses, s.key)) {
        // No point of this chunk is above the bound: account for it whole.
        const std::int64_t members = static_cast<std::int64_t>(length) - has_old + has_new;
        const std::int64_t chunk_end = v.chunk_last[h];
        cum += chunk_sum;
        misses += chunk_end - last - 1 - members;
        last = chunk_end - 1;
        continue;
      }
    }
    if (walk_swapped_chunk(v, s, h, visit)) return true;
  }
  return false;
}

template bool scan_narrow(const NarrowPointTest&, std::int64_t, std::int64_t, std::int64_t,
                          const ChunkView<std::uint16_t>&, ChunkPeak*, const SwapUnderTest&, bool,
                          FoundPoint&);
template bool scan_narrow(const NarrowPointTest&, std::int64_t, std::int64_t, std::int64_t,
                          const ChunkView<std::uint32_t>&, ChunkPeak*, const SwapUnderTest&, bool,
                          FoundPoint&);
#define VARENKO_SCAN_PLAIN(PointTest, Pos)                                                 \
  template bool scan_plain(const PointTest&, const ChunkView<Pos>&, const SwapUnderTest&, \
                           std::uint32_t, FoundPoint&);
VARENKO_SCAN_PLAIN(NarrowPointTest, std::uint16_t)
VARENKO_SCAN_PLAIN(NarrowPointTest, std::uint32_t)
VARENKO_SCAN_PLAIN(WidePointTest, std::uint16_t)
VARENKO_SCAN_PLAIN(WidePointTest, std::uint32_t)
VARENKO_SCAN_PLAIN(GeneralPointTest, std::uint16_t)
VARENKO_SCAN_PLAIN(GeneralPointTest, std::uint32_t)
#undef VARENKO_SCAN_PLAIN

}  // namespace varenko::esruler_compat
