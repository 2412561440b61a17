// Standard MT19937 seeding and state regeneration; the tempering and the
// bounded draw are inline in the header because they are the inner loop of the
// permutation engines.
#include "rng_compat/mt19937.h"

namespace varenko::rng_compat {
namespace {

// Constants of the published algorithm. These are all magic. Don't change.
constexpr std::size_t kShift = 397;                 // M
constexpr std::uint32_t kMatrixA = 0x9908b0dfu;     // twist matrix
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
  std::size_t i = 0;
  for (; i < n - kShift; ++i) state_[i] = twist(state_[i], state_[i + 1], state_[i + kShift]);
  for (; i < n - 1; ++i) state_[i] = twist(state_[i], state_[i + 1], state_[i + kShift - n]);
  state_[n - 1] = twist(state_[n - 1], state_[0], state_[kShift - 1]);
  index_ = 0;
}

}  // namespace varenko::rng_compat
