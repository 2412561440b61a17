#!/usr/bin/env bash
# Builds the documentation (docs/, Sphinx with MyST Markdown and numpydoc)
# into build/docs/html, with every warning an error. The API pages are
# generated from the docstrings of the varenkopy that the Python in use
# imports, so build and install the module first (scripts/build.sh).
# Arguments go to sphinx-build (for example -E to rebuild every page).
set -euo pipefail
cd "$(dirname "$0")/.."
PY=${PYTHON:-python3}
"$PY" -m sphinx -b html -W --keep-going -q -d build/docs/doctrees "$@" docs build/docs/html
echo "documentation: build/docs/html/index.html"
