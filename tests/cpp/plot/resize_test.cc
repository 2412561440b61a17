// Tests of the Lanczos-3 RGBA resampler.
#include "plot/resize.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace varenko::plot {
namespace {

std::vector<std::uint8_t> solid(std::uint32_t w, std::uint32_t h, std::array<std::uint8_t, 4> c) {
  std::vector<std::uint8_t> px(static_cast<std::size_t>(w) * h * 4);
  for (std::size_t i = 0; i < px.size(); ++i) px[i] = c[i % 4];
  return px;
}

std::vector<std::uint8_t> resized(const std::vector<std::uint8_t>& src, std::uint32_t sw,
                                  std::uint32_t sh, std::uint32_t dw, std::uint32_t dh) {
  std::vector<std::uint8_t> dst(static_cast<std::size_t>(dw) * dh * 4, 0x5a);
  resize_rgba_lanczos3(src, sw, sh, dst, dw, dh);
  return dst;
}

TEST(Lanczos3, KernelValues) {
  EXPECT_DOUBLE_EQ(lanczos3(0.0), 1.0);
  for (double x : {1.0, 2.0, -1.0, -2.0, 3.0, -3.0, 3.5, 100.0}) {
    SCOPED_TRACE(x);
    EXPECT_NEAR(lanczos3(x), 0.0, 1e-15);
  }
  // sinc(0.5) * sinc(0.5 / 3), written out.
  const double pi = 3.14159265358979323846;
  EXPECT_NEAR(lanczos3(0.5), (std::sin(pi / 2) / (pi / 2)) * (std::sin(pi / 6) / (pi / 6)), 1e-15);
  EXPECT_LT(lanczos3(1.5), 0.0);  // first negative lobe
  EXPECT_DOUBLE_EQ(lanczos3(-0.7), lanczos3(0.7));
}

TEST(Lanczos3, TapsAreNormalisedAndInRange) {
  struct Case {
    std::uint32_t src, dst;
  };
  const Case cases[] = {{3360, 1680}, {1041, 520}, {7, 3}, {1, 1}, {2, 1}, {10, 10}, {5, 12}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.src) + " -> " + std::to_string(c.dst));
    const ResampleTaps taps = compute_lanczos3_taps(c.src, c.dst);
    ASSERT_EQ(taps.first.size(), c.dst);
    for (std::uint32_t i = 0; i < c.dst; ++i) {
      ASSERT_GE(taps.count[i], 1u);
      ASSERT_LE(taps.count[i], taps.stride);
      ASSERT_LE(std::uint64_t{taps.first[i]} + taps.count[i], c.src);
      const float* w = taps.weights.data() + i * taps.stride;
      EXPECT_NEAR(std::accumulate(w, w + taps.count[i], 0.0), 1.0, 1e-6);
    }
  }
  // A 2x reduction reads 12 source pixels (radius 3 at half resolution) away from the edges.
  const ResampleTaps half = compute_lanczos3_taps(100, 50);
  EXPECT_EQ(half.count[25], 12u);
  EXPECT_EQ(half.first[25], 45u);
}

TEST(Lanczos3, SolidColourSurvivesOnEveryChannel) {
  // Transparent white as on a transparent plot background, and an arbitrary colour.
  for (const std::array<std::uint8_t, 4> c : {std::array<std::uint8_t, 4>{255, 255, 255, 0},
                                              std::array<std::uint8_t, 4>{12, 200, 77, 131}}) {
    const auto out = resized(solid(64, 38, c), 64, 38, 32, 19);
    for (std::size_t i = 0; i < out.size(); ++i) ASSERT_EQ(out[i], c[i % 4]) << "byte " << i;
  }
}

TEST(Lanczos3, SameSizeIsIdentity) {
  std::vector<std::uint8_t> src(9 * 5 * 4);
  for (std::size_t i = 0; i < src.size(); ++i) src[i] = static_cast<std::uint8_t>(i * 37 + 11);
  EXPECT_EQ(resized(src, 9, 5, 9, 5), src);
}

TEST(Lanczos3, ChannelsStayApartAndStepIsClampedNotWrapped) {
  // Left half black opaque, right half has only green at full and alpha 255;
  // red and blue stay 0 everywhere, ringing beside the step must clamp.
  const std::uint32_t w = 80, h = 6;
  std::vector<std::uint8_t> src(static_cast<std::size_t>(w) * h * 4, 0);
  for (std::uint32_t y = 0; y < h; ++y) {
    for (std::uint32_t x = 0; x < w; ++x) {
      std::uint8_t* p = &src[(static_cast<std::size_t>(y) * w + x) * 4];
      p[1] = x >= w / 2 ? 255 : 0;
      p[3] = 255;
    }
  }
  const auto out = resized(src, w, h, w / 2, h / 2);
  for (std::uint32_t y = 0; y < h / 2; ++y) {
    for (std::uint32_t x = 0; x < w / 2; ++x) {
      SCOPED_TRACE(std::to_string(x) + "," + std::to_string(y));
      const std::uint8_t* p = &out[(static_cast<std::size_t>(y) * (w / 2) + x) * 4];
      EXPECT_EQ(p[0], 0);
      EXPECT_EQ(p[2], 0);
      EXPECT_EQ(p[3], 255);
      if (x + 4 <= w / 4) {
        EXPECT_LE(p[1], 8);  // dark side: small ringing at most, never wrapped
      }
      if (x >= w / 4 + 4) {
        EXPECT_GE(p[1], 247);  // bright side
      }
    }
  }
  // The two output pixels beside the edge sit symmetric around mid-grey.
  const std::uint8_t left = out[(w / 4 - 1) * 4 + 1];
  const std::uint8_t right = out[(w / 4) * 4 + 1];
  EXPECT_NEAR(int{left} + int{right}, 255, 1);
}

TEST(Lanczos3, HalvingARampAveragesPairs) {
  // A smooth horizontal ramp: away from the borders each output pixel is the
  // mean of the two source pixels it covers.
  const std::uint32_t w = 200, h = 4;
  std::vector<std::uint8_t> src(static_cast<std::size_t>(w) * h * 4);
  for (std::uint32_t y = 0; y < h; ++y)
    for (std::uint32_t x = 0; x < w; ++x)
      for (int c = 0; c < 4; ++c) src[(y * w + x) * 4 + c] = static_cast<std::uint8_t>(x + c);
  const auto out = resized(src, w, h, w / 2, h / 2);
  for (std::uint32_t x = 8; x < w / 2 - 8; ++x) {
    for (int c = 0; c < 4; ++c) {
      const double expected = (2.0 * x + 0.5) + c;
      EXPECT_NEAR(out[x * 4 + c], expected, 1.0) << "x " << x << " channel " << c;
    }
  }
}

TEST(Lanczos3, MatchesADirectTwoDimensionalFilter) {
  // Flat regions (taken by the shortcut for equal rows and pixels) next to
  // noisy ones (the full weighted sums); both must agree with a plain 2-D
  // convolution in double precision over the same taps.
  const std::uint32_t sw = 301, sh = 157, dw = 150, dh = 78;
  std::vector<std::uint8_t> src(static_cast<std::size_t>(sw) * sh * 4);
  std::uint32_t state = 12345;
  for (std::uint32_t y = 0; y < sh; ++y) {
    for (std::uint32_t x = 0; x < sw; ++x) {
      for (std::uint32_t c = 0; c < 4; ++c) {
        state = state * 1664525u + 1013904223u;
        const bool noisy = (x / 100 + y / 40) % 2 == 1;
        src[(static_cast<std::size_t>(y) * sw + x) * 4 + c] =
            noisy ? static_cast<std::uint8_t>(state >> 24) : static_cast<std::uint8_t>(60 * c + 10);
      }
    }
  }
  const auto out = resized(src, sw, sh, dw, dh);
  const ResampleTaps xt = compute_lanczos3_taps(sw, dw);
  const ResampleTaps yt = compute_lanczos3_taps(sh, dh);
  int worst = 0;
  for (std::uint32_t oy = 0; oy < dh; ++oy) {
    for (std::uint32_t ox = 0; ox < dw; ++ox) {
      for (std::uint32_t c = 0; c < 4; ++c) {
        double sum = 0.0;
        for (std::uint32_t j = 0; j < yt.count[oy]; ++j) {
          for (std::uint32_t i = 0; i < xt.count[ox]; ++i) {
            const std::size_t sx = xt.first[ox] + i, sy = yt.first[oy] + j;
            sum += double{yt.weights[oy * yt.stride + j]} * xt.weights[ox * xt.stride + i] *
                   src[(sy * sw + sx) * 4 + c];
          }
        }
        const double expected = std::clamp(std::round(sum), 0.0, 255.0);
        const int diff = std::abs(int{out[(static_cast<std::size_t>(oy) * dw + ox) * 4 + c]} -
                                  static_cast<int>(expected));
        worst = std::max(worst, diff);
      }
    }
  }
  EXPECT_LE(worst, 1);
}

}  // namespace
}  // namespace varenko::plot
