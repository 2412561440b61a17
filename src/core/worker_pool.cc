// Process-wide worker pool. The pool object is created under a one-time guard
// and intentionally never destroyed: worker threads may still be parked when
// static destructors run at interpreter exit.
#include "core/worker_pool.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>

#include <tbb/global_control.h>
#include <tbb/info.h>
#include <tbb/parallel_for.h>

namespace varenko::core {

namespace {

struct Pool {
  // Present only when the pool has more threads than the default parallelism,
  // which the scheduler would otherwise cap.
  std::unique_ptr<tbb::global_control> control;
  std::unique_ptr<tbb::task_arena> arena;
  std::size_t threads = 0;
};

std::once_flag g_pool_once;
Pool* g_pool = nullptr;  // set once under g_pool_once, then read-only
std::atomic<std::size_t> g_created_threads{0};  // the pool's size once it exists

std::size_t default_threads() {
  const int n = tbb::info::default_concurrency();
  return n > 0 ? static_cast<std::size_t>(n) : 1;
}

// How long to wait for the workers of a new pool before giving up waiting (the
// pool is usable either way; the wait only makes the start-up cost explicit).
constexpr std::chrono::seconds kStartupWait{10};

// Runs one blocking task per thread so that every worker of the arena must
// join; each task waits until all have arrived or the deadline passed.
void wait_for_workers(tbb::task_arena& arena, std::size_t threads) {
  std::atomic<std::size_t> arrived{0};
  const auto deadline = std::chrono::steady_clock::now() + kStartupWait;
  arena.execute([&] {
    tbb::parallel_for(
        tbb::blocked_range<std::size_t>(0, threads, 1),
        [&](const tbb::blocked_range<std::size_t>&) {
          arrived.fetch_add(1, std::memory_order_acq_rel);
          while (arrived.load(std::memory_order_acquire) < threads &&
                 std::chrono::steady_clock::now() < deadline) {
            std::this_thread::yield();
          }
        },
        tbb::simple_partitioner());
  });
}

void create_pool(std::size_t threads, bool wait) {
  auto* pool = new Pool;
  pool->threads = threads;
  if (threads > default_threads()) {
    pool->control = std::make_unique<tbb::global_control>(
        tbb::global_control::max_allowed_parallelism, threads);
  }
  pool->arena = std::make_unique<tbb::task_arena>(static_cast<int>(threads));
  pool->arena->initialize();
  if (wait && threads > 1) wait_for_workers(*pool->arena, threads);
  g_pool = pool;
  g_created_threads.store(threads, std::memory_order_release);
}

}  // namespace

bool request_worker_pool(std::size_t threads) {
  if (threads == 0) return false;
  const std::size_t clamped = std::min(threads, kMaxWorkerThreads);
  bool created = false;
  std::call_once(g_pool_once, [&] {
    create_pool(clamped, true);
    created = true;
  });
  return created;
}

tbb::task_arena& worker_pool() {
  std::call_once(g_pool_once, [] { create_pool(default_worker_pool_threads(), false); });
  return *g_pool->arena;
}

std::size_t worker_pool_threads() {
  worker_pool();
  return g_pool->threads;
}

std::size_t existing_worker_pool_threads() {
  return g_created_threads.load(std::memory_order_acquire);
}

std::size_t default_worker_pool_threads() { return std::min(default_threads(), kMaxWorkerThreads); }

}  // namespace varenko::core
