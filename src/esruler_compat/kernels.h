// The integer kernels of the upward walk and their run-time choice (private
// to the module): portable SSE2 versions every x86-64 processor runs, and
// AVX-512 versions used where the processor has them and the ruler allows
// them (EsRulerCompat::set_portable_kernels). Both give the same results.
#pragma once

#include <cstdint>
#include <type_traits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace varenko::esruler_compat {

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
// count_below for positions in 16 bits with AVX-512: 32 positions at a time,
// the last vector read under a mask (so nothing after p[k - 1] is read).
// Call only where has_avx512().
std::uint32_t count_below_avx512(const std::uint16_t* p, std::uint32_t k, std::uint32_t x);

// Adds `step` to v[lo .. hi) with AVX-512, 16 values at a time under a mask.
// Call only where has_avx512().
void add_to_range_avx512(std::uint32_t* v, std::uint32_t lo, std::uint32_t hi, std::uint32_t step);

// Whether the processor (and the system) runs the AVX-512 kernels; asked once.
bool has_avx512();
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

// Adds `step` to v[lo .. hi) with the widest vectors allowed.
inline void add_to_range(std::uint32_t* v, std::uint32_t lo, std::uint32_t hi, std::uint32_t step,
                         [[maybe_unused]] bool vector_kernels) {
#if defined(__x86_64__)
  if (vector_kernels) {
    add_to_range_avx512(v, lo, hi, step);
    return;
  }
#endif
  for (std::uint32_t h = lo; h < hi; ++h) v[h] += step;
}

}  // namespace varenko::esruler_compat
