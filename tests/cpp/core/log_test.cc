#include "core/log.h"

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

namespace varenko::core::log {
namespace {

class LogFacade : public ::testing::Test {
 protected:
  void TearDown() override { reset(); }
};

TEST_F(LogFacade, DropsRecordsUntilASinkIsInstalledAndTheLevelAllowsThem) {
  std::vector<std::string> seen;
  emit(Level::Error, "t", "no sink");
  EXPECT_FALSE(enabled(Level::Error));

  set_sink([&](const Record& r) { seen.emplace_back(r.message); }, LevelFilter::Off);
  emit(Level::Error, "t", "level off");
  EXPECT_FALSE(enabled(Level::Error));

  set_max_level(LevelFilter::Warn);
  emit(Level::Info, "t", "too verbose");
  emit(Level::Warn, "t", "warn passes");
  emit(Level::Error, "t", "error passes");
  EXPECT_TRUE(enabled(Level::Warn));
  EXPECT_FALSE(enabled(Level::Info));

  reset();
  emit(Level::Error, "t", "after reset");
  EXPECT_EQ(seen, (std::vector<std::string>{"warn passes", "error passes"}));
  EXPECT_EQ(max_level(), LevelFilter::Off);
}

TEST_F(LogFacade, DeliversEveryRecordOnceWhileTheSinkIsReplaced) {
  constexpr int kThreads = 4;
  constexpr int kRecordsPerThread = 2000;
  std::atomic<int> first{0};
  std::atomic<int> second{0};
  set_sink([&](const Record&) { first.fetch_add(1); });
  std::vector<std::thread> emitters;
  for (int t = 0; t < kThreads; ++t) {
    emitters.emplace_back([] {
      for (int i = 0; i < kRecordsPerThread; ++i) emit(Level::Warn, "varenko::test", "x");
    });
  }
  for (int i = 0; i < 200; ++i) {
    set_sink([&](const Record&) { second.fetch_add(1); });
    set_sink([&](const Record&) { first.fetch_add(1); });
  }
  for (auto& t : emitters) t.join();
  EXPECT_EQ(first.load() + second.load(), kThreads * kRecordsPerThread);
}

}  // namespace
}  // namespace varenko::core::log
