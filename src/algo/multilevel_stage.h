// Multilevel refinement stage: selects the pathways whose simple-stage p-value
// is too coarse, groups them by size, derives one stage seed from the simple
// stage's seed generator and replaces their p-values by multilevel estimates
// down to the floor eps.
// Results do not depend on the thread count or on the order in which groups
// run: every group gets the same seed and results are gathered in group order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "algo/simple_stage.h"
#include "algo/working.h"
#include "core/result.h"
#include "rng_compat/r_compat.h"

namespace varenko::algo {

// Refined pathways of one size, as indices into the Working list (ascending).
struct MultilevelGroup {
  std::uint32_t size = 0;
  std::vector<std::size_t> indices;
};

// Returns the size groups of the pathways worth refining, in ascending size.
std::vector<MultilevelGroup> select_multilevel_groups(const StageContext& ctx,
                                                      const std::vector<Working>& working,
                                                      const SimpleStageOutput& simple);

// Absolute floor of a group: eps times the smallest zero-side fraction
// (z + 1) / (nperm + 1) of its pathways.
double multilevel_group_floor(const StageContext& ctx, const MultilevelGroup& group,
                              const SimpleStageOutput& simple);

// Advances `generator` by draws with the bounds m, m - 1, ..., 1 and returns the
// stage seed (one more draw with bound 1000000000, plus 1); m must be positive.
std::uint64_t draw_multilevel_stage_seed(rng_compat::RMt19937SeedCompat& generator,
                                         std::size_t group_count, std::uint32_t sample_kind);

// Final p-value and error estimate of a pathway from its engine p-value p and
// its zero-side fraction d.
struct MultilevelPvalue {
  double pval = 0.0;
  std::optional<double> log2err;
  bool at_eps = false;  // the estimate fell below eps and pval was cut to it
};
MultilevelPvalue combine_multilevel_pvalue(double p, double d, double eps,
                                           std::uint32_t sample_size);

// Calls run_one(g) for g = 0 .. count - 1: in parallel on the current task arena
// when it has several threads and there are several groups, else in order. Each
// call must write only its own slots, so results do not depend on the order.
void for_each_group(std::size_t count, const std::function<void(std::size_t)>& run_one);

// Refines the selected pathways of `working` in place; fails only on a broken
// internal invariant (pathways to refine but no seed state from the simple stage).
core::Status run_multilevel_stage(const StageContext& ctx, std::vector<Working>& working,
                                  SimpleStageOutput& simple);

}  // namespace varenko::algo
