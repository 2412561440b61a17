// Chunked samples and the upward random walk of the ES ruler. A swap replaces
// one member position by a random position and is kept exactly when some hit
// of the resulting sample has its running-sum point above the level's bound.
// The decision is made on the swapped sample without changing it (only an
// accepted swap is written); the remembered candidate hit, the per-chunk rank
// sums and recorded per-chunk peaks and, for small samples, per-member facts
// that decide most swaps in constant time only make it cheaper. Every
// comparison is exact in integers, and the draws do not depend on how a
// decision was reached. The samples of a pass walk independently from draws
// taken up front, so a batch of passes may be shared among the worker pool's
// threads with the same result.
#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <span>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include <oneapi/tbb/blocked_range.h>
#include <oneapi/tbb/parallel_for.h>
#include <oneapi/tbb/parallel_invoke.h>
#include <oneapi/tbb/partitioner.h>
#include <oneapi/tbb/task_arena.h>

#include "esruler_compat/es_ruler.h"

namespace varenko::esruler_compat {
namespace {

// Exact "point above the bound" tests. For a bound of the same ruler (equal
// miss total M, positive rank sum b0) the sign of
//   D = X * cum - rs * (b0 * misses + K),  X = b0 * M,  K = b1 * M - b0 * b3,
// is the sign of value(point) - value(bound), so the point is above the bound
// when D > 0, or D = 0 and its key is greater (the order of `precedes`).

// All factors fit in 64 bits; the two products are formed in 128 bits.
struct NarrowPointTest {
  NarrowPointTest(std::int64_t x_in, std::int64_t b0_in, std::int64_t k_in, std::uint64_t key)
      : x(x_in),
        b0(b0_in),
        k(k_in),
        bound_key(key),
        k_over_b0(k_in / b0_in),
        k_mod_b0(k_in % b0_in) {
    if (k_mod_b0 < 0) {
      k_over_b0 -= 1;
      k_mod_b0 += b0;
    }
  }
  std::int64_t x;
  std::int64_t b0;
  std::int64_t k;
  std::uint64_t bound_key;
  // K = b0 * k_over_b0 + k_mod_b0 with 0 <= k_mod_b0 < b0.
  std::int64_t k_over_b0;
  std::int64_t k_mod_b0;
  bool operator()(std::int64_t rank_sum, std::int64_t cum, std::int64_t misses,
                  std::uint64_t key) const {
    const Int128 d = Int128{x} * cum - Int128{rank_sum} * (b0 * misses + k);
    return d > 0 || (d == 0 && key > bound_key);
  }
};

// The same test with 128-bit factors (rank sums below 2^46, M below 2^32).
struct WidePointTest {
  Int128 x;
  Int128 b0;
  Int128 k;
  std::uint64_t bound_key;
  bool operator()(std::int64_t rank_sum, std::int64_t cum, std::int64_t misses,
                  std::uint64_t key) const {
    const Int128 d = x * cum - Int128{rank_sum} * (b0 * misses + k);
    return d > 0 || (d == 0 && key > bound_key);
  }
};

// Any other bound: the order itself.
struct GeneralPointTest {
  Gsea bound;
  std::int64_t miss_total;
  bool operator()(std::int64_t rank_sum, std::int64_t cum, std::int64_t misses,
                  std::uint64_t key) const {
    return precedes(bound, Gsea{rank_sum, cum, miss_total, misses, key});
  }
};

// How a sample's swaps are tested against its bound (SwapCache::test).
enum TestKind : std::uint8_t { kUnprepared, kGeneral, kNarrow, kWide };

constexpr std::int64_t kRankSumLimit = std::int64_t{1} << 46;
// Samples up to this size keep the per-member swap facts (k * k entries of 64
// bytes each), as long as the whole population's facts stay within the budget.
constexpr std::uint32_t kCachedSampleLimit = 48;
constexpr std::uint64_t kCacheEntryBudget = std::uint64_t{1} << 19;
// Below every suffix bound: an empty suffix holds no point.
constexpr Int128 kNoPoint = -(Int128{1} << 126);
// Recorded chunk peaks (see ChunkPeak) stay at or below this; an empty
// chunk's peak is kEmptyPeak, below any point.
constexpr std::int64_t kPeakLimit = std::int64_t{1} << 60;
constexpr std::int64_t kEmptyPeak = -(std::int64_t{1} << 62);
// A swap's draws packed in 32 bits (samples of at most 256 members making one
// swap per pass, rankings of at most 2^24 genes): member index in the top
// eight bits, position below.
constexpr std::uint32_t kPackedPosition = (std::uint32_t{1} << 24) - 1;
inline EsRulerCompat::SwapDraw unpack_draw(std::uint32_t packed) {
  return {packed >> 24, packed & kPackedPosition};
}

// Number of the k positions p[0 .. k) below x (unsigned order), without
// branches, a whole vector at a time: the values after p[k - 1] up to the
// end of the last vector must be readable and none below x (the members of
// later chunks, then the padding of SampleChunksState). The sign flip turns
// the unsigned order into the signed one that the vector compare knows.
inline std::uint32_t count_below(const std::uint32_t* p, std::uint32_t k, std::uint32_t x) {
#if defined(__SSE2__)
  const __m128i flip = _mm_set1_epi32(static_cast<int>(0x80000000u));
  const __m128i vx = _mm_set1_epi32(static_cast<int>(x ^ 0x80000000u));
  __m128i acc = _mm_setzero_si128();
  for (std::uint32_t i = 0; i < k; i += 4) {
    const __m128i v = _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)), flip);
    acc = _mm_sub_epi32(acc, _mm_cmplt_epi32(v, vx));
  }
  acc = _mm_add_epi32(acc, _mm_shuffle_epi32(acc, 0x4e));
  acc = _mm_add_epi32(acc, _mm_shuffle_epi32(acc, 0xb1));
  return static_cast<std::uint32_t>(_mm_cvtsi128_si32(acc));
#else
  std::uint32_t c = 0;
  for (std::uint32_t i = 0; i < k; ++i) c += p[i] < x;
  return c;
#endif
}

// The same for positions stored in 16 bits (x below 2^16), eight at a time.
inline std::uint32_t count_below(const std::uint16_t* p, std::uint32_t k, std::uint32_t x) {
#if defined(__SSE2__)
  const __m128i flip = _mm_set1_epi16(static_cast<short>(0x8000));
  const __m128i vx = _mm_set1_epi16(static_cast<short>(static_cast<std::uint16_t>(x ^ 0x8000u)));
  // Each lane counts at most k / 8 + 1 positions: no 16-bit overflow for k
  // below 2^18.
  __m128i acc = _mm_setzero_si128();
  for (std::uint32_t i = 0; i < k; i += 8) {
    const __m128i v = _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i)), flip);
    acc = _mm_sub_epi16(acc, _mm_cmplt_epi16(v, vx));
  }
  acc = _mm_madd_epi16(acc, _mm_set1_epi16(1));
  acc = _mm_add_epi32(acc, _mm_shuffle_epi32(acc, 0x4e));
  acc = _mm_add_epi32(acc, _mm_shuffle_epi32(acc, 0xb1));
  return static_cast<std::uint32_t>(_mm_cvtsi128_si32(acc));
#else
  std::uint32_t c = 0;
  for (std::uint32_t i = 0; i < k; ++i) c += static_cast<std::uint32_t>(p[i]) < x;
  return c;
#endif
}

#if defined(__x86_64__)
// The same for positions in 16 bits with AVX-512, on the processors that
// have it: 32 positions at a time, the last vector read under a mask (so
// nothing after p[k - 1] is read).
[[gnu::target("avx512bw,popcnt")]] std::uint32_t count_below_avx512(const std::uint16_t* p,
                                                                    std::uint32_t k,
                                                                    std::uint32_t x) {
  const __m512i vx = _mm512_set1_epi16(static_cast<short>(x));
  std::uint32_t c = 0;
  std::uint32_t i = 0;
  for (; i + 32 <= k; i += 32) {
    c += static_cast<std::uint32_t>(
        __builtin_popcount(_mm512_cmplt_epu16_mask(_mm512_loadu_si512(p + i), vx)));
  }
  if (i < k) {
    const __mmask32 m = (std::uint32_t{1} << (k - i)) - 1;
    c += static_cast<std::uint32_t>(__builtin_popcount(
        _mm512_mask_cmplt_epu16_mask(m, _mm512_maskz_loadu_epi16(m, p + i), vx)));
  }
  return c;
}

// Adds `step` to v[lo .. hi) with AVX-512, 16 values at a time under a mask.
[[gnu::target("avx512f")]] void add_to_range_avx512(std::uint32_t* v, std::uint32_t lo,
                                                    std::uint32_t hi, std::uint32_t step) {
  const __m512i add = _mm512_set1_epi32(static_cast<int>(step));
  for (std::uint32_t base = lo & ~15u; base < hi; base += 16) {
    const std::uint32_t from = std::max(lo, base) - base;
    const std::uint32_t to = std::min(hi - base, 16u);
    const auto m = static_cast<__mmask16>(((1u << to) - 1) & ~((1u << from) - 1));
    const __m512i x = _mm512_maskz_loadu_epi32(m, v + base);
    _mm512_mask_storeu_epi32(v + base, m, _mm512_add_epi32(x, add));
  }
}

// Whether the processor (and the system) runs the AVX-512 kernels above;
// asked once.
bool has_avx512() {
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("popcnt");
  }();
  return has;
}
#endif

// count_below with the widest vectors allowed (`vector_kernels`).
template <typename Pos>
inline std::uint32_t count_below(const Pos* p, std::uint32_t k, std::uint32_t x,
                                 [[maybe_unused]] bool vector_kernels) {
#if defined(__x86_64__)
  if constexpr (std::is_same_v<Pos, std::uint16_t>) {
    if (vector_kernels) return count_below_avx512(p, k, x);
  }
#endif
  return count_below(p, k, x);
}

// The new ranks r for which a swap with swap facts `e` (removed member's
// rest of the sample summing to rsT) keeps the members before the new
// position below the bound, (rsT + r) W* > X cum*, i.e. r > floor(X cum* /
// W*) - rsT, and satisfies the suffix bound alpha + r beta < 0; empty when
// there are none.
SampleChunks::SwapCache::RankRange rejection_range(const SampleChunks::SwapCache::Entry& e,
                                                   std::int64_t x, std::int64_t rest_sum) {
  constexpr Int128 kMax = std::numeric_limits<std::int64_t>::max();
  SampleChunks::SwapCache::RankRange range;  // empty
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

// A swap under test: the removed member's chunk, its offset there and its
// rank; the new position, its chunk, the offset of the first member after it
// there and its rank; the swapped sample's rank sum and key.
struct SwapUnderTest {
  std::uint32_t co;
  std::uint32_t j;
  std::uint32_t new_pos;
  std::uint32_t cn;
  std::uint32_t j2;
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
                                             SampleChunks::ChunkPeak* peaks, const SwapUnderTest& s,
                                             std::uint32_t h, std::int64_t cum, std::int64_t misses,
                                             FoundPoint& found) {
  const std::uint32_t first = v.starts[h];
  const Pos* chunk = v.flat + first;
  const std::uint32_t length = v.starts[h + 1] - first;
  const std::int64_t start = h == 0 ? 0 : static_cast<std::int64_t>(v.chunk_last[h - 1]);
  std::int64_t last = start - 1;
  const bool has_old = h == s.co;
  const bool has_new = h == s.cn;
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
  for (std::uint32_t i = 0; i < length; ++i) {
    if (has_new && i == s.j2 && visit(s.new_pos, s.new_rank)) return true;
    if (has_old && i == s.j) continue;
    if (visit(chunk[i], v.ranks[chunk[i]])) return true;
  }
  return has_new && s.j2 == length && visit(s.new_pos, s.new_rank);
}

// A recorded peak after inserting a member of rank r into its chunk (the
// peak taken at rank sum rs_p; M the ruler's miss total): the points after
// the new member rise by at most M r + rs_p, and the new member's own point
// is at most the one before it plus M r (or M r when it comes first).
Int128 peak_after_insert(const SampleChunks::ChunkPeak& pk, std::int64_t miss_total,
                         std::int64_t r) {
  const Int128 rise = Int128{miss_total} * r;
  return std::max(pk.peak + rise + pk.rank_sum, rise);
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
                 SampleChunks::ChunkPeak* peaks, const SwapUnderTest& s, FoundPoint& found) {
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
  const std::uint32_t lo = std::min(s.co, s.cn);
  const std::uint32_t hi = std::max(s.co, s.cn);
  const std::int64_t between = s.co < s.cn ? -1 : 1;
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
          h == s.cn ? static_cast<std::int64_t>(peak_after_insert(pk, m_total, s.new_rank))
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
    return (c == s.co ? -s.old_rank : 0) + (c == s.cn ? s.new_rank : 0);
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

// The scan in 64-bit comparisons where they are exact (unless `wide`).
template <typename Pos>
bool scan_narrow(const NarrowPointTest& t, std::int64_t n, std::int64_t miss_total,
                 std::int64_t miss_limit, const ChunkView<Pos>& v, SampleChunks::ChunkPeak* peaks,
                 const SwapUnderTest& s, bool wide, FoundPoint& found) {
  const ScanPoints sp(t, miss_total, n, s);
  return sp.narrow && !wide ? scan_points<true>(sp, miss_limit, v, peaks, s, found)
                            : scan_points<false>(sp, miss_limit, v, peaks, s, found);
}

// Whether some point of the swapped sample is above the bound, walking its
// hits in order (the removed member left out, the new position merged in)
// and stopping at the first (to `found`); chunks whose optimistic point is not
// above the bound are passed over whole. With `unit_size` k > 0 every hit
// weighs 1 and the rank sum is k (a weightless sample), and every hit is
// visited. For the comparisons without 64-bit scans and for weightless
// samples.
template <typename PointTest, typename Pos>
[[gnu::noinline]] bool scan_plain(const PointTest& above, const ChunkView<Pos>& v,
                                  const SwapUnderTest& s, std::uint32_t unit_size,
                                  FoundPoint& found) {
  const bool unit = unit_size > 0;
  const std::int64_t rank_sum = unit ? static_cast<std::int64_t>(unit_size) : s.rank_sum;
  std::int64_t cum = 0;
  std::int64_t misses = 0;
  std::int64_t last = -1;
  auto visit = [&](std::uint32_t p) {
    misses += static_cast<std::int64_t>(p) - last - 1;
    cum += unit ? 1 : v.ranks[p];
    last = p;
    if (!above(rank_sum, cum, misses, s.key)) return false;
    found = {p, misses, cum};
    return true;
  };
  for (std::uint32_t h = 0; h < v.count; ++h) {
    const std::uint32_t first = v.starts[h];
    const Pos* chunk = v.flat + first;
    const std::uint32_t length = v.starts[h + 1] - first;
    const bool has_old = h == s.co;
    const bool has_new = h == s.cn;
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
    for (std::uint32_t i = 0; i < length; ++i) {
      if (has_new && i == s.j2 && visit(s.new_pos)) return true;
      if (has_old && i == s.j) continue;
      if (visit(chunk[i])) return true;
    }
    if (has_new && s.j2 == length && visit(s.new_pos)) return true;
  }
  return false;
}

}  // namespace

bool EsRulerCompat::use_vector_kernels() const {
#if defined(__x86_64__)
  return !portable_kernels_ && has_avx512();
#else
  return false;
#endif
}

void EsRulerCompat::update_chunk_boundaries() {
  const std::uint32_t count = chunk_count_;
  if (count <= 1) return;
  const std::uint32_t k = pathway_size_;
  std::vector<std::uint32_t> column(sample_size_);
  std::uint32_t pos = 0;
  for (std::uint32_t i = 0; i + 1 < count; ++i) {
    pos += (k + i) / count;
    for (std::uint32_t j = 0; j < sample_size_; ++j) column[j] = samples_[j][pos];
    auto mid = column.begin() + sample_size_ / 2;
    std::nth_element(column.begin(), mid, column.end());
    chunk_last_[i] = *mid;
  }
  index_chunks();
}

template <typename Pos>
BasicSampleChunks<Pos> EsRulerCompat::make_chunks(
    const std::vector<std::uint32_t>& positions) const {
  BasicSampleChunks<Pos> sc(chunk_count_);
  refill_chunks(positions, sc);
  return sc;
}

template <typename Pos>
void EsRulerCompat::refill_chunks(const std::vector<std::uint32_t>& positions,
                                  BasicSampleChunks<Pos>& sc, const SampleSums* sums) const {
  const std::uint32_t count = chunk_count_;
  sc.chunk_sum.assign(count, 0);
  sc.chunk_starts.assign(std::size_t{count} + 1, 0);
  sc.rank_sum = 0;
  sc.key = 0;
  sc.cache.test = kUnprepared;  // the facts belong to the old members
  sc.peaks.clear();
  sc.candidate = {};
  for (const std::uint32_t p : positions) {
    const std::uint32_t c = chunk_of_[p];
    ++sc.chunk_starts[c + 1];
    sc.chunk_sum[c] += ranks_[p];
  }
  if (sums != nullptr) {
    sc.rank_sum = sums->rank_sum;
    sc.key = sums->key;
  } else {
    // Integer sums: the chunks' total is the members' total exactly.
    for (const std::int64_t sum : sc.chunk_sum) sc.rank_sum += sum;
    for (const std::uint32_t p : positions) sc.key ^= gene_keys_[p];
  }
  for (std::uint32_t h = 1; h <= count; ++h) sc.chunk_starts[h] += sc.chunk_starts[h - 1];
  sc.positions.resize(positions.size() + SampleChunksState::kPadding);
  for (std::size_t i = 0; i < positions.size(); ++i) {
    sc.positions[i] = static_cast<Pos>(positions[i]);
  }
  std::fill(sc.positions.begin() + static_cast<std::ptrdiff_t>(positions.size()),
            sc.positions.end(), std::numeric_limits<Pos>::max());
}

// The swaps' random draws, in stream order: for each swap the removed
// member's index, then the new position. Either drawn on demand from the
// engine or read from a block drawn ahead for a whole pass (the draws never
// depend on the decisions, so both give the same values in the same order).
namespace {

class EngineDraws {
 public:
  EngineDraws(rng_compat::Mt19937& rng, const FixedBoundDraw& member,
              const FixedBoundDraw& position)
      : rng_(rng), member_(member), position_(position) {}
  void next(std::uint32_t& member, std::uint32_t& position) {
    member = member_(rng_);
    position = position_(rng_);
  }

 private:
  rng_compat::Mt19937& rng_;
  FixedBoundDraw member_;
  const FixedBoundDraw& position_;
};

class BlockDraws {
 public:
  explicit BlockDraws(const EsRulerCompat::SwapDraw* next) : next_(next) {}
  void next(std::uint32_t& member, std::uint32_t& position) {
    member = next_->member;
    position = next_->position;
    ++next_;
  }
  // The draws of the swap after the next one (there must be one).
  [[nodiscard]] const EsRulerCompat::SwapDraw& peek_second() const { return next_[1]; }

 private:
  const EsRulerCompat::SwapDraw* next_;
};

}  // namespace

template <typename Pos>
std::int32_t EsRulerCompat::perturbate(std::uint32_t k, BasicSampleChunks<Pos>& sample,
                                       const Gsea& bound, rng_compat::Mt19937& rng) {
  EngineDraws draws(rng, k == pathway_size_ ? draw_member_ : FixedBoundDraw(k), draw_position_);
  return perturbate_from(k, sample, bound, draws);
}

std::int32_t EsRulerCompat::swap_iterations(std::uint32_t k) {
  const double scaled = static_cast<double>(k) * 0.1;
  return scaled >= static_cast<double>(std::numeric_limits<std::int32_t>::max())
             ? std::numeric_limits<std::int32_t>::max()
             : std::max<std::int32_t>(1, static_cast<std::int32_t>(scaled));
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
  const std::int64_t kk = cache.narrow_k;
  // Entry (removed, q) lives at q * k + removed: the counts q near k, which
  // most draws ask for, share a few cache lines for all removed members.
  auto row = [&](std::uint32_t q) -> SampleChunks::SwapCache::Entry& {
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
    const std::int64_t weight = b0 * (p - q) + kk;
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

// Whether the swap facts of a sample that keeps them (see has_swap_facts)
// reject the swap `d` by themselves, with the same decision as the exact
// walk; false when they do not decide it.
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
  // lies in the entry's rejection range (the same decision as the tests
  // below, made by two comparisons).
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
  const auto& e = cache.entries[std::size_t{q} * k + d.member];
  const std::int64_t x = cache.narrow_x;
  const std::int64_t b0 = bound.rank_sum;
  // Not above through the members before the new position, nor through the
  // new hit, nor (by the suffix bound) after it.
  if (Int128{rank_sum} * e.prefix_weight <= Int128{x} * e.prefix_cum) return false;
  const std::int64_t misses = static_cast<std::int64_t>(d.position) - q;
  const Int128 dn =
      Int128{x} * (e.before_cum + new_rank) - Int128{rank_sum} * (b0 * misses + cache.narrow_k);
  return dn < 0 && e.suffix_alpha + Int128{new_rank} * e.suffix_beta < 0;
}

template <typename Pos>
std::size_t EsRulerCompat::skip_rejected(BasicSampleChunks<Pos>& sample, const Gsea& bound,
                                         const std::uint32_t* packed, std::size_t from,
                                         std::size_t to) const {
  // The rank of a swap a few passes ahead is a random read: start it early.
  constexpr std::size_t kAhead = 4;
  for (std::size_t b = from; b < to; ++b) {
    if (b + kAhead < to) __builtin_prefetch(&ranks_[packed[b + kAhead] & kPackedPosition]);
    if (!rejected_by_facts(sample, bound, unpack_draw(packed[b]))) return b;
  }
  return to;
}

// Passes in batches. A sample's walk reads only its own chunks, the ruler's
// fixed tables, the bound and its draws, and every pass consumes the same
// number of draws, so once a batch's draws are taken from the engine in
// stream order (pass by pass, sample by sample), each sample can make all its
// swaps of the batch at once, on any thread, with the same result. The budget
// is then checked pass by pass in order. A batch holds at most as many passes
// as were run before it, and the budget is first reached at some pass P > that
// count, so the passes of a batch never go beyond the 2P passes that run in all.
// Once P is known, the rest is cut into batches of any size.
//
// With more than one thread the next batch's draws are taken while the
// current batch walks. Until the budget is reached the next batch's size is
// not known, only its largest possible size: that many passes are drawn, with
// copies of the engine kept every few passes, and when fewer passes are
// needed the engine is put back to the copy before the first unneeded pass
// and brought forward to it by drawing again. The draws used and the engine's
// final state are the same as when each batch is drawn after the previous
// one has walked.
template <typename Pos>
void EsRulerCompat::perturbation_passes(std::vector<BasicSampleChunks<Pos>>& chunked,
                                        const Gsea& bound, std::int64_t needed,
                                        rng_compat::Mt19937& rng) {
  const std::uint32_t k = pathway_size_;
  const auto iterations = static_cast<std::size_t>(swap_iterations(k));
  const std::size_t count = chunked.size();
  if (count == 0) return;
  const std::size_t draws_per_pass = count * iterations;
  // Swaps per batch at most (8 bytes of draws each): until the budget is
  // reached few enough that the draws taken ahead for a batch that turns out
  // shorter waste little; then, with the number of passes known, more, so
  // that the threads meet less often.
  constexpr std::size_t kBatchDraws = std::size_t{1} << 16;
  constexpr std::size_t kKnownBatchDraws = std::size_t{1} << 18;
  const std::size_t max_batch = std::max<std::size_t>(1, kBatchDraws / draws_per_pass);
  const std::size_t max_known_batch = std::max<std::size_t>(1, kKnownBatchDraws / draws_per_pass);
  // Below this many swaps per batch the work is not shared between threads.
  constexpr std::size_t kParallelSwaps = 1024;
  // At most about this many engine copies per speculative batch.
  constexpr std::size_t kCopies = 32;
  const bool threads = tbb::this_task_arena::max_concurrency() > 1;

  // Draws `passes` passes into `out`, in stream order, and stores each
  // sample's draws of all passes together: the draws of swap i of pass b of
  // sample s at (s * passes + b) * iterations + i, so that a sample's walk
  // reads them in order (they are usually written on another core). With
  // `copies`, keeps the engine's state before every `stride`-th pass. The
  // engine's words are tempered a block at a time; the words not used are
  // undrawn at the end (and in the copies).
  // Samples making one swap per pass store each swap's draws in 32 bits when
  // they fit, halving what the walks read.
  const bool packed = iterations == 1 && k <= 256 && ranks_.size() <= kPackedPosition + 1;
  auto draw_passes = [&](std::vector<SwapDraw>& out, std::vector<std::uint32_t>& out_packed,
                         std::size_t passes, std::vector<rng_compat::Mt19937>* copies,
                         std::size_t stride) {
    if (packed) {
      out_packed.resize(passes * draws_per_pass);
    } else {
      out.resize(passes * draws_per_pass);
    }
    std::uint32_t* const packed_out = out_packed.data();
    SwapDraw* const draws_out = out.data();
    if (copies != nullptr) copies->clear();
    std::array<std::uint32_t, rng_compat::Mt19937::kStateWords> words;
    std::size_t have = 0;
    std::size_t at = 0;
    auto next_word = [&] {
      if (at == have) {
        have = rng.take_block(words.data());
        at = 0;
      }
      return words[at++];
    };
    auto draw = [&](const FixedBoundDraw& bounded) {
      std::uint32_t u = next_word();
      while (!bounded.accepts(u)) u = next_word();
      return bounded.remainder(u);
    };
    for (std::size_t b = 0; b < passes; ++b) {
      if (copies != nullptr && b % stride == 0) {
        copies->push_back(rng);
        copies->back().untake(have - at);
      }
      if (packed) {
        for (std::size_t s = 0; s < count; ++s) {
          std::uint32_t member = 0;
          std::uint32_t position = 0;
          if (have - at >= 2 && draw_member_.accepts(words[at]) &&
              draw_position_.accepts(words[at + 1])) {
            member = draw_member_.remainder(words[at]);
            position = draw_position_.remainder(words[at + 1]);
            at += 2;
          } else {
            member = draw(draw_member_);
            position = draw(draw_position_);
          }
          packed_out[s * passes + b] = member << 24 | position;
        }
        continue;
      }
      for (std::size_t s = 0; s < count; ++s) {
        SwapDraw* d = draws_out + (s * passes + b) * iterations;
        for (std::size_t i = 0; i < iterations; ++i) {
          // Nearly always two words at hand, both kept.
          if (have - at >= 2 && draw_member_.accepts(words[at]) &&
              draw_position_.accepts(words[at + 1])) {
            d[i].member = draw_member_.remainder(words[at]);
            d[i].position = draw_position_.remainder(words[at + 1]);
            at += 2;
            continue;
          }
          d[i].member = draw(draw_member_);
          d[i].position = draw(draw_position_);
        }
      }
    }
    rng.untake(have - at);
  };
  // Keeps each sample on the thread that walked it in the previous batch
  // where the load allows, so its data stays in that core's caches.
  tbb::affinity_partitioner affinity;
  // `row` is the number of passes the batch's draws were drawn for (at
  // least `batch`).
  auto walk = [&](std::size_t batch, std::size_t row) {
    pass_moves_.resize(batch * count);  // every entry is written by the walk
    sample_moves_.assign(count, 0);
    auto run_samples = [&](std::size_t first, std::size_t last) {
      for (std::size_t s = first; s < last; ++s) {
        // The bound is fixed for all passes, so whether the sample has swap
        // facts does not change within them.
        const bool facts = has_swap_facts(chunked[s], chunked[s].member_count(), bound);
        const SwapDraw* first_draw = packed ? nullptr : pass_draws_.data() + s * row * iterations;
        const std::uint32_t* first_packed = packed ? pass_packed_.data() + s * row : nullptr;
        std::int32_t* moves_out = pass_moves_.data() + s * batch;
        std::int64_t sample_total = 0;
        for (std::size_t b = 0; b < batch; ++b) {
          // One swap per pass with swap facts (and packed draws): most are
          // rejected by the facts alone. The others go through perturbate
          // with the same draw, so the decisions are the same.
          if (facts && packed) {
            const std::size_t stop = skip_rejected(chunked[s], bound, first_packed, b, batch);
            std::fill(moves_out + b, moves_out + stop, 0);
            if (stop == batch) break;
            b = stop;
          }
          const SwapDraw one = packed ? unpack_draw(first_packed[b]) : SwapDraw{};
          BlockDraws block(packed ? &one : first_draw + b * iterations);
          const std::int32_t m = perturbate_from(k, chunked[s], bound, block);
          moves_out[b] = m;
          sample_total += m;
        }
        sample_moves_[s] = sample_total;
      }
    };
    if (threads && batch * draws_per_pass >= kParallelSwaps && count > 1) {
      tbb::parallel_for(
          tbb::blocked_range<std::size_t>(0, count),
          [&](const tbb::blocked_range<std::size_t>& r) { run_samples(r.begin(), r.end()); },
          affinity);
    } else {
      run_samples(0, count);
    }
  };

  std::int64_t done = 0;
  std::int64_t moves = 0;
  std::int64_t total = -1;  // passes in all, once the budget is reached
  // Size of the batch after `done` passes: as many passes as were run until
  // the budget is reached, then the rest.
  auto batch_after = [&](std::int64_t passes_done) {
    const std::int64_t want =
        total < 0 ? std::max<std::int64_t>(1, passes_done) : total - passes_done;
    const std::size_t cap = total < 0 ? max_batch : max_known_batch;
    return static_cast<std::size_t>(std::min<std::int64_t>(want, static_cast<std::int64_t>(cap)));
  };
  std::size_t batch = batch_after(0);
  draw_passes(pass_draws_, pass_packed_, batch, nullptr, 1);
  std::size_t drawn_ahead = 0;  // passes in next_draws_, drawn while the batch walked
  std::size_t row = batch;      // passes pass_draws_ was drawn for
  while (batch > 0) {
    // The next batch's largest size: its exact size once the budget is known,
    // else the size it has when the budget is not reached in this batch (when
    // it is, the rest, 2P - passes run, is no larger).
    const auto after = done + static_cast<std::int64_t>(batch);
    const std::size_t next_max = batch_after(after);
    const bool overlap = threads && next_max > 0 && next_max * draws_per_pass >= kParallelSwaps &&
                         batch * draws_per_pass >= kParallelSwaps && count > 1;
    const std::size_t stride = std::max<std::size_t>(1, (next_max + kCopies - 1) / kCopies);
    if (overlap) {
      tbb::parallel_invoke(
          [&] { walk(batch, row); },
          [&] { draw_passes(next_draws_, next_packed_, next_max, &engine_copies_, stride); });
      drawn_ahead = next_max;
    } else {
      walk(batch, row);
      drawn_ahead = 0;
    }
    std::int64_t batch_moves = 0;
    if (total < 0) {
      for (std::size_t i = 0; i < count; ++i) batch_moves += sample_moves_[i];
    }
    if (total < 0 && moves + batch_moves < needed) {
      moves += batch_moves;  // the budget is not reached within this batch
    } else if (total < 0) {
      for (std::size_t b = 0; b < batch; ++b) {
        for (std::size_t s = 0; s < count; ++s) moves += pass_moves_[s * batch + b];
        if (moves >= needed) {
          total = 2 * (done + static_cast<std::int64_t>(b) + 1);
          break;
        }
      }
    }
    done = after;
    // Once the number of passes is known, any batch up to the rest will do:
    // no more than were drawn ahead.
    std::size_t next = batch_after(done);
    if (drawn_ahead > 0) next = std::min(next, drawn_ahead);
    if (drawn_ahead > 0) {
      if (next < drawn_ahead) {
        // Fewer passes than drawn: back to the copy before pass `next`'s
        // stride, then forward to pass `next` again.
        const std::size_t copy = next / stride;
        rng = engine_copies_[copy];
        // Into the buffers just walked.
        draw_passes(pass_draws_, pass_packed_, next - copy * stride, nullptr, 1);
      }
      // The first `next` passes of each sample's row are used.
      std::swap(pass_draws_, next_draws_);
      std::swap(pass_packed_, next_packed_);
      row = drawn_ahead;
    } else if (next > 0) {
      draw_passes(pass_draws_, pass_packed_, next, nullptr, 1);
      row = next;
    }
    batch = next;
  }
}

std::int32_t EsRulerCompat::pass_swap(SampleChunks& sample, const Gsea& bound, SwapDraw draw) {
  prepare_swap_cache(pathway_size_, sample, bound);
  if (has_swap_facts(sample, sample.member_count(), bound) &&
      rejected_by_facts(sample, bound, draw)) {
    return 0;
  }
  BlockDraws block(&draw);
  return perturbate_from(pathway_size_, sample, bound, block);
}

bool EsRulerCompat::has_swap_facts(const SampleChunksState& sample, std::size_t members,
                                   const Gsea& bound) const {
  const std::uint32_t k = pathway_size_;
  const auto& cache = sample.cache;
  return k <= kCachedSampleLimit && swap_iterations(k) == 1 && cache.test == kNarrow &&
         cache.stamp.size() == k && members == k && cache.bound == bound;
}

void EsRulerCompat::prepare_swap_cache(std::uint32_t k, SampleChunksState& sample,
                                       const Gsea& bound) const {
  auto& cache = sample.cache;
  const std::int64_t miss_total = static_cast<std::int64_t>(ranks_.size()) - k;
  if (cache.test == kUnprepared || cache.size != k || !(cache.bound == bound)) {
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
            cache.reject_ranks.assign(entry_count, SampleChunks::SwapCache::RankRange{});
          }
          cache.entries.resize(entry_count);  // read only under a current stamp
        }
      }
    }
    if (!keeps_facts) cache.stamp.clear();
  }
}

template <typename Pos, typename Draws>
std::int32_t EsRulerCompat::perturbate_from(std::uint32_t k, BasicSampleChunks<Pos>& sample,
                                            const Gsea& bound, Draws& draws) {
  prepare_swap_cache(k, sample, bound);
  auto& cache = sample.cache;
  const std::int64_t miss_total = static_cast<std::int64_t>(ranks_.size()) - k;
  switch (cache.test) {
    case kNarrow: {
      // Small samples against a bound of this ruler decide most swaps by
      // their swap facts.
      const NarrowPointTest test{cache.narrow_x, bound.rank_sum, cache.narrow_k, bound.key};
      return cache.stamp.size() == k ? perturbate_with<true>(k, sample, test, draws)
                                     : perturbate_with<false>(k, sample, test, draws);
    }
    case kWide:
      return perturbate_with<false>(
          k, sample, WidePointTest{cache.wide_x, bound.rank_sum, cache.wide_k, bound.key}, draws);
    default:
      return perturbate_with<false>(k, sample, GeneralPointTest{bound, miss_total}, draws);
  }
}

template <bool kFacts, typename PointTest, typename Pos, typename Draws>
std::int32_t EsRulerCompat::perturbate_with(std::uint32_t k, BasicSampleChunks<Pos>& sample,
                                            const PointTest& above, Draws& draws) {
  const std::uint32_t count = chunk_count_;
  auto& cache = sample.cache;
  // Not a sample of this size cut at the current boundaries, or a ranking
  // whose positions do not fit Pos: nothing to do.
  if (ranks_.size() - 1 > std::numeric_limits<Pos>::max()) return 0;
  if (sample.positions.size() != k + SampleChunksState::kPadding ||
      sample.chunk_starts.size() != std::size_t{count} + 1 || sample.chunk_sum.size() != count ||
      sample.chunk_starts.back() != k) {
    return 0;
  }
  const std::int64_t miss_total = static_cast<std::int64_t>(ranks_.size()) - k;
  // The sample's and the ruler's arrays, none resized below.
  Pos* const flat = sample.positions.data();
  // starts[h]: the first member of chunk h; ends[h] = starts[h + 1].
  std::uint32_t* const starts = sample.chunk_starts.data();
  std::uint32_t* const ends = starts + 1;
  std::int64_t* const sums = sample.chunk_sum.data();
  const std::int64_t* const ranks = ranks_.data();
  const std::uint64_t* const gene_keys = gene_keys_.data();
  const std::uint16_t* const chunk_of = chunk_of_.data();
  const std::uint32_t* const chunk_last = chunk_last_.data();

  const std::int32_t iterations = swap_iterations(k);
  // Samples small enough to keep swap facts have few, short chunks: they go
  // without recorded peaks.
  const bool large_sample = k > kCachedSampleLimit;
  // The AVX-512 kernels pay for their call only on the chunks of larger
  // samples.
  const bool vector_kernels = large_sample && use_vector_kernels();
  constexpr bool kNarrowTest = std::is_same_v<PointTest, NarrowPointTest>;
  const bool use_peaks = kNarrowTest && large_sample;
  auto& peaks = sample.peaks;
  if (use_peaks && peaks.size() != count) peaks.assign(count, SampleChunks::ChunkPeak{});

  // Constant-time decisions for small samples against a bound of this ruler.
  static_assert(!kFacts || kNarrowTest);
  if constexpr (kFacts) {
    if (cache.stamp.size() != k) return 0;
  }

  std::int32_t moves = 0;
  // The remembered hit carries over from the sample's previous call.
  bool has_candidate = sample.candidate.position >= 0;
  std::int64_t candidate_position = sample.candidate.position;
  std::int64_t candidate_misses = sample.candidate.misses;
  std::int64_t candidate_rank_sum = sample.candidate.rank_sum;

  // The current swap: the removed member (index and position), the new
  // position, the number of members before it, the ranks and the swapped
  // rank sum; then the chunk and offset of the removed member and those of
  // the new position (found only when needed). Declared once, with the
  // helpers below, so the helpers are not rebuilt for every swap.
  std::uint32_t drawn = 0;
  std::uint32_t new_pos = 0;
  std::uint32_t old_pos = 0;
  std::uint32_t flat_index = 0;
  std::int64_t old_rank = 0;
  std::int64_t new_rank = 0;
  std::int64_t rank_sum = 0;
  std::uint32_t co = 0;
  std::uint32_t j = 0;
  std::uint32_t cn = 0;
  std::uint32_t j2 = 0;
  auto swapped_key = [&] { return sample.key ^ gene_keys[old_pos] ^ gene_keys[new_pos]; };
  // Finds the chunks and offsets of the removed member and of the new
  // position (whose chunk holds about sqrt(k) values: counting beats
  // bisecting them, with no chain of dependent loads).
  auto locate = [&] {
    co = chunk_of[old_pos];
    j = drawn - starts[co];
    cn = chunk_of[new_pos];
    const std::uint32_t first = starts[cn];
    j2 = count_below(flat + first, ends[cn] - first, new_pos, vector_kernels);
    flat_index = first + j2;
  };
  // Moves the values of v from index `from` to index `to` (shifting those in
  // between by one) and stores `value` at `to`.
  auto shift_in = [](Pos* v, std::uint32_t from, std::uint32_t to, std::uint32_t value) {
    // One overlapping move either way: the values after `from` up to `to`
    // go down by one, or those from `to` up to before `from` go up by one.
    const bool down = from < to;
    const std::uint32_t dst = down ? from : to + 1;
    const std::uint32_t src = down ? from + 1 : to;
    const std::uint32_t length = down ? to - from : from - to;
    std::memmove(v + dst, v + src, std::size_t{length} * sizeof(Pos));
    v[to] = static_cast<Pos>(value);
  };
  // Writes the located swap into the sample.
  auto commit = [&](std::uint64_t key) {
    shift_in(flat, drawn, drawn < flat_index ? flat_index - 1 : flat_index, new_pos);
    {
      // The chunks from the earlier of the two up to before the later one
      // lose a member (removed first) or gain one (inserted first).
      const std::uint32_t lo = std::min(co, cn);
      const std::uint32_t hi = std::max(co, cn);
      const std::uint32_t step = co < cn ? ~std::uint32_t{0} : 1;
#if defined(__x86_64__)
      if (vector_kernels) {
        add_to_range_avx512(ends, lo, hi, step);
      } else {
        for (std::uint32_t h = lo; h < hi; ++h) ends[h] += step;
      }
#else
      for (std::uint32_t h = lo; h < hi; ++h) ends[h] += step;
#endif
    }
    sums[co] -= old_rank;
    sums[cn] += new_rank;
    if constexpr (kNarrowTest) {
      // The removed member only lowers the points of its chunk; the new one
      // raises those of its chunk by at most its rise. A peak grown beyond
      // any use is dropped before its sums could overflow.
      if (use_peaks && peaks[cn].valid) {
        auto& pk = peaks[cn];
        const Int128 peak = peak_after_insert(pk, miss_total, new_rank);
        pk.peak = static_cast<std::int64_t>(std::min<Int128>(peak, kPeakLimit));
        pk.valid = peak <= kPeakLimit;
      }
    }
    sample.rank_sum = rank_sum;
    sample.key = key;
    cache.next_generation();
    ++moves;
  };

  for (std::int32_t it = 0; it < iterations; ++it) {
    draws.next(drawn, new_pos);
    // The tables a swap reads at random places are mostly out of the first
    // cache level: start the reads of the swap after next now (its removed
    // member is looked up in the sample as it stands, which is only a hint).
    if constexpr (requires { draws.peek_second(); }) {
      if (it + 2 < iterations) {
        const auto& nx = draws.peek_second();
        __builtin_prefetch(&chunk_of[nx.position]);
        __builtin_prefetch(&ranks[nx.position]);
        __builtin_prefetch(&gene_keys[nx.position]);
        const std::uint32_t op = flat[nx.member];
        __builtin_prefetch(&chunk_of[op]);
        __builtin_prefetch(&ranks[op]);
        __builtin_prefetch(&gene_keys[op]);
      }
    }
    old_pos = flat[drawn];
    locate();
    // flat_index: the members before new_pos; a member at or after it that
    // is not new_pos itself is greater.
    const bool is_member = flat_index < k && flat[flat_index] == new_pos;
    if (is_member) [[unlikely]] {
      if (new_pos == old_pos) ++moves;
      continue;
    }

    old_rank = ranks[old_pos];
    new_rank = ranks[new_pos];
    rank_sum = sample.rank_sum + new_rank - old_rank;

    // Whether the swap is kept (with the remembered hit updated to the
    // swapped sample); every kept swap is written by the one commit below.
    const std::uint64_t key = swapped_key();
    const bool accept = [&] {
      if constexpr (kFacts) {
        if (rank_sum != 0) {
          if (cache.stamp[drawn] != cache.generation) fill_swap_facts(sample, drawn, above.b0);
          if (cache.usable[drawn]) {
            const std::uint32_t q = drawn < flat_index ? flat_index - 1 : flat_index;
            const auto& e = cache.entries[std::size_t{q} * k + drawn];
            auto key_wins = [&] { return swapped_key() > above.bound_key; };
            // Some of the members before the new position is above the bound.
            const Int128 lhs = Int128{rank_sum} * e.prefix_weight;
            const Int128 rhs = Int128{above.x} * e.prefix_cum;
            bool kept = lhs < rhs || (lhs == rhs && key_wins());
            if (!kept) {
              // The new hit's own point.
              const std::int64_t misses = static_cast<std::int64_t>(new_pos) - q;
              const Int128 d = Int128{above.x} * (e.before_cum + new_rank) -
                               Int128{rank_sum} * (above.b0 * misses + above.k);
              kept = d > 0 || (d == 0 && key_wins());
            }
            if (kept) {
              has_candidate = false;
              return true;
            }
            if (e.suffix_alpha + Int128{new_rank} * e.suffix_beta < 0) {
              return false;  // no member after the new position is above the bound either
            }
            // Undecided: the exact walk below decides.
          }
        }
      }

      std::int64_t found_position = -1;
      std::int64_t found_misses = 0;
      std::int64_t found_cum = 0;
      auto scan = [&](bool unit) {
        const ChunkView<Pos> view{flat, starts, sums, chunk_last, ranks, count};
        const SwapUnderTest swap{co, j, new_pos, cn, j2, old_rank, new_rank, rank_sum, key};
        FoundPoint found;
        const bool any = scan_plain(above, view, swap, unit ? k : 0, found);
        found_position = found.position;
        found_misses = found.misses;
        found_cum = found.cum;
        return any;
      };

      if (rank_sum == 0) [[unlikely]] {
        // Weightless sample: decided on unit ranks by a plain scan; the candidate
        // belongs to weighted scores and is dropped.
        has_candidate = false;
        return scan(true);
      }

      const std::int64_t old_s = old_pos;
      const std::int64_t new_s = new_pos;
      const bool keep = has_candidate && old_s != candidate_position;
      if (keep) {
        // The candidate hit's point after the swap.
        std::int64_t misses = candidate_misses;
        std::int64_t cum = candidate_rank_sum;
        if (old_s < candidate_position) {
          misses += 1;
          cum -= old_rank;
        }
        if (new_s < candidate_position) {
          misses -= 1;
          cum += new_rank;
        }
        if (above(rank_sum, cum, misses, key)) [[likely]] {
          candidate_misses = misses;
          candidate_rank_sum = cum;
          return true;
        }
      }

      bool found_above = false;
      if constexpr (kNarrowTest) {
        // Out of line: the swap's description is put together only here.
        FoundPoint found;
        auto scan_out_of_line = [&]() __attribute__((noinline)) {
          const ChunkView<Pos> view{flat, starts, sums, chunk_last, ranks, count};
          const SwapUnderTest swap{co, j, new_pos, cn, j2, old_rank, new_rank, rank_sum, key};
          return scan_narrow(above, static_cast<std::int64_t>(ranks_.size()), miss_total,
                             cache.miss_limit, view, use_peaks ? peaks.data() : nullptr, swap,
                             wide_arithmetic_, found);
        };
        found_above = scan_out_of_line();
        found_position = found.position;
        found_misses = found.misses;
        found_cum = found.cum;
      } else {
        found_above = scan(false);
      }
      if (found_above) {
        has_candidate = true;
        candidate_position = found_position;
        candidate_misses = found_misses;
        candidate_rank_sum = found_cum;
        return true;
      }
      // Rejected: the sample is untouched, so the candidate (if any) still
      // describes it.
      return false;
    }();
    if (accept) [[likely]]
      commit(key);
  }
  sample.candidate = {has_candidate ? candidate_position : -1, candidate_misses,
                      candidate_rank_sum};
  return moves;
}

// Positions in 32 bits for any ranking and in 16 bits for rankings of at
// most 2^16 genes (see extend).
template SampleChunks EsRulerCompat::make_chunks(const std::vector<std::uint32_t>&) const;
template BasicSampleChunks<std::uint16_t> EsRulerCompat::make_chunks(
    const std::vector<std::uint32_t>&) const;
template std::int32_t EsRulerCompat::perturbate(std::uint32_t, SampleChunks&, const Gsea&,
                                                rng_compat::Mt19937&);
template std::int32_t EsRulerCompat::perturbate(std::uint32_t, BasicSampleChunks<std::uint16_t>&,
                                                const Gsea&, rng_compat::Mt19937&);
template void EsRulerCompat::refill_chunks(const std::vector<std::uint32_t>&,
                                           BasicSampleChunks<std::uint32_t>&,
                                           const SampleSums*) const;
template void EsRulerCompat::refill_chunks(const std::vector<std::uint32_t>&,
                                           BasicSampleChunks<std::uint16_t>&,
                                           const SampleSums*) const;
template void EsRulerCompat::perturbation_passes(std::vector<BasicSampleChunks<std::uint32_t>>&,
                                                 const Gsea&, std::int64_t, rng_compat::Mt19937&);
template void EsRulerCompat::perturbation_passes(std::vector<BasicSampleChunks<std::uint16_t>>&,
                                                 const Gsea&, std::int64_t, rng_compat::Mt19937&);

}  // namespace varenko::esruler_compat
