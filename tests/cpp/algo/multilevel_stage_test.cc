// Tests of the multilevel refinement stage: selection and size groups, the
// stage seed, the combination into final p-values, invariance to the thread
// count, the internal-invariant errors and degenerate options.
#include "algo/multilevel_stage.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <tbb/task_arena.h>

#include "algo/pipeline.h"
#include "algo/simple_stage.h"
#include "algo_support/support.h"
#include "bindings/run_options.h"
#include "core/records.h"
#include "io/gmt_reader.h"
#include "multilevel/group.h"
#include "quorin_compat/es_score.h"
#include "rng_compat/r_compat.h"
#include "stage_run.h"
#include "support/test_support.h"

namespace varenko::algo {
namespace {

using core::ScoreType;
using test::same_bits;

// A run whose context allows the multilevel stage, with sample size 51.
StageRun multilevel_run(const std::vector<double>& scores, double gsea_param, ScoreType score_type) {
  StageRun run(scores, gsea_param, score_type);
  run.ctx.allow_multilevel = true;
  run.ctx.sample_size = 51;
  return run;
}

bool same_engine(const rng_compat::RMt19937SeedCompat& a, const rng_compat::RMt19937SeedCompat& b) {
  return a.engine().state() == b.engine().state() && a.engine().index() == b.engine().index();
}

std::vector<std::size_t> range(std::size_t first, std::size_t count) {
  std::vector<std::size_t> v(count);
  for (std::size_t i = 0; i < count; ++i) v[i] = first + i;
  return v;
}

// A run with planted sets at both ends of the ranking in three sizes (two
// pathways share size 8), plus unremarkable sets that are not refined.
StageRun planted_run(std::uint64_t seed) {
  StageRun run = multilevel_run(random_scores(1000, 17), 1.0, ScoreType::Std);
  run.ctx.seed = seed;
  run.ctx.nperm = 1000;
  run.ctx.eps = 1e-10;
  run.add_pathway(range(0, 8));        // top, size 8
  run.add_pathway({400, 500, 600});    // middle, not refined
  run.add_pathway(range(992, 8));      // bottom, size 8
  run.add_pathway(range(3, 15));       // top, size 15
  run.add_pathway(range(960, 40));     // bottom, size 40
  return run;
}

TEST(MultilevelStage, StageSeedAdvancesByOneDrawPerGroup) {
  for (const std::uint32_t kind : {0u, 1u}) {
    SCOPED_TRACE("kind " + std::to_string(kind));
    rng_compat::RMt19937SeedCompat gen(2718);
    rng_compat::RMt19937SeedCompat manual(2718);
    const std::uint64_t seed = draw_multilevel_stage_seed(gen, 3, kind);
    for (const std::uint64_t bound : {3u, 2u, 1u}) {
      (void)rng_compat::r_unif_index_with_kind(manual, bound, kind);
    }
    EXPECT_EQ(seed, rng_compat::r_unif_index_with_kind(manual, 1000000000, kind) + 1);
    EXPECT_TRUE(same_engine(gen, manual));
  }
}

// The stage seeds of the reference runs follow from the run seed, the single
// chunk seed and the number of refined groups.
TEST(MultilevelStage, StageSeedsOfReferenceRuns) {
  int checked = 0;
  for (const char* file : {"golden/pipeline_rows.json", "golden/mended_rows.json"}) {
    const auto data = test::load_json(file);
    for (const auto& c : data.at("cases")) {
      const auto& im = c.at("intermediate");
      if (im.at("multilevel_seed").is_null()) continue;
      SCOPED_TRACE(c.at("id").get<std::string>());
      const auto seed = c.at("kwargs").at("seed").get<std::uint64_t>();
      rng_compat::RMt19937SeedCompat gen(static_cast<std::uint32_t>(seed));
      const auto chunks = plan_simple_chunks(im.at("simple_chunks")[0][0].get<std::uint64_t>(),
                                             true, gen, 1);
      ASSERT_EQ(chunks.size(), 1u);
      EXPECT_EQ(draw_multilevel_stage_seed(gen, im.at("groups").size(), 1),
                im.at("multilevel_seed").get<std::uint64_t>());
      ++checked;
    }
  }
  EXPECT_GT(checked, 20);
}

TEST(MultilevelStage, Combination) {
  const double s51 = algo_support::trigamma_f64(26.0) - algo_support::trigamma_f64(52.0);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    std::string name;
    double p, d, eps;
    double pval;
    std::optional<double> log2err;
  };
  const Case cases[] = {
      {"p 0.001 over d 0.5", 0.001, 0.5, 1e-10, 0.002,
       std::sqrt(std::floor(1.0 - std::log2(0.002)) * s51) / 0.6931471805599453},
      {"below the floor", 1e-12, 1.0, 1e-10, 1e-10, std::nullopt},
      {"capped at 1", 0.9, 0.5, 1e-10, 1.0, std::sqrt(1.0 * s51) / 0.6931471805599453},
      {"eps 0 and p 0", 0.0, 0.5, 0.0, 0.0, nan},
      {"engine gave NaN", nan, 0.5, 1e-10, nan, nan},
      {"NaN floor disables the floor", 1e-300, 1.0, nan, 1e-300,
       std::sqrt(std::floor(1.0 - std::log2(1e-300)) * s51) / 0.6931471805599453},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const MultilevelPvalue r = combine_multilevel_pvalue(c.p, c.d, c.eps, 51);
    EXPECT_TRUE(same_bits(r.pval, c.pval)) << r.pval;
    ASSERT_EQ(r.log2err.has_value(), c.log2err.has_value());
    if (c.log2err) {
      EXPECT_TRUE(same_bits(*r.log2err, *c.log2err)) << *r.log2err;
    }
  }
}

TEST(MultilevelStage, SelectsAndGroupsByAscendingSize) {
  StageRun run = planted_run(99);
  SimpleStageOutput out = run.simple();
  run.working[3].pval = std::nan("");  // a NaN p-value is never refined
  const auto groups = select_multilevel_groups(run.ctx, run.working, out);
  ASSERT_EQ(groups.size(), 2u);
  EXPECT_EQ(groups[0].size, 8u);
  EXPECT_EQ(groups[0].indices, (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(groups[1].size, 40u);
  EXPECT_EQ(groups[1].indices, (std::vector<std::size_t>{4}));
}

// The stage equals calling the group engine per size group with one shared
// seed, whatever the number of threads the groups run on.
TEST(MultilevelStage, GroupsShareOneSeedAndIgnoreThreadCount) {
  StageRun base = planted_run(4242);
  SimpleStageOutput simple = base.simple();
  const auto groups = select_multilevel_groups(base.ctx, base.working, simple);
  ASSERT_EQ(groups.size(), 3u);

  // Expected values from direct engine calls.
  rng_compat::RMt19937SeedCompat gen = *simple.seed_generator;
  const std::uint64_t seed = draw_multilevel_stage_seed(gen, groups.size(), 1);
  std::vector<Working> expected = base.working;
  for (const auto& g : groups) {
    std::vector<double> es;
    double min_d = std::numeric_limits<double>::infinity();
    for (const auto i : g.indices) {
      es.push_back(base.working[i].es);
      min_d = std::min(min_d, (static_cast<double>(simple.zero_side[i]) + 1.0) / 1001.0);
    }
    const auto p = multilevel::run_multilevel_gsea_group_impl(
        1000, base.stats.int_weights, 1e-10 * min_d, g.size, es, ScoreType::Std, 51, seed).value();
    for (std::size_t j = 0; j < g.indices.size(); ++j) {
      const auto r = combine_multilevel_pvalue(
          p[j], (static_cast<double>(simple.zero_side[g.indices[j]]) + 1.0) / 1001.0, 1e-10, 51);
      expected[g.indices[j]].pval = r.pval;
      expected[g.indices[j]].log2err = r.log2err;
    }
  }

  for (const int threads : {1, 2, 8}) {
    SCOPED_TRACE(std::to_string(threads) + " threads");
    std::vector<Working> working = base.working;
    SimpleStageOutput s = simple;
    core::Status status = core::fail("the stage did not run");
    tbb::task_arena arena(threads);
    arena.execute([&] { status = run_multilevel_stage(base.ctx, working, s); });
    ASSERT_TRUE(status.ok()) << status.error();
    for (std::size_t i = 0; i < working.size(); ++i) {
      SCOPED_TRACE("pathway " + std::to_string(i));
      EXPECT_TRUE(same_bits(working[i].pval, expected[i].pval));
      ASSERT_EQ(working[i].log2err.has_value(), expected[i].log2err.has_value());
      if (working[i].log2err) {
        EXPECT_TRUE(same_bits(*working[i].log2err, *expected[i].log2err));
      }
      EXPECT_EQ(working[i].nes, base.working[i].nes);
    }
    // The refined planted sets now lie far below the simple-stage resolution.
    EXPECT_LT(working[0].pval, 1e-4);
    EXPECT_TRUE(same_bits(working[1].pval, base.working[1].pval));
  }
}

TEST(MultilevelStage, NothingSelectedLeavesEverythingAlone) {
  StageRun run = multilevel_run(random_scores(300, 8), 1.0, ScoreType::Std);
  run.ctx.seed = 1;
  run.ctx.nperm = 1000;
  run.add_pathway({10, 100, 200});
  run.add_pathway({5, 50, 150, 250});
  SimpleStageOutput simple = run.simple();
  const auto before = run.working;
  const rng_compat::RMt19937SeedCompat gen_before = *simple.seed_generator;
  ASSERT_TRUE(run_multilevel_stage(run.ctx, run.working, simple).ok());
  EXPECT_TRUE(same_engine(*simple.seed_generator, gen_before));
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_TRUE(same_bits(run.working[i].pval, before[i].pval));
    EXPECT_EQ(run.working[i].log2err, before[i].log2err);
  }
  // Without groups the seed state is not needed, so its absence is no error.
  simple.seed_generator.reset();
  EXPECT_TRUE(run_multilevel_stage(run.ctx, run.working, simple).ok());
}

TEST(MultilevelStage, MissingSeedStateIsAnInternalError) {
  StageRun run = planted_run(7);
  SimpleStageOutput simple = run.simple();
  SimpleStageOutput no_generator = simple;
  no_generator.seed_generator.reset();
  std::vector<Working> w1 = run.working;
  EXPECT_ERROR(run_multilevel_stage(run.ctx, w1, no_generator),
               "multilevel seed state must be present when allow_multilevel is true");
  SimpleStageOutput no_seed = simple;
  no_seed.multilevel_chunk_seed.reset();
  std::vector<Working> w2 = run.working;
  EXPECT_ERROR(run_multilevel_stage(run.ctx, w2, no_seed),
               "simple multilevel seed must be present when allow_multilevel is true");
}

// Degenerate floors and population sizes finish with defined numbers.
TEST(MultilevelStage, DegenerateOptionsFinish) {
  struct Case {
    std::string name;
    double eps;
    std::uint32_t sample_size;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {"eps 0", 0.0, 51}, {"eps 1", 1.0, 51}, {"eps NaN", nan, 11},
      {"sample size 1", 1e-10, 1}, {"sample size 2", 1e-10, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Planted sets of three genes at both ends: without a floor the sampler runs
    // down to their true p-values, about 1e-6.
    StageRun run = multilevel_run(random_scores(200, 23), 1.0, ScoreType::Std);
    run.ctx.seed = 3;
    run.ctx.nperm = 1000;
    run.add_pathway({0, 1, 2});
    run.add_pathway({50, 100, 150});
    run.add_pathway({197, 198, 199});
    run.ctx.eps = c.eps;
    run.ctx.sample_size = c.sample_size;
    SimpleStageOutput simple = run.simple();
    ASSERT_TRUE(run_multilevel_stage(run.ctx, run.working, simple).ok());
    for (const Working& w : run.working) {
      if (std::isnan(w.pval)) continue;
      EXPECT_GE(w.pval, 0.0);
      EXPECT_LE(w.pval, 1.0);
    }
    if (c.eps == 1.0) {
      EXPECT_EQ(run.working[0].pval, 1.0);
    }
    if (c.sample_size == 1) {
      // No population to split: the refined pathways have no estimate.
      EXPECT_TRUE(std::isnan(run.working[0].pval));
    }
  }
}

// Replays the reference runs stage by stage: the kept pathways are built as the
// driver builds them, then the simple stage, the refinement selection (sizes,
// members, floors), the group results and the final values are compared with
// the intermediate values and rows recorded for each run.
void replay_reference_runs(const char* file) {
  const auto data = test::load_json(file);
  for (const auto& c : data.at("cases")) {
    const std::string id = c.at("id").get<std::string>();
    SCOPED_TRACE(id);
    std::vector<std::string> genes;
    std::vector<double> scores;
    for (const auto& pair : c.at("ranking")) {
      genes.push_back(pair[0].get<std::string>());
      scores.push_back(test::json_f64(pair[1]));
    }
    const core::RankedList ranked = core::RankedList::make(genes, scores);
    auto db = io::parse_gmt(c.at("gmt").get<std::string>());
    ASSERT_TRUE(db.ok()) << db.error();

    const auto& kw = c.at("kwargs");
    bindings::RunOptions options;
    options.seed = kw.at("seed").get<std::uint64_t>();
    if (kw.contains("eps")) options.eps = test::json_f64(kw.at("eps"));
    if (kw.contains("gseaParam")) options.gsea_param = test::json_f64(kw.at("gseaParam"));
    if (kw.contains("minSize")) options.min_size = kw.at("minSize").get<std::size_t>();
    options.max_size = ranked.size() == 0 ? 0 : ranked.size() - 1;
    if (kw.contains("maxSize") && !kw.at("maxSize").is_null()) {
      options.max_size = kw.at("maxSize").get<std::size_t>();
    }
    if (kw.contains("sampleSize")) options.sample_size = kw.at("sampleSize").get<std::uint32_t>();
    std::string type = kw.value("scoreType", std::string("std"));
    std::transform(type.begin(), type.end(), type.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    options.score_type = type == "pos" ? ScoreType::Pos : type == "neg" ? ScoreType::Neg : ScoreType::Std;
    auto mode = bindings::parse_interface_mode(kw.value("mode", std::string("quorin")));
    ASSERT_TRUE(mode.ok());
    std::optional<std::uint64_t> nperm;
    if (kw.contains("nperm") && !kw.at("nperm").is_null()) nperm = kw.at("nperm").get<std::uint64_t>();
    bindings::apply_mode_semantics(options, *mode, nperm, kw.value("nPermSimple", std::uint64_t{1000}));

    const ClampedOptions clamped = clamp_options(options, ranked.size());
    const core::PreparedStats stats = ranked.prepare(options.gsea_param);
    const std::vector<double> weights(stats.int_weights.begin(), stats.int_weights.end());
    const StageContext ctx = make_stage_context(ranked, stats, weights, options, clamped);

    const auto index = algo_support::build_gene_index(ranked);
    std::vector<Working> working;
    for (const auto& pathway : db->pathways) {
      auto hits = algo_support::extract_pathway_hits(pathway, index);
      if (hits.size() < clamped.min_size || hits.size() > clamped.max_size) continue;
      Working w;
      w.name = pathway.name;
      w.es = quorin_compat::calculate_es_quorin(weights, hits, ctx.n, ctx.score_type).es;
      w.size = hits.size();
      w.hits = std::move(hits);
      working.push_back(std::move(w));
    }
    ASSERT_EQ(working.size(), c.at("rows").size());

    SimpleStageOutput simple;
    if (ctx.nperm > 0) {
      ASSERT_TRUE(run_simple_stage(ctx, working, simple).ok());
    }
    simple_postprocessing(ctx, working, simple);

    const auto& im = c.at("intermediate");
    if (ctx.allow_multilevel) {
      const auto groups = select_multilevel_groups(ctx, working, simple);
      const auto& expected_groups = im.at("groups");
      ASSERT_EQ(groups.size(), expected_groups.size());
      for (std::size_t g = 0; g < groups.size(); ++g) {
        const auto& eg = expected_groups[g];
        EXPECT_EQ(groups[g].size, eg.at("size").get<std::uint32_t>());
        EXPECT_EQ(groups[g].indices, eg.at("kept_indices").get<std::vector<std::size_t>>());
        EXPECT_TRUE(same_bits(multilevel_group_floor(ctx, groups[g], simple),
                              test::json_f64(eg.at("floor"))));
      }
      ASSERT_TRUE(run_multilevel_stage(ctx, working, simple).ok());
    }

    // Rows are sorted by name (stable), the kept records are in file order.
    std::stable_sort(working.begin(), working.end(),
                     [](const Working& a, const Working& b) { return a.name < b.name; });
    for (std::size_t i = 0; i < working.size(); ++i) {
      const auto& row = c.at("rows")[i];
      SCOPED_TRACE(row.at("pathway").get<std::string>());
      ASSERT_EQ(working[i].name, row.at("pathway").get<std::string>());
      EXPECT_TRUE(same_bits(working[i].es, test::json_f64(row.at("es"))));
      ASSERT_EQ(working[i].nes.has_value(), !row.at("nes").is_null());
      if (working[i].nes) {
        EXPECT_TRUE(same_bits(*working[i].nes, test::json_f64(row.at("nes"))));
      }
      EXPECT_TRUE(same_bits(working[i].pval, test::json_f64(row.at("pval"))))
          << working[i].pval << " vs " << test::json_f64(row.at("pval"));
      ASSERT_EQ(working[i].log2err.has_value(), !row.at("log2err").is_null());
      if (working[i].log2err) {
        const double want = test::json_f64(row.at("log2err"));
        if (std::isnan(want)) {
          EXPECT_TRUE(std::isnan(*working[i].log2err));
        } else {
          EXPECT_NEAR(*working[i].log2err, want, 1e-11 * std::fabs(want));
        }
      }
    }
  }
}

TEST(StageReplay, ReferenceRuns) { replay_reference_runs("golden/pipeline_rows.json"); }

TEST(StageReplay, MendedReferenceRuns) { replay_reference_runs("golden/mended_rows.json"); }

}  // namespace
}  // namespace varenko::algo
