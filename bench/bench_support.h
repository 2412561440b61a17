// Synthetic inputs shared by the kernel benchmarks.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "core/records.h"

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

// The ranking of a two-column gene/score file (empty when it cannot be read).
inline core::RankedList read_ranking(const std::string& path) {
  std::ifstream rnk(path);
  std::vector<std::string> genes;
  std::vector<double> scores;
  std::string gene;
  double score = 0.0;
  while (rnk >> gene >> score) {
    genes.push_back(gene);
    scores.push_back(score);
  }
  return core::RankedList::make(std::move(genes), std::move(scores));
}

}  // namespace varenko::bench
