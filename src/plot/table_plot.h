// Table plot: one row per requested pathway (display name, a strip of bars at
// its genes' ranks, NES, p-value and adjusted p-value), a header line and a
// shared rank axis. The figure is drawn on a canvas of twice the target size
// and reduced with a Lanczos-3 filter before it is saved as PNG.
// Rows keep the order of the input pathways. Stateless apart from the shared
// plot font; safe to call from several threads on distinct output paths.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/file_wait.h"
#include "core/records.h"
#include "core/result.h"

namespace varenko::plot {

// One drawn pathway.
struct GseaTablePlotRow {
  double nes = 0.0;
  double pval = 0.0;
  double padj = 0.0;
  std::string name;
  std::string label;                     // name up to its first '%', '_' as spaces
  std::vector<std::uint32_t> hit_ranks;  // 1-based ranks, ascending, distinct
  std::vector<double> hit_stats;         // normalised statistic at each rank
};

// The plot model: normalised statistics range, ranking size and the rows.
struct GseaTablePlotData {
  double stat_min = 0.0;  // min(smallest normalised statistic, 0)
  double stat_max = 0.0;  // max(largest normalised statistic, 0)
  std::size_t row_count = 0;
  std::size_t gene_count = 0;
  std::array<std::size_t, 5> rank_ticks{};  // 0, N/4, N/2, 3N/4, N
  std::vector<GseaTablePlotRow> rows;
};

// Size and look of the figure.
struct GseaTablePlotOptions {
  double width_inches = 5.6;
  std::optional<double> height_inches;  // absent: height follows the row count
  std::uint32_t dpi = 300;
  bool transparent_background = false;
  core::WaitHook wait;  // how a write to a FIFO waits for its reader (empty: sleeps)
};

// Horizontal layout at target size, in pixels.
struct TablePlotWidth {
  std::int64_t fixed = 0;   // everything but the rank column
  std::int64_t column = 0;  // rank column width before the spare width is added
  std::int64_t needed = 0;  // fixed + column
  std::int64_t width = 0;   // target image width W
  std::int64_t extra = 0;   // W - needed
  std::int64_t gap = 0;     // spare width put between the names and the rank column
};

// Smallest image width in pixels; narrower requests are widened.
inline constexpr std::int64_t kTablePlotMinWidth = 520;
// Smallest image height in pixels.
inline constexpr std::int64_t kTablePlotMinHeight = 180;

// The display name of a pathway: the text before its first '%', with every '_' as a space.
[[nodiscard]] std::string table_plot_label(std::string_view name);

// Target height in pixels, automatic from the row count when no height is given;
// fails when it is below 180 pixels.
[[nodiscard]] core::Result<std::int64_t> table_plot_height(std::uint32_t dpi,
                                                           std::optional<double> height_inches,
                                                           std::size_t row_count);

// The three number texts of a row: NES with two decimals, then the p-value and
// the adjusted p-value in compact scientific form ("NA" when not finite).
[[nodiscard]] std::array<std::string, 3> table_plot_row_texts(const GseaTablePlotRow& row);

// Horizontal layout for a requested width and the widest label (pixels at target size).
[[nodiscard]] TablePlotWidth table_plot_width(std::uint32_t dpi, double width_inches,
                                              std::int64_t label_width);

// Joins the pathways with their result rows (the last row of a name wins) and
// the normalised ranking statistic; fails on an empty ranking or pathway list,
// a bad exponent, a missing result/NES/padj, or when no pathway has ranked genes.
[[nodiscard]] core::Result<GseaTablePlotData> build_gsea_table_plot_data(
    const core::RankedList& ranked, std::span<const core::Pathway> pathways, double gsea_param,
    std::span<const core::EnrichmentResult> results);

// Draws the table plot and writes it to `output_path` as PNG; fails with a
// message on bad options or data, a missing font, a figure above 16384 pixels
// on a side or 2^26 pixels in all (it is drawn on a canvas twice its size), a
// canvas too large to allocate, or a write error, and writes no file before
// every check passed.
[[nodiscard]] core::Status write_gsea_table_plot_png(
    const core::RankedList& ranked, std::span<const core::Pathway> pathways,
    std::span<const core::EnrichmentResult> results, double gsea_param, std::string output_path,
    const GseaTablePlotOptions& options);

}  // namespace varenko::plot
