// Permutation counting for the simple stage: each permutation draws one random
// sample of K = the largest pathway size, scores all its prefixes at once and
// compares prefix `size` with the observed score of every pathway of that size.
// The sequential and thread-invariant engines share one MT19937 stream and give
// identical counts and sums at any thread count; the fast engine splits the
// stream by the pool's thread count. Parallel engines run in the caller's
// current oneTBB arena; all engines are safe to call from several threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/records.h"
#include "core/run_control.h"
#include "quorin_compat/permutation_counts.h"

namespace varenko::quorin_compat {

// Permutation counters of one batch, one entry per pathway in pathway order.
using BatchCounts = std::vector<PermutationCounts>;

// Returns counters for m pathways, all zero.
BatchCounts empty_batch_counts(std::size_t m);

// Returns `a` with `b` added entry by entry over a's length; stops the process
// when `b` is shorter than `a`.
BatchCounts merge_batch_counts(BatchCounts a, BatchCounts b);

// Sequential engine: one MT19937 stream seeded with the low 32 bits of `seed`,
// `iterations` samples drawn with combination(1, n, K) on the calling thread.
// `scores` and `sizes` describe the m pathways (sizes 1..n); stops the process
// on mismatched lengths or a size outside 1..n. `control` (optional) counts
// the permutations done and is checked once per 256 draws; a run asked to stop
// returns early with partial counts, which the caller discards.
BatchCounts calc_gsea_stat_cumulative_batch_f64(std::span<const double> weights,
                                                std::span<const double> scores,
                                                std::span<const std::uint32_t> sizes,
                                                double gsea_param, std::uint32_t iterations,
                                                std::uint64_t seed, core::ScoreType score_type,
                                                core::RunControl* control = nullptr);

// Thread-invariant engine: the sequential engine's stream, drawn on the
// calling thread; the samples are scored in parallel (scoring is a pure
// function of the sample) and each block of 4096 permutations is counted in
// parallel over groups of pathways of equal size, in the current arena.
// Returns exactly the sequential engine's result. Same preconditions and
// `control` as the sequential engine.
BatchCounts calc_gsea_stat_cumulative_batch_f64_thread_invariant_parallel(
    std::span<const double> weights, std::span<const double> scores,
    std::span<const std::uint32_t> sizes, double gsea_param, std::uint32_t iterations,
    std::uint64_t seed, core::ScoreType score_type, core::RunControl* control = nullptr);

// Fast engine (`control` as for the sequential engine, looked at per chunk):
// min(8 T, iterations) chunks (T = the current arena's
// concurrency), each with its own stream derived from all 64 bits of `seed`,
// run in parallel and merged by a parallel reduction; reproducible for a fixed
// thread count only. Same preconditions.
BatchCounts calc_gsea_stat_cumulative_batch_f64_parallel(
    std::span<const double> weights, std::span<const double> scores,
    std::span<const std::uint32_t> sizes, double gsea_param, std::uint32_t iterations,
    std::uint64_t seed, core::ScoreType score_type, core::RunControl* control = nullptr);

}  // namespace varenko::quorin_compat
