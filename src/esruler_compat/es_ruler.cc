// Construction, exact sample scoring, median splits, the extension loop and
// the p-value query of the ES ruler. Harmonic sums stand in for digamma
// differences and are always accumulated in increasing index order from 0.0,
// so every p-value is reproducible to the bit.
#include "esruler_compat/es_ruler.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "esruler_compat/pass_scheduler.h"
#include "esruler_compat/swap_facts.h"
#include "rng_compat/combination.h"

namespace varenko::esruler_compat {
namespace {

constexpr double kTwoPow30 = 1073741824.0;
// Target numerators are cut to +-2^31 (score +-2): every ruler score lies in
// [-1, 1], so all targets beyond that order identically.
constexpr std::int64_t kTargetLimit = std::int64_t{1} << 31;
// Chunk numbers are stored in 16 bits (a k-subset of 2^32 positions has
// fewer than 2^16 chunks of the default count).
constexpr std::uint32_t kMaxChunks = std::uint32_t{1} << 16;

// sum_{i = from .. to} (-1 / i) in increasing i, starting from 0.0.
double negative_harmonic(std::uint64_t from, std::uint64_t to) {
  double s = 0.0;
  for (std::uint64_t i = from; i <= to; ++i) s += -1.0 / static_cast<double>(i);
  return s;
}

// Truncates toward zero into a 32-bit signed integer, saturating; NaN gives 0.
std::int32_t trunc_to_i32(double x) {
  if (std::isnan(x)) return 0;
  if (x <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
    return std::numeric_limits<std::int32_t>::min();
  }
  if (x >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
    return std::numeric_limits<std::int32_t>::max();
  }
  return static_cast<std::int32_t>(x);
}

}  // namespace

FixedBoundDraw::FixedBoundDraw(std::uint32_t m)
    : m_(m), limit_(0xffffffffu - 0xffffffffu % m), magic_(~std::uint64_t{0} / m + 1) {}

std::int64_t target_numerator(double score) {
  if (std::isnan(score)) return 0;
  const double scaled = std::trunc(score * kTwoPow30);
  if (scaled >= static_cast<double>(kTargetLimit)) return kTargetLimit;
  if (scaled <= -static_cast<double>(kTargetLimit)) return -kTargetLimit;
  return static_cast<std::int64_t>(scaled);
}

EsRulerCompat::EsRulerCompat(std::vector<std::int64_t> ranks, std::uint32_t sample_size,
                             std::uint32_t pathway_size, double move_scale)
    : move_scale_(move_scale),
      ranks_(std::move(ranks)),
      gene_keys_(ranks_.size(), 0),
      samples_(sample_size),
      sample_size_(sample_size),
      pathway_size_(pathway_size),
      draw_member_(std::max<std::uint32_t>(1, pathway_size)),
      draw_position_(std::max<std::uint32_t>(1, static_cast<std::uint32_t>(ranks_.size()))) {
  reset_chunks(1);
}

void EsRulerCompat::reset_chunks(std::uint32_t count) {
  count = std::clamp<std::uint32_t>(count, 1, kMaxChunks);
  chunk_count_ = count;
  chunk_last_.assign(count, 0);
  chunk_last_.back() = n();
  index_chunks();
}

void EsRulerCompat::index_chunks() {
  const std::uint32_t count = chunk_count_;
  chunk_of_.resize(ranks_.size());
  // Chunk h < count - 1 holds the positions from the previous boundary up to
  // below chunk_last_[h]; the last chunk all the rest.
  std::uint32_t from = 0;
  for (std::uint32_t h = 0; h + 1 < count; ++h) {
    const std::uint32_t to = std::clamp(chunk_last_[h], from, n());
    std::fill(chunk_of_.begin() + from, chunk_of_.begin() + to, static_cast<std::uint16_t>(h));
    from = to;
  }
  std::fill(chunk_of_.begin() + from, chunk_of_.end(), static_cast<std::uint16_t>(count - 1));
}

ScoredEntry EsRulerCompat::score_sample(const std::vector<std::uint32_t>& positions,
                                        std::uint32_t sample_index) const {
  SampleSums sums;
  for (const std::uint32_t p : positions) {
    sums.rank_sum += ranks_[p];
    sums.key ^= gene_keys_[p];
  }
  return score_sample(positions, sample_index, sums);
}

ScoredEntry EsRulerCompat::score_sample(const std::vector<std::uint32_t>& positions,
                                        std::uint32_t sample_index, SampleSums sums) const {
  const auto k = static_cast<std::int64_t>(positions.size());
  const std::int64_t miss_total = static_cast<std::int64_t>(ranks_.size()) - k;
  std::int64_t rank_sum = sums.rank_sum;
  const std::uint64_t key = sums.key;
  // A sample without weight is scored with every hit weighing 1 / k, as the
  // enrichment score does for a zero rank total; otherwise it would tie with
  // every score and break the order.
  const bool unit = rank_sum == 0;
  if (unit) rank_sum = k;
  auto rank_at = [&](std::uint32_t p) { return unit ? std::int64_t{1} : ranks_[p]; };
  std::int64_t peak_cum = 0;
  std::int64_t peak_misses = 0;
  bool pos_dominant = true;
  // One walk finds the peak (the earliest point after a hit with the greatest
  // score above 0) and the largest-magnitude deviation before and after each
  // hit (the earliest wins). deviation(cum, misses) = cum * miss_total -
  // misses * rank_sum has the sign of the point's score and is proportional to
  // it (factor rank_sum * miss_total); its size is at most rank_sum *
  // miss_total, so 64 bits hold it when that product fits. Misses only lower
  // the deviation and hits only raise it, so its greatest value is the peak's
  // (or 0) and its least value is taken just before a hit (or 0): the largest
  // magnitude is the greater of the two, and on a tie the one reached first
  // (point 2j is just before hit j, point 2j + 1 just after it).
  auto walk = [&](auto zero) {
    using Wide = decltype(zero);
    std::int64_t cum = 0;
    std::int64_t last = -1;
    Wide deviation = 0;
    Wide peak_dev = 0;
    Wide low_dev = 0;
    std::int64_t misses = 0;
    std::int64_t peak_at = 0;
    std::int64_t low_at = 0;
    std::int64_t point = 0;
    for (const std::uint32_t p : positions) {
      const std::int64_t gap = static_cast<std::int64_t>(p) - last - 1;
      misses += gap;
      deviation -= Wide{gap} * rank_sum;
      if (deviation < low_dev) {
        low_dev = deviation;
        low_at = point;
      }
      const std::int64_t rank = rank_at(p);
      cum += rank;
      deviation += Wide{rank} * miss_total;
      if (deviation > peak_dev) {
        peak_dev = deviation;
        peak_cum = cum;
        peak_misses = misses;
        peak_at = point + 1;
      }
      point += 2;
      last = p;
    }
    pos_dominant = peak_dev > -low_dev || (peak_dev == -low_dev && peak_at <= low_at);
  };
  if (Int128{rank_sum} * miss_total < (Int128{1} << 62)) {
    walk(std::int64_t{0});
  } else {
    walk(Int128{0});
  }

  ScoredEntry e;
  e.gsea = Gsea{rank_sum, peak_cum, miss_total, peak_misses, key};
  e.pos_dominant = pos_dominant;
  e.sample_index = sample_index;
  return e;
}

void EsRulerCompat::resample_genesets(rng_compat::Mt19937& rng) {
  const std::uint32_t n_samples = sample_size_;
  std::vector<ScoredEntry> entries;
  entries.reserve(n_samples);
  // The rank sums and keys the passes left with the samples, when they did.
  const bool known = sample_sums_.size() == n_samples;
  for (std::uint32_t s = 0; s < n_samples; ++s) {
    entries.push_back(known ? score_sample(samples_[s], s, sample_sums_[s])
                            : score_sample(samples_[s], s));
  }
  std::vector<SampleSums> sums_before;
  sums_before.swap(sample_sums_);
  std::stable_sort(entries.begin(), entries.end(), [](const ScoredEntry& a, const ScoredEntry& b) {
    return precedes(a.gsea, b.gsea);
  });

  const Gsea median = entries[n_samples / 2].gsea;
  std::uint32_t t = 0;
  while (t < n_samples && precedes(entries[t].gsea, median)) ++t;
  if (t == 0) {
    // The smallest entry equals the median: split after the block equal to it.
    t = 1;
    while (t < n_samples && !precedes(entries[0].gsea, entries[t].gsea)) ++t;
    if (t == n_samples) return;  // every entry equal: no split
  }

  Level level;
  level.bound = entries[t - 1].gsea;
  level.lower.assign(entries.begin(), entries.begin() + t);
  level.upper.assign(entries.begin() + t, entries.end());

  // The duplicates are copied (into the storage of the samples below the
  // split) before the samples at or above it are moved into place.
  std::vector<std::vector<std::uint32_t>> next(n_samples);
  std::vector<std::uint32_t> source(n_samples);
  for (std::uint32_t i = 0; i < t; ++i) {
    const std::uint32_t r = uniform_index(rng, n_samples - t);
    source[i] = entries[t + r].sample_index;
    next[i] = std::move(samples_[entries[i].sample_index]);
    next[i] = samples_[source[i]];
  }
  for (std::uint32_t i = t; i < n_samples; ++i) {
    source[i] = entries[i].sample_index;
    next[i] = std::move(samples_[source[i]]);
  }
  samples_ = std::move(next);
  if (known) {
    sample_sums_.resize(n_samples);
    for (std::uint32_t i = 0; i < n_samples; ++i) sample_sums_[i] = sums_before[source[i]];
  }
  levels_.push_back(std::move(level));
}

core::Status EsRulerCompat::extend(std::uint64_t seed, double es, double eps,
                                   core::RunControl* control) {
  rng_compat::Mt19937 rng(static_cast<std::uint32_t>(seed));
  const std::uint32_t n_genes = n();
  const std::uint32_t k = pathway_size_;
  const std::uint32_t n_samples = sample_size_;

  sample_sums_.clear();  // new keys and a new population
  for (std::uint32_t p = 0; p < n_genes; ++p) gene_keys_[p] = rng.next_u32();
  std::vector<std::uint32_t> drawn;
  for (std::uint32_t s = 0; s < n_samples; ++s) {
    rng_compat::combination(0, n_genes - 1, k, rng, drawn);
    std::sort(drawn.begin(), drawn.end());
    samples_[s] = drawn;
  }
  resample_genesets(rng);

  reset_chunks(
      std::max<std::uint32_t>(1, static_cast<std::uint32_t>(std::sqrt(static_cast<double>(k)))));
  const Gsea target = target_record(target_numerator(es));
  if (levels_.empty()) return core::Status::success();

  const double log_eps = std::log(eps);
  double acc = 0.0;
  // Chunked samples for the passes (one kind used per ruler), keeping their
  // storage from one iteration to the next: positions in 16 bits when every
  // position fits, else in 32.
  std::vector<BasicSampleChunks<std::uint16_t>> chunked16;
  std::vector<SampleChunks> chunked32;
  PassWorkspace workspace;  // the passes' buffers, reused from one level to the next
  const bool short_positions = !wide_arithmetic_ && n_genes <= (std::uint32_t{1} << 16);
  auto run_passes = [&](auto& chunked, const Gsea& bound) -> core::Status {
    if (chunked.size() != n_samples) {
      chunked.clear();
      for (std::uint32_t s = 0; s < n_samples; ++s) chunked.emplace_back(chunk_count_);
    }
    const bool known = sample_sums_.size() == n_samples;
    for (std::uint32_t s = 0; s < n_samples; ++s) {
      refill_chunks(samples_[s], chunked[s], known ? &sample_sums_[s] : nullptr);
      prepare_swap_cache(k, chunked[s], bound);
    }
    const std::int32_t needed =
        trunc_to_i32(static_cast<double>(n_samples) * move_scale_ * static_cast<double>(k) * 0.5);
    // The budget is checked only between whole passes; the passes that
    // reached it are then repeated as many times again.
    if (needed >= 1) VARENKO_TRY(perturbation_passes(chunked, bound, needed, rng, workspace));
    sample_sums_.resize(n_samples);
    for (std::uint32_t s = 0; s < n_samples; ++s) {
      const auto members = chunked[s].members();
      samples_[s].assign(members.begin(), members.end());
      sample_sums_[s] = {chunked[s].rank_sum, chunked[s].key};
    }
    return core::Status::success();
  };
  while (true) {
    if (core::cancelled(control)) return core::Status::success();
    const Gsea bound = levels_.back().bound;
    if (!precedes(bound, target)) return core::Status::success();  // the level reached the target

    // Expected log of the last level's survival fraction, psi(u + 1) - psi(N + 1).
    acc += negative_harmonic(levels_.back().upper.size() + 1, n_samples);
    // Below the floor. A floor that is not positive (0, negative or NaN) has no
    // finite logarithm and never stops the loop: the target or the end of the
    // splits does, as for eps = 0.
    if (eps > 0.0 && acc < log_eps) return core::Status::success();

    // The inner chunk boundaries are recomputed once per iteration of this loop,
    // before the iteration's perturbation passes; all of its passes reuse them.
    update_chunk_boundaries();
    if (short_positions) {
      VARENKO_TRY(run_passes(chunked16, bound));
    } else {
      VARENKO_TRY(run_passes(chunked32, bound));
    }

    const std::size_t level_count = levels_.size();
    resample_genesets(rng);
    core::advance(control, &core::RunControl::levels_done);
    if (levels_.size() == level_count) return core::Status::success();  // the population no longer splits
  }
}

double EsRulerCompat::get_pvalue(bool count_all, double es) const {
  if (levels_.empty()) return std::numeric_limits<double>::quiet_NaN();
  const Gsea target = target_record(target_numerator(es));
  const std::uint64_t n_samples = sample_size_;

  // Entries at or above the target that count under the filter.
  auto count_reaching = [&](const std::vector<ScoredEntry>& entries, bool check_target) {
    std::uint64_t cnt = 0;
    for (const auto& e : entries) {
      if (!count_all && !e.pos_dominant) continue;
      if (check_target && precedes(e.gsea, target)) continue;
      ++cnt;
    }
    return cnt;
  };

  double acc = 0.0;
  double p = 0.0;
  bool decided = false;
  for (const auto& level : levels_) {
    if (precedes(level.bound, target)) {
      acc += negative_harmonic(level.upper.size() + 1, n_samples);
      continue;
    }
    const std::uint64_t cnt =
        count_reaching(level.upper, false) + count_reaching(level.lower, true);
    p = std::exp(acc + negative_harmonic(cnt == 0 ? 1 : cnt, n_samples));
    decided = true;
    break;
  }
  if (!decided) {
    const auto& upper = levels_.back().upper;
    const std::uint64_t cnt = count_reaching(upper, true);
    if (upper.empty()) {
      p = std::exp(acc);
    } else {
      p = std::exp(acc + negative_harmonic(cnt == 0 ? 1 : cnt, upper.size()));
    }
  }
  return p > 1.0 ? 1.0 : p;
}

}  // namespace varenko::esruler_compat
