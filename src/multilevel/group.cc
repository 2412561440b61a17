// Group driver of the multilevel stage: builds the positive-tail ruler on the
// weights' magnitudes and the negative-tail ruler on the same magnitudes in
// reverse order, extends each once to the most extreme score of its tail, and
// answers every score of the group from them. The two rulers share nothing
// (each owns its weights and its engine), so they are extended concurrently
// when the worker pool has more than one thread, with identical results.
#include "multilevel/group.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <oneapi/tbb/parallel_invoke.h>
#include <oneapi/tbb/task_arena.h>

#include "esruler_compat/es_ruler.h"

namespace varenko::multilevel {
namespace {

// Largest total weight for which every exact score comparison fits in 128 bits.
constexpr std::uint64_t kMaxRankTotal = std::uint64_t{1} << 46;

}  // namespace

core::Result<std::vector<double>> run_multilevel_gsea_group_impl(
    std::uint32_t n_genes, std::span<const std::int64_t> ranks, double eps,
    std::uint32_t pathway_size, std::span<const double> es, core::ScoreType score_type,
    std::uint32_t sample_size, std::uint64_t seed, core::RunControl* control) {
  if (n_genes == 0 || pathway_size == 0 || es.empty()) return std::vector<double>(es.size(), 1.0);
  const double nan = std::numeric_limits<double>::quiet_NaN();

  // Arguments outside the engine's domain give no estimate rather than a wrong one.
  if (ranks.size() != n_genes || pathway_size > n_genes) return std::vector<double>(es.size(), nan);
  std::vector<std::int64_t> magnitudes(ranks.size());
  std::uint64_t total = 0;
  for (std::size_t i = 0; i < ranks.size(); ++i) {
    if (ranks[i] == std::numeric_limits<std::int64_t>::min()) return std::vector<double>(es.size(), nan);
    magnitudes[i] = ranks[i] < 0 ? -ranks[i] : ranks[i];
    total += static_cast<std::uint64_t>(magnitudes[i]);
    if (total > kMaxRankTotal) return std::vector<double>(es.size(), nan);
  }

  const bool count_all = score_type != core::ScoreType::Std;
  const std::uint32_t n_samples = std::max<std::uint32_t>(1, sample_size);

  double max_es = -std::numeric_limits<double>::infinity();
  double min_es = std::numeric_limits<double>::infinity();
  for (const double x : es) {
    if (x > max_es) max_es = x;
    if (x < min_es) min_es = x;
  }

  std::vector<std::int64_t> reversed(magnitudes.rbegin(), magnitudes.rend());
  esruler_compat::EsRulerCompat ruler_pos(std::move(magnitudes), n_samples, pathway_size, 1.0);
  esruler_compat::EsRulerCompat ruler_neg(std::move(reversed), n_samples, pathway_size, 1.0);
  const bool need_pos = max_es >= 0.0;
  const bool need_neg = min_es < 0.0;
  // A walk that fails (an internal error) fails the group.
  core::Status pos_status = core::Status::success();
  core::Status neg_status = core::Status::success();
  auto extend_pos = [&] { pos_status = ruler_pos.extend(seed, std::fabs(max_es), eps, control); };
  auto extend_neg = [&] { neg_status = ruler_neg.extend(seed, std::fabs(min_es), eps, control); };
  if (need_pos && need_neg && tbb::this_task_arena::max_concurrency() > 1) {
    tbb::parallel_invoke(extend_pos, extend_neg);
  } else {
    if (need_pos) extend_pos();
    if (need_neg) extend_neg();
  }

  if (!pos_status.ok()) return std::move(pos_status).failure();
  if (!neg_status.ok()) return std::move(neg_status).failure();

  std::vector<double> pvalues;
  pvalues.reserve(es.size());
  for (const double x : es) {
    const auto& ruler = x >= 0.0 ? ruler_pos : ruler_neg;
    pvalues.push_back(ruler.get_pvalue(count_all, std::fabs(x)));
  }
  return pvalues;
}

}  // namespace varenko::multilevel
