// Mt19937: the 32-bit Mersenne Twister (MT19937, N = 624, M = 397, matrix
// 0x9908b0df, tempering 0x9d2c5680 / 0xefc60000) with the standard 32-bit
// seeding, and its unbiased bounded draw u(m), which rejects raw words at or
// above the largest multiple-of-m limit so that every residue is equally likely.
// A plain copyable value; not safe for concurrent use of one instance.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace varenko::rng_compat {

class Mt19937 {
 public:
  static constexpr std::size_t kStateWords = 624;
  using State = std::array<std::uint32_t, kStateWords>;

  // Seeds with the standard initialisation: state[0] = seed,
  // state[i] = 1812433253 * (state[i-1] ^ (state[i-1] >> 30)) + i.
  explicit Mt19937(std::uint32_t seed);

  // Engine with the given raw state words; the next draw regenerates them
  // first when `index` is kStateWords.
  static Mt19937 from_state(const State& words, std::size_t index = kStateWords);

  // Next tempered 32-bit output.
  std::uint32_t next_u32() {
    if (index_ >= kStateWords) regenerate();
    std::uint32_t y = state_[index_++];
    y ^= y >> 11;
    y ^= (y << 7) & 0x9d2c5680u;
    y ^= (y << 15) & 0xefc60000u;
    y ^= y >> 18;
    return y;
  }

  // Tempers every word left in the current block into `out` (room for
  // kStateWords words), regenerating a new block first when none is left, and
  // returns their number; they count as drawn, in order. The same words as
  // that many next_u32 calls, made cheaper by tempering them together.
  std::size_t take_block(std::uint32_t* out) {
    if (index_ >= kStateWords) regenerate();
    const std::size_t count = kStateWords - index_;
    std::size_t i = 0;
#if defined(__SSE2__)
    for (; i + 4 <= count; i += 4) {
      __m128i y = _mm_loadu_si128(reinterpret_cast<const __m128i*>(state_.data() + index_ + i));
      y = _mm_xor_si128(y, _mm_srli_epi32(y, 11));
      y = _mm_xor_si128(y, _mm_and_si128(_mm_slli_epi32(y, 7), _mm_set1_epi32(0x9d2c5680)));
      y = _mm_xor_si128(
          y, _mm_and_si128(_mm_slli_epi32(y, 15), _mm_set1_epi32(static_cast<int>(0xefc60000u))));
      y = _mm_xor_si128(y, _mm_srli_epi32(y, 18));
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), y);
    }
#endif
    for (; i < count; ++i) {
      std::uint32_t y = state_[index_ + i];
      y ^= y >> 11;
      y ^= (y << 7) & 0x9d2c5680u;
      y ^= (y << 15) & 0xefc60000u;
      y ^= y >> 18;
      out[i] = y;
    }
    index_ = kStateWords;
    return count;
  }

  // Undraws the last `count` words of the block taken by take_block, so that
  // they are drawn again next; count is at most the number it returned.
  void untake(std::size_t count) { index_ -= count; }

  // Uniform integer in [0, m): draws until a word is below
  // (2^32 - 1) - ((2^32 - 1) mod m) and returns it mod m; m = 0 returns 0
  // without drawing.
  std::uint32_t bounded(std::uint32_t m) {
    if (m == 0) return 0;
    constexpr std::uint32_t kMax = 0xffffffffu;
    const std::uint32_t limit = kMax - kMax % m;
    std::uint32_t v = next_u32();
    while (v >= limit) v = next_u32();
    return v % m;
  }

  // Raw state words and the index of the next word to temper (for tests).
  [[nodiscard]] const State& state() const { return state_; }
  [[nodiscard]] std::size_t index() const { return index_; }

 private:
  Mt19937() = default;
  void regenerate();

  State state_{};
  std::size_t index_ = kStateWords;
};

// u(m) for one fixed m, with the same values and the same words consumed as
// Mt19937::bounded(m): the rejection limit is computed once and the remainder
// is taken by multiplication (exact for all 32-bit operands), so repeated draws
// with one bound avoid both divisions. A plain value; holds no engine.
class BoundedDraw {
 public:
  // Prepares draws in [0, m); m must be at least 1 (0 is treated as 1, so a
  // word is drawn, unlike Mt19937::bounded(0)).
  explicit BoundedDraw(std::uint32_t m)
      : m_(m == 0 ? 1 : m),
        limit_(static_cast<std::uint32_t>(0xffffffffu - 0xffffffffu % m_)),
        magic_(UINT64_MAX / m_ + 1) {}

  // Next value in [0, m), consuming rejected words like Mt19937::bounded.
  std::uint32_t operator()(Mt19937& rng) const {
    std::uint32_t v = rng.next_u32();
    while (v >= limit_) v = rng.next_u32();
    // v mod m = high 64 bits of ((magic * v) mod 2^64) * m, assembled from two
    // 32-bit halves so no 128-bit type is needed.
    const std::uint64_t low = magic_ * v;
    const std::uint64_t mid = ((low & 0xffffffffu) * m_) >> 32;
    return static_cast<std::uint32_t>(((low >> 32) * m_ + mid) >> 32);
  }

  // The bound m.
  [[nodiscard]] std::uint32_t bound() const { return static_cast<std::uint32_t>(m_); }

 private:
  std::uint64_t m_;
  std::uint32_t limit_;
  std::uint64_t magic_;
};

}  // namespace varenko::rng_compat
