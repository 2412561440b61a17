// Enrichment plot: the plot model alone and the whole default plot (model,
// drawing, PNG encoding and the atomic file write) for rankings of 2k, 20k
// and 60k genes with a pathway of about 200 genes. Rates are genes per second.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "plot/enrichment_plot.h"

namespace {

using namespace varenko;

struct Input {
  core::RankedList ranked;
  core::Pathway pathway;
};

// A normally distributed ranking of n genes and every (n / 200)-th gene as the pathway.
Input make_input(std::size_t n) {
  std::mt19937_64 rng(42);
  std::normal_distribution<double> normal;
  std::vector<std::string> genes;
  std::vector<double> scores;
  for (std::size_t i = 0; i < n; ++i) {
    genes.push_back("GENE" + std::to_string(i));
    scores.push_back(normal(rng));
  }
  Input in{core::RankedList::make(genes, scores), {}};
  in.pathway.name = "BENCH";
  for (std::size_t i = 0; i < n; i += std::max<std::size_t>(n / 200, 1)) {
    in.pathway.genes.push_back(genes[i]);
  }
  return in;
}

void BM_EnrichmentPlotData(benchmark::State& state) {
  const Input in = make_input(static_cast<std::size_t>(state.range(0)));
  auto check = plot::build_enrichment_plot_data(in.ranked, in.pathway, core::ScoreType::Std, 1.0);
  if (!check || check->curve.size() != in.ranked.size() + 1) {
    state.SkipWithError("the plot model is wrong");
    return;
  }
  for (auto _ : state) {
    auto data = plot::build_enrichment_plot_data(in.ranked, in.pathway, core::ScoreType::Std, 1.0);
    benchmark::DoNotOptimize(data);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EnrichmentPlotData)->Arg(2000)->Arg(20000)->Arg(60000)->Unit(benchmark::kMillisecond);

void BM_WriteEnrichmentPlotPng(benchmark::State& state) {
  const Input in = make_input(static_cast<std::size_t>(state.range(0)));
  const std::string path =
      (std::filesystem::temp_directory_path() / "varenko_enrichment_plot_bench.png").string();
  const plot::EnrichmentPlotOptions options;  // 3.0 x 2.2 in at 300 dpi
  auto check = plot::write_enrichment_plot_png(in.ranked, in.pathway, path, core::ScoreType::Std,
                                               1.0, options);
  if (!check || std::filesystem::file_size(path) < 1000) {
    state.SkipWithError(check ? "the PNG is implausibly small" : check.error().c_str());
    return;
  }
  for (auto _ : state) {
    auto status = plot::write_enrichment_plot_png(in.ranked, in.pathway, path,
                                                  core::ScoreType::Std, 1.0, options);
    benchmark::DoNotOptimize(status);
  }
  std::filesystem::remove(path);
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_WriteEnrichmentPlotPng)->Arg(2000)->Arg(20000)->Arg(60000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
