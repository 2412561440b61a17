// Test fixture shared by the stage tests: a ranking with its prepared weights,
// the stage context pointing at them and the kept pathways of a run.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "algo/simple_stage.h"
#include "algo/working.h"
#include "core/records.h"
#include "quorin_compat/es_score.h"

namespace varenko::algo {

struct StageRun {
  core::RankedList ranked;
  core::PreparedStats stats;
  std::vector<double> weights;
  StageContext ctx;
  std::vector<Working> working;

  StageRun(const std::vector<double>& scores, double gsea_param, core::ScoreType score_type) {
    std::vector<std::string> genes;
    for (std::size_t i = 0; i < scores.size(); ++i) genes.push_back(std::string("g").append(std::to_string(i)));
    ranked = core::RankedList::make(genes, scores);
    stats = ranked.prepare(gsea_param);
    weights.assign(stats.int_weights.begin(), stats.int_weights.end());
    ctx.n = scores.size();
    ctx.score_type = score_type;
    bind();
  }
  // The context points into this object, so a moved run rebinds it.
  StageRun(StageRun&& other) noexcept
      : ranked(std::move(other.ranked)),
        stats(std::move(other.stats)),
        weights(std::move(other.weights)),
        ctx(other.ctx),
        working(std::move(other.working)) {
    bind();
  }
  StageRun(const StageRun&) = delete;
  StageRun& operator=(const StageRun&) = delete;
  StageRun& operator=(StageRun&&) = delete;

  // Adds a kept pathway from its rank positions (sorted and made distinct here).
  void add_pathway(std::vector<std::size_t> hits) {
    std::sort(hits.begin(), hits.end());
    hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
    Working w;
    w.name = std::string("p").append(std::to_string(working.size()));
    const auto score = quorin_compat::calculate_es_quorin(weights, hits, ctx.n, ctx.score_type);
    w.es = score.es;
    w.peak_position = score.peak_position;
    w.size = hits.size();
    w.hits = std::move(hits);
    working.push_back(std::move(w));
  }

  // Runs the simple stage and its post-processing; returns their output.
  SimpleStageOutput simple() {
    SimpleStageOutput out;
    EXPECT_TRUE(run_simple_stage(ctx, working, out).ok());
    simple_postprocessing(ctx, working, out);
    return out;
  }

 private:
  void bind() {
    ctx.ranked = &ranked;
    ctx.stats = &stats;
    ctx.weights = weights;
  }
};

// Standard normal scores from a fixed seed.
inline std::vector<double> random_scores(std::size_t n, std::uint32_t seed) {
  std::mt19937 rng(seed);
  std::normal_distribution<double> normal;
  std::vector<double> s(n);
  for (double& x : s) x = normal(rng);
  return s;
}

}  // namespace varenko::algo
