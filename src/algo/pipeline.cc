// Staged analysis driver. Every stage runs inside the process-wide worker
// pool; parallel steps only read the shared inputs and write disjoint slots
// that are gathered in input order, so no locks are taken and the rows do not
// depend on the number of threads.
#include "algo/pipeline.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <utility>

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>

#include "algo/multilevel_stage.h"
#include "algo/simple_stage.h"
#include "algo/tail_stage.h"
#include "algo/working.h"
#include "algo_support/support.h"
#include "core/worker_pool.h"
#include "quorin_compat/es_score.h"
#include "rng_compat/seed.h"

namespace varenko::algo {

namespace {

using Clock = std::chrono::steady_clock;
using Rows = std::vector<core::EnrichmentResult>;

// Writes one timing line per stage to standard error when enabled.
class StageTimer {
 public:
  explicit StageTimer(bool enabled) : enabled_(enabled), run_start_(Clock::now()) {
    stage_start_ = run_start_;
  }

  // Starts the clock of the next stage.
  void begin() { stage_start_ = Clock::now(); }

  // Reports the stage that began at the last begin() (or at construction).
  void report(std::string_view stage) const { write(stage, stage_start_); }

  // Reports the whole run.
  void report_total() const { write("total", run_start_); }

 private:
  void write(std::string_view stage, Clock::time_point start) const {
    if (!enabled_) return;
    const std::chrono::duration<double> elapsed = Clock::now() - start;
    const std::string line = format_stage_timing(stage, elapsed.count());
    std::fwrite(line.data(), 1, line.size(), stderr);
    std::fflush(stderr);
  }

  bool enabled_;
  Clock::time_point run_start_;
  Clock::time_point stage_start_;
};

// Maps every pathway onto the ranking and keeps those within the size bounds,
// with their observed scores; the kept records come back in input order.
std::vector<Working> preprocess_pathways(std::span<const core::Pathway> pathways,
                                         const algo_support::GeneIndex& index,
                                         const StageContext& ctx, const ClampedOptions& clamped) {
  std::vector<std::optional<Working>> slots(pathways.size());
  tbb::parallel_for(tbb::blocked_range<std::size_t>(0, pathways.size()),
                    [&](const tbb::blocked_range<std::size_t>& range) {
                      for (std::size_t i = range.begin(); i != range.end(); ++i) {
                        std::vector<std::size_t> hits =
                            algo_support::extract_pathway_hits(pathways[i], index);
                        const std::size_t size = hits.size();
                        if (size < clamped.min_size || size > clamped.max_size) continue;
                        const quorin_compat::EsScore score = quorin_compat::calculate_es_quorin(
                            ctx.weights, hits, ctx.n, ctx.score_type);
                        Working w;
                        w.name = pathways[i].name;
                        w.hits = std::move(hits);
                        w.size = size;
                        w.es = score.es;
                        w.peak_position = score.peak_position;
                        slots[i] = std::move(w);
                      }
                    });
  std::vector<Working> kept;
  kept.reserve(pathways.size());
  for (std::optional<Working>& slot : slots) {
    if (slot) kept.push_back(std::move(*slot));
  }
  return kept;
}

// Turns the Working records into rows: leading edges, adjusted p-values, and
// a stable byte-wise sort by name (equal names keep input order). `tallies`,
// when set, receives the simple stage's counts of each row in row order.
Rows finalize_rows(std::vector<Working>& working, const StageContext& ctx,
                   const SimpleStageOutput& simple,
                   std::vector<bindings::SimpleTally>* tallies) {
  Rows rows;
  rows.reserve(working.size());
  for (Working& w : working) {
    core::EnrichmentResult row;
    row.leading_edge =
        algo_support::leading_edge(w.hits, w.peak_position, w.es, ctx.score_type, *ctx.ranked);
    row.pathway = std::move(w.name);
    row.size = w.size;
    row.es = w.es;
    row.nes = w.nes;
    row.pval = w.pval;
    row.log2err = w.log2err;
    row.padj = w.padj;
    row.pval_at_eps = w.pval_at_eps;
    rows.push_back(std::move(row));
  }
  algo_support::apply_bh_adjustment(rows);
  // std::string compares bytes as unsigned char, shorter prefix first. The
  // order is found on positions so that the tallies can follow it.
  std::vector<std::size_t> order(rows.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [&rows](std::size_t a, std::size_t b) {
    return rows[a].pathway < rows[b].pathway;
  });
  Rows sorted;
  sorted.reserve(rows.size());
  for (std::size_t i : order) sorted.push_back(std::move(rows[i]));
  if (tallies != nullptr) {
    tallies->clear();
    tallies->reserve(order.size());
    for (std::size_t i : order) {
      bindings::SimpleTally tally;
      if (i < simple.n_more_extreme.size()) tally.more_extreme = simple.n_more_extreme[i];
      if (i < simple.zero_side.size()) tally.same_sign = simple.zero_side[i];
      tallies->push_back(tally);
    }
  }
  return sorted;
}

core::Result<Rows> run_stages(const core::RankedList& ranked,
                              std::span<const core::Pathway> pathways,
                              const bindings::RunOptions& options) {
  // 1. Setup. Only the variable's presence counts: an empty value turns timing on too.
  const bool timing = std::getenv(kStageTimingEnv) != nullptr;
  StageTimer timer(timing);
  const algo_support::GeneIndex index = algo_support::build_gene_index(ranked);
  algo_support::warn_prepare_stats(ranked, options.score_type);
  const std::size_t n = ranked.size();
  const ClampedOptions clamped = clamp_options(options, n);
  const core::PreparedStats stats = ranked.prepare(options.gsea_param);
  algo_support::warn_weight_precision(ranked, stats);
  std::vector<double> weights(stats.int_weights.size());
  std::transform(stats.int_weights.begin(), stats.int_weights.end(), weights.begin(),
                 [](std::int64_t w) { return static_cast<double>(w); });

  const StageContext ctx = make_stage_context(ranked, stats, weights, options, clamped);
  timer.report("setup");

  // 2. Pathway preprocessing.
  timer.begin();
  std::vector<Working> working = preprocess_pathways(pathways, index, ctx, clamped);
  timer.report("pathway_preprocessing");

  // 3. Simple stage.
  SimpleStageOutput simple;
  const bool simple_runs = ctx.nperm > 0 && !working.empty();
  if (simple_runs) {
    timer.begin();
    VARENKO_TRY(run_simple_stage(ctx, working, simple));
    timer.report("simple_stage");
  }
  if (core::cancelled(ctx.control)) return core::Error{std::string(kCancelledMessage)};

  // 4. Simple post-processing (always; with no permutations every p-value stays NaN).
  timer.begin();
  simple_postprocessing(ctx, working, simple);
  timer.report("simple_postprocessing");

  // 5. Multilevel refinement.
  if (ctx.allow_multilevel && simple_runs) {
    timer.begin();
    VARENKO_TRY(run_multilevel_stage(ctx, working, simple));
    if (core::cancelled(ctx.control)) return core::Error{std::string(kCancelledMessage)};
    timer.report("multilevel_refinement");
  }

  // 5b. Rows left empty, when asked for.
  if (ctx.fill_empty_rows && simple_runs) {
    timer.begin();
    VARENKO_TRY(run_tail_stage(ctx, working));
    if (core::cancelled(ctx.control)) return core::Error{std::string(kCancelledMessage)};
    timer.report("tail_refinement");
  }

  // 6. Finalize.
  timer.begin();
  Rows rows = finalize_rows(working, ctx, simple, options.simple_tallies);
  timer.report("finalize_results");
  timer.report_total();
  return rows;
}

}  // namespace

ClampedOptions clamp_options(const bindings::RunOptions& options, std::size_t n) {
  ClampedOptions c;
  c.min_size = std::max<std::size_t>(options.min_size, 1);
  c.max_size = std::min(n == 0 ? 0 : n - 1, options.max_size);
  c.eps = options.eps;
  if (c.eps < 0.0) c.eps = 0.0;
  if (c.eps > 1.0) c.eps = 1.0;
  c.sample_size = std::max<std::uint32_t>(options.sample_size, 1);
  return c;
}

StageContext make_stage_context(const core::RankedList& ranked, const core::PreparedStats& stats,
                                std::span<const double> weights,
                                const bindings::RunOptions& options,
                                const ClampedOptions& clamped) {
  StageContext ctx;
  ctx.ranked = &ranked;
  ctx.stats = &stats;
  ctx.weights = weights;
  ctx.n = ranked.size();
  ctx.score_type = options.score_type;
  ctx.seed = options.seed;
  ctx.nperm = std::min(options.nperm, bindings::kMaxPermutations);
  ctx.allow_multilevel = options.allow_multilevel;
  ctx.eps = clamped.eps;
  ctx.sample_size = clamped.sample_size;
  ctx.sample_kind = options.sample_kind;
  ctx.fill_empty_rows = options.fill_empty_rows;
  ctx.control = options.control;
  return ctx;
}

std::string format_stage_timing(std::string_view stage, double seconds) {
  char number[32];  // wall-clock seconds never come near the 24 digits this holds
  std::snprintf(number, sizeof number, "%.6f", seconds);
  std::string line = "VARENKO_STAGE\t";
  line.append(stage);
  line.push_back('\t');
  line.append(number);
  line.push_back('\n');
  return line;
}

core::Result<Rows> run_gsea_internal(const core::RankedList& ranked,
                                     std::span<const core::Pathway> pathways,
                                     const bindings::RunOptions& options) {
  return run_gsea_internal_in_arena(core::worker_pool(), ranked, pathways, options);
}

core::Result<Rows> run_gsea_internal_in_arena(tbb::task_arena& arena,
                                              const core::RankedList& ranked,
                                              std::span<const core::Pathway> pathways,
                                              const bindings::RunOptions& options) {
  std::optional<core::Result<Rows>> result;
  arena.execute([&] { result.emplace(run_stages(ranked, pathways, options)); });
  return std::move(*result);
}

core::Result<Rows> quorin_with_sample_size_and_kind(
    const core::RankedList& ranked, std::span<const core::Pathway> pathways, double eps,
    double gsea_param, std::optional<std::uint64_t> nperm, std::uint64_t n_perm_simple,
    std::optional<std::uint64_t> seed, std::size_t min_size, std::size_t max_size,
    core::ScoreType score_type, std::uint32_t sample_size, std::uint32_t sample_kind) {
  bindings::RunOptions options;
  options.eps = eps;
  options.gsea_param = gsea_param;
  options.seed = rng_compat::resolve_rng_seed(seed);
  options.min_size = min_size;
  options.max_size = max_size;
  options.score_type = score_type;
  options.sample_size = sample_size;
  options.sample_kind = sample_kind;
  bindings::apply_mode_semantics(options, bindings::InterfaceMode::Quorin, nperm, n_perm_simple);
  return run_gsea_internal(ranked, pathways, options);
}

}  // namespace varenko::algo
