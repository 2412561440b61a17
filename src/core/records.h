// Core records of the analysis: a gene set (Pathway), the collection read from
// one GMT file (PathwayDb), the gene ranking (RankedList) with its integer-scaled
// weights (PreparedStats), the score type and the per-pathway output row
// (EnrichmentResult). Plain values; none is shared between threads for writing.
// Invariant: RankedList::scores never increase; positions are 0-based ranks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/result.h"

namespace varenko::core {

// One gene set, one GMT line.
struct Pathway {
  std::string name;                        // first column, untrimmed
  std::optional<std::string> description;  // second column; absent when empty
  std::vector<std::string> genes;          // trimmed, non-empty, file order
};

// All gene sets of one GMT file, in file order.
struct PathwayDb {
  std::vector<Pathway> pathways;
};

// Which deviation of the running sum counts as the enrichment score.
enum class ScoreType { Std, Pos, Neg };

// Integer-scaled weights of a ranking for one weighting exponent.
struct PreparedStats {
  // |s_i|^p in rank order, 0 for a NaN score; (|s_i| / max |s|)^p when the
  // plain powers of finite scores sum to infinity or to 0.
  std::vector<double> weights;
  std::vector<std::int64_t> int_weights;  // scaled to sum to about 2^30
  std::int64_t int_total = 0;          // sum of int_weights
};

// Genes in descending score order; equal scores keep their input order and NaN
// scores come last, in input order.
class RankedList {
 public:
  RankedList() = default;

  // Sorts the genes by score (stable). The two lists must have equal length.
  static RankedList make(std::vector<std::string> genes, std::vector<double> scores);

  // Integer-scaled weights for exponent p (gseaParam). Never fails. NaN scores
  // get weight 0 and stay out of the scaling sum.
  [[nodiscard]] PreparedStats prepare(double p) const;

  [[nodiscard]] const std::vector<std::string>& genes() const { return genes_; }
  [[nodiscard]] const std::vector<double>& scores() const { return scores_; }
  [[nodiscard]] std::size_t size() const { return genes_.size(); }

 private:
  std::vector<std::string> genes_;
  std::vector<double> scores_;
};

// One output row per analysed pathway.
struct EnrichmentResult {
  std::string pathway;
  std::size_t size = 0;             // distinct rank positions hit
  double es = 0.0;
  std::optional<double> nes;
  double pval = 0.0;                // NaN when no p-value could be estimated
  std::optional<double> padj;       // absent exactly when pval is not finite
  std::optional<double> log2err;    // may hold NaN
  std::vector<std::string> leading_edge;
  bool pval_at_eps = false;         // pval is the floor eps, an upper bound of the true value

  // An independent copy of the row.
  [[nodiscard]] EnrichmentResult export_row() const { return *this; }

  bool operator==(const EnrichmentResult&) const = default;
};

// Fails with "ranking score of gene '<gene>' is not finite" for the first
// infinite score in input order (NaN is accepted: it is ranked last with zero
// weight). `genes` and `scores` are parallel lists.
Status check_finite_scores(std::span<const std::string> genes, std::span<const double> scores);

// Fails with "gsea_param must be a finite value greater than or equal to 0"
// for a NaN, infinite or negative weighting exponent.
Status check_gsea_param(double p);

// Round half to even, then convert to int64 with saturation (NaN gives 0).
std::int64_t round_to_int64_saturating(double x);

}  // namespace varenko::core
