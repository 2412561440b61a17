// Random k-subsets of a range. Dense requests (k at least half the range) use
// Floyd's algorithm followed by a Fisher-Yates shuffle; sparse ones redraw
// until an unmarked value comes up. Marks are generation stamps in a table that
// belongs to the calling thread, so nothing is cleared or shared between calls.
#include "rng_compat/combination.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <utility>

namespace varenko::rng_compat {
namespace {

constexpr std::size_t kInitialStamps = 10000;

// Per-thread stamp table: value t is drawn in the current call exactly when
// stamps[t] == generation. Borrowed by one combination call at a time.
struct StampTable {
  std::vector<std::uint32_t> stamps;
  std::uint32_t generation = 0;
  bool borrowed = false;
};

thread_local StampTable tls_table;

[[noreturn]] void fatal(const char* message) {
  std::fputs(message, stderr);
  std::fputc('\n', stderr);
  std::abort();
}

// Exclusive use of the thread's table for one call; advances the generation.
class StampBorrow {
 public:
  explicit StampBorrow(std::size_t range) : t_(tls_table) {
    if (t_.borrowed) fatal("combination: stamp table is already borrowed in this thread");
    t_.borrowed = true;
    if (t_.stamps.empty()) t_.stamps.assign(std::max(kInitialStamps, range), 0u);
    if (t_.stamps.size() < range) t_.stamps.resize(range, 0u);
    if (++t_.generation == 0) {
      std::fill(t_.stamps.begin(), t_.stamps.end(), 0u);
      t_.generation = 1;
    }
  }
  ~StampBorrow() { t_.borrowed = false; }
  StampBorrow(const StampBorrow&) = delete;
  StampBorrow& operator=(const StampBorrow&) = delete;

  std::uint32_t* stamps() { return t_.stamps.data(); }
  [[nodiscard]] std::uint32_t generation() const { return t_.generation; }

 private:
  StampTable& t_;
};

}  // namespace

void combination(std::uint32_t start, std::uint32_t end, std::size_t k, Mt19937& rng,
                 std::vector<std::uint32_t>& out) {
  out.clear();
  if (start > end) fatal("combination: start must not exceed end");
  const std::uint32_t range = end - start + 1;
  if (range == 0) fatal("combination: the range [start, end] must not cover all 2^32 values");

  StampBorrow table(range);
  std::uint32_t* stamps = table.stamps();
  const std::uint32_t gen = table.generation();

  if (static_cast<double>(range) * 0.5 <= static_cast<double>(k)) {
    // Dense: Floyd's algorithm, then shuffle so the order is random as well.
    if (k == 0 || k > range) return;
    out.reserve(k);
    for (std::uint32_t j = range - static_cast<std::uint32_t>(k); j < range; ++j) {
      const std::uint32_t t = rng.bounded(j + 1);
      const std::uint32_t pick = stamps[t] == gen ? j : t;
      stamps[pick] = gen;
      out.push_back(start + pick);
    }
    for (std::size_t i = out.size() - 1; i >= 1; --i) {
      const std::uint32_t r = rng.bounded(static_cast<std::uint32_t>(i + 1));
      std::swap(out[i], out[r]);
    }
    return;
  }

  // Sparse: fewer than half the values are taken, so redraws stay rare.
  out.reserve(k);
  const BoundedDraw draw_index(range);
  for (std::size_t i = 0; i < k; ++i) {
    std::uint32_t t = draw_index(rng);
    while (stamps[t] == gen) t = draw_index(rng);
    stamps[t] = gen;
    out.push_back(start + t);
  }
}

std::vector<std::uint32_t> combination(std::uint32_t start, std::uint32_t end, std::size_t k,
                                       Mt19937& rng) {
  std::vector<std::uint32_t> out;
  combination(start, end, k, rng, out);
  return out;
}

}  // namespace varenko::rng_compat
