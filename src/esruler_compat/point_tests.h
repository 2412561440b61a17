// Exact "point above the bound" tests of the upward walk (private to the
// module). For a bound of the same ruler (equal miss total M, positive rank
// sum b0) the sign of
//   D = X * cum - rs * (b0 * misses + K),  X = b0 * M,  K = b1 * M - b0 * b3,
// is the sign of value(point) - value(bound), so the point is above the bound
// when D > 0, or D = 0 and its key is greater (the order of `precedes`).
#pragma once

#include <cstdint>

#include "esruler_compat/order.h"

namespace varenko::esruler_compat {

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

// Rank sums of a bound the narrow and wide tests serve stay below this.
constexpr std::int64_t kRankSumLimit = std::int64_t{1} << 46;

}  // namespace varenko::esruler_compat
