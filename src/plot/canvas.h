// RGBA raster canvas of the plots: 8 bits per channel, rows top to bottom,
// channel order R, G, B, A, (0, 0) the top-left pixel. Every drawing operation
// clips silently; canvases larger than the drawing limit are never allocated.
// A Canvas is a plain value owned by one plot call; not shared between threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "core/result.h"

namespace varenko::plot {

// One colour, non-premultiplied.
struct Rgba {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  std::uint8_t a = 0;
  bool operator==(const Rgba&) const = default;
};

inline constexpr Rgba kBlack{0, 0, 0, 255};
inline constexpr Rgba kOpaqueWhite{255, 255, 255, 255};
inline constexpr Rgba kTransparentWhite{255, 255, 255, 0};

// Largest canvas side in pixels.
inline constexpr std::uint64_t kMaxCanvasSide = 32768;
// Largest canvas area in pixels (2^28, one GiB of RGBA bytes).
inline constexpr std::uint64_t kMaxCanvasPixels = std::uint64_t{1} << 28;

// Fails with a message when a width x height canvas exceeds the drawing limit
// (a side above 32768 pixels or more than 2^28 pixels in all).
[[nodiscard]] core::Status check_canvas_size(std::uint64_t width, std::uint64_t height);

// The background of a plot: opaque white, or white with alpha 0.
[[nodiscard]] Rgba background_color(bool transparent);

class Canvas {
 public:
  // A width x height canvas filled with `fill`; fails when the size exceeds
  // the drawing limit or the memory cannot be allocated.
  [[nodiscard]] static core::Result<Canvas> create(std::uint32_t width, std::uint32_t height,
                                                   Rgba fill);

  [[nodiscard]] std::uint32_t width() const { return width_; }
  [[nodiscard]] std::uint32_t height() const { return height_; }
  [[nodiscard]] bool contains(std::int64_t x, std::int64_t y) const {
    return x >= 0 && y >= 0 && x < width_ && y < height_;
  }

  // The pixel at (x, y), which must lie inside the canvas.
  [[nodiscard]] Rgba get(std::uint32_t x, std::uint32_t y) const;
  // Sets one pixel without blending; outside the canvas nothing happens.
  void set(std::int64_t x, std::int64_t y, Rgba c);
  // Each channel of (x, y) becomes c * w + old * (1 - w) (rounded); outside the canvas nothing happens.
  void mix(std::int64_t x, std::int64_t y, Rgba c, float w);
  // Source-over compositing of the non-premultiplied colour c onto (x, y).
  void blend_over(std::int64_t x, std::int64_t y, Rgba c);

  // Sets every pixel of the rectangle (clipped) to c, without blending.
  void fill_rect(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h, Rgba c);

  // A new canvas rotated by 270 degrees clockwise: its width is this height,
  // and this canvas's left edge becomes its bottom edge.
  [[nodiscard]] core::Result<Canvas> rotated_270() const;

  // The raw bytes, 4 * width * height, row after row.
  [[nodiscard]] std::span<const std::uint8_t> bytes() const { return pixels_; }
  [[nodiscard]] std::span<std::uint8_t> bytes() { return pixels_; }

 private:
  Canvas(std::uint32_t width, std::uint32_t height) : width_(width), height_(height) {}
  std::size_t offset(std::uint32_t x, std::uint32_t y) const {
    return (static_cast<std::size_t>(y) * width_ + x) * 4;
  }

  std::uint32_t width_ = 0;
  std::uint32_t height_ = 0;
  std::vector<std::uint8_t> pixels_;
};

}  // namespace varenko::plot
