// Support statistics of the analysis. The special functions use Boost.Math
// with a policy that turns domain errors into NaN and overflow into infinity,
// so nothing here throws for unusual arguments.
#include "algo_support/support.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <numbers>
#include <string>
#include <unordered_set>

#include <boost/math/distributions/beta.hpp>
#include <boost/math/policies/policy.hpp>
#include <boost/math/special_functions/trigamma.hpp>

#include "core/log.h"

namespace varenko::algo_support {
namespace {

namespace bm = boost::math;
using NoThrowPolicy = bm::policies::policy<
    bm::policies::domain_error<bm::policies::ignore_error>,
    bm::policies::pole_error<bm::policies::ignore_error>,
    bm::policies::overflow_error<bm::policies::ignore_error>,
    bm::policies::evaluation_error<bm::policies::ignore_error>,
    bm::policies::rounding_error<bm::policies::ignore_error>>;

std::uint64_t bits_of(double x) {
  std::uint64_t b = 0;
  std::memcpy(&b, &x, sizeof b);
  return b;
}

}  // namespace

GeneIndex build_gene_index(const core::RankedList& ranked) {
  GeneIndex index;
  index.reserve(ranked.size());
  const auto& genes = ranked.genes();
  for (std::size_t i = 0; i < genes.size(); ++i) index.insert_or_assign(genes[i], i);
  return index;
}

std::vector<std::size_t> extract_hits(std::span<const std::string> genes, const GeneIndex& index) {
  std::vector<std::size_t> hits;
  hits.reserve(genes.size());
  for (const auto& gene : genes) {
    const auto it = index.find(std::string_view(gene));
    if (it != index.end()) hits.push_back(it->second);
  }
  std::sort(hits.begin(), hits.end());
  hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
  return hits;
}

std::vector<std::size_t> extract_pathway_hits(const core::Pathway& pathway, const GeneIndex& index) {
  return extract_hits(pathway.genes, index);
}

std::vector<std::string> leading_edge(std::span<const std::size_t> hits, std::size_t peak_position,
                                      double es, core::ScoreType score_type,
                                      const core::RankedList& ranked) {
  const bool top = score_type == core::ScoreType::Pos || (score_type == core::ScoreType::Std && es > 0);
  const bool bottom =
      score_type == core::ScoreType::Neg || (score_type == core::ScoreType::Std && es < 0);
  std::vector<std::string> edge;
  const auto& genes = ranked.genes();
  if (top) {
    for (const std::size_t pos : hits) {
      if (pos <= peak_position) edge.push_back(genes[pos]);
    }
  } else if (bottom) {
    for (auto it = hits.rbegin(); it != hits.rend(); ++it) {
      if (*it >= peak_position) edge.push_back(genes[*it]);
    }
  }
  return edge;
}

void warn_prepare_stats(const core::RankedList& ranked, core::ScoreType score_type) {
  if (!core::log::enabled(core::log::Level::Warn)) return;
  const auto& scores = ranked.scores();
  const std::size_t n = scores.size();

  std::size_t tied = 0;
  std::unordered_set<std::uint64_t> seen;
  seen.reserve(n);
  for (const double s : scores) {
    if (s != 0.0 && !seen.insert(bits_of(s)).second) ++tied;
  }
  if (n > 0 && tied > 0) {
    const double percent = 100.0 * static_cast<double>(tied) / static_cast<double>(n);
    char pct[64];
    std::snprintf(pct, sizeof pct, "%.2f", percent);
    core::log::warn(kLogTarget, "detected " + std::to_string(tied) +
                                    " tied non-zero ranking scores (" + pct +
                                    "% of genes); ties are resolved by input order and can "
                                    "slightly affect enrichment outcomes");
  }

  const auto nan_count = static_cast<std::size_t>(
      std::count_if(scores.begin(), scores.end(), [](double s) { return std::isnan(s); }));
  if (nan_count > 0) {
    core::log::warn(kLogTarget, std::to_string(nan_count) +
                                    " genes have a NaN ranking score; they are ranked last with "
                                    "zero weight");
  }

  if (score_type == core::ScoreType::Std &&
      std::all_of(scores.begin(), scores.end(), [](double s) { return s > 0.0; })) {
    core::log::warn(kLogTarget,
                    "all ranking scores are positive while scoreType='std'; for one-tailed "
                    "enrichment, consider scoreType='pos'");
  }
}

std::size_t count_lost_weights(const core::RankedList& ranked, const core::PreparedStats& stats) {
  const auto& scores = ranked.scores();
  const std::size_t n = std::min(scores.size(), stats.int_weights.size());
  std::size_t lost = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (scores[i] != 0.0 && !std::isnan(scores[i]) && stats.int_weights[i] == 0) ++lost;
  }
  return lost;
}

void warn_weight_precision(const core::RankedList& ranked, const core::PreparedStats& stats) {
  if (!core::log::enabled(core::log::Level::Warn)) return;
  const std::size_t lost = count_lost_weights(ranked, stats);
  if (lost == 0) return;
  core::log::warn(kLogTarget,
                  std::to_string(lost) +
                      " genes with a non-zero ranking score get weight 0 in the integer weights "
                      "(summing to about 2^30) of the enrichment scores (the scores span too many "
                      "orders of magnitude, or gseaParam is too large): enrichment scores may "
                      "depart from the exact weighted running sum");
}

void apply_bh_adjustment(std::vector<core::EnrichmentResult>& rows) {
  const double total = static_cast<double>(rows.size());
  std::vector<std::size_t> order;
  order.reserve(rows.size());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (std::isfinite(rows[i].pval)) {
      order.push_back(i);
    } else {
      rows[i].padj.reset();
    }
  }
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return rows[a].pval < rows[b].pval; });
  double running = 1.0;
  for (std::size_t rank = order.size(); rank >= 1; --rank) {
    core::EnrichmentResult& row = rows[order[rank - 1]];
    running = std::min(std::min(row.pval * total / static_cast<double>(rank), running), 1.0);
    row.padj = running;
  }
}

bool should_refine_multilevel(std::uint64_t k, std::uint64_t z, double pval, std::uint64_t nperm,
                              std::uint64_t sample_size) {
  if (z < 10 || !std::isfinite(pval) || nperm == 0) return false;
  const double kd = static_cast<double>(k);
  const double nd = static_cast<double>(nperm);
  // Two-sided 95% Clopper-Pearson bounds of (k + 1) / (nperm + 1) on the log2 scale.
  const double lower = k == 0 ? -std::numeric_limits<double>::infinity()
                              : std::log2(beta_quantile_f64(kd, nd - kd + 1.0, 0.025));
  const double upper = k >= nperm ? 0.0 : std::log2(beta_quantile_f64(kd + 1.0, nd - kd, 0.975));
  const double center = std::log2((kd + 1.0) / (nd + 1.0));
  const double half_width = 0.5 * std::fmax(center - lower, upper - center);
  // log2 error the multilevel stage would reach with this sample size.
  const double s = static_cast<double>(sample_size);
  const double multilevel_err =
      std::sqrt(std::floor(1.0 - center) * (trigamma_f64((s + 1.0) * 0.5) - trigamma_f64(s + 1.0))) /
      std::numbers::ln2;
  return multilevel_err < half_width;
}

double trigamma_f64(double x) {
  if (std::isnan(x)) return x;
  return bm::trigamma(x, NoThrowPolicy());
}

double beta_quantile_f64(double a, double b, double p) {
  if (!(a > 0.0) || !(b > 0.0) || !std::isfinite(a) || !std::isfinite(b) || !(p >= 0.0) ||
      !(p <= 1.0)) {
    return std::numeric_limits<double>::quiet_NaN();
  }
  const bm::beta_distribution<double, NoThrowPolicy> dist(a, b);
  return bm::quantile(dist, p);
}

}  // namespace varenko::algo_support
