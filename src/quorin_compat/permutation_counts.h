// The six permutation counters of one pathway and their counting rule, shared
// by the permutation engines and the analysis driver's per-pathway record.
#pragma once

#include <cstdint>

namespace varenko::quorin_compat {

// Counters of the permutation scores of one pathway. A score x of a pathway
// with observed score e counts in count_le when x <= e, in count_ge when
// x >= e, and in the zero sides (with its value added to the matching sum)
// when x <= 0 or x >= 0; a NaN score counts nowhere. The sums are running
// sums in the order the scores are counted, which is part of the results.
struct PermutationCounts {
  std::uint32_t count_le = 0;
  std::uint32_t count_ge = 0;
  std::uint32_t count_le_zero = 0;
  std::uint32_t count_ge_zero = 0;
  double sum_le_zero = 0.0;
  double sum_ge_zero = 0.0;

  // Counts one permutation score x against the observed score e.
  void add(double x, double e) {
    if (x <= e) ++count_le;
    if (x >= e) ++count_ge;
    if (x <= 0.0) {
      ++count_le_zero;
      sum_le_zero += x;
    }
    if (x >= 0.0) {
      ++count_ge_zero;
      sum_ge_zero += x;
    }
  }

  // Adds another batch's counters, field by field.
  PermutationCounts& operator+=(const PermutationCounts& other) {
    count_le += other.count_le;
    count_ge += other.count_ge;
    count_le_zero += other.count_le_zero;
    count_ge_zero += other.count_ge_zero;
    sum_le_zero += other.sum_le_zero;
    sum_ge_zero += other.sum_ge_zero;
    return *this;
  }
};

}  // namespace varenko::quorin_compat
