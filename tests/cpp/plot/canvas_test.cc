// Canvas: size limit, fills, rotation and source-over compositing.
#include "plot/canvas.h"

#include <gtest/gtest.h>

#include "support/test_support.h"

namespace varenko::plot {
namespace {

Canvas make(std::uint32_t w, std::uint32_t h, Rgba fill) {
  auto c = Canvas::create(w, h, fill);
  EXPECT_TRUE(c.ok());
  return std::move(c.value());
}

TEST(CanvasLimit, RefusesOversizedCanvases) {
  struct Case {
    std::uint64_t w;
    std::uint64_t h;
    bool ok;
  };
  const Case cases[] = {
      {32768, 8192, true},    // exactly 2^28 pixels
      {8192, 32768, true},
      {32768, 1, true},
      {32769, 1, false},      // too wide
      {1, 32769, false},      // too tall
      {32768, 8193, false},   // too many pixels
      {40000, 300, false},
      {std::uint64_t{1} << 40, std::uint64_t{1} << 40, false},  // product would overflow
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.w << "x" << c.h);
    EXPECT_EQ(check_canvas_size(c.w, c.h).ok(), c.ok);
  }
  EXPECT_ERROR(check_canvas_size(40000, 300),
               "canvas of 40000x300 pixels exceeds the drawing limit of 32768 pixels per side "
               "and 268435456 pixels in all");
  EXPECT_ERROR(Canvas::create(32769, 2, kOpaqueWhite),
               "canvas of 32769x2 pixels exceeds the drawing limit of 32768 pixels per side "
               "and 268435456 pixels in all");
}

TEST(Canvas, StartsWithTheBackground) {
  const Canvas opaque = make(3, 2, background_color(false));
  const Canvas clear = make(3, 2, background_color(true));
  EXPECT_EQ(opaque.get(2, 1), (Rgba{255, 255, 255, 255}));
  EXPECT_EQ(clear.get(0, 0), (Rgba{255, 255, 255, 0}));
}

TEST(Canvas, FillRectClipsAndDoesNotBlend) {
  Canvas c = make(4, 4, kOpaqueWhite);
  c.fill_rect(-2, 2, 4, 10, Rgba{1, 2, 3, 0});
  for (std::uint32_t y = 0; y < 4; ++y) {
    for (std::uint32_t x = 0; x < 4; ++x) {
      const bool inside = x < 2 && y >= 2;
      EXPECT_EQ(c.get(x, y), inside ? (Rgba{1, 2, 3, 0}) : kOpaqueWhite) << x << "," << y;
    }
  }
  c.fill_rect(0, 0, 0, 3, kBlack);  // empty rectangle
  c.fill_rect(5, 5, 3, 3, kBlack);  // entirely outside
  c.set(-1, 0, kBlack);
  EXPECT_EQ(c.get(0, 0), kOpaqueWhite);
}

TEST(Canvas, Rotate270MovesTheLeftEdgeToTheBottom) {
  Canvas c = make(3, 2, Rgba{});
  for (std::uint8_t y = 0; y < 2; ++y) {
    for (std::uint8_t x = 0; x < 3; ++x) c.set(x, y, Rgba{x, y, 0, 255});
  }
  auto r = c.rotated_270();
  ASSERT_TRUE(r.ok());
  ASSERT_EQ(r->width(), 2U);
  ASSERT_EQ(r->height(), 3U);
  // Old (x, y) lands at (y, width - 1 - x): the old left column is the new bottom row.
  EXPECT_EQ(r->get(0, 2), (Rgba{0, 0, 0, 255}));
  EXPECT_EQ(r->get(1, 2), (Rgba{0, 1, 0, 255}));
  EXPECT_EQ(r->get(0, 0), (Rgba{2, 0, 0, 255}));
  EXPECT_EQ(r->get(1, 1), (Rgba{1, 1, 0, 255}));
}

TEST(Canvas, SourceOverCompositing) {
  struct Case {
    const char* name;
    Rgba dst;
    Rgba src;
    Rgba out;
  };
  const Case cases[] = {
      {"transparent source leaves the pixel", Rgba{9, 9, 9, 200}, Rgba{0, 0, 0, 0},
       Rgba{9, 9, 9, 200}},
      {"opaque source replaces", Rgba{9, 9, 9, 200}, Rgba{1, 2, 3, 255}, Rgba{1, 2, 3, 255}},
      {"half black over white", kOpaqueWhite, Rgba{0, 0, 0, 128}, Rgba{127, 127, 127, 255}},
      {"onto transparent keeps the source colour", Rgba{255, 255, 255, 0}, Rgba{10, 20, 30, 64},
       Rgba{10, 20, 30, 64}},
      {"half over half", Rgba{0, 0, 0, 128}, Rgba{255, 255, 255, 128},
       Rgba{170, 170, 170, 192}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Canvas canvas = make(1, 1, c.dst);
    canvas.blend_over(0, 0, c.src);
    EXPECT_EQ(canvas.get(0, 0), c.out);
  }
}

TEST(Canvas, MixWeighsEveryChannel) {
  Canvas canvas = make(1, 1, Rgba{255, 255, 255, 0});
  canvas.mix(0, 0, Rgba{0, 180, 0, 255}, 0.25f);
  EXPECT_EQ(canvas.get(0, 0), (Rgba{191, 236, 191, 64}));
}

}  // namespace
}  // namespace varenko::plot
