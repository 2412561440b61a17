// The swap loop of the upward walk. A swap replaces one member position by a
// random position and is kept exactly when some hit of the resulting sample
// has its running-sum point above the level's bound. The decision is made on
// the swapped sample without changing it (only an accepted swap is written);
// the remembered candidate hit, the chunk scans and, for small samples, the
// swap facts only make it cheaper. Every comparison is exact in integers, and
// the draws do not depend on how a decision was reached.
#include "esruler_compat/swap_loop.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <type_traits>

#include "esruler_compat/chunk_scan.h"
#include "esruler_compat/kernels.h"
#include "esruler_compat/point_tests.h"
#include "esruler_compat/swap_facts.h"

namespace varenko::esruler_compat {

// One perturbate call's swaps on one sample against one point test; with
// kFacts for samples keeping swap facts (see prepare_swap_cache).
template <bool kFacts, typename PointTest, typename Pos>
class SwapLoop {
 public:
  SwapLoop(const EsRulerCompat& ruler, std::uint32_t k, BasicSampleChunks<Pos>& sample,
           const PointTest& above)
      : ruler_(ruler),
        sample_(sample),
        cache_(sample.cache),
        above_(above),
        k_(k),
        count_(ruler.chunk_count_),
        miss_total_(static_cast<std::int64_t>(ruler.ranks_.size()) - k),
        flat_(sample.positions.data()),
        starts_(sample.chunk_starts.data()),
        ends_(starts_ + 1),
        sums_(sample.chunk_sum.data()),
        ranks_(ruler.ranks_.data()),
        gene_keys_(ruler.gene_keys_.data()),
        chunk_of_(ruler.chunk_of_.data()),
        chunk_last_(ruler.chunk_last_.data()),
        large_sample_(k > kCachedSampleLimit),
        vector_kernels_(large_sample_ && ruler.use_vector_kernels()),
        use_peaks_(kNarrowTest && large_sample_),
        candidate_(sample.candidate) {
    static_assert(!kFacts || kNarrowTest);
    if (use_peaks_ && sample.peaks.size() != count_) sample.peaks.assign(count_, ChunkPeak{});
  }

  // Makes `iterations` swaps with the draws of `draws`; returns accepted
  // swaps plus draws that picked the removed gene itself.
  template <typename Draws>
  std::int32_t run(std::int32_t iterations, Draws& draws) {
    for (std::int32_t it = 0; it < iterations; ++it) {
      draws.next(removed_index_, new_pos_);
      // The tables a swap reads at random places are mostly out of the first
      // cache level: start the reads of the swap after next now (its removed
      // member is looked up in the sample as it stands, which is only a hint).
      if constexpr (requires { draws.peek_second(); }) {
        if (it + 2 < iterations) prefetch(draws.peek_second());
      }
      old_pos_ = flat_[removed_index_];
      locate();
      // new_index_: the members before new_pos_; a member at or after it
      // that is not new_pos_ itself is greater.
      const bool is_member = new_index_ < k_ && flat_[new_index_] == new_pos_;
      if (is_member) [[unlikely]] {
        if (new_pos_ == old_pos_) ++moves_;
        continue;
      }
      old_rank_ = ranks_[old_pos_];
      new_rank_ = ranks_[new_pos_];
      rank_sum_ = sample_.rank_sum + new_rank_ - old_rank_;
      key_ = swapped_key();
      if (accepts()) [[likely]]
        commit();
    }
    sample_.candidate = {has_candidate_ ? candidate_.position : -1, candidate_.misses,
                         candidate_.rank_sum};
    return moves_;
  }

 private:
  static constexpr bool kNarrowTest = std::is_same_v<PointTest, NarrowPointTest>;

  void prefetch(const EsRulerCompat::SwapDraw& draw) const {
    __builtin_prefetch(&chunk_of_[draw.position]);
    __builtin_prefetch(&ranks_[draw.position]);
    __builtin_prefetch(&gene_keys_[draw.position]);
    const std::uint32_t member_pos = flat_[draw.member];
    __builtin_prefetch(&chunk_of_[member_pos]);
    __builtin_prefetch(&ranks_[member_pos]);
    __builtin_prefetch(&gene_keys_[member_pos]);
  }

  [[nodiscard]] std::uint64_t swapped_key() const {
    return sample_.key ^ gene_keys_[old_pos_] ^ gene_keys_[new_pos_];
  }

  // Finds the chunks and offsets of the removed member and of the new
  // position (whose chunk holds about sqrt(k) values: counting beats
  // bisecting them, with no chain of dependent loads).
  void locate() {
    removed_chunk_ = chunk_of_[old_pos_];
    removed_offset_ = removed_index_ - starts_[removed_chunk_];
    new_chunk_ = chunk_of_[new_pos_];
    const std::uint32_t first = starts_[new_chunk_];
    new_offset_ = count_below(flat_ + first, ends_[new_chunk_] - first, new_pos_, vector_kernels_);
    new_index_ = first + new_offset_;
  }

  // Whether the located swap is kept, with the remembered hit updated to
  // the swapped sample; every kept swap is written by commit.
  bool accepts() {
    if constexpr (kFacts) {
      if (rank_sum_ != 0) {
        switch (facts_verdict()) {
          case FactsVerdict::kKept:
            has_candidate_ = false;
            return true;
          case FactsVerdict::kRejected:
            return false;
          case FactsVerdict::kUndecided:
            break;  // the exact walk below decides
        }
      }
    }
    if (rank_sum_ == 0) [[unlikely]] {
      // Weightless sample: decided on unit ranks by a plain scan; the
      // candidate belongs to weighted scores and is dropped.
      has_candidate_ = false;
      FoundPoint found;
      return scan_plain(above_, view(), swap_under_test(), k_, found);
    }
    if (candidate_stays_above()) [[likely]]
      return true;
    FoundPoint found;
    bool found_above = false;
    if constexpr (kNarrowTest) {
      found_above = scan_narrow_swap(found);
    } else {
      found_above = scan_plain(above_, view(), swap_under_test(), 0, found);
    }
    if (found_above) {
      has_candidate_ = true;
      candidate_ = {found.position, found.misses, found.cum};
      return true;
    }
    // Rejected: the sample is untouched, so the candidate (if any) still
    // describes it.
    return false;
  }

  // The swap facts' decision (deriving the removed member's facts first if
  // they are stale); undecided when the member's facts are not usable.
  FactsVerdict facts_verdict() {
    if (cache_.stamp[removed_index_] != cache_.generation) {
      ruler_.fill_swap_facts(sample_, removed_index_, above_.b0);
    }
    if (!cache_.usable[removed_index_]) return FactsVerdict::kUndecided;
    const std::uint32_t before_new = removed_index_ < new_index_ ? new_index_ - 1 : new_index_;
    const auto& entry = cache_.entries[std::size_t{before_new} * k_ + removed_index_];
    const std::int64_t misses = static_cast<std::int64_t>(new_pos_) - before_new;
    return esruler_compat::facts_verdict(entry, above_.x, above_.b0, above_.k, rank_sum_,
                                         new_rank_, misses,
                                         [&] { return key_ > above_.bound_key; });
  }

  // Whether the remembered hit (not the removed member) stays above the
  // bound after the swap; if so it is moved to its point in the swapped
  // sample.
  bool candidate_stays_above() {
    const std::int64_t old_pos = old_pos_;
    const std::int64_t new_pos = new_pos_;
    if (!has_candidate_ || old_pos == candidate_.position) return false;
    std::int64_t misses = candidate_.misses;
    std::int64_t cum = candidate_.rank_sum;
    if (old_pos < candidate_.position) {
      misses += 1;
      cum -= old_rank_;
    }
    if (new_pos < candidate_.position) {
      misses -= 1;
      cum += new_rank_;
    }
    if (!above_(rank_sum_, cum, misses, key_)) return false;
    candidate_.misses = misses;
    candidate_.rank_sum = cum;
    return true;
  }

  [[nodiscard]] ChunkView<Pos> view() const {
    return {flat_, starts_, sums_, chunk_last_, ranks_, count_};
  }
  [[nodiscard]] SwapUnderTest swap_under_test() const {
    return {removed_chunk_, removed_offset_, new_pos_, new_chunk_, new_offset_,
            old_rank_,      new_rank_,       rank_sum_, key_};
  }

  // The narrow chunk scan, out of line: the swap's description is put
  // together only here.
  [[gnu::noinline]] bool scan_narrow_swap(FoundPoint& found) const {
    return scan_narrow(above_, static_cast<std::int64_t>(ruler_.ranks_.size()), miss_total_,
                       cache_.miss_limit, view(), use_peaks_ ? sample_.peaks.data() : nullptr,
                       swap_under_test(), ruler_.wide_arithmetic_, found);
  }

  // Moves the values of v from index `from` to index `to` (shifting those in
  // between by one) and stores `value` at `to`.
  static void shift_in(Pos* v, std::uint32_t from, std::uint32_t to, std::uint32_t value) {
    // One overlapping move either way: the values after `from` up to `to`
    // go down by one, or those from `to` up to before `from` go up by one.
    const bool down = from < to;
    const std::uint32_t dst = down ? from : to + 1;
    const std::uint32_t src = down ? from + 1 : to;
    const std::uint32_t length = down ? to - from : from - to;
    std::memmove(v + dst, v + src, std::size_t{length} * sizeof(Pos));
    v[to] = static_cast<Pos>(value);
  }

  // Writes the located swap into the sample.
  void commit() {
    shift_in(flat_, removed_index_, removed_index_ < new_index_ ? new_index_ - 1 : new_index_,
             new_pos_);
    // The chunks from the earlier of the two up to before the later one lose
    // a member (removed first) or gain one (inserted first).
    const std::uint32_t lo = std::min(removed_chunk_, new_chunk_);
    const std::uint32_t hi = std::max(removed_chunk_, new_chunk_);
    const std::uint32_t step = removed_chunk_ < new_chunk_ ? ~std::uint32_t{0} : 1;
    add_to_range(ends_, lo, hi, step, vector_kernels_);
    sums_[removed_chunk_] -= old_rank_;
    sums_[new_chunk_] += new_rank_;
    if constexpr (kNarrowTest) {
      // The removed member only lowers the points of its chunk; the new one
      // raises those of its chunk by at most its rise. A peak grown beyond
      // any use is dropped before its sums could overflow.
      if (use_peaks_ && sample_.peaks[new_chunk_].valid) {
        auto& pk = sample_.peaks[new_chunk_];
        const Int128 peak = peak_after_insert(pk, miss_total_, new_rank_);
        pk.peak = static_cast<std::int64_t>(std::min<Int128>(peak, kPeakLimit));
        pk.valid = peak <= kPeakLimit;
      }
    }
    sample_.rank_sum = rank_sum_;
    sample_.key = key_;
    cache_.next_generation();
    ++moves_;
  }

  // The sample and the ruler's tables, none resized by the loop.
  const EsRulerCompat& ruler_;
  BasicSampleChunks<Pos>& sample_;
  SwapCache& cache_;
  const PointTest& above_;
  const std::uint32_t k_;
  const std::uint32_t count_;
  const std::int64_t miss_total_;
  Pos* const flat_;
  std::uint32_t* const starts_;  // starts_[h]: the first member of chunk h
  std::uint32_t* const ends_;    // ends_[h] = starts_[h + 1]
  std::int64_t* const sums_;
  const std::int64_t* const ranks_;
  const std::uint64_t* const gene_keys_;
  const std::uint16_t* const chunk_of_;
  const std::uint32_t* const chunk_last_;
  // Samples small enough to keep swap facts have few, short chunks: they go
  // without recorded peaks, and the AVX-512 kernels pay for their call only
  // on the chunks of larger samples.
  const bool large_sample_;
  const bool vector_kernels_;
  const bool use_peaks_;

  std::int32_t moves_ = 0;
  // The remembered hit, carried over from the sample's previous call.
  Candidate candidate_;
  bool has_candidate_ = candidate_.position >= 0;

  // The current swap: the removed member's index and position, the new
  // position and the number of members before it, the ranks, the swapped
  // rank sum and key; the chunk and offset of the removed member and those
  // of the new position.
  std::uint32_t removed_index_ = 0;
  std::uint32_t old_pos_ = 0;
  std::uint32_t new_pos_ = 0;
  std::uint32_t new_index_ = 0;
  std::int64_t old_rank_ = 0;
  std::int64_t new_rank_ = 0;
  std::int64_t rank_sum_ = 0;
  std::uint64_t key_ = 0;
  std::uint32_t removed_chunk_ = 0;
  std::uint32_t removed_offset_ = 0;
  std::uint32_t new_chunk_ = 0;
  std::uint32_t new_offset_ = 0;
};

std::int32_t EsRulerCompat::swap_iterations(std::uint32_t k) {
  const double scaled = static_cast<double>(k) * 0.1;
  return scaled >= static_cast<double>(std::numeric_limits<std::int32_t>::max())
             ? std::numeric_limits<std::int32_t>::max()
             : std::max<std::int32_t>(1, static_cast<std::int32_t>(scaled));
}

template <typename Pos>
core::Status EsRulerCompat::check_walk_input(std::uint32_t k,
                                             const BasicSampleChunks<Pos>& sample) const {
  const std::uint32_t count = chunk_count_;
  if (ranks_.size() - 1 > std::numeric_limits<Pos>::max()) {
    return core::fail("internal error: the ranking's positions do not fit the sample's");
  }
  if (sample.positions.size() != k + SampleChunksState::kPadding ||
      sample.chunk_starts.size() != std::size_t{count} + 1 || sample.chunk_sum.size() != count ||
      sample.chunk_starts.back() != k) {
    return core::fail(
        "internal error: the sample is not one of k members cut at the ruler's chunk boundaries");
  }
  return core::Status::success();
}

template <typename Pos>
core::Result<std::int32_t> EsRulerCompat::perturbate(std::uint32_t k,
                                                     BasicSampleChunks<Pos>& sample,
                                                     const Gsea& bound, rng_compat::Mt19937& rng) {
  VARENKO_TRY(check_walk_input(k, sample));
  EngineDraws draws(rng, k == pathway_size_ ? draw_member_ : FixedBoundDraw(k), draw_position_);
  return perturbate_from(k, sample, bound, draws);
}

core::Result<std::int32_t> EsRulerCompat::pass_swap(SampleChunks& sample, const Gsea& bound,
                                                    SwapDraw draw) {
  VARENKO_TRY(check_walk_input(pathway_size_, sample));
  prepare_swap_cache(pathway_size_, sample, bound);
  if (has_swap_facts(sample, sample.member_count(), bound) &&
      rejected_by_facts(sample, bound, draw)) {
    return 0;
  }
  BlockDraws block(&draw);
  return perturbate_from(pathway_size_, sample, bound, block);
}

template <typename Pos, typename Draws>
std::int32_t EsRulerCompat::perturbate_from(std::uint32_t k, BasicSampleChunks<Pos>& sample,
                                            const Gsea& bound, Draws& draws) {
  prepare_swap_cache(k, sample, bound);
  auto& cache = sample.cache;
  const std::int64_t miss_total = static_cast<std::int64_t>(ranks_.size()) - k;
  const std::int32_t iterations = swap_iterations(k);
  switch (cache.test) {
    case kNarrow: {
      // Small samples against a bound of this ruler decide most swaps by
      // their swap facts.
      const NarrowPointTest test{cache.narrow_x, bound.rank_sum, cache.narrow_k, bound.key};
      if (cache.stamp.size() == k) {
        return SwapLoop<true, NarrowPointTest, Pos>(*this, k, sample, test).run(iterations, draws);
      }
      return SwapLoop<false, NarrowPointTest, Pos>(*this, k, sample, test).run(iterations, draws);
    }
    case kWide: {
      const WidePointTest test{cache.wide_x, bound.rank_sum, cache.wide_k, bound.key};
      return SwapLoop<false, WidePointTest, Pos>(*this, k, sample, test).run(iterations, draws);
    }
    default: {
      const GeneralPointTest test{bound, miss_total};
      return SwapLoop<false, GeneralPointTest, Pos>(*this, k, sample, test).run(iterations, draws);
    }
  }
}

// Positions in 32 bits for any ranking and in 16 bits for rankings of at
// most 2^16 genes (see extend).
template core::Result<std::int32_t> EsRulerCompat::perturbate(std::uint32_t, SampleChunks&,
                                                              const Gsea&, rng_compat::Mt19937&);
template core::Result<std::int32_t> EsRulerCompat::perturbate(std::uint32_t,
                                                              BasicSampleChunks<std::uint16_t>&,
                                                              const Gsea&, rng_compat::Mt19937&);
template core::Status EsRulerCompat::check_walk_input(
    std::uint32_t, const BasicSampleChunks<std::uint16_t>&) const;
template core::Status EsRulerCompat::check_walk_input(
    std::uint32_t, const BasicSampleChunks<std::uint32_t>&) const;
template std::int32_t EsRulerCompat::perturbate_from(std::uint32_t,
                                                     BasicSampleChunks<std::uint16_t>&,
                                                     const Gsea&, BlockDraws&);
template std::int32_t EsRulerCompat::perturbate_from(std::uint32_t,
                                                     BasicSampleChunks<std::uint32_t>&,
                                                     const Gsea&, BlockDraws&);

}  // namespace varenko::esruler_compat
