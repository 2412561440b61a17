// Text measure and drawing with the plot font: left-aligned, centred,
// right-aligned and rotated (reading bottom to top). Text is UTF-8; the scale
// is the pixel height from ascent to descent. Glyph coverage multiplies the
// colour's alpha, then source-over compositing of non-premultiplied RGBA.
// Safe to call from several threads on distinct canvases.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/result.h"
#include "plot/canvas.h"
#include "plot/font.h"

namespace varenko::plot {

// Whole-pixel size of a laid-out text.
struct TextSize {
  std::int64_t width = 0;
  std::int64_t height = 0;
  bool operator==(const TextSize&) const = default;
};

// (ceil(sum of scaled advances and kerning) + 1, ceil(scale)); (0, 0) for empty text.
[[nodiscard]] TextSize measure_text(const PlotFont& font, float scale, std::string_view text);

// Draws text with the top-left of its layout box at (x, y): the pen starts at
// x and the baseline lies one scaled ascent below y.
void draw_text(Canvas& canvas, const PlotFont& font, std::int64_t x, std::int64_t y, float scale,
               std::string_view text, Rgba colour);

// Draws text centred on x: at x - width / 2 (truncating), same y.
void draw_text_centered(Canvas& canvas, const PlotFont& font, std::int64_t centre_x,
                        std::int64_t y, float scale, std::string_view text, Rgba colour);

// Draws text ending at x: at x - width, same y.
void draw_text_right_aligned(Canvas& canvas, const PlotFont& font, std::int64_t right_x,
                             std::int64_t y, float scale, std::string_view text, Rgba colour);

// Draws text rotated to read bottom to top, centred on (centre_x, centre_y),
// through a scratch canvas; fails only when the scratch canvas would exceed
// the drawing limit or cannot be allocated. Empty text draws nothing.
[[nodiscard]] core::Status draw_vertical_text_centered(Canvas& canvas, const PlotFont& font,
                                                       std::int64_t centre_x,
                                                       std::int64_t centre_y, float scale,
                                                       std::string_view text, Rgba colour);

}  // namespace varenko::plot
