// combination: k distinct integers drawn from [start, end] with the standard
// MT19937 engine, in random order. Draws are marked in a per-thread stamp table
// (only ever grown, never cleared between calls), so calls allocate nothing
// beyond the output and may run on any number of threads at once; the thread a
// call runs on has no effect on its result.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "rng_compat/mt19937.h"

namespace varenko::rng_compat {

// Returns k distinct values of [start, end] in draw order; empty when k is 0 or
// exceeds the range. Stops the process if end - start + 1 wraps to 0.
std::vector<std::uint32_t> combination(std::uint32_t start, std::uint32_t end, std::size_t k,
                                       Mt19937& rng);

// Same draws as above, written into `out` (cleared first; its capacity is reused).
void combination(std::uint32_t start, std::uint32_t end, std::size_t k, Mt19937& rng,
                 std::vector<std::uint32_t>& out);

}  // namespace varenko::rng_compat
