// Runs one analysis off the calling thread so that a long call stays
// interruptible: the computation runs on a native thread of its own (which
// enters the worker pool as usual) while the calling thread waits in short
// ticks, checking for signals and reporting progress between them.
#pragma once

#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <functional>
#include <string>
#include <vector>

#include "core/file_wait.h"
#include "core/run_control.h"

namespace varenko::py {

// How the calling thread waits for the computation.
struct WaitOptions {
  // Release the interpreter lock while waiting (other Python threads run).
  bool release_gil = false;
  // Called with (permutations_done, permutations_total, groups_done,
  // groups_total, levels_done) on every tick and once at the end; borrowed,
  // may be null. Its exception cancels the run and is raised.
  PyObject* progress = nullptr;
};

// Runs `compute` to its end on a separate thread. Runs of the whole process
// take turns: the computation thread holds a process-wide mutex (never the
// interpreter lock), so overlapping calls from several Python threads run one
// after another without deadlock, whichever way they wait. The warnings that
// the analysis logs during the run are appended to `warnings`.
//
// Returns true when the computation finished. On a signal whose handler raises
// (KeyboardInterrupt for Ctrl-C), or a failing progress callback, the run is
// asked to stop through its RunControl, the call waits until the computation
// has unwound (every worker back in the pool) and returns false with the
// Python exception set. A C++ exception escaping `compute` is rethrown on the
// calling thread after the join.
[[nodiscard]] bool run_interruptible(const std::function<void(core::RunControl&)>& compute,
                                     const WaitOptions& wait, std::vector<std::string>& warnings);

// The wait hook for file operations of the calling thread, which holds the
// interpreter lock: each tick runs without the lock (other Python threads
// run meanwhile), then the signal handlers run; when one raises
// (KeyboardInterrupt for Ctrl-C) the operation stops and the exception stays
// set for the entry to return.
core::WaitHook python_wait_hook();

}  // namespace varenko::py
