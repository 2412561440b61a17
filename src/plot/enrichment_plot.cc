// Enrichment plot: the plot model (running sum over the ranking with hit steps
// w / S and miss steps 1 / (N - k)) and its drawing. Layout lengths are given
// at 300 dpi and scaled by F = dpi / 300; the drawing order is fixed because
// later elements deliberately cover earlier ones (grid over the left axis,
// zero line over the grid, gene bars over the zero line).
#include "plot/enrichment_plot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "algo_support/support.h"
#include "plot/axes.h"
#include "plot/canvas.h"
#include "plot/font.h"
#include "plot/lines.h"
#include "plot/png.h"
#include "plot/scale.h"
#include "plot/text.h"

namespace varenko::plot {

namespace {

constexpr std::uint32_t kTargetTicks = 6;
constexpr std::int64_t kMinWidth = 320;
constexpr std::int64_t kMinHeight = 240;
// Gridlines are skipped at ticks this close to zero (the zero line is drawn instead).
constexpr double kZeroTick = 1e-12;

constexpr Rgba kBorderGrey{230, 230, 230, 255};
constexpr Rgba kScoreRed{220, 40, 40, 255};
constexpr Rgba kCurveGreen{0, 180, 0, 255};
constexpr Rgba kBarGrey{70, 70, 70, 255};

struct Layout {
  float f = 1.0f;        // scale factor
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t pw = 0;   // plot width
  std::int64_t ph = 0;   // plot height
  std::int64_t right = 0;
  std::int64_t bottom = 0;
  double ymin = 0.0;
  double ymax = 0.0;
  float u = 1.0f;        // max(N, 1)

  [[nodiscard]] std::int64_t p(float k) const { return scaled_px(f, k); }
  [[nodiscard]] float x_of(double position) const {
    return static_cast<float>(left) +
           (static_cast<float>(position) / u) * static_cast<float>(pw);
  }
  [[nodiscard]] float y_of(double value) const {
    const auto frac = static_cast<float>((ymax - value) / (ymax - ymin));
    return static_cast<float>(top) + static_cast<float>(ph) * frac;
  }
};

core::Status draw_and_save(const core::RankedList& ranked, std::string output_path,
                           const EnrichmentPlotOptions& options, const EnrichmentPlotData& data,
                           std::uint32_t width, std::uint32_t height) {
  const std::size_t n = ranked.size();

  // Value range over the whole curve, zero and the enrichment score.
  double lo = std::min(0.0, data.es);
  double hi = std::max(0.0, data.es);
  for (const auto& point : data.curve) {
    lo = std::min(lo, point.second);
    hi = std::max(hi, point.second);
  }
  // min/max above drop NaN curve values only when they come second; test each point too.
  const bool curve_finite = std::all_of(data.curve.begin(), data.curve.end(),
                                        [](const auto& pt) { return std::isfinite(pt.second); });
  if (!std::isfinite(lo) || !std::isfinite(hi) || !curve_finite || !std::isfinite(data.es)) {
    return core::fail("failed to compute finite plot bounds");
  }
  if (std::fabs(hi - lo) < 1e-12) {
    lo -= 0.1;
    hi += 0.1;
  }
  const YAxis axis = compute_y_axis(kTargetTicks, lo, hi);

  Layout l;
  l.f = scale_factor(options.dpi);
  l.left = l.p(122);
  l.top = l.p(90);
  l.pw = static_cast<std::int64_t>(width) - l.left - l.p(20);
  l.ph = static_cast<std::int64_t>(height) - l.top - l.p(80);
  if (l.pw < 1 || l.ph < 1) return core::fail("plot dimensions leave no drawable area");
  l.right = l.left + l.pw;
  const Rgba background = background_color(options.transparent_background);
  VARENKO_ASSIGN_OR_RETURN(Canvas canvas, Canvas::create(width, height, background));
  l.bottom = l.top + l.ph;
  l.ymin = axis.minimum;
  l.ymax = axis.maximum;
  const std::size_t u_int = std::max<std::size_t>(n, 1);
  l.u = static_cast<float>(u_int);
  const float f = l.f;
  const auto left_f = static_cast<float>(l.left);
  const auto right_f = static_cast<float>(l.right);
  const auto top_f = static_cast<float>(l.top);
  const auto bottom_f = static_cast<float>(l.bottom);

  // 1-5: plot area and frame.
  canvas.fill_rect(l.left, l.top, l.pw, l.ph, background);
  draw_line_aliased(canvas, left_f, top_f, left_f, bottom_f, kBlack);
  draw_line_aliased(canvas, left_f, bottom_f, right_f, bottom_f, kBlack);
  draw_line_aliased(canvas, left_f, top_f, right_f, top_f, kBorderGrey);
  draw_line_aliased(canvas, right_f, top_f, right_f, bottom_f, kBorderGrey);

  // 6: font.
  VARENKO_ASSIGN_OR_RETURN(const auto font_ptr, load_plot_font());
  const PlotFont& font = *font_ptr;

  // 7-8: grid.
  const Rgba grid = grid_color_for_dpi(options.dpi);
  const std::array<std::size_t, 5> grid_positions = {0, u_int / 4, u_int / 2, (3 * u_int) / 4,
                                                     u_int};
  for (std::size_t p : grid_positions) {
    const float x = l.x_of(static_cast<double>(p));
    draw_thick_line_segment(canvas, l.p(0), grid, x, top_f, x, bottom_f);
  }
  for (double t : axis.ticks) {
    if (std::fabs(t) < kZeroTick) continue;
    const float y = l.y_of(t);
    draw_thick_line_segment(canvas, 0, grid, left_f, y, right_f, y);
  }

  // 9-11: zero line, enrichment score, running sum.
  const float y_zero = l.y_of(0.0);
  draw_line_aliased(canvas, left_f, y_zero, right_f, y_zero, kBlack);
  draw_dotted_horizontal_line(canvas, l.p(1), kScoreRed, left_f, right_f, l.y_of(data.es),
                              12.0f * f, 8.0f * f);
  for (std::size_t i = 0; i + 1 < data.curve.size(); ++i) {
    const auto& a = data.curve[i];
    const auto& b = data.curve[i + 1];
    draw_thick_line_segment(canvas, l.p(1), kCurveGreen, l.x_of(a.first), l.y_of(a.second),
                            l.x_of(b.first), l.y_of(b.second));
  }

  // 12: gene bars.
  const std::int64_t bar_width = std::max<std::int64_t>(round_to_i64(f + f), 1);
  const float bar_top = bottom_f - 24.0f * f;
  const std::int64_t bar_y = round_to_i64(bar_top);
  const std::int64_t bar_height =
      std::max<std::int64_t>(round_to_i64((bottom_f + 18.0f * f) - bar_top), 1);
  for (std::uint32_t r : data.hit_ranks) {
    const std::int64_t x = round_to_i64(l.x_of(r)) - bar_width / 2;
    canvas.fill_rect(x, bar_y, bar_width, bar_height, kBarGrey);
  }

  // 13: y ticks and their labels (the widest label also places the axis title).
  const float tick_scale = 26.0f * f;
  std::vector<std::string> labels;
  labels.reserve(axis.ticks.size());
  std::int64_t widest_label = 0;
  for (double t : axis.ticks) {
    labels.push_back(format_axis_tick(t, axis.step));
    widest_label = std::max(widest_label, measure_text(font, tick_scale, labels.back()).width);
  }
  for (std::size_t i = 0; i < axis.ticks.size(); ++i) {
    const float y = l.y_of(axis.ticks[i]);
    draw_line_aliased(canvas, static_cast<float>(l.left - l.p(7)), y, left_f, y, kBlack);
    const std::int64_t w = measure_text(font, tick_scale, labels[i]).width;
    draw_text(canvas, font, l.left - l.p(12) - w, round_to_i64(y) - l.p(12), tick_scale, labels[i],
              kBlack);
  }

  // 14: x ticks; the outer labels stay inside the plot's horizontal extent.
  const std::int64_t tick_top = l.bottom + l.p(22);
  const std::int64_t label_y = tick_top + l.p(7) + l.p(8);
  for (std::size_t g = 0; g < grid_positions.size(); ++g) {
    const std::size_t p = grid_positions[g];
    const float x = l.x_of(static_cast<double>(p));
    draw_line_aliased(canvas, x, static_cast<float>(tick_top), x,
                      static_cast<float>(tick_top + l.p(7)), kBlack);
    const std::string label = std::to_string(p);
    const std::int64_t w = measure_text(font, tick_scale, label).width;
    const std::int64_t centred = round_to_i64(x) - w / 2;
    std::int64_t label_x = centred;
    if (g == 0 || p == 0) {
      label_x = l.left;
    } else if (g == 4 || (g == 3 && p == u_int)) {
      label_x = l.right - w;
    }
    draw_text(canvas, font, label_x, label_y, tick_scale, label, kBlack);
  }

  // 15-17: title and axis titles.
  const float title_scale = 28.0f * f;
  const std::int64_t centre_x = static_cast<std::int64_t>(width) / 2;
  if (options.title) {
    draw_text_centered(canvas, font, centre_x, l.p(24), title_scale, *options.title, kBlack);
  }
  draw_text_centered(canvas, font, centre_x, static_cast<std::int64_t>(height) - l.p(28),
                     title_scale, "rank", kBlack);
  if (auto ok = draw_vertical_text_centered(canvas, font, l.left - (l.p(30) + widest_label),
                                            l.top + l.ph / 2, title_scale, "enrichment score",
                                            kBlack);
      !ok) {
    return ok;
  }

  return save_png_with_dpi(canvas, std::move(output_path), options.dpi, options.wait);
}

}  // namespace

core::Result<EnrichmentPlotData> build_enrichment_plot_data(const core::RankedList& ranked,
                                                            const core::Pathway& pathway,
                                                            core::ScoreType score_type,
                                                            double gsea_param) {
  const std::size_t n = ranked.size();
  if (n == 0) return core::fail("ranks must not be empty");
  if (!std::isfinite(gsea_param) || gsea_param < 0.0) {
    return core::fail("gsea_param must be a finite value greater than or equal to 0");
  }
  const algo_support::GeneIndex index = algo_support::build_gene_index(ranked);
  const std::vector<std::size_t> hits = algo_support::extract_pathway_hits(pathway, index);
  const std::size_t k = hits.size();
  if (k == 0) {
    return core::fail("pathway '" + pathway.name + "' has no genes present in the ranked list");
  }
  if (k == n) {
    return core::fail("pathway '" + pathway.name +
                      "' covers the full ranked list and cannot produce an enrichment curve");
  }
  if (n > std::numeric_limits<std::uint32_t>::max()) {
    return core::fail("ranked list is too long to plot");
  }

  // Hit weights |score|^p, the same values as the weights of RankedList::prepare.
  const std::vector<double>& scores = ranked.scores();
  std::vector<double> weights(k);
  double total = 0.0;
  double max_abs = 0.0;
  for (std::size_t j = 0; j < k; ++j) {
    const double s = scores[hits[j]];
    // A NaN score weighs nothing, as in the analysis (pow(NaN, 0) would be 1).
    weights[j] = std::isnan(s) ? 0.0 : std::pow(std::fabs(s), gsea_param);
    total += weights[j];
    if (!std::isnan(s)) max_abs = std::max(max_abs, std::fabs(s));
  }
  // Powers of finite scores that overflow the total: the shares are the same
  // after dividing every score by the largest magnitude.
  if (std::isinf(total) && std::isfinite(max_abs)) {
    total = 0.0;
    for (std::size_t j = 0; j < k; ++j) {
      const double s = scores[hits[j]];
      weights[j] = std::isnan(s) ? 0.0 : std::pow(std::fabs(s) / max_abs, gsea_param);
      total += weights[j];
    }
  }
  if (total == 0.0) {
    std::fill(weights.begin(), weights.end(), 1.0);
    total = static_cast<double>(k);
  }

  EnrichmentPlotData data;
  data.pathway_name = pathway.name;
  data.curve.reserve(n + 1);
  data.curve.emplace_back(0, 0.0);
  const double miss_step = 1.0 / static_cast<double>(n - k);
  double value = 0.0;
  double max_value = -std::numeric_limits<double>::infinity();
  double min_value = std::numeric_limits<double>::infinity();
  std::size_t next_hit = 0;
  for (std::size_t i = 1; i <= n; ++i) {
    if (next_hit < k && hits[next_hit] == i - 1) {
      value += weights[next_hit] / total;
      ++next_hit;
    } else {
      value -= miss_step;
    }
    data.curve.emplace_back(static_cast<std::uint32_t>(i), value);
    max_value = std::max(max_value, value);
    min_value = std::min(min_value, value);
  }

  switch (score_type) {
    case core::ScoreType::Pos:
      data.es = max_value;
      break;
    case core::ScoreType::Neg:
      data.es = min_value;
      break;
    case core::ScoreType::Std:
      if (max_value > -min_value) {
        data.es = max_value;
      } else if (max_value < -min_value) {
        data.es = min_value;
      } else {
        data.es = 0.0;
      }
      break;
  }
  data.hit_ranks.reserve(k);
  for (std::size_t h : hits) data.hit_ranks.push_back(static_cast<std::uint32_t>(h + 1));
  return data;
}

core::Status write_enrichment_plot_png(const core::RankedList& ranked,
                                       const core::Pathway& pathway, std::string output_path,
                                       core::ScoreType score_type, double gsea_param,
                                       const EnrichmentPlotOptions& options) {
  try {
    if (!std::isfinite(options.width_inches) || !(options.width_inches > 0.0) ||
        !std::isfinite(options.height_inches) || !(options.height_inches > 0.0) ||
        options.dpi == 0) {
      return core::fail("plot size in inches and dpi must be finite positive values");
    }
    const std::uint32_t width = inches_to_pixels(options.dpi, options.width_inches);
    const std::uint32_t height = inches_to_pixels(options.dpi, options.height_inches);
    if (width < kMinWidth || height < kMinHeight) {
      return core::fail("plot dimensions must be at least 320x240 pixels");
    }
    // Refuse oversized canvases before any work is done for them.
    VARENKO_TRY(check_canvas_size(width, height));
    VARENKO_ASSIGN_OR_RETURN(const EnrichmentPlotData data,
                             build_enrichment_plot_data(ranked, pathway, score_type, gsea_param));
    return draw_and_save(ranked, std::move(output_path), options, data, width, height);
  } catch (const std::bad_alloc&) {
    return core::fail("out of memory while drawing the enrichment plot");
  }
}

}  // namespace varenko::plot
