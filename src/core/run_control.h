// Cancellation and progress of one analysis run, shared between the thread
// that waits for the run and the threads that compute it. The stages check
// the flag at coarse points (between permutation chunks, multilevel groups
// and levels) and count their progress there, so the hot loops never see it.
// Every access is a relaxed atomic: the counters are only for display, and a
// cancelled run is detected through the driver's failure value, which the
// waiting thread reads after joining the run.
#pragma once

#include <atomic>
#include <cstdint>

namespace varenko::core {

struct RunControl {
  std::atomic<bool> cancel{false};
  // Simple stage: permutations finished and planned.
  std::atomic<std::uint64_t> permutations_done{0};
  std::atomic<std::uint64_t> permutations_total{0};
  // Multilevel stage: size groups finished and selected, levels built so far.
  std::atomic<std::uint64_t> groups_done{0};
  std::atomic<std::uint64_t> groups_total{0};
  std::atomic<std::uint64_t> levels_done{0};

  void request_cancel() { cancel.store(true, std::memory_order_relaxed); }
  [[nodiscard]] bool cancelled() const { return cancel.load(std::memory_order_relaxed); }
};

// True when `control` is present and its run was asked to stop.
inline bool cancelled(const RunControl* control) {
  return control != nullptr && control->cancelled();
}

// Adds `n` to a counter of an optional control.
inline void advance(RunControl* control, std::atomic<std::uint64_t> RunControl::*counter,
                    std::uint64_t n = 1) {
  if (control != nullptr) (control->*counter).fetch_add(n, std::memory_order_relaxed);
}

}  // namespace varenko::core
