// Generators that reproduce R's random streams for a given seed: MT19937 and
// MRG32k3a (L'Ecuyer-CMRG), both seeded like R's set.seed (a 50-step linear
// congruential scramble x <- 69069 x + 1, then the state words from the same
// stream), with R's uniform-double conversion, its bounded index draw in the
// rounding (kind 0) and bit-rejection (any other kind) sample kinds, and its
// sampling without replacement. Plain copyable values; one owner thread at a time.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/result.h"
#include "rng_compat/mt19937.h"

namespace varenko::rng_compat {

// Sample kind codes: 0 rounds a scaled uniform, anything else rejects bits.
inline constexpr std::uint32_t kSampleKindRounding = 0;
inline constexpr std::uint32_t kSampleKindRejection = 1;

class RMt19937SeedCompat {
 public:
  // Scrambles `seed` and fills the 624 state words from the congruential stream.
  explicit RMt19937SeedCompat(std::uint32_t seed);

  // Uniform double in (0, 1): next word times 2^-32, kept off 0 and 1.
  double unif_rand();

  // The underlying engine (for tests).
  [[nodiscard]] const Mt19937& engine() const { return mt_; }

 private:
  Mt19937 mt_;
};

class RLecuyerCmrgSeedCompat {
 public:
  using State = std::array<std::uint32_t, 6>;  // s1[0..2], then s2[0..2]

  // Scrambles `seed` and fills the six words from the congruential stream,
  // skipping values at or above 4294944443.
  explicit RLecuyerCmrgSeedCompat(std::uint32_t seed);

  // Uniform double in (0, 1) from one MRG32k3a step.
  double unif_rand();

  // Current six state words.
  [[nodiscard]] const State& state() const { return s_; }

 private:
  State s_{};
};

// Stage and chunk seeds are draws of r_unif_index_with_kind below this bound,
// plus 1 (one value of 1 .. 10^9, as R's sample.int(1e9, 1) gives).
inline constexpr std::uint64_t kSeedBound = 1000000000;

// Index in [0, dn) drawn with the given sample kind; 0 without drawing when dn is 0.
std::uint64_t r_unif_index_with_kind(RMt19937SeedCompat& gen, std::uint64_t dn,
                                     std::uint32_t sample_kind);
// Same draw on the L'Ecuyer generator.
std::uint64_t r_unif_index_with_kind(RLecuyerCmrgSeedCompat& gen, std::uint64_t dn,
                                     std::uint32_t sample_kind);

// `size` distinct values of 1 .. n in draw order; fails when size > n.
core::Result<std::vector<std::uint32_t>> sample_int_no_replace_with_kind(
    RLecuyerCmrgSeedCompat& gen, std::uint32_t n, std::uint32_t size, std::uint32_t sample_kind);

// Caller-owned working memory for repeated sampling without replacement. It
// keeps the list 1, 2, ... intact between calls (each call undoes its own
// swaps), so a call costs O(size) rather than O(n). One owner at a time.
class SampleScratch {
 public:
  SampleScratch() = default;

 private:
  friend core::Status sample_int_no_replace_with_kind(RLecuyerCmrgSeedCompat& gen, std::uint32_t n,
                                                      std::uint32_t size, std::uint32_t sample_kind,
                                                      SampleScratch& scratch,
                                                      std::vector<std::uint32_t>& out);
  std::vector<std::uint32_t> pool_;     // pool_[i] == i + 1 between calls
  std::vector<std::uint32_t> touched_;  // positions overwritten by the current call
};

// Same draws as above written into `out` (cleared first), using `scratch`; fails
// when size > n, leaving the generator untouched.
core::Status sample_int_no_replace_with_kind(RLecuyerCmrgSeedCompat& gen, std::uint32_t n,
                                             std::uint32_t size, std::uint32_t sample_kind,
                                             SampleScratch& scratch,
                                             std::vector<std::uint32_t>& out);

}  // namespace varenko::rng_compat
