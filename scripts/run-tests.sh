#!/usr/bin/env bash
# Installs what it needs, builds, and runs the C++ tests (CTest) and the Python
# tests (pytest). Fails if either suite fails.
set -euo pipefail
cd "$(dirname "$0")/.."
PY=${PYTHON:-python3}
scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
cmake --preset release >/dev/null
cmake --build --preset release -j "$jobs"
status=0
ctest --preset release -j "$jobs" || status=1

scripts/build.sh
"$PY" -m pytest -q tests/python || status=1
exit $status
