#include "rng_compat/mt19937.h"

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include <gtest/gtest.h>

namespace varenko::rng_compat {
namespace {

TEST(Mt19937, MatchesStandardLibraryEngineAcrossRegenerations) {
  // std::mt19937 implements the same published recurrence and seeding, so it is
  // an independent oracle; 2000 draws cross three state regenerations.
  for (const std::uint32_t seed : {0u, 1u, 5489u, 42u, 2147483648u, 4294967295u}) {
    SCOPED_TRACE(seed);
    Mt19937 mine(seed);
    std::mt19937 oracle(seed);
    for (int i = 0; i < 2000; ++i) ASSERT_EQ(mine.next_u32(), oracle()) << "draw " << i;
  }
}

TEST(Mt19937, BlocksTakenAndPartlyGivenBackMatchSingleDraws) {
  // Blocks taken from any point of the stream, with some of their words
  // given back, continue the same stream as next_u32 alone.
  for (const std::size_t skip :
       {std::size_t{0}, std::size_t{1}, std::size_t{623}, std::size_t{624}, std::size_t{1000}}) {
    for (const std::size_t keep : {std::size_t{0}, std::size_t{1}, std::size_t{300}}) {
      SCOPED_TRACE(testing::Message() << "skip " << skip << ", keep " << keep);
      Mt19937 single(7);
      Mt19937 blocks(7);
      for (std::size_t i = 0; i < skip; ++i) {
        single.next_u32();
        blocks.next_u32();
      }
      std::vector<std::uint32_t> words(Mt19937::kStateWords);
      for (int round = 0; round < 3; ++round) {
        const std::size_t got = blocks.take_block(words.data());
        ASSERT_GE(got, 1u);
        const std::size_t used = std::min(got, keep + 1);
        for (std::size_t i = 0; i < used; ++i) ASSERT_EQ(words[i], single.next_u32());
        blocks.untake(got - used);
      }
      for (int i = 0; i < 1500; ++i) ASSERT_EQ(blocks.next_u32(), single.next_u32());
    }
  }
}

TEST(Mt19937, KnownOutputs) {
  Mt19937 a(5489);
  EXPECT_EQ(a.next_u32(), 3499211612u);
  Mt19937 b(5489);
  std::uint32_t last = 0;
  for (int i = 0; i < 10000; ++i) last = b.next_u32();
  EXPECT_EQ(last, 4123659995u);  // the 10000th output of the default seed
}

TEST(Mt19937, BoundedDrawWorkedExample) {
  Mt19937 rng(1);
  std::vector<std::uint32_t> got;
  for (int i = 0; i < 5; ++i) got.push_back(rng.bounded(10));
  EXPECT_EQ(got, (std::vector<std::uint32_t>{5, 9, 4, 8, 3}));
}

TEST(Mt19937, BoundZeroReturnsZeroWithoutDrawing) {
  Mt19937 rng(3);
  Mt19937 ref(3);
  EXPECT_EQ(rng.bounded(0), 0u);
  EXPECT_EQ(rng.next_u32(), ref.next_u32());
}

TEST(BoundedDraw, SameValuesAndWordsAsBoundedForEveryKindOfBound) {
  // The multiplicative remainder must equal v % m for every 32-bit v and m:
  // small bounds, powers of two and their neighbours, the top of the range,
  // and pseudo-random bounds of every magnitude.
  std::vector<std::uint32_t> bounds{1,           2,           3,           7,          10,
                                    20000,       65535,       65536,       65537,      2147483647u,
                                    2147483648u, 2147483649u, 4294967294u, 4294967295u};
  for (int b = 1; b < 32; ++b) {
    bounds.push_back((1u << b) - 1);
    bounds.push_back((1u << b) + 1);
  }
  std::mt19937 pick(17);
  for (int i = 0; i < 200; ++i) {
    const auto shift = pick() % 32;
    bounds.push_back(static_cast<std::uint32_t>(pick() >> shift) | 1u);
  }
  for (const std::uint32_t m : bounds) {
    SCOPED_TRACE(m);
    const BoundedDraw draw(m);
    ASSERT_EQ(draw.bound(), m);
    Mt19937 a(m);
    Mt19937 b(m);
    for (int i = 0; i < 200; ++i) ASSERT_EQ(draw(a), b.bounded(m)) << "draw " << i;
    ASSERT_EQ(a.next_u32(), b.next_u32()) << "streams out of step";
  }
}

}  // namespace
}  // namespace varenko::rng_compat
