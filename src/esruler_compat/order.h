// Exact scores of the ES ruler and their strict order. A `Gsea` holds the
// running-sum enrichment score at its peak as integers (the value
// peak_rank_sum / rank_sum - peak_misses / miss_total is never formed as a
// float); `precedes` compares two of them by cross-multiplication, in 64-bit
// arithmetic when no step overflows and in 128-bit arithmetic otherwise, and
// breaks ties in value by the unsigned key. Also the ruler's uniform index draw.
// Pure functions; safe to call from any thread.
#pragma once

#include <cstdint>

namespace varenko::esruler_compat {

__extension__ typedef __int128 Int128;  // exact fallback of the comparisons

// Exact score of one sample (or a bound or target record) of one ruler.
struct Gsea {
  std::int64_t rank_sum = 0;       // sum of the sample's ranks (never 0 for a scored sample)
  std::int64_t peak_rank_sum = 0;  // rank sum up to and including the peak position
  std::int64_t miss_total = 0;     // n - k
  std::int64_t peak_misses = 0;    // positions outside the sample before the peak
  std::uint64_t key = 0;           // XOR of the sample's gene keys

  bool operator==(const Gsea&) const = default;
};

namespace detail {

// y0 * (x1 * x2 + x0 * (y3 - x3)) - y1 * (x0 * x2) in 64-bit arithmetic (fields
// numbered in declaration order); false when any step overflows.
inline bool cross_term_64(const Gsea& x, const Gsea& y, std::int64_t& out) {
  std::int64_t gap = 0;
  std::int64_t t1 = 0;
  std::int64_t t2 = 0;
  std::int64_t inner = 0;
  std::int64_t left = 0;
  std::int64_t t3 = 0;
  std::int64_t right = 0;
  return !__builtin_sub_overflow(y.peak_misses, x.peak_misses, &gap) &&
         !__builtin_mul_overflow(x.peak_rank_sum, x.miss_total, &t1) &&
         !__builtin_mul_overflow(x.rank_sum, gap, &t2) &&
         !__builtin_add_overflow(t1, t2, &inner) &&
         !__builtin_mul_overflow(y.rank_sum, inner, &left) &&
         !__builtin_mul_overflow(x.rank_sum, x.miss_total, &t3) &&
         !__builtin_mul_overflow(y.peak_rank_sum, t3, &right) &&
         !__builtin_sub_overflow(left, right, &out);
}

// The same expression in 128-bit arithmetic; exact for rank sums below 2^46,
// miss totals below 2^32 and peak rank sums up to 2^63 (target records).
inline Int128 cross_term_128(const Gsea& x, const Gsea& y) {
  const Int128 inner = Int128{x.peak_rank_sum} * x.miss_total +
                       Int128{x.rank_sum} * (Int128{y.peak_misses} - x.peak_misses);
  return Int128{y.rank_sum} * inner - Int128{y.peak_rank_sum} * (Int128{x.rank_sum} * x.miss_total);
}

// Sign (-1, 0, 1) of the cross term of x against y: negative exactly when
// value(x) < value(y) for records with equal positive miss totals.
inline int cross_sign(const Gsea& x, const Gsea& y) {
  std::int64_t v64 = 0;
  if (cross_term_64(x, y, v64)) return (v64 > 0) - (v64 < 0);
  const Int128 v = cross_term_128(x, y);
  return (v > 0) - (v < 0);
}

}  // namespace detail

// True when s comes strictly before o: lower score value, or equal value and a
// smaller key (unsigned). A strict weak order on the scores of one ruler.
inline bool precedes(const Gsea& s, const Gsea& o) {
  if (detail::cross_sign(s, o) < 0) return true;   // value(s) < value(o)
  if (detail::cross_sign(o, s) < 0) return false;  // value(o) < value(s)
  return s.key < o.key;
}

// Fixed-point form of a non-negative score: trunc(score * 2^30), saturating, NaN
// giving 0. Values above 2^31 are cut to 2^31: no score of a ruler exceeds 1, so
// every target above 1 orders the same way, and the cut keeps the comparisons
// against the target within 128 bits.
std::int64_t target_numerator(double score);

// The record (2^30, T, 1, 0, 0) whose value is T / 2^30 and whose key is 0.
inline Gsea target_record(std::int64_t numerator) {
  return Gsea{std::int64_t{1} << 30, numerator, 1, 0, 0};
}

// Uniform index in [0, m), m >= 1: draws 32-bit outputs until one is below
// (2^32 - 1) - ((2^32 - 1) mod m) and returns it mod m. Every rejected output
// is consumed from the engine's stream.
template <typename Engine>
std::uint32_t uniform_index(Engine& rng, std::uint32_t m) {
  constexpr std::uint32_t kMax = 0xffffffffu;
  const std::uint32_t limit = kMax - kMax % m;
  std::uint32_t u = rng.next_u32();
  while (u >= limit) u = rng.next_u32();
  return u % m;
}

}  // namespace varenko::esruler_compat
