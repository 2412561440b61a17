// The running sum of one gene set on the analysis' own path: RankedList::prepare,
// its integer weights as doubles (as run_stages converts them), the gene index's
// hits, calculate_es_quorin and running_sum_quorin, which share one walk.
#include "algo/running_sum.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "algo_support/support.h"
#include "quorin_compat/es_score.h"

namespace varenko::algo {

core::Result<GeneSetRunningSum> gene_set_running_sum(const core::RankedList& ranked,
                                                     const core::Pathway& pathway,
                                                     core::ScoreType score_type,
                                                     double gsea_param) {
  const std::size_t n = ranked.size();
  if (n == 0) return core::fail("ranks must not be empty");
  VARENKO_TRY(core::check_gsea_param(gsea_param));
  const algo_support::GeneIndex index = algo_support::build_gene_index(ranked);
  std::vector<std::size_t> hits = algo_support::extract_pathway_hits(pathway, index);
  if (hits.empty()) {
    return core::fail("pathway '" + pathway.name + "' has no genes present in the ranked list");
  }
  if (hits.size() == n) {
    return core::fail("pathway '" + pathway.name +
                      "' covers the full ranked list and cannot produce an enrichment curve");
  }
  const core::PreparedStats stats = ranked.prepare(gsea_param);
  std::vector<double> weights(stats.int_weights.size());
  std::transform(stats.int_weights.begin(), stats.int_weights.end(), weights.begin(),
                 [](std::int64_t w) { return static_cast<double>(w); });

  const quorin_compat::EsScore score =
      quorin_compat::calculate_es_quorin(weights, hits, n, score_type);
  quorin_compat::RunningSum sum = quorin_compat::running_sum_quorin(weights, hits, n);
  GeneSetRunningSum out;
  out.leading_edge =
      algo_support::leading_edge(hits, score.peak_position, score.es, score_type, ranked);
  out.hits = std::move(hits);
  out.top = std::move(sum.top);
  out.bottom = std::move(sum.bottom);
  out.es = score.es;
  out.peak_position = score.peak_position;
  return out;
}

}  // namespace varenko::algo
