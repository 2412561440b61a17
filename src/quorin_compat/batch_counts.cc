// Permutation counting engines. All three draw samples of K genes, score every
// prefix with the cumulative statistic and count prefix `size` against each
// pathway's observed score; each pathway's sums are accumulated in draw order,
// which is what makes the sequential and thread-invariant engines agree to the
// bit. The fast engine seeds its chunks with SplitMix64 and does its own
// sampling, so it never touches combination's per-thread table.
#include "quorin_compat/batch_counts.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <utility>

#include <oneapi/tbb/blocked_range.h>
#include <oneapi/tbb/enumerable_thread_specific.h>
#include <oneapi/tbb/parallel_for.h>
#include <oneapi/tbb/parallel_reduce.h>
#include <oneapi/tbb/task_arena.h>

#include "quorin_compat/cumulative_stat.h"
#include "rng_compat/combination.h"
#include "rng_compat/mt19937.h"

namespace varenko::quorin_compat {
namespace {

// Permutations per block of the thread-invariant engine: bounds its buffer to
// this many result lists.
constexpr std::uint32_t kInvariantBlock = 4096;
// The thread-invariant engine draws this many samples, then scores them in
// parallel (kScoreGrain samples per task), so only one batch of samples is
// held at a time.
constexpr std::uint32_t kDrawBatch = 256;
constexpr std::uint32_t kScoreGrain = 4;
// Chunks per pool thread in the fast engine.
constexpr std::uint32_t kChunksPerThread = 8;

// Pathways of one size: the prefix index they read and their accumulators.
struct SizeGroup {
  std::uint32_t size_index = 0;
  std::vector<std::uint32_t> pathway_indices;
  std::vector<double> scores;  // observed score of each member
  std::vector<PermutationCounts> acc;
};

// Checks the preconditions shared by the engines and returns K (0 when m = 0).
std::uint32_t largest_size(std::span<const double> weights, std::span<const double> scores,
                           std::span<const std::uint32_t> sizes) {
  if (scores.size() != sizes.size()) std::abort();
  std::uint32_t k = 0;
  for (const std::uint32_t s : sizes) {
    if (s == 0 || s > weights.size()) std::abort();
    k = std::max(k, s);
  }
  return k;
}

// Groups the pathways by size, ascending, members in pathway order.
std::vector<SizeGroup> group_by_size(std::span<const double> scores,
                                     std::span<const std::uint32_t> sizes) {
  std::map<std::uint32_t, std::vector<std::uint32_t>> by_size;
  for (std::uint32_t j = 0; j < sizes.size(); ++j) by_size[sizes[j] - 1].push_back(j);
  std::vector<SizeGroup> groups;
  groups.reserve(by_size.size());
  for (auto& [size_index, members] : by_size) {
    SizeGroup g;
    g.size_index = size_index;
    g.pathway_indices = std::move(members);
    for (const std::uint32_t p : g.pathway_indices) g.scores.push_back(scores[p]);
    g.acc.resize(g.pathway_indices.size());
    groups.push_back(std::move(g));
  }
  return groups;
}

// Counts one cumulative result into every group's accumulators.
void count_result(std::span<const double> res, std::vector<SizeGroup>& groups) {
  for (SizeGroup& g : groups) {
    const double x = res[g.size_index];
    for (std::size_t i = 0; i < g.acc.size(); ++i) g.acc[i].add(x, g.scores[i]);
  }
}

// Copies the group accumulators into a BatchCounts of m pathways.
BatchCounts collect(const std::vector<SizeGroup>& groups, std::size_t m) {
  BatchCounts counts = empty_batch_counts(m);
  for (const SizeGroup& g : groups) {
    for (std::size_t i = 0; i < g.acc.size(); ++i) counts[g.pathway_indices[i]] = g.acc[i];
  }
  return counts;
}

// SplitMix64 output function: decorrelates the chunk seeds of the fast engine.
std::uint64_t splitmix64(std::uint64_t x) {
  std::uint64_t z = x + 0x9e3779b97f4a7c15ull;
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

// One chunk of the fast engine: iterations [first, first + count).
BatchCounts run_fast_chunk(std::span<const double> weights, std::span<const double> scores,
                           std::span<const std::uint32_t> sizes, double gsea_param,
                           core::ScoreType score_type, std::uint32_t k, std::uint32_t chunk,
                           std::uint32_t first, std::uint32_t count, std::uint64_t seed) {
  const auto n = static_cast<std::uint32_t>(weights.size());
  const std::uint64_t x = seed ^ (static_cast<std::uint64_t>(chunk) << 1) ^ first;
  rng_compat::Mt19937 rng(static_cast<std::uint32_t>(splitmix64(x)));

  std::vector<SizeGroup> groups = group_by_size(scores, sizes);
  CumulativeStatWorkspace ws;
  std::vector<std::uint32_t> sample;
  sample.reserve(k);
  const bool dense = k > n / 2;
  std::vector<std::uint32_t> universe;
  std::vector<std::uint32_t> perm;
  std::vector<std::uint32_t> stamps;
  std::uint32_t generation = 0;
  if (dense) {
    universe.resize(n);
    for (std::uint32_t i = 0; i < n; ++i) universe[i] = i + 1;
  } else {
    stamps.assign(n, 0);
  }

  for (std::uint32_t it = 0; it < count; ++it) {
    sample.clear();
    if (dense) {
      perm = universe;
      for (std::uint32_t j = k; j-- > 0;) {
        const std::uint32_t t = rng.bounded(n - j);
        std::swap(perm[j], perm[j + t]);
      }
      sample.assign(perm.begin(), perm.begin() + k);
    } else {
      if (++generation == 0) {
        std::fill(stamps.begin(), stamps.end(), 0u);
        generation = 1;
      }
      while (sample.size() < k) {
        const std::uint32_t t = rng.bounded(n);
        if (stamps[t] != generation) {
          stamps[t] = generation;
          sample.push_back(t + 1);
        }
      }
    }
    count_result(ws.calc(weights, sample, gsea_param, score_type), groups);
  }
  return collect(groups, sizes.size());
}

}  // namespace

BatchCounts empty_batch_counts(std::size_t m) { return BatchCounts(m); }

BatchCounts merge_batch_counts(BatchCounts a, BatchCounts b) {
  const std::size_t m = a.size();
  if (b.size() < m) std::abort();
  for (std::size_t i = 0; i < m; ++i) a[i] += b[i];
  return a;
}

BatchCounts calc_gsea_stat_cumulative_batch_f64(std::span<const double> weights,
                                                std::span<const double> scores,
                                                std::span<const std::uint32_t> sizes,
                                                double gsea_param, std::uint32_t iterations,
                                                std::uint64_t seed, core::ScoreType score_type,
                                                core::RunControl* control) {
  const std::uint32_t k = largest_size(weights, scores, sizes);
  if (sizes.empty() || iterations == 0 || k == 0) return empty_batch_counts(sizes.size());
  const auto n = static_cast<std::uint32_t>(weights.size());

  std::vector<SizeGroup> groups = group_by_size(scores, sizes);
  rng_compat::Mt19937 rng(static_cast<std::uint32_t>(seed));
  CumulativeStatWorkspace ws;
  std::vector<std::uint32_t> sample;
  for (std::uint32_t it = 0; it < iterations; ++it) {
    // Progress and a stop request are looked at once per batch of draws; a
    // stopped run's counts are discarded by the caller.
    if (it > 0 && it % kDrawBatch == 0) {
      core::advance(control, &core::RunControl::permutations_done, kDrawBatch);
      if (core::cancelled(control)) return collect(groups, sizes.size());
    }
    rng_compat::combination(1, n, k, rng, sample);
    count_result(ws.calc(weights, sample, gsea_param, score_type), groups);
  }
  core::advance(control, &core::RunControl::permutations_done,
                iterations - (iterations - 1) / kDrawBatch * kDrawBatch);
  return collect(groups, sizes.size());
}

BatchCounts calc_gsea_stat_cumulative_batch_f64_thread_invariant_parallel(
    std::span<const double> weights, std::span<const double> scores,
    std::span<const std::uint32_t> sizes, double gsea_param, std::uint32_t iterations,
    std::uint64_t seed, core::ScoreType score_type, core::RunControl* control) {
  const std::uint32_t k = largest_size(weights, scores, sizes);
  if (sizes.empty() || iterations == 0 || k == 0) return empty_batch_counts(sizes.size());
  const auto n = static_cast<std::uint32_t>(weights.size());

  std::vector<SizeGroup> groups = group_by_size(scores, sizes);
  rng_compat::Mt19937 rng(static_cast<std::uint32_t>(seed));
  std::vector<std::uint32_t> sample;
  const std::uint32_t block_cap = std::min(iterations, kInvariantBlock);
  const std::size_t stride = k;
  // The block's cumulative results in draw order, and the samples of the
  // batch being scored; both reused from block to block.
  std::vector<double> block_results(static_cast<std::size_t>(block_cap) * stride);
  std::vector<std::uint32_t> batch_samples(
      static_cast<std::size_t>(std::min(block_cap, kDrawBatch)) * stride);
  tbb::enumerable_thread_specific<CumulativeStatWorkspace> workspaces;

  for (std::uint32_t done = 0; done < iterations;) {
    const std::uint32_t len = std::min(block_cap, iterations - done);
    for (std::uint32_t first = 0; first < len; first += kDrawBatch) {
      // A stopped run's counts are discarded by the caller.
      if (core::cancelled(control)) return collect(groups, sizes.size());
      const std::uint32_t batch = std::min(kDrawBatch, len - first);
      // The draws stay on the calling thread: one stream, in order.
      for (std::uint32_t b = 0; b < batch; ++b) {
        rng_compat::combination(1, n, k, rng, sample);
        std::copy(sample.begin(), sample.end(),
                  batch_samples.begin() + static_cast<std::ptrdiff_t>(b * stride));
      }
      // Scoring is a pure function of the sample, so scoring the batch in
      // parallel puts the same lists in the same slots at any thread count.
      tbb::parallel_for(
          tbb::blocked_range<std::uint32_t>(0, batch, kScoreGrain),
          [&](const tbb::blocked_range<std::uint32_t>& range) {
            CumulativeStatWorkspace& ws = workspaces.local();
            for (std::uint32_t b = range.begin(); b != range.end(); ++b) {
              const std::span<const std::uint32_t> smp(batch_samples.data() + b * stride, stride);
              const auto res = ws.calc(weights, smp, gsea_param, score_type);
              std::copy(res.begin(), res.end(),
                        block_results.begin() + static_cast<std::ptrdiff_t>((first + b) * stride));
            }
          });
      core::advance(control, &core::RunControl::permutations_done, batch);
    }
    // Each group owns its accumulators and reads the block in draw order.
    tbb::parallel_for(tbb::blocked_range<std::size_t>(0, groups.size()),
                      [&](const tbb::blocked_range<std::size_t>& range) {
                        for (std::size_t gi = range.begin(); gi != range.end(); ++gi) {
                          SizeGroup& g = groups[gi];
                          for (std::uint32_t b = 0; b < len; ++b) {
                            const double x = block_results[b * stride + g.size_index];
                            for (std::size_t i = 0; i < g.acc.size(); ++i)
                              g.acc[i].add(x, g.scores[i]);
                          }
                        }
                      });
    done += len;
  }
  return collect(groups, sizes.size());
}

BatchCounts calc_gsea_stat_cumulative_batch_f64_parallel(
    std::span<const double> weights, std::span<const double> scores,
    std::span<const std::uint32_t> sizes, double gsea_param, std::uint32_t iterations,
    std::uint64_t seed, core::ScoreType score_type, core::RunControl* control) {
  const std::uint32_t k = largest_size(weights, scores, sizes);
  const std::size_t m = sizes.size();
  if (m == 0 || iterations == 0 || k == 0) return empty_batch_counts(m);

  const auto threads =
      static_cast<std::uint32_t>(std::max(1, tbb::this_task_arena::max_concurrency()));
  const std::uint32_t chunks = std::min(kChunksPerThread * threads, iterations);
  const std::uint32_t q = iterations / chunks;
  const std::uint32_t r = iterations - q * chunks;

  return tbb::parallel_reduce(
      tbb::blocked_range<std::uint32_t>(0, chunks), empty_batch_counts(m),
      [&](const tbb::blocked_range<std::uint32_t>& range, BatchCounts acc) {
        for (std::uint32_t c = range.begin(); c != range.end(); ++c) {
          const std::uint32_t first = c * q + std::min(c, r);
          const std::uint32_t count = q + (c < r ? 1 : 0);
          if (core::cancelled(control)) continue;  // the caller discards the counts
          core::advance(control, &core::RunControl::permutations_done, count);
          acc = merge_batch_counts(
              std::move(acc), run_fast_chunk(weights, scores, sizes, gsea_param, score_type, k, c,
                                             first, count, seed));
        }
        return acc;
      },
      [](BatchCounts a, BatchCounts b) { return merge_batch_counts(std::move(a), std::move(b)); });
}

}  // namespace varenko::quorin_compat
