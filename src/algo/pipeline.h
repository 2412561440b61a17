// The staged analysis driver: setup, pathway preprocessing, simple permutation
// stage, its post-processing, multilevel refinement and finalize (leading
// edges, adjusted p-values, rows sorted by name byte-wise, stable).
// Rows depend only on the inputs and the seed, never on the thread count.
// A run executes inside the process-wide worker pool; concurrent runs from
// several threads are safe (they share nothing but the pool).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <tbb/task_arena.h>

#include "algo/working.h"
#include "bindings/run_options.h"
#include "core/records.h"
#include "core/result.h"

namespace varenko::algo {

// Name of the environment variable whose presence turns on the stage timing lines.
inline constexpr const char* kStageTimingEnv = "VARENKO_STAGE_TIMING";

// Failure message of a run stopped through its RunControl.
inline constexpr std::string_view kCancelledMessage = "the analysis was cancelled";

// Option values after the driver's clamping, for n ranked genes.
struct ClampedOptions {
  std::size_t min_size = 1;       // max(min_size, 1)
  std::size_t max_size = 0;       // min(max_size, n - 1), 0 when n is 0
  double eps = 0.0;               // clamped into [0, 1]; NaN stays NaN
  std::uint32_t sample_size = 1;  // max(sample_size, 1)
};

// Returns the clamped option values for a ranking of n genes.
[[nodiscard]] ClampedOptions clamp_options(const bindings::RunOptions& options, std::size_t n);

// Returns the context every stage reads: the ranking, its prepared statistics
// and their weights as doubles (all three must outlive the context), and the
// run's options with the clamped values of `clamped`. The permutation count is
// capped at bindings::kMaxPermutations, which keeps the 32-bit counters of the
// simple stage in range for direct callers of the driver too.
[[nodiscard]] StageContext make_stage_context(const core::RankedList& ranked,
                                              const core::PreparedStats& stats,
                                              std::span<const double> weights,
                                              const bindings::RunOptions& options,
                                              const ClampedOptions& clamped);

// Formats one stage timing line: "VARENKO_STAGE\t<stage>\t<seconds, six decimals>\n".
[[nodiscard]] std::string format_stage_timing(std::string_view stage, double seconds);

// Runs the analysis and returns one row per kept pathway, sorted by name; fails
// only when an internal invariant of a stage is broken (the message says which)
// or when options.control asked the run to stop (kCancelledMessage). A
// cancelled run stops at the next chunk, group or level boundary.
core::Result<std::vector<core::EnrichmentResult>> run_gsea_internal(
    const core::RankedList& ranked, std::span<const core::Pathway> pathways,
    const bindings::RunOptions& options);

// run_gsea_internal inside `arena` instead of the process-wide pool; the
// engines size their parallel work by the arena's concurrency.
core::Result<std::vector<core::EnrichmentResult>> run_gsea_internal_in_arena(
    tbb::task_arena& arena, const core::RankedList& ranked,
    std::span<const core::Pathway> pathways, const bindings::RunOptions& options);

// Library entry for the default mode: resolves the seed, picks the permutation
// count and the multilevel switch by the mode rules and runs the driver.
core::Result<std::vector<core::EnrichmentResult>> quorin_with_sample_size_and_kind(
    const core::RankedList& ranked, std::span<const core::Pathway> pathways, double eps,
    double gsea_param, std::optional<std::uint64_t> nperm, std::uint64_t n_perm_simple,
    std::optional<std::uint64_t> seed, std::size_t min_size, std::size_t max_size,
    core::ScoreType score_type, std::uint32_t sample_size, std::uint32_t sample_kind);

}  // namespace varenko::algo
