// Waiting on the other end of a FIFO (or a terminal) without blocking in the
// kernel: descriptors are opened non-blocking, and an operation that would
// block polls in ticks of at most kWaitTick, asking the caller's wait hook
// between them whether to go on. The hook decides how a tick is spent (the
// Python module lets other threads run during it and checks for signals
// after it). Thread-safe; no shared state.
#pragma once

#include <chrono>
#include <cstddef>
#include <functional>

namespace varenko::core {

// Longest single wait of a file operation before the hook is asked again.
inline constexpr std::chrono::milliseconds kWaitTick{50};

// Runs one tick: calls `pause` (which blocks for at most kWaitTick) and
// returns whether the operation should go on. An empty hook just pauses.
using WaitHook = std::function<bool(const std::function<void()>& pause)>;

// Opens `path` for writing in place (a device or FIFO; no controlling
// terminal, close on exec, non-blocking: write with write_all_waiting). A
// FIFO without a reader is waited for. Returns the descriptor, or minus the
// error number (EINTR when the hook said stop).
int open_for_writing_waiting(const char* path, const WaitHook& hook);

// Opens `path` for reading (close on exec, non-blocking). A FIFO is waited
// for until a writer has written or come and gone. Returns the descriptor,
// or minus the error number (EINTR when the hook said stop).
int open_for_reading_waiting(const char* path, const WaitHook& hook);

// Writes all `size` bytes to the non-blocking `fd`, waiting while it is
// full. Returns 0 or the error number (EINTR when the hook said stop).
int write_all_waiting(int fd, const char* data, std::size_t size, const WaitHook& hook);

// Reads up to `capacity` bytes from the non-blocking `fd` into `out`, waiting
// while nothing is ready; `n` is 0 at the end. Returns 0 or the error number
// (EINTR when the hook said stop).
int read_waiting(int fd, char* out, std::size_t capacity, std::size_t& n, const WaitHook& hook);

}  // namespace varenko::core
