// Size and resolution helpers: every rounding here is half away from zero and
// every conversion to an integer saturates, so absurd sizes give large but
// defined values that the canvas limit then refuses.
#include "plot/scale.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace varenko::plot {

namespace {

template <typename Float>
std::int64_t round_saturating(Float v) {
  if (std::isnan(v)) return 0;
  const Float r = std::round(v);
  // 2^63 is exactly representable in both float and double.
  constexpr Float kLimit = static_cast<Float>(9223372036854775808.0);
  if (r >= kLimit) return std::numeric_limits<std::int64_t>::max();
  if (r < -kLimit) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(r);
}

std::uint32_t to_u32_at_least_one(double rounded) {
  if (!(rounded >= 1.0)) return 1;  // below 1, and NaN
  if (rounded >= 4294967295.0) return std::numeric_limits<std::uint32_t>::max();
  return static_cast<std::uint32_t>(rounded);
}

}  // namespace

std::int64_t round_to_i64(float v) { return round_saturating(v); }
std::int64_t round_to_i64(double v) { return round_saturating(v); }

float scale_factor(std::uint32_t dpi) { return static_cast<float>(dpi) / kReferenceDpi; }

std::int64_t scaled_px(float factor, float k) { return round_to_i64(k * factor); }

std::uint32_t inches_to_pixels(std::uint32_t dpi, double inches) {
  return to_u32_at_least_one(std::round(inches * static_cast<double>(dpi)));
}

std::uint32_t dpi_to_pixels_per_meter(std::uint32_t dpi) {
  constexpr double kMetresPerInch = 0.0254;
  return to_u32_at_least_one(std::round(static_cast<double>(dpi) / kMetresPerInch));
}

Rgba grid_color_for_dpi(std::uint32_t dpi) {
  // Light grey at screen resolutions; darker at print resolutions, where thin
  // lines would otherwise fade out.
  constexpr float kLightest = 230.0f;
  constexpr float kFade = 70.0f;
  constexpr float kFadeSpanDpi = 900.0f;
  const float t = std::clamp((static_cast<float>(dpi) - kReferenceDpi) / kFadeSpanDpi, 0.0f, 1.0f);
  const float v = std::clamp(std::round(kLightest - kFade * t), 0.0f, 255.0f);
  const auto g = static_cast<std::uint8_t>(v);
  return Rgba{g, g, g, 255};
}

}  // namespace varenko::plot
