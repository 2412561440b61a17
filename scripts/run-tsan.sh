#!/usr/bin/env bash
# Runs the C++ tests under ThreadSanitizer. TSan only understands the worker
# pool's synchronisation when oneTBB itself is instrumented, so this builds
# Debian's oneTBB source package with TBB_SANITIZE=thread once (into
# build/tbb-tsan) and links the tests against it.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/install-deps.sh

prefix="$root/build/tbb-tsan"
if [ ! -f "$prefix/lib/cmake/TBB/TBBConfig.cmake" ]; then
  for p in dpkg-dev xz-utils; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
      DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$p"
  done
  work="$root/build/tbb-src"
  mkdir -p "$work/lists/partial"
  # A private source list, so the system's apt configuration stays untouched.
  cat > "$work/sources.list" <<'LIST'
deb-src http://deb.debian.org/debian bookworm main
deb-src http://deb.debian.org/debian-security bookworm-security main
LIST
  apt_opts=(-o "Dir::Etc::SourceList=$work/sources.list" -o "Dir::Etc::SourceParts=-"
            -o "Dir::State::Lists=$work/lists")
  apt-get "${apt_opts[@]}" update -qq
  (cd "$work" && apt-get "${apt_opts[@]}" source -qq --download-only onetbb 2>/dev/null)
  dsc=$(ls "$work"/onetbb_*.dsc | head -n 1)
  rm -rf "$work/src" && dpkg-source -x "$dsc" "$work/src" >/dev/null
  cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTBB_SANITIZE=thread -DTBB_TEST=OFF -DTBB_STRICT=OFF -DCMAKE_POLICY_VERSION_MINIMUM=3.5 -DCMAKE_INSTALL_PREFIX="$prefix" >/dev/null
  cmake --build "$work/build" -j "$(nproc)"
  cmake --install "$work/build" >/dev/null
fi

cmake --preset tsan -DTBB_DIR="$prefix/lib/cmake/TBB" >/dev/null
cmake --build --preset tsan -j "$(nproc)"
LD_LIBRARY_PATH="$prefix/lib${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" \
  TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" ctest --preset tsan "$@"
