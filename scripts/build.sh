#!/usr/bin/env bash
# Builds and installs the Python module into the current Python environment.
set -euo pipefail
cd "$(dirname "$0")/.."
PY=${PYTHON:-python3}
"$PY" -m pip install -q --no-build-isolation .
