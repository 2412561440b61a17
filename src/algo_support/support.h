// Support statistics of the analysis: gene index, pathway hits (sorted,
// distinct rank positions), leading edge, input warnings, Benjamini-Hochberg
// adjustment, the multilevel refinement test, and the two special functions
// (trigamma, Beta quantile) that the stages use for error estimates.
// All functions are pure except warn_prepare_stats and warn_weight_precision, which log through the
// facade of core/log.h. Safe to call concurrently on distinct outputs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/records.h"

namespace varenko::algo_support {

// Log target of the input warnings.
inline constexpr std::string_view kLogTarget = "varenko::algo_support";

// Hash of gene names that also accepts string views for lookups.
struct GeneHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const noexcept {
    return std::hash<std::string_view>{}(s);
  }
};

// Gene name -> rank position (0-based). Lookups accept std::string_view.
using GeneIndex = std::unordered_map<std::string, std::size_t, GeneHash, std::equal_to<>>;

// Maps every gene of the ranking to its position; a repeated name keeps its last position.
[[nodiscard]] GeneIndex build_gene_index(const core::RankedList& ranked);

// Sorted, distinct rank positions of the genes in `genes` that the index knows.
[[nodiscard]] std::vector<std::size_t> extract_hits(std::span<const std::string> genes,
                                                    const GeneIndex& index);

// Sorted, distinct rank positions of the pathway's genes; its length is the pathway's size.
[[nodiscard]] std::vector<std::size_t> extract_pathway_hits(const core::Pathway& pathway,
                                                            const GeneIndex& index);

// Leading-edge genes: hits at or above the peak (ascending) for Pos or Std with es > 0,
// at or below the peak (descending) for Neg or Std with es < 0, none for Std with es 0/NaN.
[[nodiscard]] std::vector<std::string> leading_edge(std::span<const std::size_t> hits,
                                                    std::size_t peak_position, double es,
                                                    core::ScoreType score_type,
                                                    const core::RankedList& ranked);

// Emits the warnings on tied non-zero scores, on NaN scores (ranked last with
// zero weight) and on all-positive scores with Std (level Warn, target kLogTarget).
void warn_prepare_stats(const core::RankedList& ranked, core::ScoreType score_type);

// Number of genes with a non-zero (non-NaN) score whose integer weight in
// `stats` is 0: their share of every enrichment score is lost to the scaling.
std::size_t count_lost_weights(const core::RankedList& ranked, const core::PreparedStats& stats);

// Emits the warning on genes whose non-zero score lost its whole weight to
// the integer scaling (count_lost_weights > 0; level Warn, target kLogTarget).
void warn_weight_precision(const core::RankedList& ranked, const core::PreparedStats& stats);

// Sets padj of every row with a finite pval (Benjamini-Hochberg over all rows);
// rows with a non-finite pval get padj absent.
void apply_bh_adjustment(std::vector<core::EnrichmentResult>& rows);

// True when multilevel refinement with sample size `sample_size` would give a
// smaller log2 error than half the wider side of the 95% Clopper-Pearson
// interval of the simple estimate (k + 1) / (nperm + 1).
[[nodiscard]] bool should_refine_multilevel(std::uint64_t k, std::uint64_t z, double pval,
                                            std::uint64_t nperm, std::uint64_t sample_size);

// Trigamma function psi_1(x); NaN where it is undefined (poles, NaN input).
[[nodiscard]] double trigamma_f64(double x);

// Quantile of the Beta(a, b) distribution at probability p; NaN for invalid arguments.
[[nodiscard]] double beta_quantile_f64(double a, double b, double p);

}  // namespace varenko::algo_support
