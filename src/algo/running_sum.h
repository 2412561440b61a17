// The running enrichment score of one gene set, computed as the analysis
// computes its enrichment score: the same integer-scaled weights, the same hit
// positions and the same walk, so the curve's extreme equals the row's `es`.
// Plots draw it. Pure; safe to call from any thread.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/records.h"
#include "core/result.h"

namespace varenko::algo {

// The running sum of one gene set over n ranked genes.
struct GeneSetRunningSum {
  std::vector<std::size_t> hits;  // 0-based rank positions of the set's genes, ascending
  std::vector<double> top;        // the sum just after each hit's step
  std::vector<double> bottom;     // the sum just before each hit's step
  double es = 0.0;                // as in the analysis' row
  std::size_t peak_position = 0;  // rank position where `es` is reached
  std::vector<std::string> leading_edge;  // as in the analysis' row
};

// Returns the running sum of `pathway` against `ranked`; fails on an empty
// ranking, an exponent that is negative or not finite, and a pathway with no
// genes in the ranking or with every gene of it (no curve to draw).
[[nodiscard]] core::Result<GeneSetRunningSum> gene_set_running_sum(
    const core::RankedList& ranked, const core::Pathway& pathway, core::ScoreType score_type,
    double gsea_param);

}  // namespace varenko::algo
