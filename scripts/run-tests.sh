#!/usr/bin/env bash
# Installs what it needs, builds, and runs the C++ tests (CTest) and the Python
# tests (pytest; among them the wheel of scripts/build-wheel.sh installed into a
# fresh virtual environment running the README's quick start, and the sdist and
# that wheel installed by an unprivileged user with the system's libraries
# hidden), and builds the documentation. Then builds
# the module again and runs the Python tests under the oldest supported Python
# (3.10) and the newest one the machine has (3.13), each in a throwaway virtual
# environment under build/; an interpreter that is absent is skipped with a
# note. Fails if any suite fails.
#
# VARENKO_EXTRA_PYTHONS overrides the extra versions ("3.10 3.13"); set it to
# an empty string to run the default interpreter only.
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
# The documentation, with every warning an error.
PYTHON="$PY" scripts/build-docs.sh || status=1

# The interpreter of version $1 (e.g. 3.10): on the PATH or in pyenv's tree.
# A candidate must run (a pyenv shim for a version that is not selected fails).
find_python() {
  local version=$1 candidate
  for candidate in "$(command -v "python$version" 2>/dev/null || true)" \
      "${PYENV_ROOT:-$HOME/.pyenv}"/versions/"$version".*/bin/"python$version"; do
    if [ -n "$candidate" ] && [ -x "$candidate" ] && "$candidate" -c '' >/dev/null 2>&1; then
      echo "$candidate"
      return 0
    fi
  done
  return 1
}

# Builds the module with interpreter $2 (version $1) in a fresh virtual
# environment and runs the Python tests there.
test_with_python() {
  local version=$1 interpreter=$2 venv="build/venv-py$1"
  if ! "$interpreter" -c 'import os, sys, sysconfig
sys.exit(0 if os.path.exists(os.path.join(sysconfig.get_paths()["include"], "Python.h")) else 1)'; then
    echo "Python $version: $interpreter has no C headers, skipped"
    return 0
  fi
  echo "Python $version: building and testing with $interpreter"
  rm -rf "$venv"
  "$interpreter" -m venv "$venv"
  "$venv/bin/python" -m pip install -q --disable-pip-version-check "scikit-build-core>=0.10" \
    "pytest>=7" "numpy>=1.24" "pandas>=1.5" "tqdm>=4.60" || return 1
  PYTHON="$venv/bin/python" scripts/build.sh || return 1
  # The install without the system's libraries is checked once, above.
  VARENKO_ISOLATED_INSTALL=0 "$venv/bin/python" -m pytest -q -p no:cacheprovider tests/python || return 1
}

for version in ${VARENKO_EXTRA_PYTHONS-3.10 3.13}; do
  if ! interpreter=$(find_python "$version"); then
    echo "Python $version: not installed, skipped"
    continue
  fi
  start=$SECONDS
  test_with_python "$version" "$interpreter" || status=1
  echo "Python $version: $((SECONDS - start)) s"
done
exit $status
