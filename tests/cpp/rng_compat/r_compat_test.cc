// Checks the R-compatible generators against tests/data/r_reference.json, whose
// "about" text records the R version and exactly which call produced each
// entry, and against small worked examples.
#include "rng_compat/r_compat.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace varenko::rng_compat {
namespace {

using nlohmann::json;
using test::json_f64;
using test::same_bits;

const json& reference() {
  static const json j = test::load_json("r_reference.json");
  return j;
}

std::string label(const json& e) {
  std::string s = "seed " + std::to_string(e.value("seed", e.value("run_seed", std::uint64_t{0})));
  if (e.contains("sample_kind")) s += " kind " + std::to_string(e["sample_kind"].get<int>());
  return s;
}

std::uint32_t seed_of(const json& e, const char* key = "seed") {
  return static_cast<std::uint32_t>(e[key].get<std::uint64_t>());
}

void expect_state(const RLecuyerCmrgSeedCompat& gen, const json& words) {
  ASSERT_EQ(words.size(), 6u);
  for (std::size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(gen.state()[i], words[i].get<std::uint32_t>()) << "word " << i;
  }
}

TEST(RMt19937SeedCompat, ReproducesReferenceStateAndUniforms) {
  const auto& entries = reference()["mt_uniforms"];
  ASSERT_FALSE(entries.empty());
  for (const auto& e : entries) {
    SCOPED_TRACE(label(e));
    RMt19937SeedCompat gen(seed_of(e));
    const auto& words = gen.engine().state();
    const auto& head = e["state_head"];
    for (std::size_t i = 0; i < head.size(); ++i) EXPECT_EQ(words[i], head[i].get<std::uint32_t>());
    if (e.contains("state")) {
      ASSERT_EQ(e["state"].size(), words.size());
      for (std::size_t i = 0; i < words.size(); ++i) {
        ASSERT_EQ(words[i], e["state"][i].get<std::uint32_t>()) << "word " << i;
      }
    }

    Mt19937 raw = gen.engine();
    for (const auto& w : e["u32_first"]) EXPECT_EQ(raw.next_u32(), w.get<std::uint32_t>());

    RMt19937SeedCompat first = gen;
    for (const auto& u : e["uniforms_first"]) {
      EXPECT_TRUE(same_bits(first.unif_rand(), json_f64(u)));
    }

    const auto& positions = e["uniforms_at"]["positions"];
    const auto& values = e["uniforms_at"]["values"];
    ASSERT_EQ(positions.size(), values.size());
    std::uint64_t drawn = 0;
    double u = 0.0;
    for (std::size_t i = 0; i < positions.size(); ++i) {
      const auto pos = positions[i].get<std::uint64_t>();
      while (drawn < pos) {
        u = gen.unif_rand();
        ++drawn;
      }
      EXPECT_TRUE(same_bits(u, json_f64(values[i]))) << "position " << pos;
    }
  }
}

TEST(RMt19937SeedCompat, UnifIndexMatchesReferenceInBothKinds) {
  for (const char* section : {"mt_index", "mt_index_rounding"}) {
    const auto& entries = reference()[section];
    ASSERT_FALSE(entries.empty()) << section;
    for (const auto& e : entries) {
      SCOPED_TRACE(std::string(section) + " " + label(e));
      RMt19937SeedCompat gen(seed_of(e));
      const auto kind = e["sample_kind"].get<std::uint32_t>();
      const auto& bounds = e["bounds"];
      const auto& values = e["values"];
      ASSERT_EQ(bounds.size(), values.size());
      for (std::size_t i = 0; i < bounds.size(); ++i) {
        const auto dn = bounds[i].get<std::uint64_t>();
        EXPECT_EQ(r_unif_index_with_kind(gen, dn, kind), values[i].get<std::uint64_t>())
            << "bound " << dn;
      }
      EXPECT_TRUE(same_bits(gen.unif_rand(), json_f64(e["next_uniform"])));
    }
  }
}

TEST(RMt19937SeedCompat, ChunkSeedSequences) {
  for (const auto& e : reference()["chunk_seeds"]) {
    SCOPED_TRACE(label(e));
    RMt19937SeedCompat gen(seed_of(e));
    const auto kind = e["sample_kind"].get<std::uint32_t>();
    const auto bound = e["bound"].get<std::uint64_t>();
    for (const auto& s : e["seeds"]) {
      ASSERT_EQ(r_unif_index_with_kind(gen, bound, kind) + 1, s.get<std::uint64_t>());
    }
  }
}

TEST(RMt19937SeedCompat, StageSeedSequences) {
  for (const auto& e : reference()["stage_seeds"]) {
    const auto m = e["m"].get<std::uint64_t>();
    SCOPED_TRACE(label(e) + " m " + std::to_string(m));
    RMt19937SeedCompat gen(seed_of(e));
    const auto kind = e["sample_kind"].get<std::uint32_t>();
    EXPECT_EQ(r_unif_index_with_kind(gen, kSeedBound, kind) + 1,
              e["chunk_seed"].get<std::uint64_t>());
    const auto& discarded = e["discarded"];
    ASSERT_EQ(discarded.size(), m);
    for (std::uint64_t i = 0; i < m; ++i) {
      EXPECT_EQ(r_unif_index_with_kind(gen, m - i, kind), discarded[i].get<std::uint64_t>())
          << "draw " << i;
    }
    if (m == 0) {
      EXPECT_TRUE(e["stage_seed"].is_null());
    } else {
      EXPECT_EQ(r_unif_index_with_kind(gen, kSeedBound, kind) + 1,
                e["stage_seed"].get<std::uint64_t>());
    }
  }
}

TEST(RMt19937SeedCompat, WorkedExamples) {
  RMt19937SeedCompat one(1);
  EXPECT_TRUE(same_bits(one.unif_rand(), 0.2655086631421));
  EXPECT_TRUE(same_bits(one.unif_rand(), 0.37212389963679016));

  struct Case {
    const char* name;
    std::uint32_t kind;
    std::vector<std::uint64_t> expected;
  };
  const Case cases[] = {
      {"rejection", kSampleKindRejection, {0, 4, 0, 0, 1, 3, 1, 1, 0, 0}},
      {"rounding", kSampleKindRounding, {9, 8, 2, 5, 3, 2, 2, 0, 1, 0}},
      {"any nonzero code rejects", 7, {0, 4, 0, 0, 1, 3, 1, 1, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RMt19937SeedCompat gen(42);
    std::vector<std::uint64_t> got;
    for (std::uint64_t b = 10; b >= 1; --b) got.push_back(r_unif_index_with_kind(gen, b, c.kind));
    EXPECT_EQ(got, c.expected);
  }

  // The rejection draws used as swap positions over 1..10.
  RMt19937SeedCompat gen(42);
  std::vector<std::uint32_t> pool{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  std::vector<std::uint32_t> perm;
  for (std::uint32_t d = 10; d >= 1; --d) {
    const auto j = r_unif_index_with_kind(gen, d, kSampleKindRejection);
    perm.push_back(pool[j]);
    pool[j] = pool[d - 1];
  }
  EXPECT_EQ(perm, (std::vector<std::uint32_t>{1, 5, 10, 8, 2, 4, 6, 9, 7, 3}));
}

TEST(RMt19937SeedCompat, UniformsConsumedPerIndexDraw) {
  // dn = 0 draws nothing; otherwise a rejection attempt uses floor(bits / 16) + 1
  // uniforms and the rounding kind uses one. Bounds that are powers of two are
  // never rejected, so the count is exact.
  struct Case {
    const char* name;
    std::uint64_t dn;
    std::uint32_t kind;
    int uniforms;
  };
  const Case cases[] = {
      {"zero bound", 0, kSampleKindRejection, 0},
      {"zero bound rounding", 0, kSampleKindRounding, 0},
      {"one, bits 0", 1, kSampleKindRejection, 1},
      {"2^15, bits 15", 32768, kSampleKindRejection, 1},
      {"2^16, bits 16", 65536, kSampleKindRejection, 2},
      {"2^32, bits 32", 4294967296ull, kSampleKindRejection, 3},
      {"2^63, bits 63", 9223372036854775808ull, kSampleKindRejection, 4},
      {"2^64 - 1, bits 64", UINT64_MAX, kSampleKindRejection, 5},
      {"huge rounding", UINT64_MAX, kSampleKindRounding, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RMt19937SeedCompat gen(99);
    RMt19937SeedCompat ref(99);
    const auto v = r_unif_index_with_kind(gen, c.dn, c.kind);
    if (c.dn <= 1) {
      EXPECT_EQ(v, 0u);
    } else {
      EXPECT_LT(v, c.dn);
    }
    for (int i = 0; i < c.uniforms; ++i) ref.unif_rand();
    EXPECT_TRUE(same_bits(gen.unif_rand(), ref.unif_rand()));
  }
}

TEST(RLecuyerCmrgSeedCompat, ReproducesReferenceStatesAndUniforms) {
  const auto& entries = reference()["lecuyer_uniforms"];
  ASSERT_FALSE(entries.empty());
  for (const auto& e : entries) {
    SCOPED_TRACE(label(e));
    RLecuyerCmrgSeedCompat gen(seed_of(e));
    expect_state(gen, e["state"]);
    for (const auto& u : e["uniforms_first"]) EXPECT_TRUE(same_bits(gen.unif_rand(), json_f64(u)));
    expect_state(gen, e["state_after"]);
  }
  // Seeds whose seeding skips a scrambled value at or above m2 are covered above.
  for (const auto& s : reference()["lecuyer_skip_seeds"]) {
    bool listed = false;
    for (const auto& e : entries) listed = listed || e["seed"] == s;
    EXPECT_TRUE(listed) << s;
  }
}

TEST(RLecuyerCmrgSeedCompat, SampleWithoutReplacementMatchesReference) {
  // Both forms: the one-shot call, and the scratch form with one scratch kept
  // across every call of every entry (n shrinks and grows, so each call must
  // leave the scratch as it found it).
  const auto& entries = reference()["lecuyer_sample"];
  ASSERT_FALSE(entries.empty());
  SampleScratch scratch;
  std::vector<std::uint32_t> out;
  for (const auto& e : entries) {
    SCOPED_TRACE(label(e));
    RLecuyerCmrgSeedCompat gen(seed_of(e));
    RLecuyerCmrgSeedCompat gen2(seed_of(e));
    const auto kind = e["sample_kind"].get<std::uint32_t>();
    for (const auto& call : e["calls"]) {
      const auto n = call["n"].get<std::uint32_t>();
      const auto size = call["size"].get<std::uint32_t>();
      SCOPED_TRACE("n " + std::to_string(n) + " size " + std::to_string(size));
      const auto expected = call["values"].get<std::vector<std::uint32_t>>();
      auto got = sample_int_no_replace_with_kind(gen, n, size, kind);
      ASSERT_TRUE(got.ok()) << got.error();
      EXPECT_EQ(*got, expected);
      const auto status = sample_int_no_replace_with_kind(gen2, n, size, kind, scratch, out);
      ASSERT_TRUE(status.ok()) << status.error();
      EXPECT_EQ(out, expected);
    }
    expect_state(gen, e["state_after"]);
    expect_state(gen2, e["state_after"]);
  }
}

TEST(RLecuyerCmrgSeedCompat, PermutationStreamOfOnePathway) {
  // Chunk seed from the seed generator, then `count` samples from the L'Ecuyer
  // generator seeded with it: the stream of the one-pathway permutations.
  const auto& entries = reference()["lecuyer_permutations"];
  ASSERT_FALSE(entries.empty());
  for (const auto& e : entries) {
    SCOPED_TRACE(label(e));
    const auto kind = e["sample_kind"].get<std::uint32_t>();
    RMt19937SeedCompat seeder(seed_of(e, "run_seed"));
    const std::uint64_t chunk_seed = r_unif_index_with_kind(seeder, 1000000000, kind) + 1;
    ASSERT_EQ(chunk_seed, e["chunk_seed"].get<std::uint64_t>());

    RLecuyerCmrgSeedCompat gen(static_cast<std::uint32_t>(chunk_seed));
    SampleScratch scratch;
    std::vector<std::uint32_t> s;
    const auto n = e["n"].get<std::uint32_t>();
    const auto size = e["size"].get<std::uint32_t>();
    const auto count = e["count"].get<std::size_t>();
    const auto& first = e["first_samples"];
    const auto& sums = e["sums"];
    ASSERT_EQ(sums.size(), count);
    for (std::size_t i = 0; i < count; ++i) {
      ASSERT_TRUE(sample_int_no_replace_with_kind(gen, n, size, kind, scratch, s).ok());
      if (i < first.size()) {
        EXPECT_EQ(s, first[i].get<std::vector<std::uint32_t>>()) << "sample " << i;
      }
      std::uint64_t sum = 0;
      for (auto v : s) sum += v;
      ASSERT_EQ(sum, sums[i].get<std::uint64_t>()) << "sample " << i;
    }
    expect_state(gen, e["state_after"]);
  }
}

TEST(RLecuyerCmrgSeedCompat, WorkedExamples) {
  RLecuyerCmrgSeedCompat one(1);
  EXPECT_EQ(one.state(), (RLecuyerCmrgSeedCompat::State{1280795612, 4125696813, 3852956682,
                                                         3691408899, 4072619880, 1489374793}));
  EXPECT_TRUE(same_bits(one.unif_rand(), 0.6775328286287442));
  EXPECT_TRUE(same_bits(one.unif_rand(), 0.4273457228876442));

  struct Case {
    const char* name;
    std::uint32_t size;
    std::uint32_t kind;
    std::vector<std::uint32_t> expected;
  };
  const Case cases[] = {
      {"full, rejection", 10, kSampleKindRejection, {2, 4, 7, 9, 8, 6, 1, 5, 3, 10}},
      {"full, rounding", 10, kSampleKindRounding, {2, 5, 4, 6, 9, 1, 10, 3, 7, 8}},
      {"prefix, rejection", 3, kSampleKindRejection, {2, 4, 7}},
      {"empty", 0, kSampleKindRejection, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RLecuyerCmrgSeedCompat gen(42);
    auto got = sample_int_no_replace_with_kind(gen, 10, c.size, c.kind);
    ASSERT_TRUE(got.ok());
    EXPECT_EQ(*got, c.expected);
  }
}

TEST(RLecuyerCmrgSeedCompat, SampleLargerThanPopulationFailsWithoutDrawing) {
  RLecuyerCmrgSeedCompat gen(5);
  const auto before = gen.state();
  EXPECT_ERROR(sample_int_no_replace_with_kind(gen, 10, 11, kSampleKindRejection),
               "sample_int_no_replace: size (11) must be <= n (10)");
  EXPECT_ERROR(sample_int_no_replace_with_kind(gen, 0, 1, kSampleKindRounding),
               "sample_int_no_replace: size (1) must be <= n (0)");
  EXPECT_EQ(gen.state(), before);
  SampleScratch scratch;
  std::vector<std::uint32_t> out{1, 2};
  EXPECT_ERROR(sample_int_no_replace_with_kind(gen, 3, 4, kSampleKindRejection, scratch, out),
               "sample_int_no_replace: size (4) must be <= n (3)");
  EXPECT_TRUE(out.empty());
  EXPECT_EQ(gen.state(), before);
  auto none = sample_int_no_replace_with_kind(gen, 0, 0, kSampleKindRejection);
  ASSERT_TRUE(none.ok());
  EXPECT_TRUE(none->empty());
}

}  // namespace
}  // namespace varenko::rng_compat
