// Physical size helpers: pixel counts, pHYs resolution, grid greys and P(k).
#include "plot/scale.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace varenko::plot {
namespace {

TEST(Scale, InchesToPixels) {
  struct Case {
    const char* name;
    std::uint32_t dpi;
    double inches;
    std::uint32_t pixels;
  };
  const Case cases[] = {
      {"default width", 300, 3.0, 900},
      {"default height", 300, 2.2, 660},
      {"table width", 300, 5.6, 1680},
      {"tiny rounds up to one", 300, 0.001, 1},
      {"zero gives one", 300, 0.0, 1},
      {"negative gives one", 300, -4.0, 1},
      {"NaN gives one", 300, std::nan(""), 1},
      {"half rounds away from zero", 10, 0.25, 3},
      {"narrowest plot at 1000 dpi", 1000, 0.32, 320},
      {"saturates", 300, 1e300, std::numeric_limits<std::uint32_t>::max()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(inches_to_pixels(c.dpi, c.inches), c.pixels);
  }
}

TEST(Scale, DpiToPixelsPerMeter) {
  const std::pair<std::uint32_t, std::uint32_t> cases[] = {
      {300, 11811}, {72, 2835}, {96, 3780}, {600, 23622}, {0, 1}};
  for (const auto& [dpi, ppm] : cases) {
    SCOPED_TRACE(dpi);
    EXPECT_EQ(dpi_to_pixels_per_meter(dpi), ppm);
  }
}

TEST(Scale, GridGreyFadesWithDpi) {
  const std::pair<std::uint32_t, std::uint8_t> cases[] = {
      {72, 230}, {300, 230}, {450, 218}, {600, 207}, {900, 183}, {1200, 160}, {2400, 160}};
  for (const auto& [dpi, v] : cases) {
    SCOPED_TRACE(dpi);
    EXPECT_EQ(grid_color_for_dpi(dpi), (Rgba{v, v, v, 255}));
  }
}

TEST(Scale, ScaledPixelsRoundHalfAwayFromZero) {
  struct Case {
    std::uint32_t dpi;
    float k;
    std::int64_t px;
  };
  const Case cases[] = {
      {300, 122.0f, 122}, {600, 122.0f, 244}, {1000, 122.0f, 407}, {1000, 20.0f, 67},
      {300, 2.5f, 3},     {300, -2.5f, -3},   {150, 1.0f, 1},      {150, 3.0f, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dpi << " dpi, k " << c.k);
    EXPECT_EQ(scaled_px(scale_factor(c.dpi), c.k), c.px);
  }
}

}  // namespace
}  // namespace varenko::plot
