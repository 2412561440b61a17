// Lanczos-3 resampling of 8-bit RGBA rasters (rows top to bottom, channels
// R, G, B, A), each of the four channels filtered independently.
// Separable: a vertical then a horizontal pass with precomputed, normalised
// weights; when shrinking, the kernel is widened by the reduction factor so it
// acts as a low-pass filter. Pure functions; safe to call from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace varenko::plot {

// Radius of the Lanczos window in (output-scaled) pixels.
inline constexpr double kLanczosRadius = 3.0;

// The Lanczos-3 kernel: sinc(x) * sinc(x / 3) for |x| < 3, otherwise 0.
[[nodiscard]] double lanczos3(double x);

// Filter taps of one resampling axis: output pixel i reads `count[i]`
// consecutive source pixels starting at `first[i]` with the weights
// `weights[i * stride .. i * stride + count[i])`, which sum to 1.
struct ResampleTaps {
  std::vector<std::uint32_t> first;
  std::vector<std::uint32_t> count;
  std::vector<float> weights;
  std::size_t stride = 0;
};

// Taps that map `src_len` source pixels onto `dst_len` output pixels (both > 0).
[[nodiscard]] ResampleTaps compute_lanczos3_taps(std::uint32_t src_len, std::uint32_t dst_len);

// Resizes the RGBA raster `src` (src_w x src_h) into `dst` (dst_w x dst_h);
// every dimension must be positive and the spans exactly 4 * w * h bytes long.
// Values are rounded to the nearest integer and clamped to 0-255.
void resize_rgba_lanczos3(std::span<const std::uint8_t> src, std::uint32_t src_w,
                          std::uint32_t src_h, std::span<std::uint8_t> dst, std::uint32_t dst_w,
                          std::uint32_t dst_h);

}  // namespace varenko::plot
