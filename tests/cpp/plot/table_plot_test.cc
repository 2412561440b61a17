// Tests of the table plot: plot model, layout rules and the written PNG.
#include "plot/table_plot.h"

#include <cmath>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "plot/font.h"
#include "plot/text.h"
#include "png_reader.h"
#include "support/test_support.h"

namespace varenko::plot {
namespace {

using core::EnrichmentResult;
using core::Pathway;
using core::RankedList;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

Pathway pathway(std::string name, std::vector<std::string> genes) {
  Pathway p;
  p.name = std::move(name);
  p.genes = std::move(genes);
  return p;
}

EnrichmentResult result(std::string name, std::optional<double> nes, double pval,
                        std::optional<double> padj) {
  EnrichmentResult r;
  r.pathway = std::move(name);
  r.nes = nes;
  r.pval = pval;
  r.padj = padj;
  return r;
}

// "G<i>"; appended rather than concatenated, which GCC 12 misreports (-Wrestrict).
std::string gene_name(int i) {
  std::string name = "G";
  name += std::to_string(i);
  return name;
}

// Ten genes G0..G9 with scores 5, 4, ..., -4 (already in ranked order).
RankedList ten_genes() {
  std::vector<std::string> genes;
  std::vector<double> scores;
  for (int i = 0; i < 10; ++i) {
    genes.push_back(gene_name(i));
    scores.push_back(5.0 - i);
  }
  return RankedList::make(std::move(genes), std::move(scores));
}

TEST(TablePlotLabel, CutsAtPercentAndSpacesUnderscores) {
  struct Case {
    const char* name;
    const char* label;
  };
  const Case cases[] = {
      {"MY_GENE_SET%SOURCE%42", "MY GENE SET"},
      {"%REACTOME%1", ""},  // starts with the cut character
      {"HALLMARK_MYC_TARGETS_V1", "HALLMARK MYC TARGETS V1"},
      {"plain", "plain"},
      {"", ""},
      {"a_%b_c", "a "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(table_plot_label(c.name), c.label);
  }
}

TEST(TablePlotData, ChecksRunInOrder) {
  const RankedList empty;
  const RankedList ranked = ten_genes();
  const std::vector<Pathway> none;
  const std::vector<Pathway> one = {pathway("P", {"G1"})};
  const std::vector<EnrichmentResult> rows = {result("P", 1.0, 0.5, 0.5)};
  // Each check wins over the ones after it.
  EXPECT_ERROR(build_gsea_table_plot_data(empty, none, kNaN, rows), "ranks must not be empty");
  EXPECT_ERROR(build_gsea_table_plot_data(ranked, none, kNaN, rows), "pathways must not be empty");
  for (const double p : {kNaN, kInf, -kInf, -1.0, -1e-300}) {
    SCOPED_TRACE(p);
    EXPECT_ERROR(build_gsea_table_plot_data(ranked, one, p, rows),
                 "gsea_param must be a finite value greater than or equal to 0");
  }
}

TEST(TablePlotData, NonFiniteNormalisationFails) {
  const std::vector<Pathway> one = {pathway("P", {"A"})};
  const std::vector<EnrichmentResult> rows = {result("P", 1.0, 0.5, 0.5)};
  const RankedList with_inf = RankedList::make({"A", "B"}, {kInf, 1.0});
  EXPECT_ERROR(build_gsea_table_plot_data(with_inf, one, 1.0, rows),
               "failed to compute finite adjusted stats");
  // Finite scores whose power overflows.
  const RankedList big = RankedList::make({"A", "B"}, {1e200, -3.0});
  EXPECT_ERROR(build_gsea_table_plot_data(big, one, 2.0, rows),
               "failed to compute finite adjusted stats");
  // Exponent 0 turns the infinite score into 1: no failure.
  EXPECT_TRUE(build_gsea_table_plot_data(with_inf, one, 0.0, rows).ok());
}

TEST(TablePlotData, PathwayErrorsNameTheFirstFailingPathway) {
  const RankedList ranked = ten_genes();
  struct Case {
    const char* name;
    std::vector<Pathway> pathways;
    std::vector<EnrichmentResult> results;
    const char* message;
  };
  const std::vector<Case> cases = {
      {"missing result; unranked pathway before it needs none",
       {pathway("UNRANKED", {"X", "Y"}), pathway("A", {"G1"}), pathway("B", {"G2"})},
       {result("B", 1.0, 0.1, 0.1)},
       "pathway 'A' missing from quorin results"},
      {"missing NES is reported before missing padj",
       {pathway("A", {"G1"})},
       {result("A", std::nullopt, 0.1, std::nullopt)},
       "pathway 'A' is missing NES in quorin results"},
      {"missing padj",
       {pathway("A", {"G1"}), pathway("B", {"G2"})},
       {result("A", 1.0, 0.1, 0.2), result("B", 1.0, kNaN, std::nullopt)},
       "pathway 'B' is missing padj in quorin results"},
      {"the last row of a name is used",
       {pathway("A", {"G1"})},
       {result("A", 1.0, 0.1, 0.2), result("A", 1.0, 0.1, std::nullopt)},
       "pathway 'A' is missing padj in quorin results"},
      {"no pathway has ranked genes",
       {pathway("U", {"X"}), pathway("V", {})},
       {},
       "none of the requested pathways have genes present in the ranked list"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_ERROR(build_gsea_table_plot_data(ranked, c.pathways, 1.0, c.results), c.message);
  }
}

TEST(TablePlotData, RowsFollowInputOrderWithNormalisedHits) {
  const RankedList ranked = ten_genes();  // scores 5 .. -4, largest magnitude 5
  const std::vector<Pathway> pathways = {
      pathway("Z_LAST%X", {"G9", "G0", "G9", "NOPE"}),
      pathway("SKIPPED", {"NOPE"}),
      pathway("A_FIRST", {"G5", "G4"}),
  };
  const std::vector<EnrichmentResult> results = {
      result("A_FIRST", -0.5, 0.2, 0.3),
      result("Z_LAST%X", 9.0, 9.0, 9.0),  // replaced by the later row of this name
      result("Z_LAST%X", 1.5, 0.01, 0.02),
  };
  auto data = build_gsea_table_plot_data(ranked, pathways, 1.0, results);
  ASSERT_TRUE(data.ok()) << data.error();
  EXPECT_EQ(data->row_count, 2u);
  EXPECT_EQ(data->gene_count, 10u);
  EXPECT_EQ(data->rank_ticks, (std::array<std::size_t, 5>{0, 2, 5, 7, 10}));
  EXPECT_DOUBLE_EQ(data->stat_max, 1.0);
  EXPECT_DOUBLE_EQ(data->stat_min, -0.8);
  ASSERT_EQ(data->rows.size(), 2u);

  const GseaTablePlotRow& first = data->rows[0];
  EXPECT_EQ(first.name, "Z_LAST%X");
  EXPECT_EQ(first.label, "Z LAST");
  EXPECT_EQ(first.hit_ranks, (std::vector<std::uint32_t>{1, 10}));
  EXPECT_EQ(first.hit_stats, (std::vector<double>{1.0, -4.0 / 5.0}));
  EXPECT_EQ(first.nes, 1.5);
  EXPECT_EQ(first.pval, 0.01);
  EXPECT_EQ(first.padj, 0.02);

  const GseaTablePlotRow& second = data->rows[1];
  EXPECT_EQ(second.name, "A_FIRST");
  EXPECT_EQ(second.hit_ranks, (std::vector<std::uint32_t>{5, 6}));
  EXPECT_EQ(second.hit_stats, (std::vector<double>{1.0 / 5.0, 0.0}));
  EXPECT_EQ(second.nes, -0.5);
}

TEST(TablePlotData, ExponentZeroGivesSignsAndNaNStaysNaN) {
  // Ranked order: 3, 0.0, -0.0, -2, NaN (NaN sorts last).
  const RankedList ranked =
      RankedList::make({"P", "Z", "NZ", "N", "U"}, {3.0, 0.0, -0.0, -2.0, kNaN});
  const std::vector<Pathway> pathways = {pathway("S", {"P", "Z", "NZ", "N", "U"})};
  const std::vector<EnrichmentResult> results = {result("S", 0.0, 1.0, 1.0)};
  auto data = build_gsea_table_plot_data(ranked, pathways, 0.0, results);
  ASSERT_TRUE(data.ok()) << data.error();
  const auto& stats = data->rows[0].hit_stats;
  ASSERT_EQ(stats.size(), 5u);
  EXPECT_EQ(stats[0], 1.0);
  EXPECT_EQ(stats[1], 1.0);
  EXPECT_EQ(stats[2], -1.0);  // -0.0 counts as negative
  EXPECT_EQ(stats[3], -1.0);
  EXPECT_TRUE(std::isnan(stats[4]));
  EXPECT_EQ(data->stat_min, -1.0);
  EXPECT_EQ(data->stat_max, 1.0);
}

TEST(TablePlotData, AllZeroScoresAreNotScaled) {
  const RankedList ranked = RankedList::make({"A", "B"}, {0.0, 0.0});
  const std::vector<Pathway> pathways = {pathway("S", {"A"})};
  const std::vector<EnrichmentResult> results = {result("S", 0.0, 1.0, 1.0)};
  auto data = build_gsea_table_plot_data(ranked, pathways, 1.0, results);
  ASSERT_TRUE(data.ok()) << data.error();
  EXPECT_EQ(data->rows[0].hit_stats, (std::vector<double>{0.0}));
  EXPECT_EQ(data->stat_min, 0.0);
  EXPECT_EQ(data->stat_max, 0.0);
}

TEST(TablePlotRowTexts, NumberFormats) {
  struct Case {
    double nes, pval, padj;
    std::array<const char*, 3> texts;
  };
  const Case cases[] = {
      {-0.004, 1.0, kNaN, {"-0.00", "1.0e0", "NA"}},
      {1.005, 0.000123, 0.5, {"1.00", "1.2e-4", "5.0e-1"}},  // 1.005 is just below the tie
      {2.345, 3e-12, kInf, {"2.35", "3.0e-12", "NA"}},
      {-1.5, 0.0, 9.96e-5, {"-1.50", "0", "10.0e-5"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nes);
    GseaTablePlotRow row;
    row.nes = c.nes;
    row.pval = c.pval;
    row.padj = c.padj;
    const auto texts = table_plot_row_texts(row);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(texts[i], c.texts[i]);
  }
}

TEST(TablePlotLayout, AutomaticAndGivenHeights) {
  struct Case {
    const char* name;
    std::uint32_t dpi;
    std::optional<double> height_inches;
    std::size_t rows;
    std::int64_t height;  // 0: refused
  };
  const Case cases[] = {
      {"three rows: 0.76 in", 300, std::nullopt, 3, 228},
      {"one row: 0.44 in raised to 0.7 in", 300, std::nullopt, 1, 210},
      {"thirty rows", 300, std::nullopt, 30, 1524},
      {"doubled at 600 dpi", 600, std::nullopt, 3, 456},
      {"100 dpi one row: 70 pixels", 100, std::nullopt, 1, 0},
      {"given height wins over rows", 300, 1.0, 30, 300},
      {"given height just at the limit", 300, 0.6, 1, 180},
      {"given height below the limit", 300, 0.59, 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto h = table_plot_height(c.dpi, c.height_inches, c.rows);
    if (c.height == 0) {
      EXPECT_ERROR(h, "plot height must be at least 180 pixels");
    } else {
      ASSERT_TRUE(h.ok()) << h.error();
      EXPECT_EQ(*h, c.height);
    }
  }
}

TEST(TablePlotLayout, WidthGrowsForNamesAndNeverBelowMinimum) {
  struct Case {
    const char* name;
    std::uint32_t dpi;
    double width_inches;
    std::int64_t label_width;
    TablePlotWidth expected;
  };
  const Case cases[] = {
      {"default width, 300-pixel labels", 300, 5.6, 300, {562, 350, 912, 1680, 768, 18}},
      {"1 in, 100-pixel labels: widened", 300, 1.0, 100, {362, 220, 582, 582, 0, 0}},
      {"1 in, 10-pixel labels: minimum width", 300, 1.0, 10, {272, 220, 492, 520, 28, 18}},
      {"column between its bounds", 300, 2.0, 100, {362, 238, 600, 600, 0, 0}},
      {"600 dpi doubles the lengths", 600, 5.6, 0, {524, 700, 1224, 3360, 2136, 36}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TablePlotWidth w = table_plot_width(c.dpi, c.width_inches, c.label_width);
    EXPECT_EQ(w.fixed, c.expected.fixed);
    EXPECT_EQ(w.column, c.expected.column);
    EXPECT_EQ(w.needed, c.expected.needed);
    EXPECT_EQ(w.width, c.expected.width);
    EXPECT_EQ(w.extra, c.expected.extra);
    EXPECT_EQ(w.gap, c.expected.gap);
  }
  // The worked example's rank column: 350 + 768 - 18 pixels at target size.
  const TablePlotWidth w = table_plot_width(300, 5.6, 300);
  EXPECT_EQ(w.extra + w.column - w.gap, 1100);
}

// A ranking of 1000 genes with scores 500 .. -499 and result rows for the pathways.
struct TableFixture {
  RankedList ranked;
  std::vector<Pathway> pathways;
  std::vector<EnrichmentResult> results;
};

TableFixture top_and_bottom() {
  TableFixture f;
  std::vector<std::string> genes;
  std::vector<double> scores;
  for (int i = 0; i < 1000; ++i) {
    genes.push_back(gene_name(i));
    scores.push_back(500.0 - i);
  }
  f.ranked = RankedList::make(std::move(genes), std::move(scores));
  f.pathways = {pathway("TOP_GENE%X", {"G0"}), pathway("NOT_RANKED", {"NOPE"}),
                pathway("BOTTOM", {"G999"}), pathway("MIXED", {"G0", "G999", "G500"})};
  f.results = {result("TOP_GENE%X", 1.5, 0.01, 0.02), result("BOTTOM", -1.5, 0.2, 0.3),
               result("MIXED", 0.1, 1.0, 1.0)};
  return f;
}

TEST(TablePlotPng, FailuresComeInOrderAndWriteNothing) {
  const TableFixture f = top_and_bottom();
  const RankedList empty;
  const test::TempDir dir;
  const std::string path = (dir.path() / "plot.png").string();
  struct Case {
    const char* name;
    const RankedList* ranked;
    GseaTablePlotOptions options;
    const char* message;
  };
  const char* const kSize = "plot size in inches and dpi must be finite positive values";
  GseaTablePlotOptions base;
  auto with = [&](auto change) {
    GseaTablePlotOptions o = base;
    change(o);
    return o;
  };
  const std::vector<Case> cases = {
      {"zero width before empty ranking", &empty, with([](auto& o) { o.width_inches = 0.0; }),
       kSize},
      {"NaN width", &f.ranked, with([](auto& o) { o.width_inches = kNaN; }), kSize},
      {"infinite width", &f.ranked, with([](auto& o) { o.width_inches = kInf; }), kSize},
      {"zero dpi", &f.ranked, with([](auto& o) { o.dpi = 0; }), kSize},
      {"negative height", &f.ranked, with([](auto& o) { o.height_inches = -1.0; }), kSize},
      {"NaN height", &f.ranked, with([](auto& o) { o.height_inches = kNaN; }), kSize},
      {"model error before the height check", &empty, with([](auto& o) { o.dpi = 100; }),
       "ranks must not be empty"},
      {"automatic height too small", &f.ranked, with([](auto& o) { o.dpi = 100; }),
       "plot height must be at least 180 pixels"},
      // The figure's limits are half the canvas side and a quarter of its area
      // (it is drawn at twice its size); the message quotes the requested size.
      {"doubled canvas too wide", &f.ranked, with([](auto& o) { o.width_inches = 60.0; }),
       "table plot of 18000x228 pixels exceeds the drawing limit of 16384 pixels per side and "
       "67108864 pixels in all"},
      {"doubled canvas too large in all", &f.ranked, with([](auto& o) {
         o.width_inches = 54.0;
         o.height_inches = 14.0;
       }),
       "table plot of 16200x4200 pixels exceeds the drawing limit of 16384 pixels per side and "
       "67108864 pixels in all"},
      {"one pixel over the side limit", &f.ranked, with([](auto& o) {
         o.dpi = 1;
         o.width_inches = 16385.0;
         o.height_inches = 180.0;
       }),
       "table plot of 16385x180 pixels exceeds the drawing limit of 16384 pixels per side and "
       "67108864 pixels in all"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_ERROR(write_gsea_table_plot_png(*c.ranked, f.pathways, f.results, 1.0, path, c.options),
                 c.message);
    EXPECT_FALSE(std::filesystem::exists(path));
  }
  // Sizes beyond 32-bit pixel counts are refused the same way, never wrapped.
  auto huge = write_gsea_table_plot_png(f.ranked, f.pathways, f.results, 1.0, path,
                                        with([](auto& o) { o.dpi = 4000000000u; }));
  ASSERT_FALSE(huge.ok());
  EXPECT_NE(huge.error().find("exceeds the drawing limit"), std::string::npos) << huge.error();
  EXPECT_FALSE(std::filesystem::exists(path));

  // A missing result is reported with the pathway's name, also before the size is checked.
  const std::vector<EnrichmentResult> partial = {f.results[0]};
  EXPECT_ERROR(write_gsea_table_plot_png(f.ranked, f.pathways, partial, 1.0, path,
                                         with([](auto& o) { o.dpi = 100; })),
               "pathway 'BOTTOM' missing from quorin results");
  EXPECT_FALSE(std::filesystem::exists(path));
}

// Dark means a drawn bar or text pixel, light the background.
bool dark(Rgba c) { return c.r < 128 && c.a > 128; }
bool light(Rgba c) { return c.r > 230; }

TEST(TablePlotPng, BarsPointUpForTopGenesAndDownForBottomGenes) {
  const TableFixture f = top_and_bottom();
  const test::TempDir dir;
  const auto path = dir.path() / "bars.png";
  ASSERT_TRUE(
      write_gsea_table_plot_png(f.ranked, f.pathways, f.results, 1.0, path.string(), {}).ok());
  const test::DecodedPng png = test::decode_png(path);
  ASSERT_EQ(png.width, 1680u);
  ASSERT_EQ(png.height, 228u);  // three drawn rows
  const auto chunks = test::read_png_chunks(path);
  ASSERT_GE(chunks.size(), 2u);
  EXPECT_EQ(chunks[1].type, "pHYs");
  EXPECT_EQ(test::be32(chunks[1].data, 0), 11811u);

  // Recompute the rank column from the widest label at target size.
  auto font = load_plot_font();
  ASSERT_TRUE(font.ok()) << font.error();
  std::int64_t label_width = 0;
  for (const char* label : {"TOP GENE", "BOTTOM", "MIXED"}) {
    label_width = std::max(label_width, measure_text(**font, 22.0f, label).width);
  }
  const TablePlotWidth w = table_plot_width(300, 5.6, label_width);
  const double xs = static_cast<double>(label_width + 24 + 16 + w.gap);
  const double cw = static_cast<double>(w.extra + w.column - w.gap);
  const auto column_x = [&](double rank) {
    return static_cast<std::uint32_t>(std::lround(xs + rank / 1000.0 * cw));
  };
  // Rows start at y = 46 and are 48 pixels high; the baseline is their middle.
  const std::uint32_t top_x = column_x(1), bottom_x = column_x(1000), mid_x = column_x(501);
  EXPECT_TRUE(dark(png.at(top_x, 46 + 12)));  // row 0: up from the baseline
  EXPECT_TRUE(light(png.at(top_x, 46 + 36)));
  EXPECT_TRUE(light(png.at(bottom_x, 94 + 12)));  // row 1: down from the baseline
  EXPECT_TRUE(dark(png.at(bottom_x, 94 + 36)));
  EXPECT_TRUE(dark(png.at(top_x, 142 + 12)));  // row 2 holds both ends
  EXPECT_TRUE(dark(png.at(bottom_x, 142 + 36)));
  EXPECT_TRUE(light(png.at(mid_x, 142 + 12)));  // a near-zero statistic is a stub
  EXPECT_TRUE(light(png.at(mid_x, 142 + 36)));
  EXPECT_TRUE(light(png.at(top_x, 94 + 12)));  // no bar where a row has no gene
  // Corners stay opaque white.
  EXPECT_EQ(png.at(0, 0), (Rgba{255, 255, 255, 255}));
  EXPECT_EQ(png.at(1679, 227), (Rgba{255, 255, 255, 255}));
}

TEST(TablePlotPng, LongNumbersStayInsideTheirColumns) {
  // Two-digit exponents are wider than a number column at the nominal text
  // size; they are shrunk so neighbouring columns never touch.
  TableFixture f = top_and_bottom();
  f.results[0].nes = -12.3456;
  f.results[0].pval = 1.4e-45;
  f.results[0].padj = 6.9e-44;
  const test::TempDir dir;
  const auto path = dir.path() / "numbers.png";
  ASSERT_TRUE(
      write_gsea_table_plot_png(f.ranked, f.pathways, f.results, 1.0, path.string(), {}).ok());
  const test::DecodedPng png = test::decode_png(path);
  auto font = load_plot_font();
  ASSERT_TRUE(font.ok()) << font.error();
  std::int64_t label_width = 0;
  for (const char* label : {"TOP GENE", "BOTTOM", "MIXED"}) {
    label_width = std::max(label_width, measure_text(**font, 22.0f, label).width);
  }
  const TablePlotWidth w = table_plot_width(300, 5.6, label_width);
  const std::int64_t xe = label_width + 24 + 16 + w.gap + (w.extra + w.column - w.gap);
  // Column boundaries at target size: the middle of the 4-pixel gaps.
  for (const std::int64_t boundary : {xe + 72, xe + 142}) {
    SCOPED_TRACE(boundary);
    int darkest = 255;
    for (std::uint32_t y = 46; y < 94; ++y) {
      darkest = std::min<int>(darkest, png.at(static_cast<std::uint32_t>(boundary), y).r);
    }
    EXPECT_GT(darkest, 200);
  }
  // The texts are still there: the pval column's centre line has dark pixels.
  int darkest = 255;
  for (std::uint32_t y = 46; y < 94; ++y) {
    for (std::int64_t x = xe + 2 + 70 + 20; x < xe + 2 + 70 + 50; ++x) {
      darkest = std::min<int>(darkest, png.at(static_cast<std::uint32_t>(x), y).r);
    }
  }
  EXPECT_LT(darkest, 60);
}

TEST(TablePlotPng, TransparentBackgroundAndResolution) {
  const TableFixture f = top_and_bottom();
  const test::TempDir dir;
  const auto path = dir.path() / "clear.png";
  GseaTablePlotOptions options;
  options.dpi = 600;
  options.transparent_background = true;
  options.width_inches = 1.0;  // widened to fit
  options.height_inches = 1.0;
  ASSERT_TRUE(
      write_gsea_table_plot_png(f.ranked, f.pathways, f.results, 1.0, path.string(), options).ok());
  const test::DecodedPng png = test::decode_png(path);
  EXPECT_EQ(png.height, 600u);
  EXPECT_GT(png.width, 600u);
  EXPECT_EQ(png.at(0, 0).a, 0);
  EXPECT_EQ(png.at(png.width - 1, png.height - 1).a, 0);
  // The header text leaves opaque pixels somewhere on its line.
  bool opaque = false;
  for (std::uint32_t x = 0; x < png.width && !opaque; ++x) {
    for (std::uint32_t y = 24; y < 90 && !opaque; ++y) opaque = png.at(x, y).a > 200;
  }
  EXPECT_TRUE(opaque);
  const auto chunks = test::read_png_chunks(path);
  ASSERT_GE(chunks.size(), 2u);
  EXPECT_EQ(test::be32(chunks[1].data, 0), 23622u);
}

TEST(TablePlotPng, OddValuesStillDraw) {
  // NaN and infinite statistics, labels that are empty, non-ASCII or not even
  // UTF-8, and rank ticks of a one-gene ranking: all drawn, nothing undefined.
  const RankedList ranked = RankedList::make({"A", "B", "C"}, {kNaN, 2.0, -0.0});
  const std::vector<Pathway> pathways = {pathway("%EMPTY", {"A"}),
                                         pathway("\xce\xb1_\xce\xb2", {"B", "C"}),
                                         pathway("BAD\xff\xfe", {"A", "B", "C"})};
  const std::vector<EnrichmentResult> results = {result("%EMPTY", kNaN, kNaN, kInf),
                                                 result("\xce\xb1_\xce\xb2", kInf, -1.0, 0.0),
                                                 result("BAD\xff\xfe", -kInf, 1e-300, 5e-324)};
  const test::TempDir dir;
  const auto path = dir.path() / "odd.png";
  auto ok = write_gsea_table_plot_png(ranked, pathways, results, 0.0, path.string(), {});
  ASSERT_TRUE(ok.ok()) << ok.error();
  EXPECT_EQ(test::decode_png(path).height, 228u);

  const RankedList one = RankedList::make({"A"}, {1.0});
  const std::vector<Pathway> single = {pathway("S", {"A"})};
  const std::vector<EnrichmentResult> single_result = {result("S", 1.0, 0.5, 0.5)};
  ok = write_gsea_table_plot_png(one, single, single_result, 1.0, path.string(), {});
  ASSERT_TRUE(ok.ok()) << ok.error();
}

TEST(TablePlotPng, ReplacesAnExistingFileOnlyOnSuccess) {
  const TableFixture f = top_and_bottom();
  const test::TempDir dir;
  const auto path = dir.write("old.png", "previous contents");
  GseaTablePlotOptions bad;
  bad.dpi = 100;
  EXPECT_ERROR(write_gsea_table_plot_png(f.ranked, f.pathways, f.results, 1.0, path.string(), bad),
               "plot height must be at least 180 pixels");
  EXPECT_EQ(test::read_file_bytes(path).size(), 17u);
  ASSERT_TRUE(
      write_gsea_table_plot_png(f.ranked, f.pathways, f.results, 1.0, path.string(), {}).ok());
  EXPECT_EQ(test::decode_png(path).width, 1680u);
}

}  // namespace
}  // namespace varenko::plot
