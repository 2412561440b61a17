// Seed resolution of a run: a given seed is used as is; without one a fresh
// 64-bit value comes from the operating system's cryptographically strong
// random source (such a run is not reproducible). Safe from any thread.
#pragma once

#include <cstdint>
#include <optional>

namespace varenko::rng_compat {

// Returns `seed` when present, else a fresh value from the OS random source.
std::uint64_t resolve_rng_seed(std::optional<std::uint64_t> seed);

}  // namespace varenko::rng_compat
