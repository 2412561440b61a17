// Rates of the random draws that sit in the permutation engines' inner loops:
// the bounded draw u(m), combination (k of n = 20000, sparse and dense cases),
// the R-compatible index draw and sampling without replacement.
#include <cstdint>
#include <set>
#include <vector>

#include <benchmark/benchmark.h>

#include "rng_compat/combination.h"
#include "rng_compat/mt19937.h"
#include "rng_compat/r_compat.h"

namespace {

using varenko::rng_compat::combination;
using varenko::rng_compat::Mt19937;

void BM_NextU32(benchmark::State& state) {
  Mt19937 rng(5489);
  {
    Mt19937 check(5489);
    if (check.next_u32() != 3499211612u) state.SkipWithError("wrong first output");
  }
  for (auto _ : state) benchmark::DoNotOptimize(rng.next_u32());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NextU32);

// Bounds vary per call, as in the shuffle and the dense case.
void BM_BoundedVarying(benchmark::State& state) {
  const auto n = static_cast<std::uint32_t>(state.range(0));
  {
    Mt19937 check(1);
    for (std::uint32_t want : {5u, 9u, 4u, 8u, 3u}) {
      if (check.bounded(10) != want) state.SkipWithError("wrong bounded draw");
    }
  }
  Mt19937 rng(1);
  std::uint32_t m = 1;
  for (auto _ : state) {
    benchmark::DoNotOptimize(rng.bounded(m));
    m = m == n ? 1 : m + 1;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BoundedVarying)->Arg(20000);

// One fixed bound, as in the sparse case of combination.
void BM_BoundedFixed(benchmark::State& state) {
  const auto m = static_cast<std::uint32_t>(state.range(0));
  {
    Mt19937 a(3);
    Mt19937 b(3);
    const varenko::rng_compat::BoundedDraw check(m);
    for (int i = 0; i < 100; ++i) {
      if (check(a) != b.bounded(m)) state.SkipWithError("BoundedDraw differs from bounded");
    }
  }
  Mt19937 rng(1);
  const varenko::rng_compat::BoundedDraw draw(m);
  for (auto _ : state) benchmark::DoNotOptimize(draw(rng));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BoundedFixed)->Arg(20000);

// The same fixed bound through Mt19937::bounded, for comparison.
void BM_BoundedSameBound(benchmark::State& state) {
  auto m = static_cast<std::uint32_t>(state.range(0));
  Mt19937 rng(1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(m);  // keeps the bound opaque, as in real callers
    benchmark::DoNotOptimize(rng.bounded(m));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BoundedSameBound)->Arg(20000);

void BM_Combination(benchmark::State& state) {
  const auto n = static_cast<std::uint32_t>(state.range(0));
  const auto k = static_cast<std::size_t>(state.range(1));
  {
    Mt19937 check(1);
    std::vector<std::uint32_t> out;
    combination(0, n - 1, k, check, out);
    std::set<std::uint32_t> distinct(out.begin(), out.end());
    if (out.size() != k || distinct.size() != k || *distinct.rbegin() >= n) {
      state.SkipWithError("combination is not a k-subset");
    }
  }
  Mt19937 rng(42);
  std::vector<std::uint32_t> out;
  for (auto _ : state) {
    combination(0, n - 1, k, rng, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["values/s"] = benchmark::Counter(static_cast<double>(state.iterations() * k),
                                                  benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Combination)
    ->Args({20000, 15})
    ->Args({20000, 100})
    ->Args({20000, 500})
    ->Args({20000, 12000});

void BM_RUnifIndexRejection(benchmark::State& state) {
  varenko::rng_compat::RMt19937SeedCompat gen(42);
  for (auto _ : state) {
    benchmark::DoNotOptimize(varenko::rng_compat::r_unif_index_with_kind(gen, 1000000000, 1));
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RUnifIndexRejection);

void BM_SampleNoReplace(benchmark::State& state) {
  const auto n = static_cast<std::uint32_t>(state.range(0));
  const auto size = static_cast<std::uint32_t>(state.range(1));
  {
    varenko::rng_compat::RLecuyerCmrgSeedCompat check(42);
    auto s = varenko::rng_compat::sample_int_no_replace_with_kind(check, 10, 3, 1);
    if (!s.ok() || *s != std::vector<std::uint32_t>{2, 4, 7}) state.SkipWithError("wrong sample");
  }
  varenko::rng_compat::RLecuyerCmrgSeedCompat gen(42);
  for (auto _ : state) {
    auto s = varenko::rng_compat::sample_int_no_replace_with_kind(gen, n, size, 1);
    benchmark::DoNotOptimize(s.value().data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SampleNoReplace)->Args({20000, 15})->Args({20000, 500});

// The scratch form used for repeated permutations of one pathway.
void BM_SampleNoReplaceScratch(benchmark::State& state) {
  const auto n = static_cast<std::uint32_t>(state.range(0));
  const auto size = static_cast<std::uint32_t>(state.range(1));
  varenko::rng_compat::SampleScratch scratch;
  std::vector<std::uint32_t> out;
  {
    varenko::rng_compat::RLecuyerCmrgSeedCompat a(42);
    varenko::rng_compat::RLecuyerCmrgSeedCompat b(42);
    for (int i = 0; i < 3; ++i) {
      auto s = varenko::rng_compat::sample_int_no_replace_with_kind(a, n, size, 1);
      if (!varenko::rng_compat::sample_int_no_replace_with_kind(b, n, size, 1, scratch, out).ok() ||
          !s.ok() || *s != out) {
        state.SkipWithError("scratch form differs");
      }
    }
  }
  varenko::rng_compat::RLecuyerCmrgSeedCompat gen(42);
  for (auto _ : state) {
    auto st = varenko::rng_compat::sample_int_no_replace_with_kind(gen, n, size, 1, scratch, out);
    benchmark::DoNotOptimize(st.ok());
    benchmark::DoNotOptimize(out.data());
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SampleNoReplaceScratch)->Args({20000, 15})->Args({20000, 500});

}  // namespace

BENCHMARK_MAIN();
