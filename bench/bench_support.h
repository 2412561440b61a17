// Synthetic inputs shared by the kernel benchmarks.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

namespace varenko::bench {

// Integer-valued weights of a normal-ish ranking, descending, summing to ~2^30.
inline std::vector<double> ranking_weights(std::size_t n, std::uint32_t seed) {
  std::mt19937 gen(seed);
  std::normal_distribution<double> dist(0.0, 1.0);
  std::vector<double> s(n);
  for (auto& v : s) v = std::fabs(dist(gen));
  std::sort(s.rbegin(), s.rend());
  double total = 0.0;
  for (const double v : s) total += v;
  for (auto& v : s) v = std::nearbyint(v * (1073741824.0 / total));
  return s;
}

}  // namespace varenko::bench
