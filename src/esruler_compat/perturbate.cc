// Chunked samples and the upward random walk of the ES ruler. A swap replaces
// one member position by a random position and is kept exactly when some hit
// of the resulting sample has its running-sum point above the level's bound;
// the remembered candidate hit and the per-chunk rank sums only make that
// decision cheaper, never different, and a rejected swap is undone exactly.
#include <algorithm>
#include <limits>

#include "esruler_compat/es_ruler.h"

namespace varenko::esruler_compat {

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
  }
  return sc;
}

bool EsRulerCompat::unit_scan_above(const SampleChunks& sample, std::uint64_t key,
                                    const Gsea& bound) const {
  const std::int64_t k = pathway_size_;
  const std::int64_t miss_total = static_cast<std::int64_t>(ranks_.size()) - k;
  std::int64_t cum = 0;
  std::int64_t misses = 0;
  std::int64_t last = -1;
  for (const auto& chunk : sample.chunks) {
    for (const std::uint32_t p : chunk) {
      misses += static_cast<std::int64_t>(p) - last - 1;
      cum += 1;
      if (precedes(bound, Gsea{k, cum, miss_total, misses, key})) return true;
      last = p;
    }
  }
  return false;
}

std::int32_t EsRulerCompat::perturbate(std::uint32_t k, SampleChunks& sample, const Gsea& bound,
                                       rng_compat::Mt19937& rng) {
  const std::uint32_t count = chunk_count_;
  const std::uint32_t n_genes = n();
  const std::int64_t miss_total = static_cast<std::int64_t>(n_genes) - k;
  auto& chunks = sample.chunks;
  auto& sums = sample.chunk_sum;

  const double scaled = static_cast<double>(k) * 0.1;
  const std::int32_t iterations =
      scaled >= static_cast<double>(std::numeric_limits<std::int32_t>::max())
          ? std::numeric_limits<std::int32_t>::max()
          : std::max<std::int32_t>(1, static_cast<std::int32_t>(scaled));

  std::int64_t rank_sum = 0;
  std::uint64_t key = 0;
  for (const auto& chunk : chunks) {
    for (const std::uint32_t p : chunk) {
      rank_sum += ranks_[p];
      key ^= gene_keys_[p];
    }
  }

  // True when the running-sum point (cum, misses) of the current sample lies
  // above the bound in the ruler's order.
  auto above = [&](std::int64_t cum, std::int64_t misses) {
    return precedes(bound, Gsea{rank_sum, cum, miss_total, misses, key});
  };

  std::int32_t moves = 0;
  bool has_candidate = false;
  std::int64_t candidate_position = -1;
  std::int64_t candidate_misses = 0;
  std::int64_t candidate_rank_sum = 0;

  for (std::int32_t it = 0; it < iterations; ++it) {
    std::uint32_t j = uniform_index(rng, k);
    std::uint32_t co = 0;
    while (j >= chunks[co].size()) {
      j -= static_cast<std::uint32_t>(chunks[co].size());
      ++co;
    }
    const std::uint32_t old_pos = chunks[co][j];

    const std::uint32_t new_pos = uniform_index(rng, n_genes);
    const auto cn = static_cast<std::uint32_t>(std::min<std::size_t>(
        std::upper_bound(chunk_last_.begin(), chunk_last_.end(), new_pos) - chunk_last_.begin(),
        count - 1));
    auto& target = chunks[cn];
    const auto j2 = static_cast<std::uint32_t>(
        std::lower_bound(target.begin(), target.end(), new_pos) - target.begin());
    if (j2 < target.size() && target[j2] == new_pos) {
      if (new_pos == old_pos) ++moves;
      continue;
    }

    // Swap old_pos for new_pos.
    chunks[co].erase(chunks[co].begin() + j);
    const std::uint32_t ins = (cn == co && j < j2) ? j2 - 1 : j2;
    target.insert(target.begin() + ins, new_pos);
    const std::int64_t old_rank = ranks_[old_pos];
    const std::int64_t new_rank = ranks_[new_pos];
    rank_sum += new_rank - old_rank;
    sums[co] -= old_rank;
    sums[cn] += new_rank;
    const std::uint64_t key_flip = gene_keys_[old_pos] ^ gene_keys_[new_pos];
    key ^= key_flip;

    auto undo = [&] {
      target.erase(target.begin() + ins);
      chunks[co].insert(chunks[co].begin() + j, old_pos);
      rank_sum -= new_rank - old_rank;
      sums[co] += old_rank;
      sums[cn] -= new_rank;
      key ^= key_flip;
    };

    if (rank_sum == 0) {
      // Weightless sample: decided on unit ranks by a plain scan; the candidate
      // belongs to weighted scores and is dropped.
      has_candidate = false;
      if (unit_scan_above(sample, key, bound)) {
        ++moves;
      } else {
        undo();
      }
      continue;
    }

    const std::int64_t old_s = old_pos;
    const std::int64_t new_s = new_pos;
    const bool keep = has_candidate && old_s != candidate_position;
    if (keep) {
      if (old_s < candidate_position) {
        candidate_misses += 1;
        candidate_rank_sum -= old_rank;
      }
      if (new_s < candidate_position) {
        candidate_misses -= 1;
        candidate_rank_sum += new_rank;
      }
      if (above(candidate_rank_sum, candidate_misses)) {
        ++moves;
        has_candidate = true;
        continue;
      }
    }

    // Full scan; a chunk whose best conceivable point (all its ranks, no extra
    // misses) is not above the bound holds no point above it.
    bool accepted = false;
    std::int64_t cum = 0;
    std::int64_t misses = 0;
    std::int64_t last = -1;
    for (std::uint32_t h = 0; h < count && !accepted; ++h) {
      const auto& chunk = chunks[h];
      const std::int64_t chunk_end = chunk_last_[h];
      if (!above(cum + sums[h], misses)) {
        cum += sums[h];
        misses += chunk_end - last - 1 - static_cast<std::int64_t>(chunk.size());
        last = chunk_end - 1;
        continue;
      }
      for (const std::uint32_t p : chunk) {
        misses += static_cast<std::int64_t>(p) - last - 1;
        cum += ranks_[p];
        if (above(cum, misses)) {
          candidate_position = p;
          candidate_misses = misses;
          candidate_rank_sum = cum;
          accepted = true;
          break;
        }
        last = p;
      }
      if (!accepted) {
        misses += chunk_end - 1 - last;
        last = chunk_end - 1;
      }
    }
    if (accepted) {
      has_candidate = true;
      ++moves;
      continue;
    }

    undo();
    if (keep && new_s != candidate_position) {
      if (old_s < candidate_position) {
        candidate_misses -= 1;
        candidate_rank_sum += old_rank;
      }
      if (new_s < candidate_position) {
        candidate_misses += 1;
        candidate_rank_sum -= new_rank;
      }
      has_candidate = true;
    } else {
      has_candidate = false;
    }
  }
  return moves;
}

}  // namespace varenko::esruler_compat
