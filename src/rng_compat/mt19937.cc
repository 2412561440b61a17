// Standard MT19937 seeding and state regeneration; the tempering and the
// bounded draw are inline in the header because they are the inner loop of the
// permutation engines.
#include "rng_compat/mt19937.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace varenko::rng_compat {
namespace {

// Constants of the published algorithm. These are all magic. Don't change.
constexpr std::size_t kShift = 397;              // M
constexpr std::uint32_t kMatrixA = 0x9908b0dfu;  // twist matrix
constexpr std::uint32_t kUpperMask = 0x80000000u;
constexpr std::uint32_t kLowerMask = 0x7fffffffu;
constexpr std::uint32_t kInitMultiplier = 1812433253u;

inline std::uint32_t twist(std::uint32_t upper, std::uint32_t lower, std::uint32_t far) {
  const std::uint32_t y = (upper & kUpperMask) | (lower & kLowerMask);
  return far ^ (y >> 1) ^ ((y & 1u) != 0 ? kMatrixA : 0u);
}

}  // namespace

Mt19937::Mt19937(std::uint32_t seed) {
  state_[0] = seed;
  for (std::size_t i = 1; i < kStateWords; ++i) {
    const std::uint32_t prev = state_[i - 1];
    state_[i] = kInitMultiplier * (prev ^ (prev >> 30)) + static_cast<std::uint32_t>(i);
  }
  index_ = kStateWords;
}

Mt19937 Mt19937::from_state(const State& words, std::size_t index) {
  Mt19937 mt;
  mt.state_ = words;
  mt.index_ = index > kStateWords ? kStateWords : index;
  return mt;
}

void Mt19937::regenerate() {
  constexpr std::size_t n = kStateWords;
  constexpr std::size_t first = n - kShift;  // words renewed from not yet renewed ones
  std::uint32_t* const mt = state_.data();
#if defined(__SSE2__)
  // Four words at a time: word i reads word i + 1 before it is renewed and
  // word i + M or i - (n - M), which is not renewed yet (first part) or was
  // renewed at least n - M words earlier (second part), as one at a time.
  const __m128i upper_mask = _mm_set1_epi32(static_cast<int>(kUpperMask));
  const __m128i lower_mask = _mm_set1_epi32(static_cast<int>(kLowerMask));
  const __m128i matrix = _mm_set1_epi32(static_cast<int>(kMatrixA));
  const __m128i one = _mm_set1_epi32(1);
  auto load = [&](std::size_t at) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(mt + at));
  };
  auto twist4 = [&](std::size_t at, std::size_t far) {
    const __m128i y =
        _mm_or_si128(_mm_and_si128(load(at), upper_mask), _mm_and_si128(load(at + 1), lower_mask));
    const __m128i odd = _mm_sub_epi32(_mm_setzero_si128(), _mm_and_si128(y, one));
    const __m128i next =
        _mm_xor_si128(_mm_xor_si128(load(far), _mm_srli_epi32(y, 1)), _mm_and_si128(odd, matrix));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(mt + at), next);
  };
  constexpr std::size_t first_vectors = first / 4 * 4;
  constexpr std::size_t second_vectors = first + (n - 1 - first) / 4 * 4;
  for (std::size_t i = 0; i < first_vectors; i += 4) twist4(i, i + kShift);
  for (std::size_t i = first_vectors; i < first; ++i) {
    mt[i] = twist(mt[i], mt[i + 1], mt[i + kShift]);
  }
  for (std::size_t i = first; i < second_vectors; i += 4) twist4(i, i - first);
  for (std::size_t i = second_vectors; i < n - 1; ++i) {
    mt[i] = twist(mt[i], mt[i + 1], mt[i - first]);
  }
#else
  for (std::size_t i = 0; i < first; ++i) mt[i] = twist(mt[i], mt[i + 1], mt[i + kShift]);
  for (std::size_t i = first; i < n - 1; ++i) mt[i] = twist(mt[i], mt[i + 1], mt[i - first]);
#endif
  mt[n - 1] = twist(mt[n - 1], mt[0], mt[kShift - 1]);
  index_ = 0;
}

}  // namespace varenko::rng_compat
