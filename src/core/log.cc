// Process-wide sink and level of the logging facade. The sink lives behind a
// shared pointer swapped under a mutex, so a record in flight keeps the sink it
// started with alive; the level is an atomic read on every emit.
#include "core/log.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <utility>

namespace varenko::core::log {
namespace {

struct State {
  std::mutex mutex;
  std::shared_ptr<const Sink> sink;  // null: records are dropped
  std::atomic<int> max_level{static_cast<int>(LevelFilter::Off)};
};

State& state() {
  static State s;
  return s;
}

}  // namespace

void set_sink(Sink sink, LevelFilter max_level) {
  State& s = state();
  std::shared_ptr<const Sink> next;
  if (sink) next = std::make_shared<const Sink>(std::move(sink));
  {
    std::lock_guard<std::mutex> lock(s.mutex);
    next.swap(s.sink);
    s.max_level.store(static_cast<int>(max_level), std::memory_order_relaxed);
  }
  // The previous sink (now in `next`) is released outside the lock.
}

void reset() { set_sink(Sink{}, LevelFilter::Off); }

void set_max_level(LevelFilter max_level) {
  state().max_level.store(static_cast<int>(max_level), std::memory_order_relaxed);
}

LevelFilter max_level() {
  return static_cast<LevelFilter>(state().max_level.load(std::memory_order_relaxed));
}

bool enabled(Level level) {
  State& s = state();
  if (static_cast<int>(level) > s.max_level.load(std::memory_order_relaxed)) return false;
  std::lock_guard<std::mutex> lock(s.mutex);
  return s.sink != nullptr;
}

void emit(Level level, std::string_view target, std::string_view message) {
  State& s = state();
  if (static_cast<int>(level) > s.max_level.load(std::memory_order_relaxed)) return;
  std::shared_ptr<const Sink> sink;
  {
    std::lock_guard<std::mutex> lock(s.mutex);
    sink = s.sink;
  }
  if (sink) (*sink)(Record{level, target, message});
}

}  // namespace varenko::core::log
