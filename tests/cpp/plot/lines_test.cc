// Line primitives: end points, blending, thick and dashed lines, and cheap
// clipping of lines that reach far outside the canvas.
#include "plot/lines.h"

#include <chrono>
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

namespace varenko::plot {
namespace {

constexpr Rgba kRed{220, 40, 40, 255};

Canvas make(std::uint32_t w, std::uint32_t h, Rgba fill = kOpaqueWhite) {
  auto c = Canvas::create(w, h, fill);
  EXPECT_TRUE(c.ok());
  return std::move(c.value());
}

// Coordinates of every pixel that differs from `background`.
std::vector<std::pair<std::uint32_t, std::uint32_t>> touched(const Canvas& c,
                                                             Rgba background = kOpaqueWhite) {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> out;
  for (std::uint32_t y = 0; y < c.height(); ++y) {
    for (std::uint32_t x = 0; x < c.width(); ++x) {
      if (c.get(x, y) != background) out.emplace_back(x, y);
    }
  }
  return out;
}

using Pixels = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

TEST(AliasedLine, TruncatesEndPointsAndIncludesBoth) {
  Canvas c = make(8, 4);
  draw_line_aliased(c, 1.9f, 1.2f, 5.7f, 1.9f, kBlack);
  EXPECT_EQ(touched(c), (Pixels{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}));

  Canvas d = make(5, 5);
  draw_line_aliased(d, 3.0f, 3.0f, 0.0f, 0.0f, kBlack);
  EXPECT_EQ(touched(d), (Pixels{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
  EXPECT_EQ(d.get(2, 2), kBlack);  // set, not blended

  Canvas e = make(4, 4);
  draw_line_aliased(e, -0.9f, 2.0f, -0.9f, 2.0f, kBlack);  // -0.9 truncates to 0
  EXPECT_EQ(touched(e), (Pixels{{0, 2}}));
}

TEST(AntialiasedLine, BlendsByWuIntensityOnAllChannels) {
  Canvas c = make(5, 3, Rgba{255, 255, 255, 0});
  draw_line_antialiased(c, 0, 1, 4, 1, Rgba{0, 180, 0, 255});
  for (std::uint32_t x = 0; x < 5; ++x) EXPECT_EQ(c.get(x, 1), (Rgba{0, 180, 0, 255}));
  EXPECT_EQ(c.get(2, 0), (Rgba{255, 255, 255, 0}));

  // A slope of 1/2: the middle pixel is split evenly between two rows.
  Canvas d = make(3, 3);
  draw_line_antialiased(d, 0, 0, 2, 1, kBlack);
  EXPECT_EQ(d.get(0, 0), kBlack);
  EXPECT_EQ(d.get(1, 0), (Rgba{128, 128, 128, 255}));
  EXPECT_EQ(d.get(1, 1), (Rgba{128, 128, 128, 255}));
  EXPECT_EQ(d.get(2, 1), kBlack);
}

TEST(ThickLine, DrawsParallelLines) {
  Canvas c = make(10, 9);
  draw_thick_line_segment(c, 1, kRed, 2.0f, 4.0f, 7.0f, 4.0f);
  for (std::uint32_t y = 0; y < 9; ++y) {
    for (std::uint32_t x = 0; x < 10; ++x) {
      const bool on = y >= 3 && y <= 5 && x >= 2 && x <= 7;
      EXPECT_EQ(c.get(x, y), on ? kRed : kOpaqueWhite) << x << "," << y;
    }
  }
  Canvas none = make(4, 4);
  draw_thick_line_segment(none, -1, kRed, 0.0f, 1.0f, 3.0f, 1.0f);
  EXPECT_TRUE(touched(none).empty());
}

TEST(ThickLine, CoincidingEndPointsDrawOneLine) {
  Canvas c = make(10, 10);
  draw_thick_line_segment(c, 3, kRed, 5.2f, 4.6f, 5.2f, 4.6f);
  EXPECT_EQ(touched(c), (Pixels{{5, 5}}));
}

TEST(DottedLine, LastDashIsCutAtTheEnd) {
  Canvas c = make(40, 3);
  draw_dotted_horizontal_line(c, 0, kRed, 0.0f, 25.0f, 1.0f, 12.0f, 8.0f);
  for (std::uint32_t x = 0; x < 40; ++x) {
    const bool on = x <= 12 || (x >= 20 && x <= 25);
    EXPECT_EQ(c.get(x, 1), on ? kRed : kOpaqueWhite) << x;
  }
  Canvas empty = make(10, 3);
  draw_dotted_horizontal_line(empty, 0, kRed, 5.0f, 5.0f, 1.0f, 2.0f, 2.0f);
  draw_dotted_horizontal_line(empty, 0, kRed, 1.0f, 9.0f, 1.0f, 0.0f, 0.0f);  // no progress
  EXPECT_EQ(touched(empty), (Pixels{{1, 1}}));
}

TEST(Lines, FarAwayEndPointsAreClippedCheaply) {
  const auto start = std::chrono::steady_clock::now();
  Canvas c = make(20, 20);
  draw_line_aliased(c, -1e9f, -1e9f, 1e9f, 1e9f, kBlack);
  EXPECT_EQ(c.get(10, 10), kBlack);
  Canvas d = make(20, 20);
  draw_line_antialiased(d, -4000000000, 5, 4000000000, 5, kBlack);
  EXPECT_EQ(d.get(0, 5), kBlack);
  EXPECT_EQ(d.get(19, 5), kBlack);
  Canvas e = make(20, 20);
  draw_thick_line_segment(e, 1, kBlack, 3.0f, -3e30f, 3.0f, 3e30f);
  EXPECT_EQ(e.get(3, 0), kBlack);
  draw_thick_line_segment(e, 1, kBlack, 0.0f, static_cast<float>(std::nan("")), 5.0f, 5.0f);  // NaN: nothing
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_LT(seconds, 0.5);
}

}  // namespace
}  // namespace varenko::plot
