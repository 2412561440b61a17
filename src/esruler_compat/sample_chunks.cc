// Samples cut into chunks at the ruler's chunk boundaries: the boundaries
// themselves (population medians) and the chunked form of a sorted sample.
#include <algorithm>
#include <cstddef>
#include <limits>

#include "esruler_compat/es_ruler.h"
#include "esruler_compat/point_tests.h"

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
  index_chunks();
}

template <typename Pos>
BasicSampleChunks<Pos> EsRulerCompat::make_chunks(
    const std::vector<std::uint32_t>& positions) const {
  BasicSampleChunks<Pos> sc(chunk_count_);
  refill_chunks(positions, sc);
  return sc;
}

template <typename Pos>
void EsRulerCompat::refill_chunks(const std::vector<std::uint32_t>& positions,
                                  BasicSampleChunks<Pos>& sc, const SampleSums* sums) const {
  const std::uint32_t count = chunk_count_;
  sc.chunk_sum.assign(count, 0);
  sc.chunk_starts.assign(std::size_t{count} + 1, 0);
  sc.rank_sum = 0;
  sc.key = 0;
  sc.cache.test = kUnprepared;  // the facts belong to the old members
  sc.peaks.clear();
  sc.candidate = {};
  for (const std::uint32_t p : positions) {
    const std::uint32_t c = chunk_of_[p];
    ++sc.chunk_starts[c + 1];
    sc.chunk_sum[c] += ranks_[p];
  }
  if (sums != nullptr) {
    sc.rank_sum = sums->rank_sum;
    sc.key = sums->key;
  } else {
    // Integer sums: the chunks' total is the members' total exactly.
    for (const std::int64_t sum : sc.chunk_sum) sc.rank_sum += sum;
    for (const std::uint32_t p : positions) sc.key ^= gene_keys_[p];
  }
  for (std::uint32_t h = 1; h <= count; ++h) sc.chunk_starts[h] += sc.chunk_starts[h - 1];
  sc.positions.resize(positions.size() + SampleChunksState::kPadding);
  for (std::size_t i = 0; i < positions.size(); ++i) {
    sc.positions[i] = static_cast<Pos>(positions[i]);
  }
  std::fill(sc.positions.begin() + static_cast<std::ptrdiff_t>(positions.size()),
            sc.positions.end(), std::numeric_limits<Pos>::max());
}

// Positions in 32 bits for any ranking and in 16 bits for rankings of at
// most 2^16 genes (see extend).
template SampleChunks EsRulerCompat::make_chunks(const std::vector<std::uint32_t>&) const;
template BasicSampleChunks<std::uint16_t> EsRulerCompat::make_chunks(
    const std::vector<std::uint32_t>&) const;
template void EsRulerCompat::refill_chunks(const std::vector<std::uint32_t>&,
                                           BasicSampleChunks<std::uint32_t>&,
                                           const SampleSums*) const;
template void EsRulerCompat::refill_chunks(const std::vector<std::uint32_t>&,
                                           BasicSampleChunks<std::uint16_t>&,
                                           const SampleSums*) const;

}  // namespace varenko::esruler_compat
