// Tests of the process-wide worker pool. Each test expects a fresh process
// (CTest runs every test on its own), so the first request decides the size.
#include "core/worker_pool.h"

#include <gtest/gtest.h>

namespace varenko::core {
namespace {

TEST(WorkerPool, FirstRequestWinsAndLaterOnesAreIgnored) {
  EXPECT_FALSE(request_worker_pool(0));  // 0 is no request
  ASSERT_TRUE(request_worker_pool(3));
  EXPECT_EQ(worker_pool_threads(), 3u);
  EXPECT_EQ(worker_pool().max_concurrency(), 3);
  EXPECT_FALSE(request_worker_pool(5));
  EXPECT_EQ(worker_pool_threads(), 3u);
}

TEST(WorkerPool, HugeRequestsAreClamped) {
  ASSERT_TRUE(request_worker_pool(1000000));
  EXPECT_EQ(worker_pool_threads(), kMaxWorkerThreads);
  EXPECT_EQ(worker_pool().max_concurrency(), static_cast<int>(kMaxWorkerThreads));
}

TEST(WorkerPool, PoolWithoutRequestHasTheDefaultSize) {
  EXPECT_EQ(existing_worker_pool_threads(), 0u);
  const std::size_t expected = default_worker_pool_threads();
  EXPECT_GE(expected, 1u);
  EXPECT_LE(expected, kMaxWorkerThreads);
  EXPECT_EQ(worker_pool_threads(), expected);
  EXPECT_EQ(existing_worker_pool_threads(), expected);
}

}  // namespace
}  // namespace varenko::core
