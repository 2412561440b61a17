#include "core/file_wait.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace varenko::core {
namespace {

constexpr int kTickMs = static_cast<int>(kWaitTick.count());

// One tick through the hook; false when the caller wants to stop.
bool tick(const WaitHook& hook, const std::function<void()>& pause) {
  if (!hook) {
    pause();
    return true;
  }
  return hook(pause);
}

// Waits one tick for `events` on `fd`; false when the caller wants to stop.
bool poll_tick(int fd, short events, const WaitHook& hook) {
  return tick(hook, [fd, events] {
    pollfd p{fd, events, 0};
    ::poll(&p, 1, kTickMs);  // EINTR or a timeout: the hook looks at signals
  });
}

bool is_fifo(const char* path) {
  struct stat st {};
  return ::stat(path, &st) == 0 && S_ISFIFO(st.st_mode);
}

}  // namespace

int open_for_writing_waiting(const char* path, const WaitHook& hook) {
  while (true) {
    const int fd = ::open(path, O_WRONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) return fd;
    const int err = errno;
    if (err == EINTR) continue;
    // A FIFO without a reader refuses a non-blocking open with ENXIO (so
    // does a socket, which never opens).
    if (err != ENXIO || !is_fifo(path)) return -err;
    if (!tick(hook, [] { ::poll(nullptr, 0, kTickMs); })) return -EINTR;
  }
}

int open_for_reading_waiting(const char* path, const WaitHook& hook) {
  int fd = -1;
  do {
    fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return -errno;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISFIFO(st.st_mode)) {
    // Until a writer has written or come and gone, a read would report the
    // end at once; poll reports neither before that.
    while (true) {
      pollfd p{fd, POLLIN, 0};
      if (::poll(&p, 1, 0) > 0) break;
      if (!poll_tick(fd, POLLIN, hook)) {
        ::close(fd);
        return -EINTR;
      }
    }
  }
  return fd;
}

int write_all_waiting(int fd, const char* data, std::size_t size, const WaitHook& hook) {
  while (size > 0) {
    const ssize_t n = ::write(fd, data, size);
    if (n >= 0) {
      data += n;
      size -= static_cast<std::size_t>(n);
      continue;
    }
    const int err = errno;
    if (err == EINTR) continue;
    if (err != EAGAIN && err != EWOULDBLOCK) return err;
    if (!poll_tick(fd, POLLOUT, hook)) return EINTR;
  }
  return 0;
}

int read_waiting(int fd, char* out, std::size_t capacity, std::size_t& n, const WaitHook& hook) {
  while (true) {
    const ssize_t got = ::read(fd, out, capacity);
    if (got >= 0) {
      n = static_cast<std::size_t>(got);
      return 0;
    }
    const int err = errno;
    if (err == EINTR) continue;
    if (err != EAGAIN && err != EWOULDBLOCK) return err;
    if (!poll_tick(fd, POLLIN, hook)) return EINTR;
  }
}

}  // namespace varenko::core
