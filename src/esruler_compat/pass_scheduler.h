// The pass scheduler's workspace (private to the module): the buffers that
// the batched perturbation passes of one `extend` call reuse from one level
// to the next.
#pragma once

#include <cstdint>
#include <vector>

#include "esruler_compat/es_ruler.h"
#include "rng_compat/mt19937.h"

namespace varenko::esruler_compat {

struct PassWorkspace {
  std::vector<EsRulerCompat::SwapDraw> pass_draws;  // a batch of passes' draws, in stream order
  std::vector<EsRulerCompat::SwapDraw> next_draws;  // the next batch's, drawn while a batch walks
  std::vector<std::uint32_t> pass_packed;           // the same, packed, for one swap per pass
  std::vector<std::uint32_t> next_packed;
  std::vector<rng_compat::Mt19937> engine_copies;  // engine states within next_draws
  std::vector<std::int32_t> pass_moves;            // per sample and pass of the batch
  std::vector<std::int64_t> sample_moves;          // per sample, over the batch
};

}  // namespace varenko::esruler_compat
