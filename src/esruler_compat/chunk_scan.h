// The chunk scans of the upward walk (private to the module): whether some
// running-sum point of a swapped sample is above the bound, read off the
// current chunked sample and the swap without changing the sample.
#pragma once

#include <algorithm>
#include <cstdint>

#include "esruler_compat/order.h"
#include "esruler_compat/point_tests.h"
#include "esruler_compat/walk_state.h"

namespace varenko::esruler_compat {

// Recorded chunk peaks (see ChunkPeak) stay at or below this; an empty
// chunk's peak is kEmptyPeak, below any point.
constexpr std::int64_t kPeakLimit = std::int64_t{1} << 60;
constexpr std::int64_t kEmptyPeak = -(std::int64_t{1} << 62);

// A swap under test: the removed member's chunk, its offset there and its
// rank; the new position, its chunk, the offset of the first member after it
// there and its rank; the swapped sample's rank sum and key.
struct SwapUnderTest {
  std::uint32_t removed_chunk;
  std::uint32_t removed_offset;
  std::uint32_t new_pos;
  std::uint32_t new_chunk;
  std::uint32_t new_offset;
  std::int64_t old_rank;
  std::int64_t new_rank;
  std::int64_t rank_sum;
  std::uint64_t key;
};

// A point above the bound found by a scan: the member, the non-members
// before it and the rank sum up to and including it.
struct FoundPoint {
  std::int64_t position = -1;
  std::int64_t misses = 0;
  std::int64_t cum = 0;
};

// A chunked sample as a scan reads it (see BasicSampleChunks), with the
// ruler's ranks and chunk boundaries.
template <typename Pos>
struct ChunkView {
  const Pos* flat;
  const std::uint32_t* starts;  // chunk h: members [starts[h], starts[h + 1])
  const std::int64_t* sums;
  const std::uint32_t* chunk_last;
  const std::int64_t* ranks;
  std::uint32_t count;
};

// A recorded peak after inserting a member of rank r into its chunk (the
// peak taken at rank sum rs_p; M the ruler's miss total): the points after
// the new member rise by at most M r + rs_p, and the new member's own point
// is at most the one before it plus M r (or M r when it comes first).
inline Int128 peak_after_insert(const ChunkPeak& pk, std::int64_t miss_total, std::int64_t r) {
  const Int128 rise = Int128{miss_total} * r;
  return std::max(pk.peak + rise + pk.rank_sum, rise);
}

// Whether some point of the swapped sample `s` is above the bound of the
// narrow test `t`, comparing 64-bit values where they are exact (unless
// `wide`); chunks are passed over whole where their optimistic point, or
// with `peaks` their recorded peak, rules them out, and the scan stops past
// `miss_limit` misses. The first point found goes to `found`. With `peaks`
// the peaks of walked chunks that the swap does not touch are recorded.
template <typename Pos>
bool scan_narrow(const NarrowPointTest& t, std::int64_t n, std::int64_t miss_total,
                 std::int64_t miss_limit, const ChunkView<Pos>& v, ChunkPeak* peaks,
                 const SwapUnderTest& s, bool wide, FoundPoint& found);

// Whether some point of the swapped sample is above the bound of `above`,
// walking its hits in order and stopping at the first (to `found`); chunks
// whose optimistic point is not above the bound are passed over whole. With
// `unit_size` k > 0 every hit weighs 1 and the rank sum is k (a weightless
// sample), and every hit is visited. For the comparisons without 64-bit
// scans and for weightless samples.
template <typename PointTest, typename Pos>
bool scan_plain(const PointTest& above, const ChunkView<Pos>& v, const SwapUnderTest& s,
                std::uint32_t unit_size, FoundPoint& found);

}  // namespace varenko::esruler_compat
