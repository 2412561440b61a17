// Enrichment plot: the plot model, every failure in its order (with no file
// left behind), and the pixels the layout fixes at 300 and 600 dpi.
#include "plot/enrichment_plot.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "plot/axes.h"
#include "plot/canvas.h"
#include "plot/font.h"
#include "png_reader.h"
#include "support/test_support.h"

namespace varenko::plot {
namespace {

namespace fs = std::filesystem;
using core::ScoreType;

constexpr Rgba kWhite{255, 255, 255, 255};
constexpr Rgba kGreen{0, 180, 0, 255};
constexpr Rgba kRed{220, 40, 40, 255};
constexpr Rgba kBar{70, 70, 70, 255};

// "G<i>" (built by appending: GCC 12 warns falsely on "G" + std::string).
std::string gene(std::size_t i) {
  std::string name(1, 'G');
  return name.append(std::to_string(i));
}

// Genes G0..G(n-1) with the given scores (ranked order follows them when they descend).
core::RankedList ranking(const std::vector<double>& scores) {
  std::vector<std::string> genes;
  for (std::size_t i = 0; i < scores.size(); ++i) genes.push_back(gene(i));
  return core::RankedList::make(genes, scores);
}

core::Pathway pathway(std::vector<std::string> genes, std::string name = "P") {
  core::Pathway p;
  p.name = std::move(name);
  p.genes = std::move(genes);
  return p;
}

// A descending ranking of n genes from +1 to -1 and a pathway every 7th gene from the top third.
struct Example {
  core::RankedList ranked;
  core::Pathway pw;
};
Example example(std::size_t n = 300) {
  std::vector<double> scores;
  for (std::size_t i = 0; i < n; ++i) {
    scores.push_back(1.0 - 2.0 * static_cast<double>(i) / static_cast<double>(n));
  }
  std::vector<std::string> genes;
  for (std::size_t i = 3; i < n / 3; i += 7) genes.push_back(gene(i));
  return {ranking(scores), pathway(genes)};
}

TEST(EnrichmentPlotData, RunningSumOfTwoHits) {
  const auto ranked = ranking(std::vector<double>(10, 1.0));
  auto data = build_enrichment_plot_data(ranked, pathway({"G1", "G0", "G1", "nope"}),
                                         ScoreType::Std, 1.0);
  ASSERT_TRUE(data.ok());
  EXPECT_EQ(data->hit_ranks, (std::vector<std::uint32_t>{1, 2}));
  EXPECT_EQ(data->pathway_name, "P");
  ASSERT_EQ(data->curve.size(), 11U);
  EXPECT_EQ(data->curve[0], (std::pair<std::uint32_t, double>{0, 0.0}));
  EXPECT_EQ(data->curve[1].second, 0.5);
  EXPECT_EQ(data->curve[2].second, 1.0);
  EXPECT_EQ(data->curve[3].second, 0.875);
  EXPECT_EQ(data->curve[10].first, 10U);
  EXPECT_NEAR(data->curve[10].second, 0.0, 1e-15);
  EXPECT_EQ(data->es, 1.0);
}

TEST(EnrichmentPlotData, EqualHitStepsWhenWeightsVanish) {
  // Zero hit scores with a positive exponent, and any scores with exponent 0: steps of 1/k.
  const auto ranked = ranking({3.0, 0.0, 0.0, -1.0});
  for (double p : {0.0, 1.0}) {
    SCOPED_TRACE(p);
    const auto genes = p == 0.0 ? std::vector<std::string>{"G0", "G3"}
                                : std::vector<std::string>{"G1", "G2"};
    auto data = build_enrichment_plot_data(ranked, pathway(genes), ScoreType::Pos, p);
    ASSERT_TRUE(data.ok());
    EXPECT_EQ(data->curve[data->hit_ranks[0]].second - data->curve[data->hit_ranks[0] - 1].second,
              0.5);
  }
}

TEST(EnrichmentPlotData, NaNHitsWeighNothingAndOverflowingPowersKeepTheirShares) {
  // G3 (NaN) is ranked last and adds no step: the whole rise is G0's.
  auto nan_hit = build_enrichment_plot_data(ranking({3.0, 1.0, -1.0, std::nan("")}),
                                            pathway({"G0", "G3"}), ScoreType::Pos, 1.0);
  ASSERT_TRUE(nan_hit.ok()) << nan_hit.error();
  EXPECT_EQ(nan_hit->curve[1].second, 1.0);
  EXPECT_EQ(nan_hit->curve[4].second, nan_hit->curve[3].second);
  // (1e200)^2 and (1e199)^2 overflow; their shares stay 100 : 1.
  auto huge = build_enrichment_plot_data(ranking({1e200, 1.0, 1e199}), pathway({"G0", "G2"}),
                                         ScoreType::Pos, 2.0);
  ASSERT_TRUE(huge.ok()) << huge.error();
  EXPECT_NEAR(huge->curve[1].second, 100.0 / 101.0, 1e-12);
  EXPECT_NEAR(huge->es, 1.0, 1e-12);
}

TEST(EnrichmentPlotData, ScoreTypeChoosesTheDeviation) {
  // Hits at the first and last of four equal scores: +0.5, 0, -0.5, 0.
  const auto ranked = ranking({1.0, 1.0, 1.0, 1.0});
  const auto pw = pathway({"G0", "G3"});
  const std::pair<ScoreType, double> cases[] = {
      {ScoreType::Std, 0.0}, {ScoreType::Pos, 0.5}, {ScoreType::Neg, -0.5}};
  for (const auto& [type, es] : cases) {
    SCOPED_TRACE(static_cast<int>(type));
    auto data = build_enrichment_plot_data(ranked, pw, type, 1.0);
    ASSERT_TRUE(data.ok());
    EXPECT_EQ(data->es, es);
  }
  // Std takes the larger deviation, with its sign.
  auto neg = build_enrichment_plot_data(ranking({3.0, 2.0, 1.0, 0.5, 0.2}), pathway({"G4"}),
                                        ScoreType::Std, 1.0);
  ASSERT_TRUE(neg.ok());
  EXPECT_EQ(neg->es, -1.0);
}

TEST(EnrichmentPlot, FailuresComeInOrderAndWriteNothing) {
  const Example ex = example();
  const core::RankedList empty;
  EnrichmentPlotOptions defaults;
  auto with = [&](auto change) {
    EnrichmentPlotOptions o = defaults;
    change(o);
    return o;
  };
  const auto bad_size = with([](auto& o) { o.width_inches = std::nan(""); });
  struct Case {
    const char* name;
    const core::RankedList* ranked;
    core::Pathway pw;
    double p;
    EnrichmentPlotOptions options;
    std::string message;
  };
  std::vector<double> nan_scores = {std::nan(""), 1.0, 0.5};
  const core::RankedList nan_ranked = ranking(nan_scores);
  const core::RankedList inf_ranked = ranking({std::numeric_limits<double>::infinity(), 1.0, 0.5});
  const Case cases[] = {
      {"NaN width before empty ranks", &empty, ex.pw, -1.0, bad_size,
       "plot size in inches and dpi must be finite positive values"},
      {"zero height", &ex.ranked, ex.pw, 1.0, with([](auto& o) { o.height_inches = 0.0; }),
       "plot size in inches and dpi must be finite positive values"},
      {"infinite width", &ex.ranked, ex.pw, 1.0,
       with([](auto& o) { o.width_inches = std::numeric_limits<double>::infinity(); }),
       "plot size in inches and dpi must be finite positive values"},
      {"zero dpi", &ex.ranked, ex.pw, 1.0, with([](auto& o) { o.dpi = 0; }),
       "plot size in inches and dpi must be finite positive values"},
      {"too small before empty ranks", &empty, ex.pw, 1.0,
       with([](auto& o) { o.width_inches = 2.0, o.height_inches = 0.7; }),
       "plot dimensions must be at least 320x240 pixels"},
      {"too large", &ex.ranked, ex.pw, 1.0, with([](auto& o) { o.width_inches = 1e5; }),
       "canvas of 30000000x660 pixels exceeds the drawing limit of 32768 pixels per side and "
       "268435456 pixels in all"},
      {"40000 x 300 pixels", &ex.ranked, ex.pw, 1.0,
       with([](auto& o) { o.width_inches = 40000.0 / 300.0, o.height_inches = 1.0; }),
       "canvas of 40000x300 pixels exceeds the drawing limit of 32768 pixels per side and "
       "268435456 pixels in all"},
      {"empty ranks before exponent", &empty, ex.pw, -1.0, defaults, "ranks must not be empty"},
      {"negative exponent", &ex.ranked, ex.pw, -1.0, defaults,
       "gsea_param must be a finite value greater than or equal to 0"},
      {"NaN exponent", &ex.ranked, ex.pw, std::nan(""), defaults,
       "gsea_param must be a finite value greater than or equal to 0"},
      {"infinite exponent", &ex.ranked, ex.pw, std::numeric_limits<double>::infinity(), defaults,
       "gsea_param must be a finite value greater than or equal to 0"},
      {"no hits", &ex.ranked, pathway({"X", "Y"}, "MY_SET"), 1.0, defaults,
       "pathway 'MY_SET' has no genes present in the ranked list"},
      {"full coverage", &nan_ranked, pathway({"G0", "G1", "G2"}, "ALL"), 1.0, defaults,
       "pathway 'ALL' covers the full ranked list and cannot produce an enrichment curve"},
      {"infinite weights", &inf_ranked, pathway({"G0"}), 1.0, defaults,
       "failed to compute finite plot bounds"},
      {"margins eat the plot", &ex.ranked, ex.pw, 1.0,
       with([](auto& o) { o.width_inches = 0.32, o.dpi = 1000; }),
       "plot dimensions leave no drawable area"},
  };
  test::TempDir dir;
  const fs::path out = dir.path() / "plot.png";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_ERROR(write_enrichment_plot_png(*c.ranked, c.pw, out.string(), ScoreType::Std, c.p,
                                           c.options),
                 c.message);
    // A refused plot fails before drawing; the bound only catches a hang.
    EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 30.0);
    EXPECT_TRUE(fs::is_empty(dir.path()));
  }
  // -0.0 is an accepted exponent.
  EXPECT_TRUE(write_enrichment_plot_png(ex.ranked, ex.pw, out.string(), ScoreType::Std, -0.0,
                                        defaults)
                  .ok());
  EXPECT_ERROR(write_enrichment_plot_png(ex.ranked, ex.pw, (dir.path() / "no" / "x.png").string(),
                                         ScoreType::Std, 1.0, defaults),
               "No such file or directory");
}

// Where the layout puts things, recomputed from the plot model.
struct Geometry {
  float f;
  std::int64_t left, top, pw, ph;
  double ymin, ymax;
  std::size_t n;
  [[nodiscard]] std::int64_t right() const { return left + pw; }
  [[nodiscard]] std::int64_t bottom() const { return top + ph; }
  [[nodiscard]] std::int64_t x(double p) const {
    return std::lround(static_cast<float>(left) +
                       (static_cast<float>(p) / static_cast<float>(n)) * static_cast<float>(pw));
  }
  [[nodiscard]] std::int64_t y(double v) const {
    return std::lround(static_cast<float>(top) +
                       static_cast<float>(ph) * static_cast<float>((ymax - v) / (ymax - ymin)));
  }
};

// A geometry value as an image coordinate (every value tested lies on the
// canvas).
std::uint32_t pixel(std::int64_t v) { return static_cast<std::uint32_t>(v); }

Geometry geometry(const EnrichmentPlotData& data, std::uint32_t dpi, std::int64_t w,
                  std::int64_t h) {
  double lo = std::min(0.0, data.es);
  double hi = std::max(0.0, data.es);
  for (const auto& [p, v] : data.curve) lo = std::min(lo, v), hi = std::max(hi, v);
  const YAxis axis = compute_y_axis(6, lo, hi);
  const float f = static_cast<float>(dpi) / 300.0f;
  auto px = [f](float k) { return static_cast<std::int64_t>(std::round(k * f)); };
  return Geometry{f, px(122), px(90), w - px(122) - px(20), h - px(90) - px(80), axis.minimum,
                  axis.maximum, data.curve.size() - 1};
}

class EnrichmentPlotImage : public testing::Test {
 protected:
  test::DecodedPng render(const Example& ex, ScoreType type, const EnrichmentPlotOptions& o,
                          const char* name = "plot.png") {
    const fs::path path = dir_.path() / name;
    const auto status = write_enrichment_plot_png(ex.ranked, ex.pw, path.string(), type, 1.0, o);
    EXPECT_TRUE(status.ok()) << status.error();
    chunks_ = test::read_png_chunks(path);
    return test::decode_png(path);
  }
  test::TempDir dir_;
  std::vector<test::PngChunk> chunks_;
};

bool row_has(const test::DecodedPng& img, std::int64_t y, std::int64_t x0, std::int64_t x1,
             Rgba colour) {
  for (std::int64_t x = x0; x < x1; ++x) {
    if (img.at(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y)) == colour) return true;
  }
  return false;
}

TEST_F(EnrichmentPlotImage, DefaultLayout) {
  const Example ex = example();
  const auto img = render(ex, ScoreType::Std, {});
  ASSERT_EQ(img.width, 900U);
  ASSERT_EQ(img.height, 660U);
  ASSERT_EQ(chunks_[1].type, "pHYs");
  EXPECT_EQ(test::be32(chunks_[1].data, 0), 11811U);
  EXPECT_EQ(test::be32(chunks_[1].data, 4), 11811U);

  auto data = build_enrichment_plot_data(ex.ranked, ex.pw, ScoreType::Std, 1.0);
  ASSERT_TRUE(data.ok());
  ASSERT_GT(data->es, 0.0);
  const Geometry g = geometry(*data, 300, 900, 660);
  EXPECT_EQ(g.left, 122);
  EXPECT_EQ(g.pw, 758);
  EXPECT_EQ(g.ph, 490);
  const Rgba grid{230, 230, 230, 255};
  EXPECT_EQ(img.at(0, 0), kWhite);
  EXPECT_EQ(img.at(500, 300), kWhite);  // inside the plot, between grid lines
  // The grid line at position 0 covers the left axis; the zero line is the bottom axis.
  EXPECT_EQ(img.at(122, 300), grid);
  EXPECT_EQ(img.at(300, 580), kBlack);
  EXPECT_EQ(img.at(500, 90), grid);   // top border
  EXPECT_EQ(img.at(880, 300), grid);  // right border
  EXPECT_EQ(img.at(116, pixel(g.y(g.ymax))), kBlack);  // a y tick mark
  // The red dashed line at y(es): the first dash starts at the left edge.
  for (std::int64_t dy = -1; dy <= 1; ++dy) EXPECT_EQ(img.at(128, pixel(g.y(data->es) + dy)), kRed);
  // The green curve passes the middle of the ranking near y(curve value).
  const std::size_t mid = g.n / 2;
  const std::int64_t ym = g.y(data->curve[mid].second);
  bool green = false;
  for (std::int64_t y = ym - 3; y <= ym + 3; ++y) {
    green = green || img.at(pixel(g.x(static_cast<double>(mid))), pixel(y)) == kGreen;
  }
  EXPECT_TRUE(green);
  // Gene bars from bottom - 24 to bottom + 18 at every hit rank, nothing between hits.
  for (std::uint32_t r : data->hit_ranks) {
    EXPECT_EQ(img.at(pixel(g.x(r)), 559), kBar) << r;
    EXPECT_EQ(img.at(pixel(g.x(r)), 597), kBar) << r;
  }
  EXPECT_NE(img.at(pixel(g.x(data->hit_ranks[0])), 598), kBar);
  EXPECT_EQ(img.at(pixel(g.x(250)), 590), kWhite);
  // Labels: something dark left of the axis (tick labels, axis title) and below it.
  EXPECT_TRUE(row_has(img, g.y(g.ymax) + 2, 60, 110, kBlack) ||
              row_has(img, g.y(g.ymax) + 3, 60, 110, kBlack));
  bool title_row_ink = false;  // no title was given
  for (std::int64_t y = 24; y < 52; ++y) title_row_ink = title_row_ink || row_has(img, y, 0, 900, kBlack);
  EXPECT_FALSE(title_row_ink);
}

TEST_F(EnrichmentPlotImage, SixHundredDpiDoublesEveryLength) {
  const Example ex = example();
  EnrichmentPlotOptions o;
  o.dpi = 600;
  const auto img = render(ex, ScoreType::Std, o);
  ASSERT_EQ(img.width, 1800U);
  ASSERT_EQ(img.height, 1320U);
  EXPECT_EQ(test::be32(chunks_[1].data, 0), 23622U);
  auto data = build_enrichment_plot_data(ex.ranked, ex.pw, ScoreType::Std, 1.0);
  ASSERT_TRUE(data.ok());
  const Geometry g = geometry(*data, 600, 1800, 1320);
  const Rgba grid{207, 207, 207, 255};
  EXPECT_EQ(img.at(244, 600), grid);
  EXPECT_EQ(img.at(600, 1160), kBlack);
  for (std::int64_t dy = -2; dy <= 2; ++dy) EXPECT_EQ(img.at(256, pixel(g.y(data->es) + dy)), kRed);
  const std::uint32_t bar_x = pixel(g.x(data->hit_ranks[0]));
  EXPECT_EQ(img.at(bar_x, 1160 - 48), kBar);
  EXPECT_EQ(img.at(bar_x - 2, 1160 - 48), kBar);  // four pixels wide
  EXPECT_EQ(img.at(bar_x, 1160 + 35), kBar);
}

TEST_F(EnrichmentPlotImage, TransparentBackground) {
  const Example ex = example();
  EnrichmentPlotOptions o;
  o.transparent_background = true;
  const auto img = render(ex, ScoreType::Std, o);
  EXPECT_EQ(img.at(0, 0).a, 0);
  EXPECT_EQ(img.at(500, 300).a, 0);
  EXPECT_EQ(img.at(880, 300).a, 255);  // the border is opaque
  bool partial_text = false;
  for (std::uint32_t y = 600; y < 660; ++y) {
    for (std::uint32_t x = 400; x < 500; ++x) partial_text = partial_text || (img.at(x, y).a > 0 && img.at(x, y).a < 255);
  }
  EXPECT_TRUE(partial_text);  // anti-aliased "rank"
}

TEST_F(EnrichmentPlotImage, TitleOnlyWhenGivenAndNonEmpty) {
  const Example ex = example();
  EnrichmentPlotOptions titled;
  titled.title = "HALLMARK_TEST";
  EnrichmentPlotOptions empty_title;
  empty_title.title = "";
  const auto plain = render(ex, ScoreType::Std, {}, "a.png");
  const auto with_title = render(ex, ScoreType::Std, titled, "b.png");
  const auto with_empty = render(ex, ScoreType::Std, empty_title, "c.png");
  EXPECT_EQ(plain.rgba, with_empty.rgba);
  EXPECT_NE(plain.rgba, with_title.rgba);
  bool ink = false;
  for (std::int64_t y = 24; y < 52; ++y) ink = ink || row_has(with_title, y, 300, 600, kBlack);
  EXPECT_TRUE(ink);
}

TEST_F(EnrichmentPlotImage, NegativeScoreBelowZero) {
  Example ex = example();
  // Pathway from the bottom third: the curve dips below zero.
  std::vector<std::string> genes;
  for (std::size_t i = 200; i < 300; i += 5) genes.push_back(gene(i));
  ex.pw = pathway(genes);
  const auto img = render(ex, ScoreType::Neg, {});
  auto data = build_enrichment_plot_data(ex.ranked, ex.pw, ScoreType::Neg, 1.0);
  ASSERT_TRUE(data.ok());
  ASSERT_LT(data->es, 0.0);
  const Geometry g = geometry(*data, 300, 900, 660);
  ASSERT_LT(g.ymin, 0.0);
  EXPECT_EQ(img.at(128, pixel(g.y(data->es))), kRed);
  EXPECT_GT(g.y(data->es), g.y(0.0));
  EXPECT_EQ(img.at(300, pixel(g.y(0.0))), kBlack);  // zero line
  // The bottom edge lies on a grid line, not on the zero line.
  EXPECT_EQ(img.at(140, pixel(g.bottom())), (Rgba{230, 230, 230, 255}));
}

// Several threads draw their first plots at once: every plot succeeds, all
// images are equal and the font was loaded exactly once.
bool plot_from_threads() {
  const test::TempDir dir;
  const Example ex = example();
  constexpr int kThreads = 4;
  std::vector<int> ok(kThreads, 0);
  std::vector<std::thread> threads;
  auto path = [&dir](int i) { return dir.path() / ("plot" + std::to_string(i) + ".png"); };
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&, i] {
      ok[i] = write_enrichment_plot_png(ex.ranked, ex.pw, path(i).string(), ScoreType::Std, 1.0, {})
                  .ok();
    });
  }
  for (auto& t : threads) t.join();
  const auto first = test::decode_png(path(0));
  bool same = first.width == 900;
  for (int i = 1; i < kThreads; ++i) same = same && test::decode_png(path(i)).rgba == first.rgba;
  return same && std::all_of(ok.begin(), ok.end(), [](int v) { return v == 1; }) &&
         plot_font_load_count() == 1;
}

// The first load must happen in a fresh process, so it runs in a child.
TEST(EnrichmentPlotDeathTest, ConcurrentFirstPlotsShareOneFont) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(std::exit(plot_font_load_count() == 0 && plot_from_threads() ? 0 : 1),
              testing::ExitedWithCode(0), "");
}

TEST(EnrichmentPlotLimits, LargestSideStillRenders) {
  const Example ex = example(20);
  EnrichmentPlotOptions o;
  o.width_inches = 32768.0 / 300.0;
  o.height_inches = 0.8;
  test::TempDir dir;
  const fs::path path = dir.path() / "wide.png";
  const auto status = write_enrichment_plot_png(ex.ranked, ex.pw, path.string(), ScoreType::Std, 1.0, o);
  ASSERT_TRUE(status.ok()) << status.error();
  const auto chunks = test::read_png_chunks(path);
  EXPECT_EQ(test::be32(chunks[0].data, 0), 32768U);
  EXPECT_EQ(test::be32(chunks[0].data, 4), 240U);
}

TEST(EnrichmentPlotLimits, LargestAreaCanvasIsAllowed) {
  // 2^28 pixels: allowed (a full plot of this size renders, in seconds rather than milliseconds).
  EXPECT_TRUE(Canvas::create(32768, 8192, kOpaqueWhite).ok());
}

}  // namespace
}  // namespace varenko::plot
