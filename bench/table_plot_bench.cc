// Table plot benchmarks: the whole figure (model, drawing on the doubled
// canvas, Lanczos-3 reduction, PNG) for a 20000-gene ranking, and the
// reduction alone, which dominates the drawing time.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

#include "core/records.h"
#include "plot/resize.h"
#include "plot/table_plot.h"

namespace {

using varenko::core::EnrichmentResult;
using varenko::core::Pathway;
using varenko::core::RankedList;

// A fixed pseudo-random sequence so every run draws the same figure.
struct Lcg {
  std::uint64_t state = 0x9e3779b97f4a7c15u;
  std::uint64_t next() {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return state >> 33;
  }
};

struct TableInput {
  RankedList ranked;
  std::vector<Pathway> pathways;
  std::vector<EnrichmentResult> results;
};

TableInput make_input(std::size_t genes, std::size_t rows) {
  Lcg rng;
  std::vector<std::string> names;
  std::vector<double> scores;
  for (std::size_t i = 0; i < genes; ++i) {
    names.push_back("GENE" + std::to_string(i));
    scores.push_back(static_cast<double>(rng.next() % 20001) / 1000.0 - 10.0);
  }
  TableInput in;
  in.ranked = RankedList::make(std::move(names), std::move(scores));
  for (std::size_t r = 0; r < rows; ++r) {
    Pathway p;
    p.name = "HALLMARK_PATHWAY_NUMBER_" + std::to_string(r) + "%SOURCE%" + std::to_string(r);
    const std::size_t size = 15 + rng.next() % 486;  // 15 .. 500 genes
    for (std::size_t k = 0; k < size; ++k)
      p.genes.push_back("GENE" + std::to_string(rng.next() % genes));
    EnrichmentResult res;
    res.pathway = p.name;
    res.nes = static_cast<double>(rng.next() % 600) / 100.0 - 3.0;
    res.pval = 1.0 / static_cast<double>(1 + rng.next() % 100000);
    res.padj = res.pval * 3.0;
    in.pathways.push_back(std::move(p));
    in.results.push_back(std::move(res));
  }
  return in;
}

std::string output_path() {
  return (std::filesystem::temp_directory_path() /
          ("varenko_table_plot_bench_" + std::to_string(::getpid()) + ".png"))
      .string();
}

void BM_TablePlot(benchmark::State& state) {
  const TableInput in = make_input(static_cast<std::size_t>(state.range(0)),
                                   static_cast<std::size_t>(state.range(1)));
  varenko::plot::GseaTablePlotOptions options;
  options.dpi = static_cast<std::uint32_t>(state.range(2));
  const std::string path = output_path();
  // Check the answer once, outside the timed loop.
  if (auto ok = varenko::plot::write_gsea_table_plot_png(in.ranked, in.pathways, in.results, 1.0,
                                                         path, options);
      !ok) {
    state.SkipWithError(ok.error().c_str());
    return;
  }
  if (std::filesystem::file_size(path) < 1000) {
    state.SkipWithError("the written PNG is implausibly small");
    return;
  }
  for (auto _ : state) {
    auto ok = varenko::plot::write_gsea_table_plot_png(in.ranked, in.pathways, in.results, 1.0,
                                                       path, options);
    benchmark::DoNotOptimize(ok);
  }
  std::filesystem::remove(path);
  state.SetItemsProcessed(state.iterations() * state.range(1));  // rows drawn
}
// genes, rows, dpi
BENCHMARK(BM_TablePlot)
    ->Args({20000, 30, 300})
    ->Args({20000, 5, 300})
    ->Args({20000, 30, 600})
    ->Unit(benchmark::kMillisecond);

void BM_Lanczos3Halve(benchmark::State& state) {
  const auto w = static_cast<std::uint32_t>(state.range(0));
  const auto h = static_cast<std::uint32_t>(state.range(1));
  std::vector<std::uint8_t> src(static_cast<std::size_t>(w) * h * 4);
  Lcg rng;
  for (auto& b : src) b = static_cast<std::uint8_t>(rng.next());
  std::vector<std::uint8_t> dst(static_cast<std::size_t>(w / 2) * (h / 2) * 4);
  // Check once: a solid raster stays solid.
  {
    std::vector<std::uint8_t> solid(src.size(), 77);
    varenko::plot::resize_rgba_lanczos3(solid, w, h, dst, w / 2, h / 2);
    for (const std::uint8_t b : dst) {
      if (b != 77) {
        state.SkipWithError("a solid raster changed value");
        return;
      }
    }
  }
  for (auto _ : state) {
    varenko::plot::resize_rgba_lanczos3(src, w, h, dst, w / 2, h / 2);
    benchmark::DoNotOptimize(dst.data());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(w) * h);  // source pixels
}
// The doubled canvas of 30 rows at 300 dpi, and at 600 dpi.
BENCHMARK(BM_Lanczos3Halve)->Args({3360, 3048})->Args({6720, 6096})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
