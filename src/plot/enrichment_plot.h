// Enrichment plot of one pathway: the running enrichment score along the
// ranking (green), the enrichment score as a red dashed line, a bar at every
// pathway gene's rank, grid, ticks, axis labels and an optional title, saved
// as PNG. The running sum here uses |score|^gseaParam weights of the hits.
// Stateless apart from the shared plot font; callable from several threads.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/file_wait.h"
#include "core/records.h"
#include "core/result.h"

namespace varenko::plot {

// The plot model of one pathway.
struct EnrichmentPlotData {
  double es = 0.0;                       // enrichment score shown by the red line
  std::string pathway_name;
  std::vector<std::uint32_t> hit_ranks;  // 1-based ranks, ascending, distinct
  // N + 1 points of the running sum: (0, 0.0), then positions 1..N.
  std::vector<std::pair<std::uint32_t, double>> curve;
};

// Size and look of the figure.
struct EnrichmentPlotOptions {
  double width_inches = 3.0;
  double height_inches = 2.2;
  std::optional<std::string> title;  // absent: no title
  std::uint32_t dpi = 300;
  bool transparent_background = false;
  core::WaitHook wait;  // how a write to a FIFO waits for its reader (empty: sleeps)
};

// Computes the running sum and enrichment score; fails on an empty ranking, a
// negative or non-finite exponent, and a pathway with no or all genes ranked.
[[nodiscard]] core::Result<EnrichmentPlotData> build_enrichment_plot_data(
    const core::RankedList& ranked, const core::Pathway& pathway, core::ScoreType score_type,
    double gsea_param);

// Lays out, draws and saves the plot; fails with a message (bad options, too
// small or too large a canvas, model errors, non-finite bounds, no drawable
// area, no font, write errors) and creates no file before every check passed.
[[nodiscard]] core::Status write_enrichment_plot_png(const core::RankedList& ranked,
                                                     const core::Pathway& pathway,
                                                     std::string output_path,
                                                     core::ScoreType score_type, double gsea_param,
                                                     const EnrichmentPlotOptions& options);

}  // namespace varenko::plot
