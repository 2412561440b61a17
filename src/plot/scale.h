// Physical size and resolution helpers of the plots: inches to pixels, dpi to
// pixels per metre, the dpi-dependent scale factor F = dpi / 300 with the
// pixel notation P(k) = round(k * F), and the grid grey for a dpi.
// All lengths of the plot layouts are given at 300 dpi and pass through P.
// Pure functions; safe to call from any thread.
#pragma once

#include <cstdint>

#include "plot/canvas.h"

namespace varenko::plot {

// The dpi at which layout lengths are given unscaled.
inline constexpr float kReferenceDpi = 300.0f;

// Rounds half away from zero and converts to int64, saturating (NaN gives 0).
[[nodiscard]] std::int64_t round_to_i64(float v);
[[nodiscard]] std::int64_t round_to_i64(double v);

// The scale factor F = dpi / 300 in single precision.
[[nodiscard]] float scale_factor(std::uint32_t dpi);

// P(k): round(k * F) in single precision, halves away from zero.
[[nodiscard]] std::int64_t scaled_px(float factor, float k);

// round(inches * dpi) in double precision, at least 1, saturating at the 32-bit maximum.
[[nodiscard]] std::uint32_t inches_to_pixels(std::uint32_t dpi, double inches);

// round(dpi / 0.0254) in double precision, at least 1 (the PNG pHYs value).
[[nodiscard]] std::uint32_t dpi_to_pixels_per_meter(std::uint32_t dpi);

// Grid grey: 230 up to 300 dpi, fading linearly to 160 at 1200 dpi and above.
[[nodiscard]] Rgba grid_color_for_dpi(std::uint32_t dpi);

}  // namespace varenko::plot
