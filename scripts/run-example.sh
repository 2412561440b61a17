#!/usr/bin/env bash
# Installs what it needs, builds the module and runs the bundled example:
# an analysis of a real ranking against the Hallmark gene sets.
set -euo pipefail
cd "$(dirname "$0")/.."
PY=${PYTHON:-python3}
scripts/install-deps.sh
scripts/build.sh
exec "$PY" examples/run_example.py "$@"
