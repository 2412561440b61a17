// Canvas storage and the pixel-level operations every primitive builds on.
// The size limit is checked before any allocation; allocation failure is
// reported as a message, never thrown out of create().
#include "plot/canvas.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <string>

namespace varenko::plot {

namespace {

std::uint8_t to_channel(float v) {
  if (!(v > 0.0f)) return 0;
  if (v >= 255.0f) return 255;
  return static_cast<std::uint8_t>(v + 0.5f);
}

}  // namespace

core::Status check_canvas_size(std::uint64_t width, std::uint64_t height) {
  const bool too_wide = width > kMaxCanvasSide || height > kMaxCanvasSide;
  // Both sides are at most 2^15 when the product is computed, so it cannot overflow.
  if (too_wide || width * height > kMaxCanvasPixels) {
    return core::fail("canvas of " + std::to_string(width) + "x" + std::to_string(height) +
                      " pixels exceeds the drawing limit of 32768 pixels per side and " +
                      std::to_string(kMaxCanvasPixels) + " pixels in all");
  }
  return core::Status::success();
}

Rgba background_color(bool transparent) {
  return transparent ? kTransparentWhite : kOpaqueWhite;
}

core::Result<Canvas> Canvas::create(std::uint32_t width, std::uint32_t height, Rgba fill) {
  VARENKO_TRY(check_canvas_size(width, height));
  Canvas canvas(width, height);
  try {
    canvas.pixels_.resize(static_cast<std::size_t>(width) * height * 4);
  } catch (const std::bad_alloc&) {
    return core::fail("out of memory allocating a canvas of " + std::to_string(width) + "x" +
                      std::to_string(height) + " pixels");
  }
  for (std::size_t i = 0; i < canvas.pixels_.size(); i += 4) {
    canvas.pixels_[i] = fill.r;
    canvas.pixels_[i + 1] = fill.g;
    canvas.pixels_[i + 2] = fill.b;
    canvas.pixels_[i + 3] = fill.a;
  }
  return canvas;
}

Rgba Canvas::get(std::uint32_t x, std::uint32_t y) const {
  const std::size_t o = offset(x, y);
  return Rgba{pixels_[o], pixels_[o + 1], pixels_[o + 2], pixels_[o + 3]};
}

void Canvas::set(std::int64_t x, std::int64_t y, Rgba c) {
  if (!contains(x, y)) return;
  const std::size_t o = offset(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y));
  pixels_[o] = c.r;
  pixels_[o + 1] = c.g;
  pixels_[o + 2] = c.b;
  pixels_[o + 3] = c.a;
}

void Canvas::mix(std::int64_t x, std::int64_t y, Rgba c, float w) {
  if (!contains(x, y)) return;
  const std::size_t o = offset(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y));
  const float keep = 1.0f - w;
  const std::uint8_t src[4] = {c.r, c.g, c.b, c.a};
  for (int i = 0; i < 4; ++i) {
    pixels_[o + i] = to_channel(static_cast<float>(src[i]) * w +
                                static_cast<float>(pixels_[o + i]) * keep);
  }
}

void Canvas::blend_over(std::int64_t x, std::int64_t y, Rgba c) {
  if (c.a == 0 || !contains(x, y)) return;
  if (c.a == 255) {
    set(x, y, c);
    return;
  }
  const std::size_t o = offset(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y));
  const float sa = static_cast<float>(c.a) / 255.0f;
  const float da = static_cast<float>(pixels_[o + 3]) / 255.0f;
  const float out_a = sa + da * (1.0f - sa);
  const float dst_weight = da * (1.0f - sa);
  const std::uint8_t src[3] = {c.r, c.g, c.b};
  for (int i = 0; i < 3; ++i) {
    const float v = (static_cast<float>(src[i]) * sa + static_cast<float>(pixels_[o + i]) * dst_weight) / out_a;
    pixels_[o + i] = to_channel(v);
  }
  pixels_[o + 3] = to_channel(out_a * 255.0f);
}

void Canvas::fill_rect(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h, Rgba c) {
  if (w <= 0 || h <= 0) return;
  const std::int64_t x0 = std::max<std::int64_t>(x, 0);
  const std::int64_t y0 = std::max<std::int64_t>(y, 0);
  // Saturating ends keep the loop bounds inside the canvas for any input.
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  const std::int64_t x1 = std::min<std::int64_t>(x > kMax - w ? kMax : x + w, width_);
  const std::int64_t y1 = std::min<std::int64_t>(y > kMax - h ? kMax : y + h, height_);
  if (x0 >= x1 || y0 >= y1) return;
  for (std::int64_t yy = y0; yy < y1; ++yy) {
    std::uint8_t* row = pixels_.data() + offset(static_cast<std::uint32_t>(x0),
                                                static_cast<std::uint32_t>(yy));
    for (std::int64_t xx = x0; xx < x1; ++xx, row += 4) {
      row[0] = c.r;
      row[1] = c.g;
      row[2] = c.b;
      row[3] = c.a;
    }
  }
}

core::Result<Canvas> Canvas::rotated_270() const {
  auto out = Canvas::create(height_, width_, Rgba{});
  if (!out) return out;
  for (std::uint32_t y = 0; y < height_; ++y) {
    for (std::uint32_t x = 0; x < width_; ++x) {
      out->set(y, static_cast<std::int64_t>(width_) - 1 - x, get(x, y));
    }
  }
  return out;
}

}  // namespace varenko::plot
