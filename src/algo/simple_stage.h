// Simple permutation stage of the analysis: splits the permutation budget into
// seeded chunks, counts per pathway how many random gene sets of its size score
// at least as extreme as the observed score, and turns those counters into the
// normalised score, the nominal p-value and its error estimate.
// Results depend only on the run seed and the inputs, not on the thread count
// (unless the fast non-exact engine is requested through the environment).
// Runs on the driver's thread; the parallel engines use the current task arena.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "algo/working.h"
#include "core/result.h"
#include "rng_compat/r_compat.h"

namespace varenko::algo {

// What the simple stage leaves for the multilevel stage; lists indexed like Working.
struct SimpleStageOutput {
  std::vector<std::uint64_t> n_more_extreme;  // k: permutations on the extreme side
  std::vector<std::uint64_t> zero_side;       // z: permutations on the score's side of 0
  // Seed generator in the state reached after the last chunk seed; kept only
  // when multilevel refinement is allowed.
  std::optional<rng_compat::RMt19937SeedCompat> seed_generator;
  // Seed of the single chunk, recorded together with the generator.
  std::optional<std::uint64_t> multilevel_chunk_seed;
};

// One batch of permutations with its own seed.
struct SimpleChunk {
  std::uint32_t permutations = 0;
  std::uint64_t seed = 0;
  bool operator==(const SimpleChunk&) const = default;
};

// Engines that can count one chunk.
enum class SimpleEngine { SinglePathway, Sequential, ThreadInvariantParallel, FastParallel };

// Name of the environment variable that selects the fast, thread-count dependent engine.
inline constexpr const char* kFastNonexactSimpleEnv = "VARENKO_FAST_NONEXACT_SIMPLE";

// Returns the permutation counts of the chunks for a budget of nperm (empty for 0).
std::vector<std::uint32_t> simple_chunk_sizes(std::uint64_t nperm, bool allow_multilevel);

// Returns the chunks of a run, drawing one seed per chunk from `generator`
// (which must be freshly seeded with the low 32 bits of the run seed).
std::vector<SimpleChunk> plan_simple_chunks(std::uint64_t nperm, bool allow_multilevel,
                                            rng_compat::RMt19937SeedCompat& generator,
                                            std::uint32_t sample_kind);

// Returns the engine for a chunk given the kept pathway count, the pool's thread
// count and whether the fast non-exact engine was requested.
SimpleEngine choose_simple_engine(std::size_t kept_pathways, int pool_threads, bool fast_requested);

// Runs every chunk and accumulates the counters of `working`; keeps the seed
// generator in `out` when multilevel refinement is allowed. Fails only on a
// broken internal invariant (a kept pathway larger than the ranking).
core::Status run_simple_stage(const StageContext& ctx, std::vector<Working>& working,
                              SimpleStageOutput& out);

// Sets nes, pval and log2err of every pathway from its counters and fills the
// k and z lists of `out`. Never fails.
void simple_postprocessing(const StageContext& ctx, std::vector<Working>& working,
                           SimpleStageOutput& out);

}  // namespace varenko::algo
