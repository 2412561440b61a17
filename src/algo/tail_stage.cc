// Tail stage: the random-set sampler, the per-size permutations with their
// stopping rule, and the reuse of the simple post-processing and of the
// multilevel group driver on the counts of those permutations.
#include "algo/tail_stage.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <numeric>
#include <optional>
#include <utility>

#include <tbb/blocked_range.h>
#include <tbb/parallel_for.h>
#include <tbb/task_arena.h>

#include "algo/multilevel_stage.h"
#include "algo/simple_stage.h"
#include "algo_support/support.h"
#include "multilevel/group.h"
#include "quorin_compat/es_score.h"

namespace varenko::algo {
namespace {

// SplitMix64's increment and output mixing constants.
constexpr std::uint64_t kGoldenGamma = 0x9E3779B97F4A7C15ULL;
constexpr std::uint64_t kMix1 = 0xBF58476D1CE4E5B9ULL;
constexpr std::uint64_t kMix2 = 0x94D049BB133111EBULL;

// The pathways of one size that the tail stage works on, as indices into the
// Working list (ascending): rows left empty, and refined rows whose sign
// fraction gets a new estimate.
struct TailGroup {
  std::size_t size = 0;
  std::vector<std::size_t> indices;
  std::vector<bool> sign_only;  // parallel to indices
};

// A row the earlier stages left without a p-value although its score has a sign.
bool is_empty_row(const Working& w) { return std::isnan(w.pval) && w.es != 0.0 && !std::isnan(w.es); }

// Random scores counted on the side of the observed score `es` (the zero-side
// count of the post-processing).
std::uint64_t same_side_count(const quorin_compat::PermutationCounts& c, double es,
                              core::ScoreType score_type) {
  switch (score_type) {
    case core::ScoreType::Std:
      return es < 0.0 ? c.count_le_zero : c.count_ge_zero;
    case core::ScoreType::Pos:
      return c.count_ge_zero;
    case core::ScoreType::Neg:
      return c.count_le_zero;
  }
  return 0;
}

// Whether RandomSetScorer's integer running sums fit 64 bits for these
// weights: deviations are at most total * n in magnitude, so the product must
// stay below 2^62.
bool exact_arithmetic(std::span<const std::int64_t> int_weights) {
  std::uint64_t total = 0;
  bool fits = int_weights.size() < (std::uint64_t{1} << 31);
  for (const std::int64_t w : int_weights) {
    if (w == std::numeric_limits<std::int64_t>::min()) return false;
    total += static_cast<std::uint64_t>(w < 0 ? -w : w);
    if (total > (std::uint64_t{1} << 62)) return false;
  }
  return fits && static_cast<double>(total) * static_cast<double>(int_weights.size()) <
                     static_cast<double>(std::uint64_t{1} << 62);
}

// Marks a draw the positive-score test passed: its score is above 0, its
// value was not computed (the sizes it is used for need none).
constexpr double kSurelyPositive = std::numeric_limits<double>::infinity();

// Draws counted into the rows between two looks at the stopping rule, per task.
constexpr std::size_t kDrawGrain = 64;

}  // namespace

bool needs_sign_fraction(const Working& w, core::ScoreType score_type) {
  return std::isfinite(w.multilevel_joint) && std::isfinite(w.pval) && !w.pval_at_eps &&
         w.es != 0.0 && same_side_count(w.counts, w.es, score_type) < kTailSameSide;
}

double tail_log2err(double joint, std::uint64_t same_side, std::uint64_t drawn,
                    std::uint32_t sample_size) {
  const double s = static_cast<double>(sample_size);
  const double level_spread =
      algo_support::trigamma_f64((s + 1.0) * 0.5) - algo_support::trigamma_f64(s + 1.0);
  const double levels = std::floor(1.0 - std::log2(joint));
  const double sign_spread = algo_support::trigamma_f64(static_cast<double>(same_side) + 1.0) -
                             algo_support::trigamma_f64(static_cast<double>(drawn) + 1.0);
  return std::sqrt(levels * level_spread + sign_spread) * std::numbers::log2e;
}

namespace {

core::Status fill_empty_rows(const StageContext& ctx, std::size_t size, std::uint64_t drawn,
                             std::vector<Working>& rows);

// Post-processing and refinement of one size from the `drawn` permutations
// counted into copies of its rows (`rows`, in the group's order, `sign_only`
// alongside); fills their result fields. Rows marked sign-only keep their
// multilevel estimate and get only the sign fraction of these permutations;
// the others get everything.
core::Status finish_group(const StageContext& ctx, std::size_t size, std::uint64_t drawn,
                          std::vector<Working>& rows, const std::vector<bool>& sign_only) {
  // A refined row's p-value is its multilevel estimate over the sign fraction.
  // These draws were not kept or dropped on their own sign count (unlike the
  // first permutations, whose rows with fewer than 10 same-signed scores were
  // emptied, which leaves the fractions of the rows kept too large), so the
  // fraction from them is not biased; its error joins log2err.
  std::vector<Working> empty_rows;
  std::vector<std::size_t> empty_slots;
  for (std::size_t j = 0; j < rows.size(); ++j) {
    if (!sign_only[j]) {
      empty_slots.push_back(j);
      empty_rows.push_back(std::move(rows[j]));
      continue;
    }
    Working& w = rows[j];
    const std::uint64_t z = same_side_count(w.counts, w.es, ctx.score_type);
    const double d = (static_cast<double>(z) + 1.0) / (static_cast<double>(drawn) + 1.0);
    const MultilevelPvalue combined =
        combine_multilevel_pvalue(w.multilevel_joint, d, ctx.eps, ctx.sample_size);
    w.pval = combined.pval;
    w.pval_at_eps = combined.at_eps;
    w.log2err = combined.log2err;
    if (w.log2err && std::isfinite(*w.log2err) && w.multilevel_joint > 0.0) {
      w.log2err = tail_log2err(w.multilevel_joint, z, drawn, ctx.sample_size);
    }
  }
  const core::Status status = fill_empty_rows(ctx, size, drawn, empty_rows);
  for (std::size_t j = 0; j < empty_slots.size(); ++j) {
    rows[empty_slots[j]] = std::move(empty_rows[j]);
  }
  return status;
}

// Post-processing and refinement of the empty rows of one size from the
// `drawn` permutations counted into them.
core::Status fill_empty_rows(const StageContext& ctx, std::size_t size, std::uint64_t drawn,
                             std::vector<Working>& rows) {
  if (rows.empty()) return core::Status::success();
  // The same numbers as for every other row, from these permutations.
  StageContext size_ctx = ctx;
  size_ctx.nperm = drawn;
  SimpleStageOutput counts;
  simple_postprocessing(size_ctx, rows, counts);
  if (!ctx.allow_multilevel) return core::Status::success();

  const std::vector<MultilevelGroup> groups = select_multilevel_groups(size_ctx, rows, counts);
  if (groups.empty()) return core::Status::success();
  const MultilevelGroup& group = groups.front();  // every row has this size
  std::vector<double> es(group.indices.size());
  for (std::size_t j = 0; j < es.size(); ++j) es[j] = rows[group.indices[j]].es;
  VARENKO_ASSIGN_OR_RETURN(
      const std::vector<double> pvalues,
      multilevel::run_multilevel_gsea_group_impl(
          static_cast<std::uint32_t>(ctx.n), std::span<const std::int64_t>(ctx.stats->int_weights),
          multilevel_group_floor(size_ctx, group, counts), group.size, es, ctx.score_type,
          ctx.sample_size, derive_stream_seed(ctx.seed, tail_multilevel_stream(size)),
          ctx.control));
  for (std::size_t j = 0; j < group.indices.size(); ++j) {
    const std::size_t i = group.indices[j];
    const std::uint64_t z = counts.zero_side[i];
    const double d = (static_cast<double>(z) + 1.0) / (static_cast<double>(drawn) + 1.0);
    const MultilevelPvalue combined =
        combine_multilevel_pvalue(pvalues[j], d, ctx.eps, ctx.sample_size);
    Working& w = rows[i];
    w.pval = combined.pval;
    w.pval_at_eps = combined.at_eps;
    w.log2err = combined.log2err;
    if (w.log2err && std::isfinite(*w.log2err) && pvalues[j] > 0.0) {
      w.log2err = tail_log2err(pvalues[j], z, drawn, ctx.sample_size);
    }
  }
  return core::Status::success();
}

}  // namespace

std::uint64_t derive_stream_seed(std::uint64_t seed, std::uint64_t stream) {
  std::uint64_t z = seed + (stream + 1) * kGoldenGamma;
  z = (z ^ (z >> 30)) * kMix1;
  z = (z ^ (z >> 27)) * kMix2;
  return z ^ (z >> 31);
}

RandomSetSampler::RandomSetSampler(std::size_t n, std::size_t size, std::uint64_t seed)
    : rng_(seed), order_(n), bits_((n + 63) / 64, 0), hits_(size), size_(size) {
  std::iota(order_.begin(), order_.end(), std::uint32_t{0});
}

std::uint64_t RandomSetSampler::bounded(std::uint64_t range) {
  __extension__ typedef unsigned __int128 UInt128;
  UInt128 m = UInt128{rng_()} * range;
  auto low = static_cast<std::uint64_t>(m);
  if (low < range) {
    const std::uint64_t threshold = (0 - range) % range;
    while (low < threshold) {
      m = UInt128{rng_()} * range;
      low = static_cast<std::uint64_t>(m);
    }
  }
  return static_cast<std::uint64_t>(m >> 64);
}

const std::vector<std::size_t>& RandomSetSampler::next() {
  // A partial shuffle of any permutation gives a uniform set in its first
  // entries, so the permutation is never reset.
  const std::size_t n = order_.size();
  for (std::size_t i = 0; i < size_; ++i) {
    const std::size_t j = i + static_cast<std::size_t>(bounded(n - i));
    std::swap(order_[i], order_[j]);
    const std::uint32_t p = order_[i];
    bits_[p >> 6] |= std::uint64_t{1} << (p & 63);
  }
  std::size_t out = 0;
  for (std::size_t word = 0; word < bits_.size(); ++word) {
    std::uint64_t b = bits_[word];
    bits_[word] = 0;
    while (b != 0) {
      hits_[out++] = word * 64 + static_cast<std::size_t>(std::countr_zero(b));
      b &= b - 1;
    }
  }
  return hits_;
}

RandomSetScorer::RandomSetScorer(std::span<const std::int64_t> int_weights,
                                 std::span<const double> weights, core::ScoreType score_type)
    : int_weights_(int_weights),
      weights_(weights),
      score_type_(score_type),
      exact_(exact_arithmetic(int_weights)) {}

double RandomSetScorer::operator()(std::span<const std::size_t> hits) const {
  const std::size_t n = int_weights_.size();
  const std::size_t k = hits.size();
  std::int64_t nr = 0;
  if (exact_) {
    for (const std::size_t h : hits) nr += int_weights_[h] < 0 ? -int_weights_[h] : int_weights_[h];
  }
  if (!exact_ || nr == 0 || k == 0 || k == n) {
    return quorin_compat::calculate_es_quorin(weights_, hits, n, score_type_).es;
  }
  // The running sum times nr * (n - k): integers, so the comparisons are exact.
  const auto d = static_cast<std::int64_t>(n - k);
  std::int64_t cum = 0;
  std::int64_t max_top = std::numeric_limits<std::int64_t>::min();
  std::int64_t min_bottom = std::numeric_limits<std::int64_t>::max();
  for (std::size_t i = 0; i < k; ++i) {
    const std::size_t h = hits[i];
    const std::int64_t w = int_weights_[h] < 0 ? -int_weights_[h] : int_weights_[h];
    cum += w;
    const std::int64_t top = cum * d - static_cast<std::int64_t>(h - i) * nr;
    const std::int64_t bottom = top - w * d;
    max_top = std::max(max_top, top);
    min_bottom = std::min(min_bottom, bottom);
  }
  const double scale = static_cast<double>(nr) * static_cast<double>(d);
  const double pos = static_cast<double>(max_top) / scale;
  const double neg = static_cast<double>(min_bottom) / scale;
  switch (score_type_) {
    case core::ScoreType::Pos:
      return pos;
    case core::ScoreType::Neg:
      return neg;
    case core::ScoreType::Std:
      break;
  }
  if (max_top == -min_bottom) return 0.0;
  return max_top > -min_bottom ? pos : neg;
}

NestedSetDrawer::NestedSetDrawer(std::size_t n, std::uint64_t base_seed)
    : base_(base_seed), n_(n), chosen_((n + 63) / 64, 0), members_((n + 63) / 64, 0) {
  drawn_.reserve(n);
}

std::uint64_t NestedSetDrawer::next() {
  state_ += kGoldenGamma;
  std::uint64_t z = state_;
  z = (z ^ (z >> 30)) * kMix1;
  z = (z ^ (z >> 27)) * kMix2;
  return z ^ (z >> 31);
}

std::uint64_t NestedSetDrawer::bounded(std::uint64_t range) {
  __extension__ typedef unsigned __int128 UInt128;
  UInt128 m = UInt128{next()} * range;
  auto low = static_cast<std::uint64_t>(m);
  if (low < range) {
    const std::uint64_t threshold = (0 - range) % range;
    while (low < threshold) {
      m = UInt128{next()} * range;
      low = static_cast<std::uint64_t>(m);
    }
  }
  return static_cast<std::uint64_t>(m >> 64);
}

void NestedSetDrawer::start(std::uint64_t j) {
  for (const std::uint32_t p : drawn_) chosen_[p >> 6] &= ~(std::uint64_t{1} << (p & 63));
  drawn_.clear();
  state_ = derive_stream_seed(base_, j);
}

std::span<const std::uint32_t> NestedSetDrawer::extend(std::size_t count) {
  while (drawn_.size() < count) {
    const auto p = static_cast<std::uint32_t>(bounded(n_));
    std::uint64_t& word = chosen_[p >> 6];
    const std::uint64_t bit = std::uint64_t{1} << (p & 63);
    if ((word & bit) != 0) continue;
    word |= bit;
    drawn_.push_back(p);
  }
  return {drawn_.data(), drawn_.size()};
}

const std::vector<std::size_t>& NestedSetDrawer::sorted_prefix(std::size_t count) {
  for (std::size_t t = 0; t < count; ++t) {
    const std::uint32_t p = drawn_[t];
    members_[p >> 6] |= std::uint64_t{1} << (p & 63);
  }
  hits_.resize(count);
  std::size_t out = 0;
  for (std::size_t word = 0; word < members_.size(); ++word) {
    std::uint64_t b = members_[word];
    members_[word] = 0;
    while (b != 0) {
      hits_[out++] = word * 64 + static_cast<std::size_t>(std::countr_zero(b));
      b &= b - 1;
    }
  }
  return hits_;
}

PositiveScoreTest::PositiveScoreTest(std::span<const std::int64_t> int_weights)
    : region_of_(int_weights.size()),
      abs_weights_(int_weights.size()),
      exact_(exact_arithmetic(int_weights)) {
  const auto n = static_cast<std::int64_t>(int_weights.size());
  // Thresholds 16, 20, 25, ... (each a quarter above the last) below n: finer
  // steps would pass a few more sets for more work on every set.
  for (std::int64_t t = 16; t < n; t += t / 4) thresholds_.push_back(t);
  std::size_t r = 0;
  for (std::int64_t p = 0; p < n; ++p) {
    while (r < thresholds_.size() && thresholds_[r] <= p) ++r;
    region_of_[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(r);
    const std::int64_t w = exact_ ? int_weights[static_cast<std::size_t>(p)] : 0;
    abs_weights_[static_cast<std::size_t>(p)] = w < 0 ? -w : w;
  }
}

bool PositiveScoreTest::passes(std::span<const std::int64_t> weight_sums,
                               std::span<const std::int64_t> counts, std::size_t k) const {
  const auto n = static_cast<std::int64_t>(abs_weights_.size());
  if (!exact_ || k == 0 || static_cast<std::int64_t>(k) >= n) return false;
  std::int64_t nr = 0;
  for (const std::int64_t w : weight_sums) nr += w;
  if (nr <= 0) return false;
  // In the scorer's units (running sum times nr * d): a hit with cumulative
  // weight C (itself included) and M misses before it tops at C d - M nr and
  // bottoms at C' d - M nr, C' without it; the sum ends at 0, so the bottom
  // is also at least -(nr - C') d. Below threshold T with c the weight and m
  // the count of the hits there, the last of them tops at least at
  // c d - (T - m) nr; a hit between the thresholds T' < T has at most T - m
  // misses and at least the weight c' below T' before it.
  const auto d = static_cast<std::int64_t>(n - static_cast<std::int64_t>(k));
  std::int64_t lower_top = std::numeric_limits<std::int64_t>::min();
  std::int64_t upper_bottom = std::numeric_limits<std::int64_t>::min();
  std::int64_t c = 0;
  std::int64_t m = 0;
  for (std::size_t a = 0; a < thresholds_.size(); ++a) {
    const std::int64_t below = c;  // weight of the hits below the previous threshold
    c += weight_sums[a];
    m += counts[a];
    const std::int64_t misses = thresholds_[a] - m;
    upper_bottom = std::max(upper_bottom, std::min(misses * nr - below * d, (nr - below) * d));
    if (m > 0) lower_top = std::max(lower_top, c * d - misses * nr);
  }
  upper_bottom = std::max(upper_bottom, (nr - c) * d);  // hits above the last threshold
  return lower_top > 0 && lower_top > upper_bottom;
}

std::vector<double> random_set_scores(std::span<const std::int64_t> int_weights,
                                      std::span<const double> weights, std::size_t size,
                                      std::uint64_t count, std::uint64_t seed,
                                      core::ScoreType score_type) {
  RandomSetSampler sampler(weights.size(), size, seed);
  const RandomSetScorer scorer(int_weights, weights, score_type);
  std::vector<double> scores(count);
  for (double& x : scores) x = scorer(sampler.next());
  return scores;
}

namespace {

// Draws nested random sets for every group at once, block by block, and counts
// each draw into the rows of every size still short of kTailSameSide
// same-signed scores (`drawn` gets each size's count of draws). Draws are
// made in parallel and counted in draw order, so the counts do not depend on
// the thread count; a size's counts depend only on the seed and its rows.
void draw_groups(const StageContext& ctx, const std::vector<TailGroup>& groups,
                 std::vector<std::vector<Working>>& rows, std::vector<std::uint64_t>& drawn) {
  const std::uint64_t base = derive_stream_seed(ctx.seed, tail_permutation_stream());
  const RandomSetScorer scorer(ctx.stats->int_weights, ctx.weights, ctx.score_type);
  const PositiveScoreTest test(ctx.stats->int_weights);
  // Sizes whose rows all score below 0 need no value of a positive score:
  // it counts only on the other side, whose sum they never read.
  std::vector<bool> negative_only(groups.size());
  for (std::size_t g = 0; g < groups.size(); ++g) {
    negative_only[g] =
        ctx.score_type == core::ScoreType::Std &&
        std::all_of(rows[g].begin(), rows[g].end(), [](const Working& w) { return w.es < 0.0; });
  }
  auto satisfied = [&](std::size_t g) {
    return std::all_of(rows[g].begin(), rows[g].end(), [&](const Working& w) {
      return same_side_count(w.counts, w.es, ctx.score_type) >= kTailSameSide;
    });
  };
  std::vector<std::size_t> active(groups.size());  // ascending sizes
  std::iota(active.begin(), active.end(), std::size_t{0});
  std::vector<double> scores;
  std::uint64_t done = 0;
  // The rule is looked at between whole blocks only, so the number drawn
  // depends on the counts alone.
  while (!active.empty() && done < kTailMaxPermutations) {
    if (core::cancelled(ctx.control)) return;
    const std::uint64_t block = std::min(kTailBlock, kTailMaxPermutations - done);
    scores.assign(active.size() * block, 0.0);
    auto draw_range = [&](std::uint64_t from, std::uint64_t to) {
      NestedSetDrawer drawer(ctx.n, base);
      std::vector<std::int64_t> weight_sums(test.regions());
      std::vector<std::int64_t> counts(test.regions());
      for (std::uint64_t b = from; b < to; ++b) {
        drawer.start(done + b);
        std::fill(weight_sums.begin(), weight_sums.end(), 0);
        std::fill(counts.begin(), counts.end(), 0);
        std::size_t have = 0;
        for (std::size_t a = 0; a < active.size(); ++a) {
          const std::size_t g = active[a];
          const std::size_t size = groups[g].size;
          const std::span<const std::uint32_t> positions = drawer.extend(size);
          for (; have < size; ++have) {
            const std::uint32_t p = positions[have];
            weight_sums[test.region(p)] += test.weight(p);
            ++counts[test.region(p)];
          }
          double& x = scores[a * block + b];
          if (negative_only[g] && test.passes(weight_sums, counts, size)) {
            x = kSurelyPositive;
          } else {
            x = scorer(drawer.sorted_prefix(size));
          }
        }
      }
    };
    if (tbb::this_task_arena::max_concurrency() > 1) {
      tbb::parallel_for(tbb::blocked_range<std::uint64_t>(0, block, kDrawGrain),
                        [&](const tbb::blocked_range<std::uint64_t>& r) {
                          draw_range(r.begin(), r.end());
                        });
    } else {
      draw_range(0, block);
    }
    for (std::size_t a = 0; a < active.size(); ++a) {
      const std::size_t g = active[a];
      for (std::uint64_t b = 0; b < block; ++b) {
        const double x = scores[a * block + b];
        for (Working& w : rows[g]) {
          if (x == kSurelyPositive) {
            ++w.counts.count_ge;  // every row of the size scores below 0
            ++w.counts.count_ge_zero;
          } else {
            w.counts.add(x, w.es);
          }
        }
      }
      drawn[g] = done + block;
    }
    done += block;
    std::erase_if(active, satisfied);
  }
}

}  // namespace

core::Status run_tail_stage(const StageContext& ctx, std::vector<Working>& working) {
  std::map<std::size_t, TailGroup> by_size;
  for (std::size_t i = 0; i < working.size(); ++i) {
    const bool empty = is_empty_row(working[i]);
    if (!empty && !needs_sign_fraction(working[i], ctx.score_type)) continue;
    TailGroup& group = by_size[working[i].size];
    group.size = working[i].size;
    group.indices.push_back(i);
    group.sign_only.push_back(!empty);
  }
  if (by_size.empty()) return core::Status::success();
  std::vector<TailGroup> groups;
  for (auto& entry : by_size) groups.push_back(std::move(entry.second));

  // Each group works on copies of its rows and writes only its own slots.
  std::vector<std::vector<Working>> rows(groups.size());
  std::vector<std::optional<core::Error>> failures(groups.size());
  for (std::size_t g = 0; g < groups.size(); ++g) {
    for (const std::size_t i : groups[g].indices) {
      Working copy;
      copy.size = working[i].size;
      copy.es = working[i].es;
      copy.multilevel_joint = working[i].multilevel_joint;
      rows[g].push_back(std::move(copy));
    }
  }
  std::vector<std::uint64_t> drawn(groups.size(), 0);
  draw_groups(ctx, groups, rows, drawn);
  if (core::cancelled(ctx.control)) return core::Status::success();
  auto run_one = [&](std::size_t g) {
    if (core::cancelled(ctx.control)) return;
    core::Status status =
        finish_group(ctx, groups[g].size, drawn[g], rows[g], groups[g].sign_only);
    if (!status.ok()) failures[g] = std::move(status).failure();
  };
  for_each_group(groups.size(), run_one);
  for (std::optional<core::Error>& failure : failures) {
    if (failure) return std::move(*failure);
  }
  if (core::cancelled(ctx.control)) return core::Status::success();

  for (std::size_t g = 0; g < groups.size(); ++g) {
    for (std::size_t j = 0; j < groups[g].indices.size(); ++j) {
      Working& w = working[groups[g].indices[j]];
      const Working& filled = rows[g][j];
      if (!groups[g].sign_only[j]) w.nes = filled.nes;  // a refined row keeps its NES
      w.pval = filled.pval;
      w.log2err = filled.log2err;
      w.pval_at_eps = filled.pval_at_eps;
    }
  }
  return core::Status::success();
}

}  // namespace varenko::algo
