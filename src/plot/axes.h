// Axis geometry and number text of the plots: a round-numbered value axis
// with its ticks, tick labels with as many decimals as the step needs, and
// the compact scientific form of p-values. Decimal text is the correctly
// rounded expansion of the binary value (ties to even). Pure functions.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace varenko::plot {

// A value axis: bottom and top values, tick distance (1, 2, 5 or 10 times a
// power of ten) and the ticks, ascending from the minimum.
struct YAxis {
  double minimum = 0.0;
  double maximum = 0.0;
  double step = 0.0;
  std::vector<double> ticks;
};

// Chooses the axis for the value range [lo, hi] aiming at `target_ticks` ticks;
// the caller passes finite values with a non-degenerate range.
[[nodiscard]] YAxis compute_y_axis(std::uint32_t target_ticks, double lo, double hi);

// Fixed-point text of `value` with exactly `decimals` digits after the point.
[[nodiscard]] std::string format_fixed(double value, std::uint32_t decimals);

// A tick label: decimals as the step needs (0 for steps of 1 or more); values
// within step * 1e-6 of zero read as zero without a sign.
[[nodiscard]] std::string format_axis_tick(double value, double step);

// Compact scientific text: "1.2e-4", "1.0e0", "2.5e10"; "0" for zero and "NA"
// for NaN or infinite values.
[[nodiscard]] std::string format_scientific_value(double value);

}  // namespace varenko::plot
