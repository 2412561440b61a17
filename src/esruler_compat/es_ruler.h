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

#include "core/result.h"
#include "core/run_control.h"
#include "esruler_compat/order.h"
#include "esruler_compat/walk_state.h"
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

  // The walk's own facts about the sample (see walk_state.h).
  SwapCache cache;
  std::vector<ChunkPeak> peaks;
  Candidate candidate;

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

struct PassWorkspace;
template <bool kFacts, typename PointTest, typename Pos>
class SwapLoop;

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
  // stop leaves the ruler partly extended. Fails only when the walk finds its
  // own samples malformed (an internal error).
  core::Status extend(std::uint64_t seed, double es, double eps,
                      core::RunControl* control = nullptr);

  // P-value of the non-negative score `es` read off the levels; NaN without
  // levels. With `count_all` false only samples with pos_dominant count.
  [[nodiscard]] double get_pvalue(bool count_all, double es) const;

  // Scores the population, appends at most one level and refills the population
  // from the part at or above the split (duplicates drawn with `rng` first).
  void resample_genesets(rng_compat::Mt19937& rng);

  // Makes max(1, trunc(0.1 k)) random swaps on one sample chunked by
  // make_chunks at the current boundaries, keeping each exactly when the
  // sample stays above `bound`; returns accepted swaps plus draws that picked
  // the removed gene itself. Fails, drawing nothing, for a sample that is not
  // one of k members cut at the current boundaries or whose positions the
  // ranking does not fit.
  // Positions in 32 or (for rankings of at most 2^16 genes) 16 bits.
  template <typename Pos>
  core::Result<std::int32_t> perturbate(std::uint32_t k, BasicSampleChunks<Pos>& sample,
                                        const Gsea& bound, rng_compat::Mt19937& rng);

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
  // accepted or when the removed gene itself was drawn, else 0. Fails as
  // perturbate does.
  core::Result<std::int32_t> pass_swap(SampleChunks& sample, const Gsea& bound, SwapDraw draw);

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
  template <bool kFacts, typename PointTest, typename Pos>
  friend class SwapLoop;

  // Whether the passes may use the processor's wider vectors (AVX-512 where
  // present, unless set_portable_kernels).
  [[nodiscard]] bool use_vector_kernels() const;

  // Rebuilds chunk_of_ from chunk_last_.
  void index_chunks();

  // Number of ranks, as the type of positions.
  [[nodiscard]] std::uint32_t n() const { return static_cast<std::uint32_t>(ranks_.size()); }

  // Runs passes (one perturbate call per sample, in sample order) until their
  // moves reach `needed`, then as many passes again, with the buffers of
  // `workspace`; see pass_scheduler.cc. Fails, drawing nothing, when a
  // sample is malformed (see check_walk_input).
  template <typename Pos>
  core::Status perturbation_passes(std::vector<BasicSampleChunks<Pos>>& chunked,
                                   const Gsea& bound, std::int64_t needed,
                                   rng_compat::Mt19937& rng, PassWorkspace& workspace);

  // Whether the walk can take `sample`: k members cut at the current chunk
  // boundaries, positions that fit Pos.
  template <typename Pos>
  [[nodiscard]] core::Status check_walk_input(std::uint32_t k,
                                              const BasicSampleChunks<Pos>& sample) const;

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
  // pass_scheduler.cc) the sample's swap facts do not reject by themselves; `to`
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
  // The same for a sample whose facts belong to another bound or k.
  void choose_swap_test(std::uint32_t k, SampleChunksState& sample, const Gsea& bound) const;

  // Number of swaps of one perturbate call: max(1, trunc(0.1 k)).
  static std::int32_t swap_iterations(std::uint32_t k);

  // perturbate with its draws taken from `draws` (see swap_loop.h), on a
  // sample check_walk_input accepts.
  template <typename Pos, typename Draws>
  std::int32_t perturbate_from(std::uint32_t k, BasicSampleChunks<Pos>& sample, const Gsea& bound,
                               Draws& draws);

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
};

}  // namespace varenko::esruler_compat
