#include "rng_compat/seed.h"

#include <cstdint>
#include <set>

#include <gtest/gtest.h>

namespace varenko::rng_compat {
namespace {

TEST(ResolveRngSeed, GivenSeedIsReturnedUnchanged) {
  const std::uint64_t seeds[] = {0, 42, std::uint64_t{1} << 32, UINT64_MAX};
  for (const std::uint64_t s : seeds) {
    EXPECT_EQ(resolve_rng_seed(s), s);
  }
}

TEST(ResolveRngSeed, MissingSeedGivesFreshValues) {
  // 64-bit values from the OS source: eight draws colliding would mean a stuck
  // or constant source.
  std::set<std::uint64_t> seen;
  for (int i = 0; i < 8; ++i) seen.insert(resolve_rng_seed(std::nullopt));
  EXPECT_EQ(seen.size(), 8u);
}

}  // namespace
}  // namespace varenko::rng_compat
