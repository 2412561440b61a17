// Tests of the running sum that plots draw: its extreme is bit for bit the
// analysis' enrichment score (every score type and exponent, zero-weight hits
// included), its leading edge is the row's, and bad inputs fail by message.
#include "algo/running_sum.h"

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "algo/pipeline.h"
#include "core/records.h"
#include "support/test_support.h"

namespace varenko::algo {
namespace {

using core::Pathway;
using core::RankedList;
using core::ScoreType;
using test::same_bits;

// "G<i>" (built by appending: GCC 12 warns falsely on "G" + std::to_string(i)).
std::string gene_name(std::size_t i) {
  std::string name = "G";
  name += std::to_string(i);
  return name;
}

// 400 genes with scores of both signs, some tied and some exactly 0.
RankedList mixed_ranking() {
  std::mt19937_64 gen(7);
  std::normal_distribution<double> normal(0.0, 2.0);
  std::vector<std::string> genes;
  std::vector<double> scores;
  for (std::size_t i = 0; i < 400; ++i) {
    genes.push_back(gene_name(i));
    const double s = i % 37 == 0 ? 0.0 : (i % 11 == 0 ? 1.5 : normal(gen));
    scores.push_back(s);
  }
  return RankedList::make(genes, scores);
}

std::vector<Pathway> sample_pathways() {
  std::mt19937_64 gen(11);
  std::vector<Pathway> out;
  for (std::size_t size : {1, 5, 15, 40, 120, 399}) {
    std::vector<std::size_t> idx(400);
    for (std::size_t i = 0; i < idx.size(); ++i) idx[i] = i;
    std::shuffle(idx.begin(), idx.end(), gen);
    Pathway p;
    p.name = "P";
    p.name += std::to_string(size);
    for (std::size_t i = 0; i < size; ++i) p.genes.push_back(gene_name(idx[i]));
    out.push_back(std::move(p));
  }
  // Only zero-weight genes: each hit counts as 1/k.
  Pathway zeros;
  zeros.name = "Pzeros";
  for (std::size_t i = 0; i < 400; i += 37) zeros.genes.push_back(gene_name(i));
  out.push_back(std::move(zeros));
  return out;
}

TEST(GeneSetRunningSum, ExtremeIsTheAnalysisScore) {
  const RankedList ranked = mixed_ranking();
  const std::vector<Pathway> pathways = sample_pathways();
  for (const ScoreType type : {ScoreType::Std, ScoreType::Pos, ScoreType::Neg}) {
    for (const double p : {0.0, 1.0, 1.7}) {
      bindings::RunOptions options;
      options.nperm = 0;
      options.allow_multilevel = false;
      options.score_type = type;
      options.gsea_param = p;
      options.max_size = ranked.size() - 1;
      const auto rows = run_gsea_internal(ranked, pathways, options);
      ASSERT_TRUE(rows.ok());
      ASSERT_EQ(rows->size(), pathways.size());
      for (const core::EnrichmentResult& row : *rows) {
        SCOPED_TRACE(row.pathway + " type " + std::to_string(static_cast<int>(type)) + " p " +
                     std::to_string(p));
        const auto it = std::find_if(pathways.begin(), pathways.end(),
                                     [&](const Pathway& q) { return q.name == row.pathway; });
        const auto sum = gene_set_running_sum(ranked, *it, type, p);
        ASSERT_TRUE(sum.ok());
        EXPECT_TRUE(same_bits(sum->es, row.es));
        EXPECT_EQ(sum->leading_edge, row.leading_edge);
        ASSERT_EQ(sum->top.size(), row.size);
        const double highest = *std::max_element(sum->top.begin(), sum->top.end());
        const double lowest = *std::min_element(sum->bottom.begin(), sum->bottom.end());
        if (row.es > 0.0) {
          EXPECT_TRUE(same_bits(highest, row.es));
        } else if (row.es < 0.0) {
          EXPECT_TRUE(same_bits(lowest, row.es));
        }
        // The peak is the hit where the extreme is reached.
        const auto at = std::find(sum->hits.begin(), sum->hits.end(), sum->peak_position);
        ASSERT_NE(at, sum->hits.end());
      }
    }
  }
}

TEST(GeneSetRunningSum, FailuresByMessage) {
  const RankedList ranked = mixed_ranking();
  Pathway none;
  none.name = "none";
  none.genes = {"absent"};
  Pathway all;
  all.name = "all";
  for (std::size_t i = 0; i < 400; ++i) all.genes.push_back(gene_name(i));
  struct Case {
    const char* name;
    const RankedList* ranked;
    const Pathway* pathway;
    double p;
    const char* message;
  };
  const RankedList empty;
  const Case cases[] = {
      {"empty ranking", &empty, &none, 1.0, "ranks must not be empty"},
      {"negative exponent", &ranked, &none, -1.0,
       "gsea_param must be a finite value greater than or equal to 0"},
      {"no gene ranked", &ranked, &none, 1.0,
       "pathway 'none' has no genes present in the ranked list"},
      {"every gene", &ranked, &all, 1.0,
       "pathway 'all' covers the full ranked list and cannot produce an enrichment curve"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto sum = gene_set_running_sum(*c.ranked, *c.pathway, ScoreType::Std, c.p);
    ASSERT_FALSE(sum.ok());
    EXPECT_EQ(sum.error(), c.message);
  }
}

}  // namespace
}  // namespace varenko::algo
