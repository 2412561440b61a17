// Line rasterisation. Both one-pixel lines compute each pixel directly from
// its step index (no accumulated error), so the loops run only over the part
// of the major axis that lies on the canvas. End points beyond +-2^24 are first
// clipped to a box around the canvas, which keeps the integer arithmetic exact.
#include "plot/lines.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <utility>

#include "plot/scale.h"

namespace varenko::plot {

namespace {

// Coordinates up to this magnitude are used as given; larger ones are clipped.
constexpr double kMaxDirectCoordinate = 16777216.0;  // 2^24

bool is_large(double v) { return std::fabs(v) > kMaxDirectCoordinate; }

// Liang-Barsky clipping of the segment to [-2, w + 2] x [-2, h + 2].
// Returns false when nothing of it remains.
bool clip_to_canvas_box(const Canvas& canvas, double& x0, double& y0, double& x1, double& y1) {
  const double xmin = -2.0;
  const double ymin = -2.0;
  const double xmax = static_cast<double>(canvas.width()) + 2.0;
  const double ymax = static_cast<double>(canvas.height()) + 2.0;
  const double dx = x1 - x0;
  const double dy = y1 - y0;
  double t0 = 0.0;
  double t1 = 1.0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - xmin, xmax - x0, y0 - ymin, ymax - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  const double nx0 = x0 + t0 * dx;
  const double ny0 = y0 + t0 * dy;
  x1 = x0 + t1 * dx;
  y1 = y0 + t1 * dy;
  x0 = nx0;
  y0 = ny0;
  return true;
}

// Step indices i in [0, steps] whose major coordinate start + dir * i lies in [0, size).
std::pair<std::int64_t, std::int64_t> visible_steps(std::int64_t start, std::int64_t dir,
                                                    std::int64_t steps, std::int64_t size) {
  std::int64_t lo = 0;
  std::int64_t hi = steps;
  if (dir > 0) {
    lo = std::max<std::int64_t>(lo, -start);
    hi = std::min<std::int64_t>(hi, size - 1 - start);
  } else {
    lo = std::max<std::int64_t>(lo, start - (size - 1));
    hi = std::min<std::int64_t>(hi, start);
  }
  return {lo, hi};
}

// Bresenham on integer end points of magnitude at most about 2^24.
void bresenham(Canvas& canvas, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
               Rgba colour) {
  const std::int64_t dx = x1 - x0;
  const std::int64_t dy = y1 - y0;
  const std::int64_t adx = dx < 0 ? -dx : dx;
  const std::int64_t ady = dy < 0 ? -dy : dy;
  const std::int64_t sx = dx < 0 ? -1 : 1;
  const std::int64_t sy = dy < 0 ? -1 : 1;
  if (adx == 0 && ady == 0) {
    canvas.set(x0, y0, colour);
    return;
  }
  const bool x_major = adx >= ady;
  const std::int64_t steps = x_major ? adx : ady;
  const std::int64_t minor = x_major ? ady : adx;
  const auto [lo, hi] = x_major ? visible_steps(x0, sx, steps, canvas.width())
                                : visible_steps(y0, sy, steps, canvas.height());
  for (std::int64_t i = lo; i <= hi; ++i) {
    // The classic error-term walk, in closed form: the minor offset is
    // i * minor / steps rounded half up.
    const std::int64_t off = (2 * i * minor + steps) / (2 * steps);
    if (x_major) {
      canvas.set(x0 + sx * i, y0 + sy * off, colour);
    } else {
      canvas.set(x0 + sx * off, y0 + sy * i, colour);
    }
  }
}

// Xiaolin Wu on integer end points of magnitude at most about 2^24.
void wu(Canvas& canvas, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
        Rgba colour) {
  const bool steep = std::llabs(y1 - y0) > std::llabs(x1 - x0);
  // Work in (major, minor) coordinates with the major coordinate increasing.
  std::int64_t a0 = steep ? y0 : x0;
  std::int64_t b0 = steep ? x0 : y0;
  std::int64_t a1 = steep ? y1 : x1;
  std::int64_t b1 = steep ? x1 : y1;
  if (a0 > a1) {
    std::swap(a0, a1);
    std::swap(b0, b1);
  }
  const std::int64_t steps = a1 - a0;
  const double gradient =
      steps == 0 ? 0.0 : static_cast<double>(b1 - b0) / static_cast<double>(steps);
  const std::int64_t major_size = steep ? canvas.height() : canvas.width();
  const auto [lo, hi] = visible_steps(a0, 1, steps, major_size);
  auto plot = [&](std::int64_t major, std::int64_t minor, float w) {
    if (w <= 0.0f) return;
    if (steep) {
      canvas.mix(minor, major, colour, w);
    } else {
      canvas.mix(major, minor, colour, w);
    }
  };
  for (std::int64_t i = lo; i <= hi; ++i) {
    const double f = static_cast<double>(b0) + gradient * static_cast<double>(i);
    const double fl = std::floor(f);
    const auto frac = static_cast<float>(f - fl);
    const auto minor = static_cast<std::int64_t>(fl);
    plot(a0 + i, minor, 1.0f - frac);
    plot(a0 + i, minor + 1, frac);
  }
}

bool all_finite(double a, double b, double c, double d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

}  // namespace

void draw_line_aliased(Canvas& canvas, float x0, float y0, float x1, float y1, Rgba colour) {
  double ax = std::trunc(static_cast<double>(x0));
  double ay = std::trunc(static_cast<double>(y0));
  double bx = std::trunc(static_cast<double>(x1));
  double by = std::trunc(static_cast<double>(y1));
  if (!all_finite(ax, ay, bx, by)) return;
  if (is_large(ax) || is_large(ay) || is_large(bx) || is_large(by)) {
    if (!clip_to_canvas_box(canvas, ax, ay, bx, by)) return;
    ax = std::trunc(ax);
    ay = std::trunc(ay);
    bx = std::trunc(bx);
    by = std::trunc(by);
  }
  bresenham(canvas, static_cast<std::int64_t>(ax), static_cast<std::int64_t>(ay),
            static_cast<std::int64_t>(bx), static_cast<std::int64_t>(by), colour);
}

void draw_line_antialiased(Canvas& canvas, std::int64_t x0, std::int64_t y0, std::int64_t x1,
                           std::int64_t y1, Rgba colour) {
  auto ax = static_cast<double>(x0);
  auto ay = static_cast<double>(y0);
  auto bx = static_cast<double>(x1);
  auto by = static_cast<double>(y1);
  if (is_large(ax) || is_large(ay) || is_large(bx) || is_large(by)) {
    if (!clip_to_canvas_box(canvas, ax, ay, bx, by)) return;
    x0 = static_cast<std::int64_t>(std::round(ax));
    y0 = static_cast<std::int64_t>(std::round(ay));
    x1 = static_cast<std::int64_t>(std::round(bx));
    y1 = static_cast<std::int64_t>(std::round(by));
  }
  wu(canvas, x0, y0, x1, y1, colour);
}

void draw_thick_line_segment(Canvas& canvas, std::int64_t half_width, Rgba colour, float x0,
                             float y0, float x1, float y1) {
  if (!all_finite(x0, y0, x1, y1)) return;
  const float dx = x1 - x0;
  const float dy = y1 - y0;
  const float length = std::sqrt(dx * dx + dy * dy);
  if (length <= FLT_EPSILON) {
    draw_line_antialiased(canvas, round_to_i64(x0), round_to_i64(y0), round_to_i64(x1),
                          round_to_i64(y1), colour);
    return;
  }
  const float nx = -dy / length;
  const float ny = dx / length;
  for (std::int64_t i = -half_width; i <= half_width; ++i) {
    const auto fi = static_cast<float>(i);
    draw_line_antialiased(canvas, round_to_i64(x0 + nx * fi), round_to_i64(y0 + ny * fi),
                          round_to_i64(x1 + nx * fi), round_to_i64(y1 + ny * fi), colour);
  }
}

void draw_dotted_horizontal_line(Canvas& canvas, std::int64_t half_width, Rgba colour,
                                 float x_start, float x_end, float y, float dash, float gap) {
  float a = x_start;
  const float b = x_end;
  if (!(a < b)) return;  // also when either is NaN
  while (a < b) {
    const float e = std::min(a + dash, b);
    draw_thick_line_segment(canvas, half_width, colour, a, y, e, y);
    const float next = e + gap;
    if (!(next > a)) break;  // a non-positive pattern would never advance
    a = next;
  }
}

}  // namespace varenko::plot
