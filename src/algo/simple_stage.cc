// Simple permutation stage: chunk plan, per-chunk engine choice, accumulation of
// the per-pathway counters and their post-processing.
#include "algo/simple_stage.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numbers>
#include <span>

#include <tbb/task_arena.h>

#include "algo_support/support.h"
#include "quorin_compat/batch_counts.h"
#include "quorin_compat/es_score.h"

namespace varenko::algo {
namespace {

// Without multilevel refinement the budget is split into at most about this
// many chunks, each of at least kMinChunk permutations.
constexpr std::uint64_t kMaxChunks = 128;
constexpr std::uint64_t kMinChunk = 1000;
// The parallel engines pay off only from this many kept pathways on.
constexpr std::size_t kParallelMinPathways = 128;

// Chunk sizes are 32-bit like the counters; the driver caps the budget so
// that saturation never happens in a run.
std::uint32_t to_u32_saturating(std::uint64_t v) {
  constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
  return static_cast<std::uint32_t>(std::min(v, kMax));
}

// Scores `chunk.permutations` random sets of the single pathway's size, drawn
// without replacement from an L'Ecuyer-CMRG stream seeded with the chunk seed.
// Fails only when the pathway is larger than the ranking, which the driver's
// size bounds rule out.
core::Status run_single_pathway_chunk(const StageContext& ctx, Working& w,
                                      const SimpleChunk& chunk) {
  rng_compat::RLecuyerCmrgSeedCompat gen(static_cast<std::uint32_t>(chunk.seed));
  const auto n = static_cast<std::uint32_t>(ctx.n);
  const auto size = static_cast<std::uint32_t>(w.size);
  // One scratch pool for the whole chunk: each draw costs O(size), not O(n).
  rng_compat::SampleScratch scratch;
  std::vector<std::uint32_t> drawn;
  std::vector<std::size_t> hits(size);
  for (std::uint32_t it = 0; it < chunk.permutations; ++it) {
    VARENKO_TRY(rng_compat::sample_int_no_replace_with_kind(gen, n, size, ctx.sample_kind,
                                                            scratch, drawn));
    for (std::uint32_t i = 0; i < size; ++i) hits[i] = drawn[i] - 1;
    std::sort(hits.begin(), hits.end());
    const double x =
        quorin_compat::calculate_es_quorin(ctx.weights, hits, ctx.n, ctx.score_type).es;
    // Counted into the totals in draw order, no per-chunk subtotal: one
    // running sum over all permutations.
    w.counts.add(x, w.es);
  }
  return core::Status::success();
}

// Adds one chunk's engine counts into the Working counters, pathway by pathway.
void add_batch_counts(std::vector<Working>& working, const quorin_compat::BatchCounts& counts) {
  for (std::size_t j = 0; j < working.size(); ++j) working[j].counts += counts[j];
}

}  // namespace

std::vector<std::uint32_t> simple_chunk_sizes(std::uint64_t nperm, bool allow_multilevel) {
  std::vector<std::uint32_t> sizes;
  if (nperm == 0) return sizes;
  if (allow_multilevel) {
    sizes.push_back(to_u32_saturating(nperm));
    return sizes;
  }
  const std::uint64_t g = std::max(kMinChunk, (nperm + kMaxChunks - 1) / kMaxChunks);
  const std::uint64_t full = nperm / g;
  sizes.assign(static_cast<std::size_t>(full), to_u32_saturating(g));
  if (g * full < nperm) sizes.push_back(to_u32_saturating(nperm - g * full));
  return sizes;
}

std::vector<SimpleChunk> plan_simple_chunks(std::uint64_t nperm, bool allow_multilevel,
                                            rng_compat::RMt19937SeedCompat& generator,
                                            std::uint32_t sample_kind) {
  std::vector<SimpleChunk> chunks;
  for (const std::uint32_t permutations : simple_chunk_sizes(nperm, allow_multilevel)) {
    const std::uint64_t seed =
        rng_compat::r_unif_index_with_kind(generator, rng_compat::kSeedBound, sample_kind) + 1;
    chunks.push_back(SimpleChunk{permutations, seed});
  }
  return chunks;
}

SimpleEngine choose_simple_engine(std::size_t kept_pathways, int pool_threads,
                                  bool fast_requested) {
  if (kept_pathways == 1) return SimpleEngine::SinglePathway;
  if (pool_threads > 1 && kept_pathways >= kParallelMinPathways) {
    return fast_requested ? SimpleEngine::FastParallel : SimpleEngine::ThreadInvariantParallel;
  }
  return SimpleEngine::Sequential;
}

core::Status run_simple_stage(const StageContext& ctx, std::vector<Working>& working,
                              SimpleStageOutput& out) {
  rng_compat::RMt19937SeedCompat generator(static_cast<std::uint32_t>(ctx.seed));
  const std::vector<SimpleChunk> chunks =
      plan_simple_chunks(ctx.nperm, ctx.allow_multilevel, generator, ctx.sample_kind);
  if (ctx.allow_multilevel) {
    out.seed_generator = generator;
    if (!chunks.empty()) out.multilevel_chunk_seed = chunks.front().seed;
  }
  if (working.empty()) return core::Status::success();

  std::vector<double> scores(working.size());
  std::vector<std::uint32_t> sizes(working.size());
  for (std::size_t j = 0; j < working.size(); ++j) {
    scores[j] = working[j].es;
    sizes[j] = static_cast<std::uint32_t>(working[j].size);
  }
  // The driver runs the whole pipeline inside the pool's arena, so the arena's
  // concurrency is the pool's thread count.
  const int pool_threads = tbb::this_task_arena::max_concurrency();
  if (ctx.control != nullptr) {
    ctx.control->permutations_total.store(ctx.nperm, std::memory_order_relaxed);
  }

  for (const SimpleChunk& chunk : chunks) {
    if (core::cancelled(ctx.control)) return core::Status::success();
    const bool fast = std::getenv(kFastNonexactSimpleEnv) != nullptr;
    // The batch engines count their progress and look at a stop request
    // within the chunk; the one-pathway stream does so per chunk.
    switch (choose_simple_engine(working.size(), pool_threads, fast)) {
      case SimpleEngine::SinglePathway:
        VARENKO_TRY(run_single_pathway_chunk(ctx, working.front(), chunk));
        core::advance(ctx.control, &core::RunControl::permutations_done, chunk.permutations);
        break;
      case SimpleEngine::Sequential:
        add_batch_counts(working, quorin_compat::calc_gsea_stat_cumulative_batch_f64(
                                      ctx.weights, scores, sizes, 1.0, chunk.permutations,
                                      chunk.seed, ctx.score_type, ctx.control));
        break;
      case SimpleEngine::ThreadInvariantParallel:
        add_batch_counts(
            working, quorin_compat::calc_gsea_stat_cumulative_batch_f64_thread_invariant_parallel(
                         ctx.weights, scores, sizes, 1.0, chunk.permutations, chunk.seed,
                         ctx.score_type, ctx.control));
        break;
      case SimpleEngine::FastParallel:
        add_batch_counts(working, quorin_compat::calc_gsea_stat_cumulative_batch_f64_parallel(
                                      ctx.weights, scores, sizes, 1.0, chunk.permutations,
                                      chunk.seed, ctx.score_type, ctx.control));
        break;
    }
  }
  return core::Status::success();
}

void simple_postprocessing(const StageContext& ctx, std::vector<Working>& working,
                           SimpleStageOutput& out) {
  out.n_more_extreme.assign(working.size(), 0);
  out.zero_side.assign(working.size(), 0);
  for (std::size_t i = 0; i < working.size(); ++i) {
    Working& w = working[i];
    const quorin_compat::PermutationCounts& c = w.counts;
    const double le_mean =
        c.count_le_zero > 0 ? c.sum_le_zero / static_cast<double>(c.count_le_zero) : 0.0;
    const double ge_mean =
        c.count_ge_zero > 0 ? c.sum_ge_zero / static_cast<double>(c.count_ge_zero) : 0.0;
    const double e = w.es;

    std::optional<double> nes;
    switch (ctx.score_type) {
      case core::ScoreType::Std:
        if (ge_mean != 0.0 && e > 0.0) {
          nes = e / ge_mean;
        } else if (le_mean != 0.0 && e <= 0.0) {
          nes = e / std::fabs(le_mean);
        }
        break;
      case core::ScoreType::Pos:
        if (ge_mean != 0.0 && e >= 0.0) nes = e / ge_mean;
        break;
      case core::ScoreType::Neg:
        if (le_mean != 0.0 && e <= 0.0) nes = e / std::fabs(le_mean);
        break;
    }
    w.nes = nes;
    if (nes) {
      const double le_p = (static_cast<double>(c.count_le) + 1.0) /
                          (static_cast<double>(c.count_le_zero) + 1.0);
      const double ge_p = (static_cast<double>(c.count_ge) + 1.0) /
                          (static_cast<double>(c.count_ge_zero) + 1.0);
      w.pval = std::min(le_p, ge_p);
    }

    std::uint64_t k = 0;
    std::uint64_t z = 0;
    switch (ctx.score_type) {
      case core::ScoreType::Std:
        k = e > 0.0 ? c.count_ge : c.count_le;
        z = e < 0.0 ? c.count_le_zero : c.count_ge_zero;
        break;
      case core::ScoreType::Pos:
        k = c.count_ge;
        z = c.count_ge_zero;
        break;
      case core::ScoreType::Neg:
        k = c.count_le;
        z = c.count_le_zero;
        break;
    }
    out.n_more_extreme[i] = k;
    out.zero_side[i] = z;

    if (std::isfinite(w.pval) && ctx.nperm > 0) {
      const double spread = algo_support::trigamma_f64(static_cast<double>(k + 1)) -
                            algo_support::trigamma_f64(static_cast<double>(ctx.nperm) + 1.0);
      w.log2err = std::sqrt(spread) * std::numbers::log2e;  // 1 / ln 2
    } else {
      w.log2err.reset();
    }

    if (ctx.allow_multilevel && z < 10) {
      w.nes.reset();
      w.pval = std::nan("");
      w.log2err.reset();
    }
  }
}

}  // namespace varenko::algo
