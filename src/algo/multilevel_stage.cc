// Multilevel refinement stage: selection, size groups, the stage seed, the
// per-group engine calls (parallel over groups on the current task arena) and
// the conversion of the engine's conditional p-values into final p-values.
#include "algo/multilevel_stage.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <optional>
#include <span>

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>
#include <tbb/task_arena.h>

#include "algo_support/support.h"
#include "multilevel/group.h"

namespace varenko::algo {
namespace {


// Conditional p-values of every group, in group order; the first failing
// group's error (in group order, so the same at any thread count) otherwise.
core::Result<std::vector<std::vector<double>>> run_groups(const StageContext& ctx,
                                            const std::vector<Working>& working,
                                            const std::vector<MultilevelGroup>& groups,
                                            const std::vector<double>& floors,
                                            std::uint64_t stage_seed) {
  std::vector<std::vector<double>> results(groups.size());
  std::vector<std::optional<core::Error>> failures(groups.size());
  const std::span<const std::int64_t> ranks(ctx.stats->int_weights);
  auto run_one = [&](std::size_t g) {
    const MultilevelGroup& group = groups[g];
    // A cancelled run leaves the remaining slots empty; the driver discards them.
    if (core::cancelled(ctx.control)) return;
    std::vector<double> es(group.indices.size());
    for (std::size_t j = 0; j < es.size(); ++j) es[j] = working[group.indices[j]].es;
    core::Result<std::vector<double>> pvalues = multilevel::run_multilevel_gsea_group_impl(
        static_cast<std::uint32_t>(ctx.n), ranks, floors[g], group.size, es, ctx.score_type,
        ctx.sample_size, stage_seed, ctx.control);
    if (pvalues.ok()) {
      results[g] = std::move(*pvalues);
    } else {
      failures[g] = std::move(pvalues).failure();
    }
    core::advance(ctx.control, &core::RunControl::groups_done);
  };
  // Every group starts from the same seed, so the order in which they run does
  // not matter; each task writes only its own result slot.
  for_each_group(groups.size(), run_one);
  for (std::optional<core::Error>& failure : failures) {
    if (failure) return std::move(*failure);
  }
  return results;
}

// Fraction of the simple-stage permutations on the pathway's side of zero.
double zero_side_fraction(std::uint64_t z, std::uint64_t nperm) {
  return (static_cast<double>(z) + 1.0) / (static_cast<double>(nperm) + 1.0);
}

}  // namespace

std::vector<MultilevelGroup> select_multilevel_groups(const StageContext& ctx,
                                                      const std::vector<Working>& working,
                                                      const SimpleStageOutput& simple) {
  std::map<std::size_t, std::vector<std::size_t>> by_size;
  for (std::size_t i = 0; i < working.size(); ++i) {
    const Working& w = working[i];
    if (!std::isfinite(w.pval)) continue;
    if (i >= simple.n_more_extreme.size() || i >= simple.zero_side.size()) continue;
    if (algo_support::should_refine_multilevel(simple.n_more_extreme[i], simple.zero_side[i],
                                               w.pval, ctx.nperm, ctx.sample_size)) {
      by_size[w.size].push_back(i);
    }
  }
  std::vector<MultilevelGroup> groups;
  groups.reserve(by_size.size());
  for (auto& [size, indices] : by_size) {
    groups.push_back(MultilevelGroup{static_cast<std::uint32_t>(size), std::move(indices)});
  }
  return groups;
}

double multilevel_group_floor(const StageContext& ctx, const MultilevelGroup& group,
                              const SimpleStageOutput& simple) {
  double min_d = std::numeric_limits<double>::infinity();
  for (const std::size_t i : group.indices) {
    min_d = std::min(min_d, zero_side_fraction(simple.zero_side[i], ctx.nperm));
  }
  return ctx.eps * min_d;
}

std::uint64_t draw_multilevel_stage_seed(rng_compat::RMt19937SeedCompat& generator,
                                         std::size_t group_count, std::uint32_t sample_kind) {
  // These draws only advance the generator, one per group.
  for (std::size_t bound = group_count; bound >= 1; --bound) {
    (void)rng_compat::r_unif_index_with_kind(generator, bound, sample_kind);
  }
  return rng_compat::r_unif_index_with_kind(generator, rng_compat::kSeedBound, sample_kind) + 1;
}

MultilevelPvalue combine_multilevel_pvalue(double p, double d, double eps,
                                           std::uint32_t sample_size) {
  MultilevelPvalue out;
  out.pval = std::min(p / d, 1.0);
  if (out.pval < eps) {
    out.pval = eps;
    out.at_eps = true;
    return out;
  }
  if (out.pval > 0.0 && std::isfinite(out.pval)) {
    const double s = static_cast<double>(sample_size);
    const double spread = algo_support::trigamma_f64((s + 1.0) * 0.5) -
                          algo_support::trigamma_f64(s + 1.0);
    out.log2err = std::sqrt(std::floor(1.0 - std::log2(out.pval)) * spread) / std::numbers::ln2;
  } else {
    out.log2err = std::numeric_limits<double>::quiet_NaN();
  }
  return out;
}

core::Status run_multilevel_stage(const StageContext& ctx, std::vector<Working>& working,
                                  SimpleStageOutput& simple) {
  const std::vector<MultilevelGroup> groups = select_multilevel_groups(ctx, working, simple);
  if (groups.empty()) return core::Status::success();
  if (!simple.seed_generator) {
    return core::fail("multilevel seed state must be present when allow_multilevel is true");
  }
  if (!simple.multilevel_chunk_seed) {
    return core::fail("simple multilevel seed must be present when allow_multilevel is true");
  }
  const std::uint64_t stage_seed =
      draw_multilevel_stage_seed(*simple.seed_generator, groups.size(), ctx.sample_kind);

  std::vector<double> floors(groups.size());
  for (std::size_t g = 0; g < groups.size(); ++g) {
    floors[g] = multilevel_group_floor(ctx, groups[g], simple);
  }

  if (ctx.control != nullptr) {
    ctx.control->groups_total.store(groups.size(), std::memory_order_relaxed);
  }
  VARENKO_ASSIGN_OR_RETURN(const std::vector<std::vector<double>> results,
                           run_groups(ctx, working, groups, floors, stage_seed));
  if (core::cancelled(ctx.control)) return core::Status::success();

  for (std::size_t g = 0; g < groups.size(); ++g) {
    const MultilevelGroup& group = groups[g];
    for (std::size_t j = 0; j < group.indices.size(); ++j) {
      const std::size_t i = group.indices[j];
      const double d = zero_side_fraction(simple.zero_side[i], ctx.nperm);
      const MultilevelPvalue combined =
          combine_multilevel_pvalue(results[g][j], d, ctx.eps, ctx.sample_size);
      working[i].pval = combined.pval;
      working[i].log2err = combined.log2err;
      working[i].pval_at_eps = combined.at_eps;
      working[i].multilevel_joint = results[g][j];
    }
  }
  return core::Status::success();
}

void for_each_group(std::size_t count, const std::function<void(std::size_t)>& run_one) {
  if (tbb::this_task_arena::max_concurrency() > 1 && count >= 2) {
    tbb::parallel_for(tbb::blocked_range<std::size_t>(0, count, 1),
                      [&](const tbb::blocked_range<std::size_t>& r) {
                        for (std::size_t g = r.begin(); g != r.end(); ++g) run_one(g);
                      });
  } else {
    for (std::size_t g = 0; g < count; ++g) run_one(g);
  }
}

}  // namespace varenko::algo
