// Axis ranges and number text. The nice-number rules snap a range to 1, 2, 5
// or 10 times a power of ten; ticks are found by accumulated addition, with a
// half-step margin so the last tick survives rounding. Decimal text comes from
// std::to_chars in fixed notation, which rounds the binary value correctly.
#include "plot/axes.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string_view>

namespace varenko::plot {

namespace {

// Values within this fraction of a step of zero are treated as zero.
constexpr double kZeroSnap = 1e-6;
// Share of the opposite excursion below which a small one gets no room on the axis.
constexpr double kExcursionShare = 0.05;
// Largest number of decimals written (beyond the smallest subnormal's digits).
constexpr std::uint32_t kMaxDecimals = 1100;
// Bound on the ticks of one axis; only reachable when the caller breaks the
// contract of a non-degenerate finite range.
constexpr std::size_t kMaxTicks = 100000;

double nice_ceiling(double x) {
  const double e = std::floor(std::log10(x));
  const double p = std::pow(10.0, e);
  const double f = x / p;
  double m = 10.0;
  if (f <= 1.0) {
    m = 1.0;
  } else if (f <= 2.0) {
    m = 2.0;
  } else if (f <= 5.0) {
    m = 5.0;
  }
  return m * p;
}

double nice_round(double x) {
  const double e = std::floor(std::log10(std::fabs(x)));
  const double p = std::pow(10.0, e);
  const double f = x / p;
  double m = 10.0;
  if (f < 1.5) {
    m = 1.0;
  } else if (f < 3.0) {
    m = 2.0;
  } else if (f < 7.0) {
    m = 5.0;
  }
  return m * p;
}

// 10^n by repeated squaring (reciprocal for negative n).
double power_of_ten(std::int32_t n) {
  std::uint64_t k = n < 0 ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(n))
                          : static_cast<std::uint64_t>(n);
  double base = 10.0;
  double result = 1.0;
  while (k != 0) {
    if ((k & 1U) != 0) result *= base;
    base *= base;
    k >>= 1U;
  }
  return n < 0 ? 1.0 / result : result;
}

void replace_all(std::string& s, std::string_view from, std::string_view to) {
  std::size_t pos = 0;
  while ((pos = s.find(from, pos)) != std::string::npos) {
    s.replace(pos, from.size(), to);
    pos += to.size();
  }
}

}  // namespace

YAxis compute_y_axis(std::uint32_t target_ticks, double lo, double hi) {
  const double intervals = target_ticks > 1 ? static_cast<double>(target_ticks - 1) : 1.0;
  const bool spans_zero = lo < 0.0 && hi > 0.0;
  const bool case_a = lo >= 0.0 || (spans_zero && (-lo) / hi <= kExcursionShare);
  const bool case_c =
      !case_a && ((lo < 0.0 && hi <= 0.0) || (spans_zero && hi / (-lo) <= kExcursionShare));
  YAxis axis;
  if (case_a) {
    const double r = std::max(hi, 1e-12);
    axis.step = nice_round(nice_ceiling(r) / intervals);
    axis.minimum = 0.0;
    axis.maximum = axis.step * std::ceil(hi / axis.step);
  } else if (case_c) {
    const double r = std::max(-lo, 1e-12);
    axis.step = nice_round(nice_ceiling(r) / intervals);
    axis.maximum = 0.0;
    axis.minimum = axis.step * std::floor(lo / axis.step);
  } else {
    const double r = hi - lo;
    axis.step = nice_round(nice_ceiling(r) / intervals);
    axis.maximum = axis.step * std::ceil(hi / axis.step);
    axis.minimum = axis.step * std::floor(lo / axis.step);
  }
  const double limit = axis.maximum + 0.5 * axis.step;
  if (!(axis.minimum <= limit)) return axis;
  double v = axis.minimum;
  while (axis.ticks.size() < kMaxTicks) {
    axis.ticks.push_back(std::fabs(v) < axis.step * kZeroSnap ? 0.0 : v);
    const double next = v + axis.step;
    if (next > limit || !(next > v)) break;  // the second test stops a step lost to rounding
    v = next;
  }
  return axis;
}

std::string format_fixed(double value, std::uint32_t decimals) {
  decimals = std::min(decimals, kMaxDecimals);
  // Integer digits of the largest double (309) plus sign, point and decimals.
  std::string buf(static_cast<std::size_t>(decimals) + 320, '\0');
  const auto res = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                 std::chars_format::fixed, static_cast<int>(decimals));
  buf.resize(static_cast<std::size_t>(res.ptr - buf.data()));
  return buf;
}

std::string format_axis_tick(double value, double step) {
  std::uint32_t decimals = 0;
  if (!(step >= 1.0)) {
    const double k = std::ceil(-std::log10(std::fabs(step)));
    if (k > 0.0) decimals = k >= kMaxDecimals ? kMaxDecimals : static_cast<std::uint32_t>(k);
  }
  if (std::fabs(value) < step * kZeroSnap) value = 0.0;
  return format_fixed(value, decimals);
}

std::string format_scientific_value(double value) {
  if (!std::isfinite(value)) return "NA";
  if (value == 0.0) return "0";
  const auto e = static_cast<std::int32_t>(std::floor(std::log10(std::fabs(value))));
  double mantissa = value / power_of_ten(e);
  if (!std::isfinite(mantissa)) {
    // Below about 1e-308 the power 10^|e| overflows and the plain division
    // would print "inf"; divide in two steps instead. Normal values never get
    // here, so their texts are unchanged.
    const std::int32_t half = e / 2;
    mantissa = (value / power_of_ten(half)) / power_of_ten(e - half);
  }
  char exponent[16];
  std::snprintf(exponent, sizeof exponent, "%+03d", static_cast<int>(e));
  std::string text = format_fixed(mantissa, 1) + "e" + exponent;
  replace_all(text, "e+0", "e");
  replace_all(text, "e-0", "e-");
  replace_all(text, "e+", "e");
  return text;
}

}  // namespace varenko::plot
