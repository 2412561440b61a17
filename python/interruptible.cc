#include "interruptible.h"

#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>

#include "convert.h"
#include "core/log.h"

namespace varenko::py {
namespace {

// The interval between two signal checks of the waiting thread.
constexpr std::chrono::milliseconds kTick{100};

// Held by the computation thread for a whole run; no thread that waits for
// the interpreter lock ever holds it.
std::mutex& run_mutex() {
  static std::mutex m;
  return m;
}

// Removes the capturing log sink when the run ends, however it ends.
struct SinkGuard {
  SinkGuard(const SinkGuard&) = delete;
  SinkGuard& operator=(const SinkGuard&) = delete;
  explicit SinkGuard(core::log::Sink sink) { core::log::set_sink(std::move(sink), core::log::LevelFilter::Warn); }
  ~SinkGuard() { core::log::reset(); }
};

// Calls the progress callback with the current counters; false with the
// callback's exception set.
bool report_progress(PyObject* progress, const core::RunControl& control) {
  constexpr auto relaxed = std::memory_order_relaxed;
  PyRef result = PyRef::steal(PyObject_CallFunction(
      progress, "KKKKK", static_cast<unsigned long long>(control.permutations_done.load(relaxed)),
      static_cast<unsigned long long>(control.permutations_total.load(relaxed)),
      static_cast<unsigned long long>(control.groups_done.load(relaxed)),
      static_cast<unsigned long long>(control.groups_total.load(relaxed)),
      static_cast<unsigned long long>(control.levels_done.load(relaxed))));
  return static_cast<bool>(result);
}

}  // namespace

bool run_interruptible(const std::function<void(core::RunControl&)>& compute,
                       const WaitOptions& wait, std::vector<std::string>& warnings) {
  core::RunControl control;
  std::mutex done_mutex;
  std::condition_variable done_cv;
  bool done = false;
  std::exception_ptr failure;
  std::mutex warnings_mutex;
  std::vector<std::string> captured;

  std::thread worker([&] {
    try {
      std::lock_guard<std::mutex> turn(run_mutex());
      SinkGuard sink([&](const core::log::Record& record) {
        if (record.level != core::log::Level::Warn && record.level != core::log::Level::Error) return;
        std::lock_guard<std::mutex> lock(warnings_mutex);
        captured.emplace_back(record.message);
      });
      compute(control);
    } catch (...) {
      failure = std::current_exception();
    }
    {
      std::lock_guard<std::mutex> lock(done_mutex);
      done = true;
    }
    done_cv.notify_all();
  });

  auto wait_tick = [&] {
    std::unique_lock<std::mutex> lock(done_mutex);
    return done_cv.wait_for(lock, kTick, [&] { return done; });
  };
  bool interrupted = false;
  while (true) {
    bool finished = false;
    if (wait.release_gil) {
      Py_BEGIN_ALLOW_THREADS
      finished = wait_tick();
      Py_END_ALLOW_THREADS
    } else {
      finished = wait_tick();
    }
    if (finished) break;
    if (interrupted) continue;  // waiting for the cancelled run to unwind
    if (PyErr_CheckSignals() < 0 ||
        (wait.progress != nullptr && !report_progress(wait.progress, control))) {
      interrupted = true;
      control.request_cancel();
    }
  }
  worker.join();
  if (failure) std::rethrow_exception(failure);
  if (interrupted) return false;
  warnings = std::move(captured);
  if (wait.progress != nullptr && !report_progress(wait.progress, control)) return false;
  return true;
}

core::WaitHook python_wait_hook() {
  return [](const std::function<void()>& pause) {
    Py_BEGIN_ALLOW_THREADS
    pause();
    Py_END_ALLOW_THREADS
    return PyErr_CheckSignals() == 0;
  };
}

}  // namespace varenko::py
