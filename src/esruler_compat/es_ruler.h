// EsRulerCompat: the adaptive sampler behind multilevel p-values. One ruler
// serves one gene-set size k and one tail: it keeps a population of random
// k-subsets of rank positions, scores them exactly (see order.h), splits the
// population at its median into levels of rising score, moves the samples
// upward between splits, and reads p-values off the level sizes.
// Invariant: every sample holds k distinct positions in ascending order; a
// sample whose ranks sum to 0 is scored as if each of its positions had rank 1.
// A ruler belongs to one thread; all its draws come from one MT19937 stream
// per `extend` call, in a fixed program order. `extend` may share the samples'
// walks of a batch of passes among the worker pool's threads; results do not
// depend on the number of threads.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "core/run_control.h"
#include "esruler_compat/order.h"
#include "rng_compat/mt19937.h"

namespace varenko::esruler_compat {

// A scored sample as stored in a level.
struct ScoredEntry {
  Gsea gsea;
  bool pos_dominant = true;        // the largest-magnitude deviation is not negative
  std::uint32_t sample_index = 0;  // index in the population when it was scored
};

// One median split: the entries below it and those at or above it, ascending.
struct Level {
  Gsea bound;                      // score of the largest entry below the split
  std::vector<ScoredEntry> lower;  // never empty
  std::vector<ScoredEntry> upper;  // never empty
};

// What a chunked sample keeps besides its members (see BasicSampleChunks).
struct SampleChunksState {
  // Values after the members, none below any position, so that the members
  // can be compared a whole vector at a time.
  static constexpr std::uint32_t kPadding = 8;

  // Index of the first member of chunk h among all members, for h = 0 ..
  // count (the last entry: the number of members).
  std::vector<std::uint32_t> chunk_starts;
  std::vector<std::int64_t> chunk_sum;  // rank sum of each chunk
  std::int64_t rank_sum = 0;            // sum of chunk_sum
  std::uint64_t key = 0;                // XOR of the members' gene keys

  // Facts about the sample kept per removed member while the sample and the
  // bound stay the same, for deciding most swaps of a small sample in
  // constant time (see perturbate). They never change a decision.
  struct SwapCache {
    Gsea bound;                 // the bound the entries belong to
    std::uint32_t size = 0;     // the k the entries belong to
    std::uint8_t test = 0;      // prepared comparison kind (0: none yet)
    std::int64_t narrow_x = 0;  // its constants X and K
    std::int64_t narrow_k = 0;
    Int128 wide_x = 0;
    Int128 wide_k = 0;
    std::uint32_t generation = 1;      // bumped whenever the sample or bound changes
    std::vector<std::uint32_t> stamp;  // per removed member: generation of its entries
    std::vector<std::uint8_t> usable;  // per removed member
    // No point with more than `miss_limit` misses before it is above the
    // bound, whatever the ranks (set with the narrow comparison). So a new
    // hit with more misses has its own point below the bound. Such a swap is rejected
    // exactly when its new rank lies in the range of the entry (q, removed
    // member), at [q * k + i]: the members before it stay below the bound
    // and the suffix bound holds. A range is derived from its entry when
    // first needed and belongs to the generation it was derived in.
    std::int64_t miss_limit = 0;
    struct RankRange {
      std::int64_t low = 1;
      std::int64_t high = 0;
      std::uint32_t generation = 0;
    };
    std::vector<RankRange> reject_ranks;
    // Per removed member i and count q of remaining members before the new
    // position, at [q * k + i] (one cache line each).
    struct Entry {
      std::int64_t prefix_cum = 0;     // best point among the first q: rank sum
      std::int64_t prefix_weight = 0;  // and its b0 * misses + K (> 0)
      std::int64_t before_cum = 0;     // rank sum of the first q
      std::int64_t padding = 0;
      Int128 suffix_alpha = 0;  // max over the rest of their shifted D at r = 0
      Int128 suffix_beta = 0;   // max over the rest of dD / dr
    };
    std::vector<Entry> entries;

    // Starts a new generation: no stamp or range of an earlier one matches
    // it (after the counter wraps, all are reset).
    void next_generation() {
      if (++generation == 0) {
        std::fill(stamp.begin(), stamp.end(), 0);
        for (auto& range : reject_ranks) range.generation = 0;
        generation = 1;
      }
    }
  } cache;

  // Per chunk: an upper bound on M * c - rs * m over the chunk's members (M:
  // the ruler's miss total, c: the chunk's rank sum up to and including the
  // member, m: non-members between the chunk's first position and it) for the
  // rank sum rs it was taken at; exact when recorded, raised by each member
  // put into the chunk since. Lets a scan pass over a chunk none of whose
  // points can be above the bound; kept only for the narrow comparison.
  // Never changes a decision.
  struct ChunkPeak {
    std::int64_t peak = 0;
    std::int64_t rank_sum = 0;  // rs the peak was taken at
    bool valid = false;
  };
  std::vector<ChunkPeak> peaks;

  // A member's running-sum point in the current sample (the non-members
  // before it and the rank sum up to and including it), kept up to date by
  // the swaps; a swap keeping it above the bound is accepted without a scan.
  // Position -1: none known.
  struct Candidate {
    std::int64_t position = -1;
    std::int64_t misses = 0;
    std::int64_t rank_sum = 0;
  } candidate;

  // `count` empty chunks with zero sums.
  explicit SampleChunksState(std::uint32_t count)
      : chunk_starts(std::size_t{count} + 1, 0), chunk_sum(count, 0) {}
};

// A sample cut at the ruler's chunk boundaries for cheap single-gene swaps;
// built by EsRulerCompat::make_chunks, changed only by perturbate. Chunk h
// holds the members at indices [chunk_starts[h], chunk_starts[h + 1]) of the
// ascending member list: those below the chunk's last boundary and at or
// above the one before it. Positions are stored as `Pos`:
// 32 bits in general, 16 bits inside the ruler when the ranking is short
// enough (half the bytes to move and to compare).
template <typename Pos>
struct BasicSampleChunks : SampleChunksState {
  // All members, ascending, then kPadding times the largest value of Pos.
  std::vector<Pos> positions;

  [[nodiscard]] std::uint32_t member_count() const {
    return chunk_starts.empty() ? 0 : chunk_starts.back();
  }
  // The members, ascending.
  [[nodiscard]] std::span<const Pos> members() const { return {positions.data(), member_count()}; }

  // The members of chunk h, ascending.
  [[nodiscard]] std::span<const Pos> chunk(std::uint32_t h) const {
    return {positions.data() + chunk_starts[h], chunk_starts[h + 1] - chunk_starts[h]};
  }

  explicit BasicSampleChunks(std::uint32_t count) : SampleChunksState(count) {}
};
using SampleChunks = BasicSampleChunks<std::uint32_t>;

// Uniform index in [0, m) with the same rejection rule and results as
// uniform_index, for a fixed m: the limit is computed once and the remainder
// by multiplication (exact for every 32-bit value).
class FixedBoundDraw {
 public:
  explicit FixedBoundDraw(std::uint32_t m = 1);

  // Draws from `rng` until an output is below the limit; returns it mod m.
  std::uint32_t operator()(rng_compat::Mt19937& rng) const {
    std::uint32_t u = rng.next_u32();
    while (u >= limit_) u = rng.next_u32();
    return remainder(u);
  }

  // Whether a raw output is kept (below the rejection limit).
  [[nodiscard]] bool accepts(std::uint32_t u) const { return u < limit_; }

  // a mod m.
  [[nodiscard]] std::uint32_t remainder(std::uint32_t a) const {
    __extension__ typedef unsigned __int128 UInt128;
    const std::uint64_t low = magic_ * a;
    return static_cast<std::uint32_t>((UInt128{low} * m_) >> 64);
  }

 private:
  std::uint32_t m_;
  std::uint32_t limit_;
  std::uint64_t magic_;  // 2^64 / m rounded up (0 for m = 1)
};

class EsRulerCompat {
 public:
  // The two draws of one swap: the removed member's index and the new position.
  struct SwapDraw {
    std::uint32_t member;
    std::uint32_t position;
  };

  // An empty ruler over `ranks` (non-negative; n = its length, 1 <= k <= n,
  // sample_size >= 1). Rank sums must stay below 2^46 and n below 2^32.
  EsRulerCompat(std::vector<std::int64_t> ranks, std::uint32_t sample_size,
                std::uint32_t pathway_size, double move_scale);

  // Draws keys and the first population from `seed` (low 32 bits) and adds
  // levels until one reaches `es`, the estimated probability falls below `eps`
  // (0 disables that test) or the population cannot be split. Call at most once.
  // `control` (optional) is checked and counted once per level: a run asked to
  // stop leaves the ruler partly extended.
  void extend(std::uint64_t seed, double es, double eps, core::RunControl* control = nullptr);

  // P-value of the non-negative score `es` read off the levels; NaN without
  // levels. With `count_all` false only samples with pos_dominant count.
  [[nodiscard]] double get_pvalue(bool count_all, double es) const;

  // Scores the population, appends at most one level and refills the population
  // from the part at or above the split (duplicates drawn with `rng` first).
  void resample_genesets(rng_compat::Mt19937& rng);

  // Makes max(1, trunc(0.1 k)) random swaps on one sample chunked by
  // make_chunks at the current boundaries, keeping each exactly when the
  // sample stays above `bound`; returns accepted swaps plus draws that picked
  // the removed gene itself.
  // Positions in 32 or (for rankings of at most 2^16 genes) 16 bits.
  template <typename Pos>
  std::int32_t perturbate(std::uint32_t k, BasicSampleChunks<Pos>& sample, const Gsea& bound,
                          rng_compat::Mt19937& rng);

  // Exact score of a sorted position list against this ruler's ranks and keys.
  [[nodiscard]] ScoredEntry score_sample(const std::vector<std::uint32_t>& positions,
                                         std::uint32_t sample_index) const;

  // A sample's rank sum (0 for a weightless one) and the XOR of its keys.
  struct SampleSums {
    std::int64_t rank_sum = 0;
    std::uint64_t key = 0;
  };
  // The same with the sample's sums already known.
  [[nodiscard]] ScoredEntry score_sample(const std::vector<std::uint32_t>& positions,
                                         std::uint32_t sample_index, SampleSums sums) const;

  // Sets the inner chunk boundaries to the population medians of the positions
  // at the chunk starts; chunk_count and the last boundary must already be set.
  void update_chunk_boundaries();

  // Cuts a sorted position list at the current chunk boundaries (positions
  // must fit Pos).
  template <typename Pos = std::uint32_t>
  [[nodiscard]] BasicSampleChunks<Pos> make_chunks(
      const std::vector<std::uint32_t>& positions) const;

  // The same into existing chunks, keeping their storage (positions must fit
  // Pos).
  template <typename Pos>
  void refill_chunks(const std::vector<std::uint32_t>& positions, BasicSampleChunks<Pos>& sc,
                     const SampleSums* sums = nullptr) const;

  [[nodiscard]] const std::vector<Level>& levels() const { return levels_; }
  [[nodiscard]] const std::vector<std::vector<std::uint32_t>>& samples() const { return samples_; }
  [[nodiscard]] const std::vector<std::uint32_t>& chunk_last() const { return chunk_last_; }
  [[nodiscard]] std::uint32_t chunk_count() const { return chunk_count_; }
  [[nodiscard]] std::uint32_t sample_size() const { return sample_size_; }
  [[nodiscard]] std::uint32_t pathway_size() const { return pathway_size_; }

  // One swap of a sample making one swap per call, decided as the batched
  // passes decide it (by the swap facts alone when they can); returns 1 when
  // accepted or when the removed gene itself was drawn, else 0.
  std::int32_t pass_swap(SampleChunks& sample, const Gsea& bound, SwapDraw draw);

  // Keeps positions in 32 bits and compares the points of a scan in 128 bits
  // during the passes even where 16 and 64 would do (for tests: both widths
  // give the same results).
  void set_wide_arithmetic(bool wide) { wide_arithmetic_ = wide; }

  // Keeps to the kernels every x86-64 processor runs, even where the
  // processor has wider vectors (for tests: both give the same results).
  void set_portable_kernels(bool portable) { portable_kernels_ = portable; }

  // Direct access for tests and for building populations by hand.
  std::vector<std::vector<std::uint32_t>>& mutable_samples() {
    sample_sums_.clear();  // the caller may change the samples
    return samples_;
  }
  std::vector<std::uint64_t>& mutable_gene_keys() {
    sample_sums_.clear();  // the caller may change the keys
    return gene_keys_;
  }
  // Sets chunk_count chunks (at least 1, at most 2^16) with the last
  // boundary n and the others 0.
  void reset_chunks(std::uint32_t count);

 private:
  // Whether the passes may use the processor's wider vectors (AVX-512 where
  // present, unless set_portable_kernels).
  [[nodiscard]] bool use_vector_kernels() const;

  // Rebuilds chunk_of_ from chunk_last_.
  void index_chunks();

  // Number of ranks, as the type of positions.
  [[nodiscard]] std::uint32_t n() const { return static_cast<std::uint32_t>(ranks_.size()); }

  // Runs passes (one perturbate call per sample, in sample order) until their
  // moves reach `needed`, then as many passes again; see perturbate.cc.
  template <typename Pos>
  void perturbation_passes(std::vector<BasicSampleChunks<Pos>>& chunked, const Gsea& bound,
                           std::int64_t needed, rng_compat::Mt19937& rng);

  // Derives the swap facts of removing member `removed` from the sample
  // against its prepared narrow comparison (b0: the bound's rank sum).
  template <typename Pos>
  void fill_swap_facts(BasicSampleChunks<Pos>& sample, std::uint32_t removed,
                       std::int64_t b0) const;

  // Whether the swap facts of a sample reject the swap `d` by themselves.
  template <typename Pos>
  [[nodiscard]] bool rejected_by_facts(BasicSampleChunks<Pos>& sample, const Gsea& bound,
                                       SwapDraw d) const;

  // The first pass in [from, to) whose swap (packed[b], one per pass, see
  // perturbate.cc) the sample's swap facts do not reject by themselves; `to`
  // when there is none.
  template <typename Pos>
  [[nodiscard]] std::size_t skip_rejected(BasicSampleChunks<Pos>& sample, const Gsea& bound,
                                          const std::uint32_t* packed, std::size_t from,
                                          std::size_t to) const;

  // Whether the sample keeps swap facts against `bound` and makes one swap
  // per call (fixed while the bound stays the same).
  [[nodiscard]] bool has_swap_facts(const SampleChunksState& sample, std::size_t members,
                                    const Gsea& bound) const;

  // Chooses the sample's comparison against `bound` and clears its swap facts
  // unless they already belong to this bound and k; draws nothing.
  void prepare_swap_cache(std::uint32_t k, SampleChunksState& sample, const Gsea& bound) const;

  // Number of swaps of one perturbate call: max(1, trunc(0.1 k)).
  static std::int32_t swap_iterations(std::uint32_t k);

  // perturbate with its draws taken from `draws` (see perturbate.cc).
  template <typename Pos, typename Draws>
  std::int32_t perturbate_from(std::uint32_t k, BasicSampleChunks<Pos>& sample, const Gsea& bound,
                               Draws& draws);

  // With kFacts, for samples keeping swap facts (see prepare_swap_cache).
  template <bool kFacts, typename PointTest, typename Pos, typename Draws>
  std::int32_t perturbate_with(std::uint32_t k, BasicSampleChunks<Pos>& sample,
                               const PointTest& test, Draws& draws);

  double move_scale_;
  std::vector<std::int64_t> ranks_;
  std::vector<std::uint64_t> gene_keys_;
  std::vector<std::vector<std::uint32_t>> samples_;
  // The sums of samples_ as the last passes left them (empty otherwise).
  std::vector<SampleSums> sample_sums_;
  std::vector<Level> levels_;
  std::vector<std::uint32_t> chunk_last_;
  // Chunk of every position at the current boundaries: the first h with
  // chunk_last_[h] above it, at most chunk_count_ - 1 (16 bits keep the
  // table small; there are at most 2^16 chunks).
  std::vector<std::uint16_t> chunk_of_;
  std::uint32_t sample_size_;
  std::uint32_t pathway_size_;
  std::uint32_t chunk_count_ = 0;
  bool wide_arithmetic_ = false;            // see set_wide_arithmetic
  bool portable_kernels_ = false;           // see set_portable_kernels
  FixedBoundDraw draw_member_;              // index into a sample, m = k
  FixedBoundDraw draw_position_;            // position in the ranking, m = n
  std::vector<SwapDraw> pass_draws_;        // a batch of passes' draws, in stream order
  std::vector<SwapDraw> next_draws_;        // the next batch's, drawn while a batch walks
  std::vector<std::uint32_t> pass_packed_;  // the same, packed, for one swap per pass
  std::vector<std::uint32_t> next_packed_;
  std::vector<rng_compat::Mt19937> engine_copies_;  // engine states within next_draws_
  std::vector<std::int32_t> pass_moves_;            // per sample and pass of the batch
  std::vector<std::int64_t> sample_moves_;          // per sample, over the batch
};

}  // namespace varenko::esruler_compat
