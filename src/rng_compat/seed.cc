// Run seed resolution. Without a user seed the value comes from the kernel's
// cryptographically strong generator (getrandom), which is safe to call from
// any thread; /dev/urandom is the fallback for kernels without that call.
#include "rng_compat/seed.h"

#include <sys/random.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <functional>
#include <thread>

namespace varenko::rng_compat {
namespace {

bool fill_from_getrandom(std::uint64_t& out) {
  unsigned char buf[sizeof(out)];
  std::size_t got = 0;
  while (got < sizeof(buf)) {
    const ssize_t r = getrandom(buf + got, sizeof(buf) - got, 0);
    if (r < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    got += static_cast<std::size_t>(r);
  }
  std::memcpy(&out, buf, sizeof(out));
  return true;
}

bool fill_from_urandom(std::uint64_t& out) {
  std::FILE* f = std::fopen("/dev/urandom", "rb");
  if (f == nullptr) return false;
  const bool ok = std::fread(&out, sizeof(out), 1, f) == 1;
  std::fclose(f);
  return ok;
}

// Last resort when the system offers no random source at all: an unreproducible
// mix of clock, thread and address, so the run still gets a fresh seed.
std::uint64_t weak_entropy() {
  std::uint64_t x = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  x ^= std::hash<std::thread::id>{}(std::this_thread::get_id()) * 0x9e3779b97f4a7c15ull;
  x ^= reinterpret_cast<std::uintptr_t>(&x);
  // splitmix64 finaliser spreads the bits.
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
  return x ^ (x >> 31);
}

}  // namespace

std::uint64_t resolve_rng_seed(std::optional<std::uint64_t> seed) {
  if (seed) return *seed;
  std::uint64_t v = 0;
  if (fill_from_getrandom(v) || fill_from_urandom(v)) return v;
  return weak_entropy();
}

}  // namespace varenko::rng_compat
