// Line primitives of the plots: aliased (Bresenham) and anti-aliased
// (Xiaolin Wu) one-pixel lines, thick lines built from parallel anti-aliased
// lines, and dashed horizontal lines. Everything clips silently to the canvas,
// and end points far outside it cost no more than the visible part.
// Stateless; distinct canvases may be drawn on from different threads.
#pragma once

#include <cstdint>

#include "plot/canvas.h"

namespace varenko::plot {

// A one-pixel Bresenham line; end points truncated towards zero, both
// included, pixels set without blending.
void draw_line_aliased(Canvas& canvas, float x0, float y0, float x1, float y1, Rgba colour);

// A Xiaolin Wu line between integer end points; each touched pixel p becomes
// colour * w + p * (1 - w) on all four channels, w the pixel's Wu intensity.
void draw_line_antialiased(Canvas& canvas, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                           std::int64_t y1, Rgba colour);

// 2n + 1 parallel anti-aliased lines offset along the unit normal (nothing for
// n < 0); coinciding end points draw one anti-aliased line.
void draw_thick_line_segment(Canvas& canvas, std::int64_t half_width, Rgba colour, float x0,
                             float y0, float x1, float y1);

// Dashes of length `dash` separated by `gap` from x_start to x_end at y, each a
// thick line of the given half-width; the last dash is cut at x_end.
void draw_dotted_horizontal_line(Canvas& canvas, std::int64_t half_width, Rgba colour,
                                 float x_start, float x_end, float y, float dash, float gap);

}  // namespace varenko::plot
