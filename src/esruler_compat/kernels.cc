// The AVX-512 kernels of the upward walk and the choice between them and the
// portable ones.
#include "esruler_compat/kernels.h"

#include <algorithm>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "esruler_compat/es_ruler.h"

namespace varenko::esruler_compat {

#if defined(__x86_64__)
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

bool has_avx512() {
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("popcnt");
  }();
  return has;
}
#endif

bool EsRulerCompat::use_vector_kernels() const {
#if defined(__x86_64__)
  return !portable_kernels_ && has_avx512();
#else
  return false;
#endif
}

}  // namespace varenko::esruler_compat
