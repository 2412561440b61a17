// Throughput of the GMT reader: a generated file of about 100 MB (gene sets
// of 15-500 symbol-like genes, as in curated collections) and the real curated
// collection from the shared data directory when it is present.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <unistd.h>

#include <benchmark/benchmark.h>

#include "io/gmt_reader.h"

namespace {

struct Generated {
  std::filesystem::path path;
  std::size_t bytes = 0;
  std::size_t pathways = 0;
  std::size_t genes = 0;
};

// Writes the generated file once per process; removed at exit.
const Generated& generated_file() {
  static const Generated g = [] {
    Generated out;
    out.path = std::filesystem::temp_directory_path() /
               ("varenko-gmt-bench-" + std::to_string(::getpid()) + ".gmt");
    std::mt19937_64 rng(20240611);
    std::uniform_int_distribution<int> letters(0, 25);
    std::uniform_int_distribution<int> gene_len(3, 9);
    std::uniform_int_distribution<int> set_size(15, 500);
    std::string text;
    constexpr std::size_t kTarget = 100u * 1000u * 1000u;
    text.reserve(kTarget + 8192);
    while (text.size() < kTarget) {
      text += "CURATED_SET_" + std::to_string(out.pathways);
      text += "\thttp://example.org/genesets/" + std::to_string(out.pathways);
      const int n = set_size(rng);
      for (int i = 0; i < n; ++i) {
        text += '\t';
        const int len = gene_len(rng);
        for (int k = 0; k < len; ++k) text += static_cast<char>('A' + letters(rng));
      }
      text += '\n';
      ++out.pathways;
      out.genes += static_cast<std::size_t>(n);
    }
    std::ofstream(out.path, std::ios::binary) << text;
    out.bytes = text.size();
    static struct Cleanup {
      std::filesystem::path p;
      ~Cleanup() {
        std::error_code ec;
        std::filesystem::remove(p, ec);
      }
    } cleanup{out.path};
    return out;
  }();
  return g;
}

void BM_ReadGeneratedGmt(benchmark::State& state) {
  const Generated& g = generated_file();
  {
    auto db = varenko::io::read_gmt(g.path.string());
    std::size_t genes = 0;
    if (db) {
      for (const auto& p : db->pathways) genes += p.genes.size();
    }
    if (!db || db->pathways.size() != g.pathways || genes != g.genes) {
      state.SkipWithError("generated file read back wrongly");
      return;
    }
  }
  for (auto _ : state) {
    auto db = varenko::io::read_gmt(g.path.string());
    benchmark::DoNotOptimize(db);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * g.bytes));
}
BENCHMARK(BM_ReadGeneratedGmt)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(3.0);

void BM_ReadCuratedCollection(benchmark::State& state) {
  const std::filesystem::path path =
      std::filesystem::path(VARENKO_SHARED_DATA_DIR) / "c2.all.v7.1.symbols.gmt";
  std::error_code ec;
  const auto bytes = std::filesystem::file_size(path, ec);
  if (ec) {
    state.SkipWithError("c2.all.v7.1.symbols.gmt not found in the shared data directory");
    return;
  }
  {
    auto db = varenko::io::read_gmt(path.string());
    if (!db || db->pathways.empty()) {
      state.SkipWithError("curated collection did not read");
      return;
    }
    state.counters["pathways"] = static_cast<double>(db->pathways.size());
  }
  for (auto _ : state) {
    auto db = varenko::io::read_gmt(path.string());
    benchmark::DoNotOptimize(db);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_ReadCuratedCollection)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
BENCHMARK_MAIN();
