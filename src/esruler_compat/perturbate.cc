// Chunked samples and the upward random walk of the ES ruler. A swap replaces
// one member position by a random position and is kept exactly when some hit
// of the resulting sample has its running-sum point above the level's bound.
// The decision is made on the swapped sample without changing it (only an
// accepted swap is written); the remembered candidate hit, the per-chunk rank
// sums and, for small samples, per-member facts that decide most swaps in
// constant time only make it cheaper. Every comparison is exact in integers,
// and the draws do not depend on how a decision was reached.
#include <algorithm>
#include <limits>
#include <type_traits>

#include "esruler_compat/es_ruler.h"

namespace varenko::esruler_compat {
namespace {

// Exact "point above the bound" tests. For a bound of the same ruler (equal
// miss total M, positive rank sum b0) the sign of
//   D = X * cum - rs * (b0 * misses + K),  X = b0 * M,  K = b1 * M - b0 * b3,
// is the sign of value(point) - value(bound), so the point is above the bound
// when D > 0, or D = 0 and its key is greater (the order of `precedes`).

// All factors fit in 64 bits; the two products are formed in 128 bits.
struct NarrowPointTest {
  std::int64_t x;
  std::int64_t b0;
  std::int64_t k;
  std::uint64_t bound_key;
  bool operator()(std::int64_t rank_sum, std::int64_t cum, std::int64_t misses,
                  std::uint64_t key) const {
    const Int128 d = Int128{x} * cum - Int128{rank_sum} * (b0 * misses + k);
    return d > 0 || (d == 0 && key > bound_key);
  }
};

// The same test with 128-bit factors (rank sums below 2^46, M below 2^32).
struct WidePointTest {
  Int128 x;
  Int128 b0;
  Int128 k;
  std::uint64_t bound_key;
  bool operator()(std::int64_t rank_sum, std::int64_t cum, std::int64_t misses,
                  std::uint64_t key) const {
    const Int128 d = x * cum - Int128{rank_sum} * (b0 * misses + k);
    return d > 0 || (d == 0 && key > bound_key);
  }
};

// Any other bound: the order itself.
struct GeneralPointTest {
  Gsea bound;
  std::int64_t miss_total;
  bool operator()(std::int64_t rank_sum, std::int64_t cum, std::int64_t misses,
                  std::uint64_t key) const {
    return precedes(bound, Gsea{rank_sum, cum, miss_total, misses, key});
  }
};

constexpr std::int64_t kRankSumLimit = std::int64_t{1} << 46;
// Samples up to this size keep the per-member swap facts (k * k entries of 56
// bytes each), as long as the whole population's facts stay within the budget.
constexpr std::uint32_t kCachedSampleLimit = 48;
constexpr std::uint64_t kCacheEntryBudget = std::uint64_t{1} << 19;
// Below every suffix bound: an empty suffix holds no point.
constexpr Int128 kNoPoint = -(Int128{1} << 126);

}  // namespace

void EsRulerCompat::update_chunk_boundaries() {
  const std::uint32_t count = chunk_count_;
  if (count <= 1) return;
  const std::uint32_t k = pathway_size_;
  std::vector<std::uint32_t> column(sample_size_);
  std::uint32_t pos = 0;
  for (std::uint32_t i = 0; i + 1 < count; ++i) {
    pos += (k + i) / count;
    for (std::uint32_t j = 0; j < sample_size_; ++j) column[j] = samples_[j][pos];
    auto mid = column.begin() + sample_size_ / 2;
    std::nth_element(column.begin(), mid, column.end());
    chunk_last_[i] = *mid;
  }
}

SampleChunks EsRulerCompat::make_chunks(const std::vector<std::uint32_t>& positions) const {
  const std::uint32_t count = chunk_count_;
  SampleChunks sc(count);
  std::uint32_t h = 0;
  for (const std::uint32_t p : positions) {
    while (h < count && chunk_last_[h] <= p) ++h;
    const std::uint32_t c = std::min(h, count - 1);
    sc.chunks[c].push_back(p);
    sc.chunk_sum[c] += ranks_[p];
    sc.rank_sum += ranks_[p];
    sc.key ^= gene_keys_[p];
  }
  sc.positions = positions;
  return sc;
}

std::int32_t EsRulerCompat::perturbate(std::uint32_t k, SampleChunks& sample, const Gsea& bound,
                                       rng_compat::Mt19937& rng) {
  enum : std::uint8_t { kUnprepared, kGeneral, kNarrow, kWide };
  auto& cache = sample.cache;
  const std::int64_t miss_total = static_cast<std::int64_t>(ranks_.size()) - k;
  if (cache.test == kUnprepared || cache.size != k || !(cache.bound == bound)) {
    // A new bound (or size): choose the comparison and forget the swap facts.
    cache.bound = bound;
    cache.size = k;
    cache.generation = 1;
    cache.stamp.clear();
    const bool same_ruler = bound.miss_total == miss_total && miss_total > 0 &&
                            miss_total < (std::int64_t{1} << 32) && bound.rank_sum > 0 &&
                            bound.rank_sum < kRankSumLimit && bound.peak_rank_sum >= 0 &&
                            bound.peak_rank_sum < kRankSumLimit && bound.peak_misses >= 0 &&
                            bound.peak_misses <= miss_total;
    cache.test = kGeneral;
    if (same_ruler) {
      const Int128 x = Int128{bound.rank_sum} * miss_total;
      const Int128 c = Int128{bound.peak_rank_sum} * miss_total - Int128{bound.rank_sum} * bound.peak_misses;
      const Int128 reach = Int128{bound.rank_sum} * static_cast<std::int64_t>(ranks_.size());
      constexpr Int128 kNarrowLimit = Int128{1} << 62;
      cache.wide_x = x;
      cache.wide_k = c;
      cache.test = kWide;
      if (x < kNarrowLimit && reach + (c < 0 ? -c : c) < kNarrowLimit) {
        cache.narrow_x = static_cast<std::int64_t>(x);
        cache.narrow_k = static_cast<std::int64_t>(c);
        cache.test = kNarrow;
        if (k <= kCachedSampleLimit && std::uint64_t{k} * k * sample_size_ <= kCacheEntryBudget) {
          cache.stamp.assign(k, 0);
          cache.usable.assign(k, 0);
          cache.at_end.assign(k, SampleChunks::SwapCache::AtEnd{});
          cache.prefix.assign(std::size_t{k} * k, SampleChunks::SwapCache::Prefix{});
          cache.before_cum.assign(std::size_t{k} * k, 0);
          cache.suffix.assign(std::size_t{k} * k, SampleChunks::SwapCache::Suffix{});
        }
      }
    }
  }
  switch (cache.test) {
    case kNarrow:
      return perturbate_with(k, sample,
                             NarrowPointTest{cache.narrow_x, bound.rank_sum, cache.narrow_k, bound.key}, rng);
    case kWide:
      return perturbate_with(k, sample, WidePointTest{cache.wide_x, bound.rank_sum, cache.wide_k, bound.key},
                             rng);
    default:
      return perturbate_with(k, sample, GeneralPointTest{bound, miss_total}, rng);
  }
}

template <typename PointTest>
std::int32_t EsRulerCompat::perturbate_with(std::uint32_t k, SampleChunks& sample,
                                            const PointTest& above, rng_compat::Mt19937& rng) {
  const std::uint32_t count = chunk_count_;
  auto& chunks = sample.chunks;
  auto& sums = sample.chunk_sum;
  auto& flat = sample.positions;
  auto& cache = sample.cache;
  const FixedBoundDraw draw_member = k == pathway_size_ ? draw_member_ : FixedBoundDraw(k);
  if (flat.size() != k) {
    // Chunks filled by hand: derive the flat list and the totals.
    ++cache.generation;
    flat.clear();
    sample.rank_sum = 0;
    sample.key = 0;
    for (const auto& chunk : chunks) {
      for (const std::uint32_t p : chunk) {
        flat.push_back(p);
        sample.rank_sum += ranks_[p];
        sample.key ^= gene_keys_[p];
      }
    }
  }

  const double scaled = static_cast<double>(k) * 0.1;
  const std::int32_t iterations =
      scaled >= static_cast<double>(std::numeric_limits<std::int32_t>::max())
          ? std::numeric_limits<std::int32_t>::max()
          : std::max<std::int32_t>(1, static_cast<std::int32_t>(scaled));

  // Constant-time decisions for small samples against a bound of this ruler.
  bool use_cache = false;
  if constexpr (std::is_same_v<PointTest, NarrowPointTest>) {
    use_cache = cache.stamp.size() == k && flat.size() == k;
  }

  // With member `removed` taken out, the other members T_0 < ... < T_{k-2}
  // keep their points (cum_j, misses_j) when the new position comes after
  // them, and shift to (cum_j + r, misses_j - 1) when it comes before them
  // (r: the new rank; the rank sum becomes rs = rsT + r). A point is above the
  // bound when D = X cum - rs W > 0 (or D = 0 and the key is greater), with
  // W = b0 misses + K. For the first q members (all W > 0) that holds for
  // some member exactly when rs W* < X cum* for the best ratio cum / W among
  // them; for the others D = alpha_j + r beta_j, bounded above by the
  // maxima of alpha and beta over them.
  auto fill_cache = [&](std::uint32_t removed, const NarrowPointTest& t) {
    auto at = [&](std::uint32_t q) { return std::size_t{q} * k + removed; };
    auto* prefix = cache.prefix.data();
    auto* before = cache.before_cum.data();
    auto* suffix = cache.suffix.data();
    const std::int64_t rest_sum = sample.rank_sum - ranks_[flat[removed]];
    std::int64_t cum = 0;
    std::int64_t best_cum = 0;
    std::int64_t best_weight = 1;  // no member yet: never above
    bool usable = true;
    std::uint32_t q = 0;
    for (std::uint32_t i = 0; i < k; ++i) {
      if (i == removed) continue;
      const std::size_t e = at(q);
      prefix[e] = {best_cum, best_weight};
      before[e] = cum;
      const std::int64_t p = flat[i];
      cum += ranks_[p];
      const std::int64_t weight = t.b0 * (p - q) + t.k;
      if (weight <= 0) usable = false;
      if (usable && Int128{cum} * best_weight > Int128{best_cum} * weight) {
        best_cum = cum;
        best_weight = weight;
      }
      // Shifted point of this member: misses - 1, so W - b0.
      suffix[e] = {Int128{t.x} * cum - Int128{rest_sum} * (weight - t.b0), Int128{t.x} - weight + t.b0};
      ++q;
    }
    const std::size_t last = at(q);
    prefix[last] = {best_cum, best_weight};
    if (usable) {
      // With the new rank r the prefix test reads (rest + r) W < X C, i.e.
      // r W < Z = X C - rest W with W > 0 and r >= 0.
      const Int128 z = Int128{t.x} * best_cum - Int128{rest_sum} * best_weight;
      const Int128 w = best_weight;
      // Smallest r with r W >= Z: ceil(Z / W) for Z > 0, else 0.
      Int128 limit = z > 0 ? (z + w - 1) / w : 0;
      Int128 tie = (z >= 0 && z % w == 0) ? z / w : -1;
      constexpr Int128 kMax = std::numeric_limits<std::int64_t>::max();
      if (limit > kMax) limit = kMax;
      if (tie > kMax) tie = -1;
      cache.at_end[removed] = {static_cast<std::int64_t>(limit), static_cast<std::int64_t>(tie)};
    }
    before[last] = cum;
    suffix[last] = {kNoPoint, 0};
    for (std::uint32_t i = q; i-- > 0;) {
      auto& cur = suffix[at(i)];
      const auto& next = suffix[at(i + 1)];
      cur.alpha = std::max(cur.alpha, next.alpha);
      cur.beta = std::max(cur.beta, next.beta);
    }
    cache.stamp[removed] = cache.generation;
    cache.usable[removed] = usable;
  };

  std::int32_t moves = 0;
  bool has_candidate = false;
  std::int64_t candidate_position = -1;
  std::int64_t candidate_misses = 0;
  std::int64_t candidate_rank_sum = 0;

  for (std::int32_t it = 0; it < iterations; ++it) {
    const std::uint32_t drawn = draw_member(rng);
    const std::uint32_t new_pos = draw_position_(rng);
    const std::uint32_t old_pos = flat[drawn];
    // Number of members before new_pos: a branch-free count for small samples
    // (a bisection on random positions mispredicts), a bisection otherwise.
    std::uint32_t flat_index = 0;
    if (!flat.empty() && new_pos > flat.back()) {
      flat_index = k;  // after every member (the common case at high levels)
    } else if (k <= kCachedSampleLimit) {
      for (const std::uint32_t p : flat) flat_index += p < new_pos;
    } else {
      flat_index = static_cast<std::uint32_t>(
          std::lower_bound(flat.begin(), flat.end(), new_pos) - flat.begin());
    }
    if (flat_index < flat.size() && flat[flat_index] == new_pos) {
      if (new_pos == old_pos) ++moves;
      continue;
    }

    const std::int64_t old_rank = ranks_[old_pos];
    const std::int64_t new_rank = ranks_[new_pos];
    const std::int64_t rank_sum = sample.rank_sum + new_rank - old_rank;
    auto swapped_key = [&] { return sample.key ^ gene_keys_[old_pos] ^ gene_keys_[new_pos]; };

    // Chunk and offset of the removed member; chunk and offset of the new
    // position (found only when needed).
    std::uint32_t co = 0;
    std::uint32_t j = 0;
    std::uint32_t cn = 0;
    std::uint32_t j2 = 0;
    auto locate = [&] {
      j = drawn;
      co = 0;
      while (j >= chunks[co].size()) {
        j -= static_cast<std::uint32_t>(chunks[co].size());
        ++co;
      }
      cn = static_cast<std::uint32_t>(std::min<std::size_t>(
          std::upper_bound(chunk_last_.begin(), chunk_last_.end(), new_pos) - chunk_last_.begin(),
          count - 1));
      const auto& target = chunks[cn];
      j2 = static_cast<std::uint32_t>(
          std::lower_bound(target.begin(), target.end(), new_pos) - target.begin());
    };

    // Writes the located swap into the sample.
    auto commit = [&](std::uint64_t key) {
      chunks[co].erase(chunks[co].begin() + j);
      const std::uint32_t ins = (cn == co && j < j2) ? j2 - 1 : j2;
      chunks[cn].insert(chunks[cn].begin() + ins, new_pos);
      flat.erase(flat.begin() + drawn);
      flat.insert(flat.begin() + (drawn < flat_index ? flat_index - 1 : flat_index), new_pos);
      sums[co] -= old_rank;
      sums[cn] += new_rank;
      sample.rank_sum = rank_sum;
      sample.key = key;
      if (++cache.generation == 0) {
        std::fill(cache.stamp.begin(), cache.stamp.end(), 0);
        cache.generation = 1;
      }
      ++moves;
    };

    if constexpr (std::is_same_v<PointTest, NarrowPointTest>) {
      if (use_cache && rank_sum != 0) {
        if (cache.stamp[drawn] != cache.generation) fill_cache(drawn, above);
        if (cache.usable[drawn]) {
          const std::uint32_t q = drawn < flat_index ? flat_index - 1 : flat_index;
          auto key_wins = [&] { return swapped_key() > above.bound_key; };
          if (q + 1 == k) {
            // After every other member: the members before it by their rank
            // threshold, then the new hit's own point, whose cum is the whole
            // (positive) rank sum, so D = rs * (X - K - b0 * misses).
            const auto& end = cache.at_end[drawn];
            bool accept = new_rank < end.limit || (new_rank == end.tie && key_wins());
            if (!accept) {
              const std::int64_t misses = static_cast<std::int64_t>(new_pos) - q;
              const Int128 d = Int128{above.x} - above.k - Int128{above.b0} * misses;
              accept = d > 0 || (d == 0 && key_wins());
            }
            if (accept) {
              locate();
              commit(swapped_key());
              has_candidate = false;
            }
            continue;
          }
          const std::size_t at = std::size_t{q} * k + drawn;
          const auto& pre = cache.prefix[at];
          // Some of the members before the new position is above the bound.
          const Int128 lhs = Int128{rank_sum} * pre.weight;
          const Int128 rhs = Int128{above.x} * pre.cum;
          bool accept = lhs < rhs || (lhs == rhs && key_wins());
          if (!accept) {
            // The new hit's own point.
            const std::int64_t misses = static_cast<std::int64_t>(new_pos) - q;
            const Int128 d = Int128{above.x} * (cache.before_cum[at] + new_rank) -
                             Int128{rank_sum} * (above.b0 * misses + above.k);
            accept = d > 0 || (d == 0 && key_wins());
          }
          if (accept) {
            locate();
            commit(swapped_key());
            has_candidate = false;
            continue;
          }
          const auto& suf = cache.suffix[at];
          if (suf.alpha + Int128{new_rank} * suf.beta < 0) {
            continue;  // no member after the new position is above the bound either
          }
          // Undecided: the exact walk below decides.
        }
      }
    }

    locate();
    const std::uint64_t key = swapped_key();

    // Walks the swapped sample's hits in order (old_pos left out, new_pos
    // merged in) and stops at the first point above the bound. Weighted scans
    // skip chunks whose best conceivable point is not above the bound.
    std::int64_t found_position = -1;
    std::int64_t found_misses = 0;
    std::int64_t found_cum = 0;
    auto scan = [&](bool unit) {
      const std::int64_t scan_rank_sum = unit ? static_cast<std::int64_t>(k) : rank_sum;
      std::int64_t cum = 0;
      std::int64_t misses = 0;
      std::int64_t last = -1;
      auto visit = [&](std::uint32_t p) {
        misses += static_cast<std::int64_t>(p) - last - 1;
        cum += unit ? 1 : ranks_[p];
        last = p;
        if (!above(scan_rank_sum, cum, misses, key)) return false;
        found_position = p;
        found_misses = misses;
        found_cum = cum;
        return true;
      };
      for (std::uint32_t h = 0; h < count; ++h) {
        const auto& chunk = chunks[h];
        const bool has_old = h == co;
        const bool has_new = h == cn;
        if (!unit) {
          const std::int64_t chunk_sum =
              sums[h] - (has_old ? old_rank : 0) + (has_new ? new_rank : 0);
          if (!above(rank_sum, cum + chunk_sum, misses, key)) {
            // No point of this chunk is above the bound: account for it whole.
            const std::int64_t length = static_cast<std::int64_t>(chunk.size()) - has_old + has_new;
            const std::int64_t chunk_end = chunk_last_[h];
            cum += chunk_sum;
            misses += chunk_end - last - 1 - length;
            last = chunk_end - 1;
            continue;
          }
        }
        const std::size_t length = chunk.size();
        for (std::size_t idx = 0; idx < length; ++idx) {
          if (has_new && idx == j2 && visit(new_pos)) return true;
          if (has_old && idx == j) continue;
          if (visit(chunk[idx])) return true;
        }
        if (has_new && j2 == length && visit(new_pos)) return true;
      }
      return false;
    };

    if (rank_sum == 0) {
      // Weightless sample: decided on unit ranks by a plain scan; the candidate
      // belongs to weighted scores and is dropped.
      has_candidate = false;
      if (scan(true)) commit(key);
      continue;
    }

    const std::int64_t old_s = old_pos;
    const std::int64_t new_s = new_pos;
    const bool keep = has_candidate && old_s != candidate_position;
    if (keep) {
      // The candidate hit's point after the swap.
      std::int64_t misses = candidate_misses;
      std::int64_t cum = candidate_rank_sum;
      if (old_s < candidate_position) {
        misses += 1;
        cum -= old_rank;
      }
      if (new_s < candidate_position) {
        misses -= 1;
        cum += new_rank;
      }
      if (above(rank_sum, cum, misses, key)) {
        commit(key);
        candidate_misses = misses;
        candidate_rank_sum = cum;
        continue;
      }
    }

    if (scan(false)) {
      commit(key);
      has_candidate = true;
      candidate_position = found_position;
      candidate_misses = found_misses;
      candidate_rank_sum = found_cum;
      continue;
    }
    // Rejected: the sample is untouched, so a kept candidate is still valid.
    has_candidate = keep;
  }
  return moves;
}

}  // namespace varenko::esruler_compat
