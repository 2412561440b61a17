// Run options of one analysis: the mode (parsed from the caller's text), the
// resolved execution plan, and the RunOptions record handed to the driver,
// with the mode semantics that pick the permutation count and the multilevel
// switch. Pure functions; thread-safe.
#pragma once

#include <cstdint>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "core/records.h"
#include "core/result.h"
#include "core/run_control.h"

namespace varenko::bindings {

// How p-values are estimated.
enum class InterfaceMode { Multilevel, Simple, Quorin };

// Where a run executes; only the processor exists in this system.
enum class Backend { Cpu };

// Resolved plan of a run.
struct ExecutionPlan {
  Backend backend = Backend::Cpu;
  InterfaceMode mode = InterfaceMode::Quorin;
};

// Largest permutation count handed to the driver (the counters are 32-bit).
inline constexpr std::uint64_t kMaxPermutations = 4294967295ULL;

// The simple stage's counts behind one row's permutation p-value: random
// scores at least as extreme as the row's score, and random scores on its
// side of 0 (the p-value is (more_extreme + 1) / (same_sign + 1) when the
// simple stage sets it).
struct SimpleTally {
  std::uint64_t more_extreme = 0;
  std::uint64_t same_sign = 0;
  bool operator==(const SimpleTally&) const = default;
};

// Options of one run of the driver.
struct RunOptions {
  double eps = 1e-50;                // floor of multilevel p-values
  double gsea_param = 1.0;           // weighting exponent
  std::uint64_t nperm = 0;           // simple-stage permutations, at most kMaxPermutations
  std::uint64_t seed = 0;            // resolved seed; its low 32 bits seed the generators
  std::size_t min_size = 1;
  std::size_t max_size = 0;
  core::ScoreType score_type = core::ScoreType::Std;
  bool allow_multilevel = true;
  std::uint32_t sample_size = 101;   // multilevel sample size
  std::uint32_t sample_kind = 1;     // sampling kind code of the generators
  // Gives the rows that the simple stage leaves without a p-value (too few
  // random scores of their sign) further permutations of their size and, in
  // the multilevel modes, multilevel estimates. Off: the rows stay empty.
  bool fill_empty_rows = false;
  // Cancellation flag and progress counters of the run; none when null.
  core::RunControl* control = nullptr;
  // When set, receives one tally per returned row, in row order (for callers
  // that decide from the counts themselves, e.g. a sequential test).
  std::vector<SimpleTally>* simple_tallies = nullptr;
};

// Permutation count and multilevel switch chosen by a mode.
struct ModeSemantics {
  std::uint64_t nperm = 0;  // already clamped to kMaxPermutations
  bool allow_multilevel = false;
};

// Lower-cases the text, then returns the matching mode, or fails with
// "Invalid mode '<lower-cased text>'. Expected one of: quorin, multilevel, simple.".
core::Result<InterfaceMode> parse_interface_mode(std::string_view text);

// The processor plan carrying `mode` (a gpu request still yields the processor plan).
[[nodiscard]] ExecutionPlan resolve_execution_plan(InterfaceMode mode, bool gpu,
                                                   std::optional<std::uint64_t> nperm,
                                                   std::uint64_t n_perm_simple);

// Permutation count (clamped to kMaxPermutations) and multilevel switch for a mode.
[[nodiscard]] ModeSemantics choose_mode_semantics(InterfaceMode mode,
                                                  std::optional<std::uint64_t> nperm,
                                                  std::uint64_t n_perm_simple);

// Fills options.nperm and options.allow_multilevel by choose_mode_semantics.
void apply_mode_semantics(RunOptions& options, InterfaceMode mode,
                          std::optional<std::uint64_t> nperm, std::uint64_t n_perm_simple);

}  // namespace varenko::bindings
