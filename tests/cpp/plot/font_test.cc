// Plot font and text: the embedded font and its one-time loading, the
// fallback order, text metrics, glyph compositing and rotated text.
#include "plot/font.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "plot/text.h"
#include "png_reader.h"
#include "support/test_support.h"

namespace varenko::plot {
namespace {

const PlotFont& plot_font() {
  auto font = load_plot_font();
  EXPECT_TRUE(font.ok());
  return **font;
}

Canvas make(std::uint32_t w, std::uint32_t h, Rgba fill) {
  auto c = Canvas::create(w, h, fill);
  EXPECT_TRUE(c.ok());
  return std::move(c.value());
}

// Bounding box [x0, x1) x [y0, y1) of the pixels that differ from `background`.
struct Box {
  std::int64_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  [[nodiscard]] bool empty() const { return x1 <= x0; }
};
Box ink_box(const Canvas& c, Rgba background) {
  Box b{c.width(), c.height(), 0, 0};
  for (std::uint32_t y = 0; y < c.height(); ++y) {
    for (std::uint32_t x = 0; x < c.width(); ++x) {
      if (c.get(x, y) == background) continue;
      b.x0 = std::min<std::int64_t>(b.x0, x);
      b.y0 = std::min<std::int64_t>(b.y0, y);
      b.x1 = std::max<std::int64_t>(b.x1, x + 1);
      b.y1 = std::max<std::int64_t>(b.y1, y + 1);
    }
  }
  return b;
}

TEST(PlotFont, EmbeddedDataIsTheBundledFontFile) {
  const auto file = test::read_file_bytes(VARENKO_PLOT_FONT_FILE);
  const auto embedded = embedded_font_data();
  ASSERT_FALSE(file.empty());
  EXPECT_TRUE(std::equal(embedded.begin(), embedded.end(), file.begin(), file.end()));
}

// Loads the font from several threads at once, drawing with it concurrently;
// returns whether every thread saw the same font and the loader ran once.
bool load_from_threads() {
  constexpr int kThreads = 8;
  std::vector<const PlotFont*> seen(kThreads, nullptr);
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&seen, i] {
      auto font = load_plot_font();
      if (!font) return;
      seen[i] = *font;
      auto c = Canvas::create(120, 40, kOpaqueWhite);
      if (c) draw_text(*c, **font, 2, 2, 26.0f, "0.25", kBlack);
    });
  }
  for (auto& t : threads) t.join();
  const bool same = std::all_of(seen.begin(), seen.end(),
                                [&](const PlotFont* f) { return f != nullptr && f == seen[0]; });
  return same && plot_font_load_count() == 1;
}

// The first load must happen in a fresh process, so it runs in a child.
TEST(PlotFontDeathTest, FirstLoadFromManyThreadsHappensOnce) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(std::exit(plot_font_load_count() == 0 && load_from_threads() ? 0 : 1),
              testing::ExitedWithCode(0), "");
}

TEST(PlotFont, SharedAfterwards) { EXPECT_TRUE(load_from_threads()); }

TEST(PlotFont, DefaultInstanceMetrics) {
  const PlotFont& font = plot_font();
  // Ascender 1984 and descender -494 font units: a scale of 2478 px is one px per unit.
  EXPECT_EQ(font.height_units(), 2478.0f);
  EXPECT_FLOAT_EQ(font.ascent(2478.0f), 1984.0f);
  // The font carries its kerning only in positioning lookups, so pair kerning is zero.
  const std::uint32_t a = font.glyph_index(U'A');
  const std::uint32_t v = font.glyph_index(U'V');
  EXPECT_NE(a, 0U);
  EXPECT_EQ(font.kerning_units(a, v), 0.0f);
}

TEST(FontSources, FallbackOrderAndFailureMessage) {
  const std::vector<std::uint8_t> garbage = {'n', 'o', 't', ' ', 'a', ' ', 'f', 'o', 'n', 't'};
  const char* const missing[] = {"/nonexistent/a.ttf", "/nonexistent/b.otf"};
  const char* const with_real[] = {"/nonexistent/a.ttf", VARENKO_PLOT_FONT_FILE};

  // The embedded font wins even when VARENKO_PLOT_FONT names something unreadable.
  EXPECT_TRUE(load_font_from_sources(embedded_font_data(), std::string("/nonexistent"), missing).ok());
  // Only when the embedded data fails: the environment path, then the list.
  EXPECT_TRUE(load_font_from_sources(garbage, std::string(VARENKO_PLOT_FONT_FILE), missing).ok());
  EXPECT_TRUE(load_font_from_sources(garbage, std::string("/nonexistent"), with_real).ok());
  EXPECT_TRUE(load_font_from_sources(garbage, std::nullopt, with_real).ok());
  EXPECT_ERROR(load_font_from_sources(garbage, std::string("/nonexistent"), missing),
               "failed to load a plotting font; set VARENKO_PLOT_FONT to a readable .ttf/.otf file");
  test::TempDir dir;
  const auto not_font = dir.write("fake.ttf", "definitely not a font");
  const std::string not_font_path = not_font.string();
  const char* const unparsable[] = {not_font_path.c_str()};
  EXPECT_ERROR(load_font_from_sources({}, not_font_path, unparsable),
               "failed to load a plotting font; set VARENKO_PLOT_FONT to a readable .ttf/.otf file");
}

TEST(Text, MeasureSumsScaledAdvances) {
  const PlotFont& font = plot_font();
  EXPECT_EQ(measure_text(font, 26.0f, ""), (TextSize{0, 0}));
  const float px = 26.0f / font.height_units();
  float sum = 0.0f;
  for (char32_t ch : std::u32string(U"0.25")) sum += font.advance_units(font.glyph_index(ch)) * px;
  EXPECT_EQ(measure_text(font, 26.0f, "0.25"),
            (TextSize{static_cast<std::int64_t>(std::ceil(sum)) + 1, 26}));
  EXPECT_EQ(measure_text(font, 26.4f, "x").height, 27);
  const TextLayout layout = font.layout("ab", 26.0f);
  ASSERT_EQ(layout.pen_x.size(), 2U);
  EXPECT_EQ(layout.pen_x[1], font.advance_units(font.glyph_index(U'a')) * px);
}

TEST(Text, DrawStaysInItsLayoutBoxAndCompositesCoverage) {
  const PlotFont& font = plot_font();
  Canvas c = make(200, 60, Rgba{0, 0, 0, 0});
  const Rgba colour{10, 20, 30, 255};
  draw_text(c, font, 20, 10, 26.0f, "Hg 0.8", colour);
  const TextSize size = measure_text(font, 26.0f, "Hg 0.8");
  const Box box = ink_box(c, Rgba{0, 0, 0, 0});
  ASSERT_FALSE(box.empty());
  EXPECT_GE(box.x0, 20);
  EXPECT_LE(box.x1, 20 + size.width);
  EXPECT_GE(box.y0, 10);
  EXPECT_LE(box.y1, 10 + size.height + 2);  // descenders may reach just below the box
  bool solid = false;
  for (std::uint32_t y = 0; y < c.height(); ++y) {
    for (std::uint32_t x = 0; x < c.width(); ++x) {
      const Rgba p = c.get(x, y);
      if (p.a == 0) continue;
      // On a transparent canvas the colour stays, and the alpha carries the coverage.
      EXPECT_EQ((Rgba{p.r, p.g, p.b, 255}), colour);
      solid = solid || p.a == 255;
    }
  }
  EXPECT_TRUE(solid);

  Canvas clear = make(100, 40, kOpaqueWhite);
  draw_text(clear, font, 5, 5, 26.0f, "abc", Rgba{0, 0, 0, 0});
  EXPECT_TRUE(ink_box(clear, kOpaqueWhite).empty());
}

TEST(Text, AlignmentUsesTheMeasuredWidth) {
  const PlotFont& font = plot_font();
  const std::int64_t w = measure_text(font, 26.0f, "rank").width;
  Canvas left = make(200, 40, kOpaqueWhite);
  Canvas centred = make(200, 40, kOpaqueWhite);
  Canvas right = make(200, 40, kOpaqueWhite);
  draw_text(left, font, 100 - w / 2, 5, 26.0f, "rank", kBlack);
  draw_text_centered(centred, font, 100, 5, 26.0f, "rank", kBlack);
  draw_text_right_aligned(right, font, 100 - w / 2 + w, 5, 26.0f, "rank", kBlack);
  EXPECT_TRUE(std::equal(left.bytes().begin(), left.bytes().end(), centred.bytes().begin()));
  EXPECT_TRUE(std::equal(left.bytes().begin(), left.bytes().end(), right.bytes().begin()));
}

TEST(VerticalText, ReadsBottomToTopAroundItsCentre) {
  const PlotFont& font = plot_font();
  Canvas c = make(100, 300, kOpaqueWhite);
  ASSERT_TRUE(draw_vertical_text_centered(c, font, 50, 150, 28.0f, "enrichment score", kBlack).ok());
  const TextSize size = measure_text(font, 28.0f, "enrichment score");
  const Box box = ink_box(c, kOpaqueWhite);
  ASSERT_FALSE(box.empty());
  EXPECT_GT(box.y1 - box.y0, 3 * (box.x1 - box.x0));  // taller than wide
  EXPECT_LE(box.y1 - box.y0, size.width);
  EXPECT_NEAR(static_cast<double>(box.y0 + box.y1) / 2.0, 150.0, 4.0);
  EXPECT_NEAR(static_cast<double>(box.x0 + box.x1) / 2.0, 50.0, 6.0);
  // Reading upwards, the first letter "e" sits at the bottom and the last letter "e" at
  // the top, and the baseline is on the right, so the tall "h" reaches furthest left in
  // the lower half of the label, but not in its top quarter ("ore" has no ascenders).
  auto leftmost_ink = [&](std::int64_t y0, std::int64_t y1) {
    std::int64_t best = c.width();
    for (std::int64_t y = y0; y < y1; ++y) {
      for (std::uint32_t x = 0; x < c.width(); ++x) {
        if (c.get(x, static_cast<std::uint32_t>(y)) != kOpaqueWhite) best = std::min<std::int64_t>(best, x);
      }
    }
    return best;
  };
  const std::int64_t quarter = (box.y1 - box.y0) / 4;
  EXPECT_LT(leftmost_ink(box.y0 + 2 * quarter, box.y1), leftmost_ink(box.y0, box.y0 + quarter));
}

TEST(VerticalText, EmptyTextDrawsNothing) {
  const PlotFont& font = plot_font();
  Canvas c = make(50, 50, kOpaqueWhite);
  ASSERT_TRUE(draw_vertical_text_centered(c, font, 25, 25, 28.0f, "", kBlack).ok());
  EXPECT_TRUE(ink_box(c, kOpaqueWhite).empty());
}

TEST(VerticalText, AlphaOnTransparentTargetIsSquaredCoverage) {
  const PlotFont& font = plot_font();
  const char* text = "es";
  const float scale = 28.0f;
  // The horizontal scratch rendering the rotation starts from.
  const TextSize size = measure_text(font, scale, text);
  Canvas scratch = make(static_cast<std::uint32_t>(size.width + 16),
                        static_cast<std::uint32_t>(size.height + 16), Rgba{0, 0, 0, 0});
  draw_text(scratch, font, 8, 8, scale, text, kBlack);
  auto rotated = scratch.rotated_270();
  ASSERT_TRUE(rotated.ok());

  Canvas c = make(200, 200, kTransparentWhite);
  ASSERT_TRUE(draw_vertical_text_centered(c, font, 100, 100, scale, text, kBlack).ok());
  const std::int64_t left = 100 - rotated->width() / 2;
  const std::int64_t top = 100 - rotated->height() / 2;
  int partial = 0;
  for (std::uint32_t y = 0; y < rotated->height(); ++y) {
    for (std::uint32_t x = 0; x < rotated->width(); ++x) {
      const std::uint8_t a = rotated->get(x, y).a;
      const Rgba got = c.get(static_cast<std::uint32_t>(left + x), static_cast<std::uint32_t>(top + y));
      const auto expected = static_cast<std::uint8_t>(std::round(a / 255.0f * a));
      EXPECT_EQ(got.a, expected) << x << "," << y;
      partial += (a > 0 && a < 255) ? 1 : 0;
    }
  }
  EXPECT_GT(partial, 0);
}

TEST(VerticalText, ScratchCanvasBeyondTheLimitIsRefused) {
  const PlotFont& font = plot_font();
  Canvas c = make(10, 10, kOpaqueWhite);
  const auto status = draw_vertical_text_centered(c, font, 5, 5, 1e6f, "enrichment score", kBlack);
  ASSERT_FALSE(status.ok());
  EXPECT_NE(status.error().find("exceeds the drawing limit"), std::string::npos);
  EXPECT_TRUE(ink_box(c, kOpaqueWhite).empty());
}

}  // namespace
}  // namespace varenko::plot
