// The pass scheduler of the upward walk: the perturbation passes of one
// level in batches, their draws taken up front in stream order, the samples
// of a batch walked on the worker pool's threads, and the move budget checked
// pass by pass.
#include "esruler_compat/pass_scheduler.h"

#include <algorithm>
#include <array>
#include <cstddef>

#include <oneapi/tbb/blocked_range.h>
#include <oneapi/tbb/parallel_for.h>
#include <oneapi/tbb/parallel_invoke.h>
#include <oneapi/tbb/partitioner.h>
#include <oneapi/tbb/task_arena.h>

#include "esruler_compat/swap_facts.h"
#include "esruler_compat/swap_loop.h"

namespace varenko::esruler_compat {
namespace {

// A swap's draws packed in 32 bits (samples of at most 256 members making one
// swap per pass, rankings of at most 2^24 genes): member index in the top
// eight bits, position below.
constexpr std::uint32_t kPackedPosition = (std::uint32_t{1} << 24) - 1;
inline EsRulerCompat::SwapDraw unpack_draw(std::uint32_t packed) {
  return {packed >> 24, packed & kPackedPosition};
}

}  // namespace

template <typename Pos>
std::size_t EsRulerCompat::skip_rejected(BasicSampleChunks<Pos>& sample, const Gsea& bound,
                                         const std::uint32_t* packed, std::size_t from,
                                         std::size_t to) const {
  // The rank of a swap a few passes ahead is a random read: start it early.
  constexpr std::size_t kAhead = 4;
  for (std::size_t b = from; b < to; ++b) {
    if (b + kAhead < to) __builtin_prefetch(&ranks_[packed[b + kAhead] & kPackedPosition]);
    if (!rejected_by_facts(sample, bound, unpack_draw(packed[b]))) return b;
  }
  return to;
}

// Passes in batches. A sample's walk reads only its own chunks, the ruler's
// fixed tables, the bound and its draws, and every pass consumes the same
// number of draws, so once a batch's draws are taken from the engine in
// stream order (pass by pass, sample by sample), each sample can make all its
// swaps of the batch at once, on any thread, with the same result. The budget
// is then checked pass by pass in order. A batch holds at most as many passes
// as were run before it, and the budget is first reached at some pass P > that
// count, so the passes of a batch never go beyond the 2P passes that run in all.
// Once P is known, the rest is cut into batches of any size.
//
// With more than one thread the next batch's draws are taken while the
// current batch walks. Until the budget is reached the next batch's size is
// not known, only its largest possible size: that many passes are drawn, with
// copies of the engine kept every few passes, and when fewer passes are
// needed the engine is put back to the copy before the first unneeded pass
// and brought forward to it by drawing again. The draws used and the engine's
// final state are the same as when each batch is drawn after the previous
// one has walked.
template <typename Pos>
core::Status EsRulerCompat::perturbation_passes(std::vector<BasicSampleChunks<Pos>>& chunked,
                                                const Gsea& bound, std::int64_t needed,
                                                rng_compat::Mt19937& rng,
                                                PassWorkspace& workspace) {
  const std::uint32_t k = pathway_size_;
  const auto iterations = static_cast<std::size_t>(swap_iterations(k));
  const std::size_t count = chunked.size();
  if (count == 0) return core::Status::success();
  // The walks below take every sample as well formed: one that is not would
  // make no moves, and the budget would never be reached.
  for (const auto& sample : chunked) VARENKO_TRY(check_walk_input(k, sample));
  const std::size_t draws_per_pass = count * iterations;
  // Swaps per batch at most (8 bytes of draws each): until the budget is
  // reached few enough that the draws taken ahead for a batch that turns out
  // shorter waste little; then, with the number of passes known, more, so
  // that the threads meet less often.
  constexpr std::size_t kBatchDraws = std::size_t{1} << 16;
  constexpr std::size_t kKnownBatchDraws = std::size_t{1} << 18;
  const std::size_t max_batch = std::max<std::size_t>(1, kBatchDraws / draws_per_pass);
  const std::size_t max_known_batch = std::max<std::size_t>(1, kKnownBatchDraws / draws_per_pass);
  // Below this many swaps per batch the work is not shared between threads.
  constexpr std::size_t kParallelSwaps = 1024;
  // At most about this many engine copies per speculative batch.
  constexpr std::size_t kCopies = 32;
  const bool threads = tbb::this_task_arena::max_concurrency() > 1;

  // Draws `passes` passes into `out`, in stream order, and stores each
  // sample's draws of all passes together: the draws of swap i of pass b of
  // sample s at (s * passes + b) * iterations + i, so that a sample's walk
  // reads them in order (they are usually written on another core). With
  // `copies`, keeps the engine's state before every `stride`-th pass. The
  // engine's words are tempered a block at a time; the words not used are
  // undrawn at the end (and in the copies).
  // Samples making one swap per pass store each swap's draws in 32 bits when
  // they fit, halving what the walks read.
  const bool packed = iterations == 1 && k <= 256 && ranks_.size() <= kPackedPosition + 1;
  auto draw_passes = [&](std::vector<SwapDraw>& out, std::vector<std::uint32_t>& out_packed,
                         std::size_t passes, std::vector<rng_compat::Mt19937>* copies,
                         std::size_t stride) {
    if (packed) {
      out_packed.resize(passes * draws_per_pass);
    } else {
      out.resize(passes * draws_per_pass);
    }
    std::uint32_t* const packed_out = out_packed.data();
    SwapDraw* const draws_out = out.data();
    if (copies != nullptr) copies->clear();
    std::array<std::uint32_t, rng_compat::Mt19937::kStateWords> words;
    std::size_t have = 0;
    std::size_t at = 0;
    auto next_word = [&] {
      if (at == have) {
        have = rng.take_block(words.data());
        at = 0;
      }
      return words[at++];
    };
    auto draw = [&](const FixedBoundDraw& bounded) {
      std::uint32_t u = next_word();
      while (!bounded.accepts(u)) u = next_word();
      return bounded.remainder(u);
    };
    for (std::size_t b = 0; b < passes; ++b) {
      if (copies != nullptr && b % stride == 0) {
        copies->push_back(rng);
        copies->back().untake(have - at);
      }
      if (packed) {
        for (std::size_t s = 0; s < count; ++s) {
          std::uint32_t member = 0;
          std::uint32_t position = 0;
          if (have - at >= 2 && draw_member_.accepts(words[at]) &&
              draw_position_.accepts(words[at + 1])) {
            member = draw_member_.remainder(words[at]);
            position = draw_position_.remainder(words[at + 1]);
            at += 2;
          } else {
            member = draw(draw_member_);
            position = draw(draw_position_);
          }
          packed_out[s * passes + b] = member << 24 | position;
        }
        continue;
      }
      for (std::size_t s = 0; s < count; ++s) {
        SwapDraw* d = draws_out + (s * passes + b) * iterations;
        for (std::size_t i = 0; i < iterations; ++i) {
          // Nearly always two words at hand, both kept.
          if (have - at >= 2 && draw_member_.accepts(words[at]) &&
              draw_position_.accepts(words[at + 1])) {
            d[i].member = draw_member_.remainder(words[at]);
            d[i].position = draw_position_.remainder(words[at + 1]);
            at += 2;
            continue;
          }
          d[i].member = draw(draw_member_);
          d[i].position = draw(draw_position_);
        }
      }
    }
    rng.untake(have - at);
  };
  // Keeps each sample on the thread that walked it in the previous batch
  // where the load allows, so its data stays in that core's caches.
  tbb::affinity_partitioner affinity;
  // `row` is the number of passes the batch's draws were drawn for (at
  // least `batch`).
  auto walk = [&](std::size_t batch, std::size_t row) {
    workspace.pass_moves.resize(batch * count);  // every entry is written by the walk
    workspace.sample_moves.assign(count, 0);
    auto run_samples = [&](std::size_t first, std::size_t last) {
      for (std::size_t s = first; s < last; ++s) {
        // The bound is fixed for all passes, so whether the sample has swap
        // facts does not change within them.
        const bool facts = has_swap_facts(chunked[s], chunked[s].member_count(), bound);
        const SwapDraw* first_draw =
            packed ? nullptr : workspace.pass_draws.data() + s * row * iterations;
        const std::uint32_t* first_packed =
            packed ? workspace.pass_packed.data() + s * row : nullptr;
        std::int32_t* moves_out = workspace.pass_moves.data() + s * batch;
        std::int64_t sample_total = 0;
        for (std::size_t b = 0; b < batch; ++b) {
          // One swap per pass with swap facts (and packed draws): most are
          // rejected by the facts alone. The others go through perturbate
          // with the same draw, so the decisions are the same.
          if (facts && packed) {
            const std::size_t stop = skip_rejected(chunked[s], bound, first_packed, b, batch);
            std::fill(moves_out + b, moves_out + stop, 0);
            if (stop == batch) break;
            b = stop;
          }
          const SwapDraw one = packed ? unpack_draw(first_packed[b]) : SwapDraw{};
          BlockDraws block(packed ? &one : first_draw + b * iterations);
          const std::int32_t m = perturbate_from(k, chunked[s], bound, block);
          moves_out[b] = m;
          sample_total += m;
        }
        workspace.sample_moves[s] = sample_total;
      }
    };
    if (threads && batch * draws_per_pass >= kParallelSwaps && count > 1) {
      tbb::parallel_for(
          tbb::blocked_range<std::size_t>(0, count),
          [&](const tbb::blocked_range<std::size_t>& r) { run_samples(r.begin(), r.end()); },
          affinity);
    } else {
      run_samples(0, count);
    }
  };

  std::int64_t done = 0;
  std::int64_t moves = 0;
  std::int64_t total = -1;  // passes in all, once the budget is reached
  // Size of the batch after `done` passes: as many passes as were run until
  // the budget is reached, then the rest.
  auto batch_after = [&](std::int64_t passes_done) {
    const std::int64_t want =
        total < 0 ? std::max<std::int64_t>(1, passes_done) : total - passes_done;
    const std::size_t cap = total < 0 ? max_batch : max_known_batch;
    return static_cast<std::size_t>(std::min<std::int64_t>(want, static_cast<std::int64_t>(cap)));
  };
  std::size_t batch = batch_after(0);
  draw_passes(workspace.pass_draws, workspace.pass_packed, batch, nullptr, 1);
  std::size_t drawn_ahead = 0;  // passes in workspace.next_draws, drawn while the batch walked
  std::size_t row = batch;      // passes workspace.pass_draws was drawn for
  while (batch > 0) {
    // The next batch's largest size: its exact size once the budget is known,
    // else the size it has when the budget is not reached in this batch (when
    // it is, the rest, 2P - passes run, is no larger).
    const auto after = done + static_cast<std::int64_t>(batch);
    const std::size_t next_max = batch_after(after);
    const bool overlap = threads && next_max > 0 && next_max * draws_per_pass >= kParallelSwaps &&
                         batch * draws_per_pass >= kParallelSwaps && count > 1;
    const std::size_t stride = std::max<std::size_t>(1, (next_max + kCopies - 1) / kCopies);
    if (overlap) {
      tbb::parallel_invoke(
          [&] { walk(batch, row); },
          [&] {
            draw_passes(workspace.next_draws, workspace.next_packed, next_max,
                        &workspace.engine_copies, stride);
          });
      drawn_ahead = next_max;
    } else {
      walk(batch, row);
      drawn_ahead = 0;
    }
    std::int64_t batch_moves = 0;
    if (total < 0) {
      for (std::size_t i = 0; i < count; ++i) batch_moves += workspace.sample_moves[i];
    }
    if (total < 0 && moves + batch_moves < needed) {
      moves += batch_moves;  // the budget is not reached within this batch
    } else if (total < 0) {
      for (std::size_t b = 0; b < batch; ++b) {
        for (std::size_t s = 0; s < count; ++s) moves += workspace.pass_moves[s * batch + b];
        if (moves >= needed) {
          total = 2 * (done + static_cast<std::int64_t>(b) + 1);
          break;
        }
      }
    }
    done = after;
    // Once the number of passes is known, any batch up to the rest will do:
    // no more than were drawn ahead.
    std::size_t next = batch_after(done);
    if (drawn_ahead > 0) next = std::min(next, drawn_ahead);
    if (drawn_ahead > 0) {
      if (next < drawn_ahead) {
        // Fewer passes than drawn: back to the copy before pass `next`'s
        // stride, then forward to pass `next` again.
        const std::size_t copy = next / stride;
        rng = workspace.engine_copies[copy];
        // Into the buffers just walked.
        draw_passes(workspace.pass_draws, workspace.pass_packed, next - copy * stride, nullptr, 1);
      }
      // The first `next` passes of each sample's row are used.
      std::swap(workspace.pass_draws, workspace.next_draws);
      std::swap(workspace.pass_packed, workspace.next_packed);
      row = drawn_ahead;
    } else if (next > 0) {
      draw_passes(workspace.pass_draws, workspace.pass_packed, next, nullptr, 1);
      row = next;
    }
    batch = next;
  }
  return core::Status::success();
}

// Positions in 32 bits for any ranking and in 16 bits for rankings of at
// most 2^16 genes (see extend).
template core::Status EsRulerCompat::perturbation_passes(
    std::vector<BasicSampleChunks<std::uint32_t>>&, const Gsea&, std::int64_t, rng_compat::Mt19937&,
    PassWorkspace&);
template core::Status EsRulerCompat::perturbation_passes(
    std::vector<BasicSampleChunks<std::uint16_t>>&, const Gsea&, std::int64_t, rng_compat::Mt19937&,
    PassWorkspace&);

}  // namespace varenko::esruler_compat
