// Lanczos-3 resampling of RGBA rasters: precomputed taps per axis, then one
// vertical pass into a float row and one horizontal pass per output row.
// Only one float row of scratch memory is held, whatever the raster size.
// Windows whose inputs are all equal skip the arithmetic: plots are mostly
// flat background, and the normalised weights reproduce a flat input anyway.
#include "plot/resize.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace varenko::plot {

namespace {

constexpr std::size_t kChannels = 4;
// Bytes of a row handled together by the vertical pass (64 pixels).
constexpr std::size_t kChunk = 256;

double sinc(double x) {
  if (x == 0.0) return 1.0;
  const double px = std::numbers::pi * x;
  return std::sin(px) / px;
}

std::uint8_t to_u8(float v) {
  // Rounds half away from zero after clamping; NaN cannot arise from finite
  // weights and bytes, but clamps to 0 if it ever does.
  if (!(v > 0.0f)) return 0;
  if (v >= 255.0f) return 255;
  return static_cast<std::uint8_t>(v + 0.5f);
}

}  // namespace

double lanczos3(double x) {
  const double ax = std::fabs(x);
  if (ax >= kLanczosRadius) return 0.0;
  return sinc(ax) * sinc(ax / kLanczosRadius);
}

ResampleTaps compute_lanczos3_taps(std::uint32_t src_len, std::uint32_t dst_len) {
  ResampleTaps taps;
  const double ratio = static_cast<double>(src_len) / static_cast<double>(dst_len);
  // Shrinking widens the kernel so every source pixel contributes; enlarging
  // keeps the plain radius.
  const double scale = std::max(ratio, 1.0);
  const double support = kLanczosRadius * scale;
  // floor/ceil around the centre span at most 2 * ceil(support) + 3 pixels.
  taps.stride = static_cast<std::size_t>(std::ceil(support)) * 2 + 3;
  taps.first.resize(dst_len);
  taps.count.resize(dst_len);
  taps.weights.assign(static_cast<std::size_t>(dst_len) * taps.stride, 0.0f);

  std::vector<double> w(taps.stride);
  for (std::uint32_t i = 0; i < dst_len; ++i) {
    const double center = (static_cast<double>(i) + 0.5) * ratio;
    const auto lo = static_cast<std::int64_t>(std::floor(center - support));
    const auto hi = static_cast<std::int64_t>(std::ceil(center + support));
    const std::int64_t first = std::max<std::int64_t>(lo, 0);
    const std::int64_t last = std::min<std::int64_t>(hi, static_cast<std::int64_t>(src_len) - 1);
    std::size_t n = 0;
    double sum = 0.0;
    for (std::int64_t j = first; j <= last && n < taps.stride; ++j, ++n) {
      w[n] = lanczos3((static_cast<double>(j) + 0.5 - center) / scale);
      sum += w[n];
    }
    // Trim zero weights at both ends so the inner loops do no useless work.
    std::size_t begin = 0;
    while (begin < n && w[begin] == 0.0) ++begin;
    while (n > begin && w[n - 1] == 0.0) --n;
    float* out = taps.weights.data() + static_cast<std::size_t>(i) * taps.stride;
    if (n == begin || sum == 0.0) {
      // Degenerate window: fall back to the nearest source pixel.
      const auto nearest = std::clamp<std::int64_t>(static_cast<std::int64_t>(center), 0,
                                                    static_cast<std::int64_t>(src_len) - 1);
      taps.first[i] = static_cast<std::uint32_t>(nearest);
      taps.count[i] = 1;
      out[0] = 1.0f;
      continue;
    }
    taps.first[i] = static_cast<std::uint32_t>(first + static_cast<std::int64_t>(begin));
    taps.count[i] = static_cast<std::uint32_t>(n - begin);
    for (std::size_t k = begin; k < n; ++k) out[k - begin] = static_cast<float>(w[k] / sum);
  }
  return taps;
}

void resize_rgba_lanczos3(std::span<const std::uint8_t> src, std::uint32_t src_w,
                          std::uint32_t src_h, std::span<std::uint8_t> dst, std::uint32_t dst_w,
                          std::uint32_t dst_h) {
  if (src_w == 0 || src_h == 0 || dst_w == 0 || dst_h == 0) return;
  const std::size_t src_row = static_cast<std::size_t>(src_w) * kChannels;
  const std::size_t dst_row = static_cast<std::size_t>(dst_w) * kChannels;
  if (src.size() != src_row * src_h || dst.size() != dst_row * dst_h) return;

  const ResampleTaps ytaps = compute_lanczos3_taps(src_h, dst_h);
  const ResampleTaps xtaps = compute_lanczos3_taps(src_w, dst_w);
  std::vector<float> column_mix(src_row);

  for (std::uint32_t oy = 0; oy < dst_h; ++oy) {
    // Vertical pass: blend the source rows of this output row into floats.
    const float* wy = ytaps.weights.data() + static_cast<std::size_t>(oy) * ytaps.stride;
    const std::uint32_t ny = ytaps.count[oy];
    const std::uint8_t* row = src.data() + static_cast<std::size_t>(ytaps.first[oy]) * src_row;
    float* mix = column_mix.data();
    for (std::size_t x0 = 0; x0 < src_row; x0 += kChunk) {
      const std::size_t x1 = std::min(x0 + kChunk, src_row);
      const std::size_t len = x1 - x0;
      // Plot canvases are mostly flat background: where every contributing
      // row holds the same bytes the weighted sum is those bytes themselves.
      bool same = true;
      for (std::uint32_t k = 1; k < ny && same; ++k) {
        same = std::memcmp(row + x0, row + k * src_row + x0, len) == 0;
      }
      if (same) {
        for (std::size_t x = x0; x < x1; ++x) mix[x] = static_cast<float>(row[x]);
        continue;
      }
      {
        const float w0 = wy[0];
        for (std::size_t x = x0; x < x1; ++x) mix[x] = w0 * static_cast<float>(row[x]);
      }
      for (std::uint32_t k = 1; k < ny; ++k) {
        const float wk = wy[k];
        const std::uint8_t* r = row + k * src_row;
        for (std::size_t x = x0; x < x1; ++x) mix[x] += wk * static_cast<float>(r[x]);
      }
    }

    // Horizontal pass: each output pixel blends neighbouring mixed pixels.
    std::uint8_t* out = dst.data() + static_cast<std::size_t>(oy) * dst_row;
    for (std::uint32_t ox = 0; ox < dst_w; ++ox) {
      const float* wx = xtaps.weights.data() + static_cast<std::size_t>(ox) * xtaps.stride;
      const float* px = mix + static_cast<std::size_t>(xtaps.first[ox]) * kChannels;
      const std::uint32_t nx = xtaps.count[ox];
      // Equal neighbours (comparing the window with itself shifted by one
      // pixel) blend to their own value.
      if (std::memcmp(px, px + kChannels, (nx - 1) * kChannels * sizeof(float)) == 0) {
        for (std::size_t c = 0; c < kChannels; ++c) out[ox * kChannels + c] = to_u8(px[c]);
        continue;
      }
      // Four independent channel sums, written out so they map onto one vector.
      float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f;
      for (std::uint32_t k = 0; k < nx; ++k) {
        const float wk = wx[k];
        const float* p = px + k * kChannels;
        r += wk * p[0];
        g += wk * p[1];
        b += wk * p[2];
        a += wk * p[3];
      }
      std::uint8_t* o = out + ox * kChannels;
      o[0] = to_u8(r);
      o[1] = to_u8(g);
      o[2] = to_u8(b);
      o[3] = to_u8(a);
    }
  }
}

}  // namespace varenko::plot
