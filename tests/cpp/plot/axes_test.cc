// Axis geometry and number text: the worked cases of the axis rules and the
// decimal rounding of tick and p-value labels.
#include "plot/axes.h"

#include <cmath>
#include <limits>
#include <vector>

#include <gtest/gtest.h>

namespace varenko::plot {
namespace {

TEST(ComputeYAxis, WorkedCases) {
  struct Case {
    const char* name;
    double lo;
    double hi;
    double minimum;
    double maximum;
    double step;
    std::vector<double> ticks;
  };
  const Case cases[] = {
      {"starts at zero", 0.0, 0.8, 0.0, 0.8, 0.2, {0.0, 0.2, 0.4, 0.6, 0.8}},
      {"spans zero", -0.6, 0.35, -0.6, 0.4, 0.2, {-0.6, -0.4, -0.2, 0.0, 0.2, 0.4}},
      {"small negative excursion ignored", -0.02, 0.9, 0.0, 1.0, 0.2,
       {0.0, 0.2, 0.4, 0.6, 0.8, 1.0}},
      {"ends at zero", -0.7, 0.0, -0.8, 0.0, 0.2, {-0.8, -0.6, -0.4, -0.2, 0.0}},
      {"small positive excursion ignored", -0.9, 0.02, -1.0, 0.0, 0.2,
       {-1.0, -0.8, -0.6, -0.4, -0.2, 0.0}},
      {"degenerate", 0.0, 0.0, 0.0, 0.0, 2e-13, {0.0}},
      {"large range", 0.0, 37.0, 0.0, 40.0, 10.0, {0.0, 10.0, 20.0, 30.0, 40.0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const YAxis axis = compute_y_axis(6, c.lo, c.hi);
    EXPECT_NEAR(axis.minimum, c.minimum, 1e-12);
    EXPECT_NEAR(axis.maximum, c.maximum, 1e-12);
    EXPECT_NEAR(axis.step, c.step, 1e-18);
    ASSERT_EQ(axis.ticks.size(), c.ticks.size());
    for (std::size_t i = 0; i < c.ticks.size(); ++i) {
      EXPECT_NEAR(axis.ticks[i], c.ticks[i], 1e-12) << "tick " << i;
      // The zero tick is exactly zero, so the plot can skip its grid line.
      if (c.ticks[i] == 0.0) {
        EXPECT_EQ(axis.ticks[i], 0.0) << "tick " << i;
      }
    }
  }
}

TEST(ComputeYAxis, FewTargetTicksUseOneInterval) {
  // n = 0 and n = 1 both aim at a single interval: step nice-round(1) = 1.
  for (std::uint32_t n : {0U, 1U, 2U}) {
    SCOPED_TRACE(n);
    const YAxis axis = compute_y_axis(n, 0.0, 0.8);
    EXPECT_EQ(axis.step, 1.0);
    EXPECT_EQ(axis.ticks, (std::vector<double>{0.0, 1.0}));
  }
}

TEST(ComputeYAxis, NonFiniteRangeGivesNoTicks) {
  EXPECT_TRUE(compute_y_axis(6, std::nan(""), 1.0).ticks.empty());
  EXPECT_TRUE(compute_y_axis(6, 0.0, std::numeric_limits<double>::infinity()).ticks.empty());
}

TEST(FormatAxisTick, DecimalsFollowTheStep) {
  struct Case {
    double value;
    double step;
    const char* text;
  };
  const Case cases[] = {
      {0.0, 0.05, "0.00"},  {0.05, 0.05, "0.05"}, {0.1, 0.05, "0.10"},
      {0.1, 0.1, "0.1"},    {0.2, 0.1, "0.2"},    {0.4, 0.2, "0.4"},
      {0.0, 1.0, "0"},      {5.0, 5.0, "5"},      {10.0, 5.0, "10"},
      {-1e-18, 0.2, "0.0"},  // never "-0.0"
      {-0.6000000000000001, 0.2, "-0.6"},
      {0.6000000000000001, 0.2, "0.6"},
      {0.125, 0.01, "0.12"},  // exact binary tie: to even
      {0.375, 0.01, "0.38"},
      {2.5, 1.0, "2"},
      {3.5, 1.0, "4"},
      {0.15, 0.01, "0.15"},  // 0.1499999... in binary, still "0.15" at two decimals
      {1e-13, 2e-13, "0.0000000000001"},
      {1234.5, std::nan(""), "1234"},  // NaN step: no decimals (tie to even)
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " step " << c.step);
    EXPECT_EQ(format_axis_tick(c.value, c.step), c.text);
  }
}

TEST(FormatScientificValue, CompactForms) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0.000123, "1.2e-4"},
      {0.5, "5.0e-1"},
      {1.0, "1.0e0"},
      {12345.0, "1.2e4"},
      {3e-12, "3.0e-12"},
      {2.5e10, "2.5e10"},
      {-0.0042, "-4.2e-3"},
      {9.96e-5, "10.0e-5"},  // the mantissa is not renormalised after rounding
      {1e-100, "1.0e-100"},
      {1e100, "1.0e100"},
      // Subnormal values: 10^|e| overflows, the mantissa must still be finite.
      {5e-324, "4.9e-324"},
      {1e-310, "1.0e-310"},
      {-2.5e-320, "-2.5e-320"},
      {0.0, "0"},
      {-0.0, "0"},
      {std::nan(""), "NA"},
      {std::numeric_limits<double>::infinity(), "NA"},
      {-std::numeric_limits<double>::infinity(), "NA"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(format_scientific_value(c.value), c.text);
  }
}

TEST(FormatFixed, TwoDecimalsOfNegativeSmallValuesKeepTheSign) {
  EXPECT_EQ(format_fixed(-0.004, 2), "-0.00");
  EXPECT_EQ(format_fixed(1.005, 2), "1.00");  // 1.00499999999999989... in binary
  EXPECT_EQ(format_fixed(-1.5, 0), "-2");
}

}  // namespace
}  // namespace varenko::plot
