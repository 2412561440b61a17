// Table plot: plot model, layout, drawing on a doubled canvas, Lanczos-3
// reduction and PNG output. Every length is given at 300 dpi and scaled by
// F = dpi / 300; drawing coordinates are twice the target-size values.
#include "plot/table_plot.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <string>
#include <unordered_map>
#include <utility>

#include "algo_support/support.h"
#include "plot/axes.h"
#include "plot/canvas.h"
#include "plot/font.h"
#include "plot/lines.h"
#include "plot/png.h"
#include "plot/resize.h"
#include "plot/scale.h"
#include "plot/text.h"

namespace varenko::plot {

namespace {

using core::fail;

// Normalised ranking statistic: sign(s) * |s|^p scaled so the largest
// magnitude is 1 (sign from the sign bit, NaN scores stay NaN).
core::Result<std::vector<double>> normalised_stats(const core::RankedList& ranked, double p) {
  const std::vector<double>& scores = ranked.scores();
  std::vector<double> stats(scores.size());
  double max_abs = 0.0;
  for (std::size_t i = 0; i < scores.size(); ++i) {
    const double s = scores[i];
    // pow(NaN, 0) is 1, so NaN is handled before the power.
    const double a = std::isnan(s) ? s : std::copysign(1.0, s) * std::pow(std::fabs(s), p);
    stats[i] = a;
    if (!std::isnan(a)) max_abs = std::max(max_abs, std::fabs(a));
  }
  if (!std::isfinite(max_abs)) return fail("failed to compute finite adjusted stats");
  if (max_abs > 0.0) {
    for (double& a : stats) a /= max_abs;
  }
  return stats;
}

// Colours of the figure.
constexpr Rgba kTextColour{0, 0, 0, 255};
constexpr Rgba kBarColour{20, 20, 20, 255};
constexpr Rgba kTickLabelColour{70, 70, 70, 255};

// Text scales at the doubled canvas, before the dpi factor.
constexpr float kHeaderScale = 52.0f;
constexpr float kRowTextScale = 44.0f;
constexpr float kTickLabelScale = 38.0f;
// Labels are measured at target size, half the drawing scale.
constexpr float kLabelMeasureScale = 22.0f;

// Largest figure: the doubled drawing canvas must stay within the canvas limits.
constexpr std::uint64_t kMaxTablePlotSide = kMaxCanvasSide / 2;
constexpr std::uint64_t kMaxTablePlotPixels = kMaxCanvasPixels / 4;

// Smallest automatic height in inches (one or two rows would look cramped).
constexpr double kMinAutoHeightInches = 0.7;

}  // namespace

std::string table_plot_label(std::string_view name) {
  std::string label(name.substr(0, name.find('%')));
  std::replace(label.begin(), label.end(), '_', ' ');
  return label;
}

core::Result<GseaTablePlotData> build_gsea_table_plot_data(
    const core::RankedList& ranked, std::span<const core::Pathway> pathways, double gsea_param,
    std::span<const core::EnrichmentResult> results) {
  if (ranked.size() == 0) return fail("ranks must not be empty");
  if (pathways.empty()) return fail("pathways must not be empty");
  if (!std::isfinite(gsea_param) || gsea_param < 0.0) {
    return fail("gsea_param must be a finite value greater than or equal to 0");
  }
  VARENKO_ASSIGN_OR_RETURN(const std::vector<double> stats, normalised_stats(ranked, gsea_param));

  GseaTablePlotData data;
  for (const double a : stats) {
    if (std::isnan(a)) continue;
    data.stat_min = std::min(data.stat_min, a);
    data.stat_max = std::max(data.stat_max, a);
  }

  // Later rows of the same name replace earlier ones.
  std::unordered_map<std::string_view, const core::EnrichmentResult*> by_name;
  by_name.reserve(results.size());
  for (const core::EnrichmentResult& row : results) by_name[row.pathway] = &row;

  const algo_support::GeneIndex index = algo_support::build_gene_index(ranked);
  for (const core::Pathway& pathway : pathways) {
    const std::vector<std::size_t> hits = algo_support::extract_pathway_hits(pathway, index);
    if (hits.empty()) continue;
    const auto found = by_name.find(pathway.name);
    if (found == by_name.end()) {
      return fail("pathway '" + pathway.name + "' missing from quorin results");
    }
    const core::EnrichmentResult& result = *found->second;
    if (!result.nes) return fail("pathway '" + pathway.name + "' is missing NES in quorin results");
    if (!result.padj) {
      return fail("pathway '" + pathway.name + "' is missing padj in quorin results");
    }
    GseaTablePlotRow row;
    row.nes = *result.nes;
    row.pval = result.pval;
    row.padj = *result.padj;
    row.name = pathway.name;
    row.label = table_plot_label(pathway.name);
    row.hit_ranks.reserve(hits.size());
    row.hit_stats.reserve(hits.size());
    for (const std::size_t position : hits) {
      row.hit_ranks.push_back(static_cast<std::uint32_t>(position + 1));
      row.hit_stats.push_back(stats[position]);
    }
    data.rows.push_back(std::move(row));
  }
  if (data.rows.empty()) {
    return fail("none of the requested pathways have genes present in the ranked list");
  }
  const std::size_t n = ranked.size();
  data.row_count = data.rows.size();
  data.gene_count = n;
  data.rank_ticks = {0, n / 4, n / 2, (3 * n) / 4, n};
  return data;
}

std::array<std::string, 3> table_plot_row_texts(const GseaTablePlotRow& row) {
  return {format_fixed(row.nes, 2), format_scientific_value(row.pval),
          format_scientific_value(row.padj)};
}

core::Result<std::int64_t> table_plot_height(std::uint32_t dpi, std::optional<double> height_inches,
                                             std::size_t row_count) {
  std::int64_t height = 0;
  if (height_inches) {
    height = inches_to_pixels(dpi, *height_inches);
  } else {
    const float f = scale_factor(dpi);
    const auto px = [f](float k) { return static_cast<double>(scaled_px(f, k)); };
    const double pixels =
        px(30) + px(34) + px(12) + px(8) + static_cast<double>(row_count) * px(48);
    const double inches = std::max(pixels / static_cast<double>(dpi), kMinAutoHeightInches);
    height = inches_to_pixels(dpi, inches);
  }
  if (height < kTablePlotMinHeight) return fail("plot height must be at least 180 pixels");
  return height;
}

TablePlotWidth table_plot_width(std::uint32_t dpi, double width_inches, std::int64_t label_width) {
  const float f = scale_factor(dpi);
  const auto px = [f](float k) { return scaled_px(f, k); };
  const std::int64_t requested = inches_to_pixels(dpi, width_inches);
  TablePlotWidth w;
  w.fixed = px(12) + 2 * px(8) + 3 * px(4) + 3 * px(66) + label_width + px(24);
  w.column = std::max<std::int64_t>(requested - w.fixed, 0);
  w.column = std::min(w.column, px(350));
  w.column = std::max(w.column, px(220));
  w.needed = w.fixed + w.column;
  w.width = std::max({requested, w.needed, kTablePlotMinWidth});
  w.extra = std::max<std::int64_t>(w.width - w.needed, 0);
  w.gap = std::min(px(18), w.extra);
  return w;
}

namespace {

// Draws the figure on the doubled canvas.
void draw_table(Canvas& canvas, const PlotFont& font, const GseaTablePlotData& data,
                const TablePlotWidth& w, std::int64_t label_width, float f) {
  const auto px = [f](float k) { return scaled_px(f, k); };
  const float header_scale = kHeaderScale * f;
  const float row_scale = kRowTextScale * f;

  const std::int64_t yh = 2 * px(12);
  const std::int64_t xn = 2 * (label_width + px(24) + px(8) + w.gap) - px(12);
  const std::int64_t xs = 2 * (label_width + px(24) + 2 * px(8) + w.gap);
  const std::int64_t cw = 2 * (w.extra + w.column - w.gap);
  const std::int64_t xe = xs + cw;
  const std::int64_t nes_x = xe + 2 * px(4) + px(66);
  const std::int64_t pval_x = xe + 4 * px(4) + 3 * px(66);
  const std::int64_t padj_x = xe + 6 * px(4) + 5 * px(66);
  const std::int64_t yt = 2 * px(12) + 2 * px(34);
  const std::int64_t rh = 2 * px(48);
  const std::int64_t text_offset = px(48) - px(18);
  const auto row_top = [&](std::size_t i) { return yt + static_cast<std::int64_t>(i) * rh; };

  const float span = static_cast<float>(std::max<std::size_t>(data.gene_count, 1));
  const auto rank_x = [&](std::size_t r) {
    return static_cast<float>(xs) + (static_cast<float>(r) / span) * static_cast<float>(cw);
  };

  draw_text_right_aligned(canvas, font, xn, yh, header_scale, "Pathway", kTextColour);
  draw_text_centered(canvas, font, xs + cw / 2, yh, header_scale, "Gene ranks", kTextColour);
  draw_text_centered(canvas, font, nes_x, yh, header_scale, "NES", kTextColour);
  draw_text_centered(canvas, font, pval_x, yh, header_scale, "pval", kTextColour);
  draw_text_centered(canvas, font, padj_x, yh, header_scale, "padj", kTextColour);

  for (std::size_t i = 0; i < data.rows.size(); ++i) {
    draw_text_right_aligned(canvas, font, xn, row_top(i) + text_offset, row_scale,
                            data.rows[i].label, kTextColour);
  }

  // Bars: the baseline sits at the zero of [lo, hi]; a statistic v reaches
  // the height of v on that scale (up for positive, down for negative).
  const double lo = std::min(data.stat_min, -1.0);
  const double hi = std::max(data.stat_max, 1.0);
  const float base_frac = static_cast<float>(hi / (hi - lo));
  const float row_height = static_cast<float>(rh);
  const std::int64_t bar_width = std::max<std::int64_t>(px(6), 1);
  for (std::size_t i = 0; i < data.rows.size(); ++i) {
    const GseaTablePlotRow& row = data.rows[i];
    const float top = static_cast<float>(row_top(i));
    const float yb = top + row_height * base_frac;
    const std::size_t hits = std::min(row.hit_ranks.size(), row.hit_stats.size());
    for (std::size_t k = 0; k < hits; ++k) {
      const float yv = top + row_height * static_cast<float>((hi - row.hit_stats[k]) / (hi - lo));
      // A NaN statistic leaves a one-pixel mark on the baseline.
      const float bar_top = std::isnan(yv) ? yb : std::min(yb, yv);
      const std::int64_t height = std::max<std::int64_t>(round_to_i64(std::fabs(yb - yv)), 1);
      const std::int64_t left = round_to_i64(rank_x(row.hit_ranks[k])) - bar_width / 2;
      canvas.fill_rect(left, round_to_i64(bar_top), bar_width, height, kBarColour);
    }
  }

  std::vector<std::array<std::string, 3>> texts;
  texts.reserve(data.rows.size());
  for (const GseaTablePlotRow& row : data.rows) texts.push_back(table_plot_row_texts(row));
  const std::int64_t column_x[3] = {nes_x, pval_x, padj_x};
  const std::int64_t column_width = 2 * px(66);
  for (std::size_t column = 0; column < 3; ++column) {
    for (std::size_t i = 0; i < data.rows.size(); ++i) {
      // A number wider than its column (p-values below 1e-9 print as
      // "1.4e-45") would run into the next one and read as a different
      // number: such a text is shrunk to the column width, on the same baseline.
      const std::string& text = texts[i][column];
      float scale = row_scale;
      std::int64_t y = row_top(i) + text_offset;
      const std::int64_t width = measure_text(font, row_scale, text).width;
      if (width > column_width) {
        scale = row_scale * static_cast<float>(column_width) / static_cast<float>(width);
        y += round_to_i64(font.ascent(row_scale) - font.ascent(scale));
      }
      draw_text_centered(canvas, font, column_x[column], y, scale, text, kTextColour);
    }
  }

  const std::int64_t rows_end = row_top(data.row_count);
  const float ya = static_cast<float>(rows_end + px(10));
  draw_thick_line_segment(canvas, 0, kTextColour, static_cast<float>(xs), ya,
                          static_cast<float>(xe), ya);
  for (const std::size_t r : data.rank_ticks) {
    const float x = rank_x(r);
    draw_line_aliased(canvas, x, ya, x, ya + static_cast<float>(px(4)), kTextColour);
  }
  for (const std::size_t r : data.rank_ticks) {
    draw_text_centered(canvas, font, round_to_i64(rank_x(r)), rows_end + px(16),
                       kTickLabelScale * f, std::to_string(r), kTickLabelColour);
  }
}

core::Status write_table_plot(const core::RankedList& ranked,
                              std::span<const core::Pathway> pathways,
                              std::span<const core::EnrichmentResult> results, double gsea_param,
                              std::string output_path, const GseaTablePlotOptions& options) {
  const bool size_ok = std::isfinite(options.width_inches) && options.width_inches > 0.0 &&
                       options.dpi > 0 &&
                       (!options.height_inches ||
                        (std::isfinite(*options.height_inches) && *options.height_inches > 0.0));
  if (!size_ok) return fail("plot size in inches and dpi must be finite positive values");

  VARENKO_ASSIGN_OR_RETURN(const GseaTablePlotData data,
                           build_gsea_table_plot_data(ranked, pathways, gsea_param, results));
  VARENKO_ASSIGN_OR_RETURN(const auto font_ptr, load_plot_font());
  const PlotFont& font = *font_ptr;
  VARENKO_ASSIGN_OR_RETURN(const auto height,
                           table_plot_height(options.dpi, options.height_inches, data.row_count));

  const float f = scale_factor(options.dpi);
  std::int64_t label_width = 0;
  for (const GseaTablePlotRow& row : data.rows) {
    label_width =
        std::max(label_width, measure_text(font, kLabelMeasureScale * f, row.label).width);
  }
  const TablePlotWidth layout = table_plot_width(options.dpi, options.width_inches, label_width);

  // Refuse oversized figures before anything is allocated. The figure is
  // drawn on a canvas twice its size, so its own limits are half the canvas
  // side and a quarter of the canvas area; the message quotes the requested
  // size and those limits.
  const auto target_w = static_cast<std::uint64_t>(layout.width);
  const auto target_h = static_cast<std::uint64_t>(height);
  if (target_w > kMaxTablePlotSide || target_h > kMaxTablePlotSide ||
      target_w * target_h > kMaxTablePlotPixels) {
    return fail("table plot of " + std::to_string(target_w) + "x" + std::to_string(target_h) +
                " pixels exceeds the drawing limit of " + std::to_string(kMaxTablePlotSide) +
                " pixels per side and " + std::to_string(kMaxTablePlotPixels) +
                " pixels in all");
  }

  const Rgba background = background_color(options.transparent_background);
  VARENKO_ASSIGN_OR_RETURN(Canvas big, Canvas::create(static_cast<std::uint32_t>(2 * target_w),
                                                      static_cast<std::uint32_t>(2 * target_h),
                                                      background));
  draw_table(big, font, data, layout, label_width, f);

  VARENKO_ASSIGN_OR_RETURN(Canvas small, Canvas::create(static_cast<std::uint32_t>(target_w),
                                                        static_cast<std::uint32_t>(target_h),
                                                        background));
  resize_rgba_lanczos3(big.bytes(), big.width(), big.height(), small.bytes(), small.width(),
                       small.height());
  return save_png_with_dpi(small, std::move(output_path), options.dpi, options.wait);
}

}  // namespace

core::Status write_gsea_table_plot_png(const core::RankedList& ranked,
                                       std::span<const core::Pathway> pathways,
                                       std::span<const core::EnrichmentResult> results,
                                       double gsea_param, std::string output_path,
                                       const GseaTablePlotOptions& options) {
  // Memory exhaustion anywhere (plot model, text, scratch rows) is a failed
  // plot, never an abort; the canvases report their own allocation failures.
  try {
    return write_table_plot(ranked, pathways, results, gsea_param, std::move(output_path), options);
  } catch (const std::bad_alloc&) {
    return fail("out of memory while drawing the table plot");
  }
}

}  // namespace varenko::plot
