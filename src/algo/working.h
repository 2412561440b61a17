// Per-run records shared by the stages of the analysis driver: the per-pathway
// Working record (one per kept pathway, in GMT order) and the read-only context
// fixed in the setup stage. Stages only read the context; each stage writes the
// Working fields it owns. Not shared between threads for writing.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/records.h"
#include "core/run_control.h"
#include "quorin_compat/permutation_counts.h"

namespace varenko::algo {

// One kept pathway carried through the stages.
struct Working {
  std::string name;
  std::vector<std::size_t> hits;  // sorted, distinct rank positions
  std::size_t size = 0;           // hits.size()
  double es = 0.0;
  std::size_t peak_position = 0;
  // Filled by the simple stage.
  quorin_compat::PermutationCounts counts;
  // Filled by the post-processing and multilevel stages, then finalize.
  std::optional<double> nes;
  double pval = std::nan("");
  std::optional<double> log2err;
  std::optional<double> padj;
  bool pval_at_eps = false;  // pval was cut to the floor eps: the true value is at most it
  // The multilevel sampler's estimate of P(score at least as extreme and of
  // the same sign), before the division by the sign fraction; NaN for rows the
  // multilevel stage did not refine.
  double multilevel_joint = std::nan("");
};

// Values fixed by the setup stage (options already clamped), read by every stage.
struct StageContext {
  const core::RankedList* ranked = nullptr;
  const core::PreparedStats* stats = nullptr;  // int_weights and int_total
  std::span<const double> weights;             // int_weights as doubles, rank order
  std::size_t n = 0;                           // number of ranked genes
  core::ScoreType score_type = core::ScoreType::Std;
  std::uint64_t seed = 0;        // resolved run seed; its low 32 bits seed generators
  std::uint64_t nperm = 0;       // simple-stage permutation count
  bool allow_multilevel = false;
  double eps = 0.0;              // clamped to [0, 1] (NaN stays NaN)
  std::uint32_t sample_size = 1; // at least 1
  std::uint32_t sample_kind = 1;
  bool fill_empty_rows = false;  // run the tail stage for rows the simple stage leaves empty
  core::RunControl* control = nullptr;  // cancellation and progress; none when null
};

}  // namespace varenko::algo
