// The process-wide worker pool: one oneTBB task arena, created at most once,
// either by an explicit request with a thread count or on first use with one
// thread per logical processor. Later requests are ignored. Requests are
// clamped to kMaxWorkerThreads. All functions are thread-safe; the arena itself
// is shared and must only be used through execute/parallel algorithms.
#pragma once

#include <cstddef>

#include <tbb/task_arena.h>

namespace varenko::core {

// Largest thread count a request can create (larger requests are clamped).
inline constexpr std::size_t kMaxWorkerThreads = 256;

// Creates the pool with `threads` threads (clamped to [1, kMaxWorkerThreads])
// if it does not exist yet and waits until every worker has started; returns
// whether this call created it. A request for 0 threads creates nothing.
bool request_worker_pool(std::size_t threads);

// The pool, created with the default size when no request came first.
tbb::task_arena& worker_pool();

// Number of threads of the pool (creating it with the default size if needed).
std::size_t worker_pool_threads();

// Number of threads of the pool, or 0 while no pool has been created.
std::size_t existing_worker_pool_threads();

// Number of threads a pool created without a request gets: one per logical
// processor this process may run on, clamped to kMaxWorkerThreads.
std::size_t default_worker_pool_threads();

}  // namespace varenko::core
