// Seeding, uniforms and sampling of the R-compatible generators. All integer
// arithmetic follows the published recurrences exactly, and the conversions to
// double use R's constants and operation order, so streams agree to the bit.
#include "rng_compat/r_compat.h"

#include <cmath>
#include <string>

namespace varenko::rng_compat {
namespace {

constexpr std::uint32_t kLcgMultiplier = 69069u;  // x <- 69069 x + 1 (mod 2^32)
constexpr int kScrambleSteps = 50;

// 2^-32, and the values that keep a uniform strictly inside (0, 1).
constexpr double kTwoPowMinus32 = 2.3283064365386963e-10;
constexpr double kUnifLowest = 1.1641532185403984e-10;
constexpr double kUnifHighest = 0.9999999998835847;

// MRG32k3a moduli, multipliers and output normaliser (1 / (m1 + 1)).
constexpr std::int64_t kM1 = 4294967087LL;
constexpr std::int64_t kM2 = 4294944443LL;
constexpr std::int64_t kA12 = 1403580;
constexpr std::int64_t kA13n = 810728;
constexpr std::int64_t kA21 = 527612;
constexpr std::int64_t kA23n = 1370589;
constexpr double kMrgNorm = 2.328306549295727688e-10;

inline std::uint32_t lcg(std::uint32_t x) { return kLcgMultiplier * x + 1u; }

std::uint32_t scramble(std::uint32_t x) {
  for (int i = 0; i < kScrambleSteps; ++i) x = lcg(x);
  return x;
}

// Saturating conversion of a non-negative floored double to u64.
std::uint64_t to_u64_saturating(double v) {
  if (!(v > 0.0)) return 0;  // negative, zero or NaN
  if (v >= 18446744073709551616.0) return UINT64_MAX;
  return static_cast<std::uint64_t>(v);
}

// MT19937 whose 624 words are the congruential stream after the scramble, the
// first value of that stream being discarded.
Mt19937 seeded_engine(std::uint32_t seed) {
  std::uint32_t x = lcg(scramble(seed));
  Mt19937::State words{};
  for (auto& w : words) {
    x = lcg(x);
    w = x;
  }
  return Mt19937::from_state(words, Mt19937::kStateWords);
}

template <typename Gen>
std::uint64_t unif_index(Gen& gen, std::uint64_t dn, std::uint32_t sample_kind) {
  if (dn == 0) return 0;
  if (sample_kind == kSampleKindRounding) {
    const double v = std::floor(gen.unif_rand() * static_cast<double>(dn));
    const std::uint64_t idx = to_u64_saturating(v);
    return idx < dn - 1 ? idx : dn - 1;
  }
  // Bit rejection: assemble 16-bit pieces until `bits` bits are covered, mask,
  // and retry while the value is out of range.
  const int bits = static_cast<int>(std::ceil(std::log2(static_cast<double>(dn))));
  const std::uint64_t mask = bits >= 64 ? UINT64_MAX : (std::uint64_t{1} << bits) - 1;
  for (;;) {
    std::uint64_t v = 0;
    for (int c = 0; c <= bits; c += 16) {
      const auto piece = static_cast<std::uint64_t>(std::floor(gen.unif_rand() * 65536.0));
      v = v * 65536u + piece;
    }
    v &= mask;
    if (v < dn) return v;
  }
}

}  // namespace

RMt19937SeedCompat::RMt19937SeedCompat(std::uint32_t seed) : mt_(seeded_engine(seed)) {}

double RMt19937SeedCompat::unif_rand() {
  const double u = static_cast<double>(mt_.next_u32()) * kTwoPowMinus32;
  if (u <= 0.0) return kUnifLowest;
  if (u >= 1.0) return kUnifHighest;
  return u;
}

RLecuyerCmrgSeedCompat::RLecuyerCmrgSeedCompat(std::uint32_t seed) {
  std::uint32_t x = scramble(seed);
  for (auto& w : s_) {
    do {
      x = lcg(x);
    } while (x >= static_cast<std::uint32_t>(kM2));
    w = x;
  }
}

double RLecuyerCmrgSeedCompat::unif_rand() {
  std::int64_t p1 = kA12 * std::int64_t{s_[1]} - kA13n * std::int64_t{s_[0]};
  p1 -= (p1 / kM1) * kM1;
  if (p1 < 0) p1 += kM1;
  s_[0] = s_[1];
  s_[1] = s_[2];
  s_[2] = static_cast<std::uint32_t>(p1);

  std::int64_t p2 = kA21 * std::int64_t{s_[5]} - kA23n * std::int64_t{s_[3]};
  p2 -= (p2 / kM2) * kM2;
  if (p2 < 0) p2 += kM2;
  s_[3] = s_[4];
  s_[4] = s_[5];
  s_[5] = static_cast<std::uint32_t>(p2);

  const std::int64_t diff = p1 > p2 ? p1 - p2 : p1 - p2 + kM1;
  return static_cast<double>(diff) * kMrgNorm;
}

std::uint64_t r_unif_index_with_kind(RMt19937SeedCompat& gen, std::uint64_t dn,
                                     std::uint32_t sample_kind) {
  return unif_index(gen, dn, sample_kind);
}

std::uint64_t r_unif_index_with_kind(RLecuyerCmrgSeedCompat& gen, std::uint64_t dn,
                                     std::uint32_t sample_kind) {
  return unif_index(gen, dn, sample_kind);
}

core::Status sample_int_no_replace_with_kind(RLecuyerCmrgSeedCompat& gen, std::uint32_t n,
                                             std::uint32_t size, std::uint32_t sample_kind,
                                             SampleScratch& scratch,
                                             std::vector<std::uint32_t>& out) {
  out.clear();
  if (size > n) {
    return core::fail("sample_int_no_replace: size (" + std::to_string(size) +
                      ") must be <= n (" + std::to_string(n) + ")");
  }
  auto& pool = scratch.pool_;
  if (pool.size() < n) {
    const auto old = static_cast<std::uint32_t>(pool.size());
    pool.resize(n);
    for (std::uint32_t i = old; i < n; ++i) pool[i] = i + 1;
  }
  auto& touched = scratch.touched_;
  touched.clear();
  out.reserve(size);
  // Partial Fisher-Yates on 1..n: take x[j], move the last live entry into its
  // place. Only positions j are written, and they are restored afterwards.
  for (std::uint32_t i = 0; i < size; ++i) {
    const std::uint32_t d = n - i;
    const auto j = static_cast<std::uint32_t>(unif_index(gen, d, sample_kind));
    out.push_back(pool[j]);
    pool[j] = pool[d - 1];
    touched.push_back(j);
  }
  for (const std::uint32_t j : touched) pool[j] = j + 1;
  return core::Status::success();
}

core::Result<std::vector<std::uint32_t>> sample_int_no_replace_with_kind(
    RLecuyerCmrgSeedCompat& gen, std::uint32_t n, std::uint32_t size, std::uint32_t sample_kind) {
  SampleScratch scratch;
  std::vector<std::uint32_t> out;
  VARENKO_TRY(sample_int_no_replace_with_kind(gen, n, size, sample_kind, scratch, out));
  return out;
}

}  // namespace varenko::rng_compat
