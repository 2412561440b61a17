// Multilevel p-values for one group of pathways that share a size: one ES
// ruler per tail, each extended once to the most extreme score of its tail,
// answers every pathway of the group.
// Deterministic for given arguments; every call owns its rulers and engines,
// so groups may run concurrently on different threads.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "core/records.h"
#include "core/result.h"
#include "core/run_control.h"

namespace varenko::multilevel {

// Returns one conditional p-value per entry of `es`, in the same order: 1.0 for
// every entry when n_genes or pathway_size is 0, NaN for a tail whose ruler
// could not be split, and NaN for every entry when the arguments are outside
// the engine's exact domain (ranks.size() != n_genes, pathway_size > n_genes,
// total weight magnitude above 2^46). A sample_size of 0 acts as 1.
// Fails only when a ruler's walk finds its own samples malformed (a broken
// internal invariant; the message says which). A `control` that asks to stop
// ends the rulers' extension early; the p-values are then meaningless and the
// caller discards them.
core::Result<std::vector<double>> run_multilevel_gsea_group_impl(
    std::uint32_t n_genes, std::span<const std::int64_t> ranks, double eps,
    std::uint32_t pathway_size, std::span<const double> es, core::ScoreType score_type,
    std::uint32_t sample_size, std::uint64_t seed, core::RunControl* control = nullptr);

}  // namespace varenko::multilevel
